#include "devices/MidiCapture.h"

namespace jorv {

void MidiCapture::open(uint32_t capacity, MidiInput& input) {
    close();
    list_ = std::make_unique<int32_t[]>(capacity);
    capacity_ = capacity;
    count_ = 0;
    if (input.open(*this)) input_ = &input;
}

void MidiCapture::start() {
    count_ = 0;
    if (input_) input_->start();
}

void MidiCapture::stop() {
    if (input_) input_->stop();
}

void MidiCapture::close() {
    stop();
    if (input_) input_->close();
    input_ = nullptr;
    list_.reset();
    capacity_ = 0;
    count_ = 0;
}

void MidiCapture::receive(uint32_t message, uint32_t timeMs) {
    const int32_t count = count_.load(std::memory_order_relaxed);
    if (int64_t{count} >= int64_t{capacity_} - 4) return;
    if ((message & 0xF0) == 0xF0) return;
    list_[count] = static_cast<int32_t>(timeMs);
    list_[count + 1] = static_cast<int32_t>(message);
    count_.store(count + 2, std::memory_order_release);
}

}  // namespace jorv

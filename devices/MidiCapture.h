#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

#include "devices/MidiInput.h"

namespace jorv {

// A capture of what a MIDI input plays: pairs of entries, the time stamp in milliseconds since
// the capture started, then the short message. System messages (0xF0..0xFF) are never stored;
// a full list (four entries stay free) drops later events and the capture goes on.
//
// Thread contract: receive() runs on the input's thread and is the only writer of the list
// while capturing; it publishes each pair by storing the count last. The user-interface thread
// reads the list only after stop(), which waits for the input to deliver no more.
class MidiCapture final : public MidiReceiver {
public:
    ~MidiCapture() override { close(); }

    // A list of capacity entries on input, which outlives the capture; the list exists (empty)
    // even when the input cannot be opened.
    void open(uint32_t capacity, MidiInput& input);
    void start();
    void stop();
    // Lets go of the list and the input.
    void close();

    // The stored entries; read only after stop().
    std::span<const int32_t> entries() const { return {list_.get(), static_cast<std::size_t>(count_.load())}; }
    bool isOpen() const { return static_cast<bool>(list_); }
    bool inputOpened() const { return input_ != nullptr; }

    // Runs on the MIDI input's thread.
    void receive(uint32_t message, uint32_t timeMs) override;

private:
    std::unique_ptr<int32_t[]> list_;
    uint32_t capacity_ = 0;
    std::atomic<int32_t> count_{0};
    MidiInput* input_ = nullptr;  // null when it did not open
};

}  // namespace jorv

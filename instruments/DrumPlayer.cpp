#include "instruments/DrumPlayer.h"

namespace jorv {

void DrumPlayer::open(uint32_t capacity, MidiOutput& output, TickTimer& timer) {
    close();
    list_ = DrumEventList(capacity);
    eventCount_ = 0;
    drumsRunning_ = false;
    output_ = &output;
    timer_ = &timer;
}

void DrumPlayer::close() {
    stop();
    if (timer_) timer_->join();
    list_ = DrumEventList();
    output_ = nullptr;
    timer_ = nullptr;
}

void DrumPlayer::build(const DrumBlock& drums) {
    stop();
    // A timer that is finishing would empty the new list at its last tick.
    if (timer_) timer_->join();
    list_.count = 0;
    BuildDrumEvents(drums, list_);
    eventCount_ = list_.count;
}

void DrumPlayer::start() {
    if (!timer_) return;
    timer_->join();
    eventPos_ = 0;
    elapsedMs_ = 0;
    output_->startSong();
    drumsRunning_ = true;  // published last: the timer starts after it
    timer_->start([this] { return tick(); });
}

void DrumPlayer::stop() {
    eventCount_ = 0;
    drumsRunning_ = false;
}

bool DrumPlayer::tick() {
    if (!drumsRunning_) {
        eventCount_ = 0;
        return false;
    }
    const uint32_t elapsed = elapsedMs_ += DrumTickMs;
    int32_t pos = eventPos_;
    while (pos < eventCount_ && list_.entries[pos] < elapsed) {
        output_->send(list_.entries[pos + 1], list_.entries[pos]);
        eventPos_ = pos += 2;
    }
    if (pos >= eventCount_) {
        eventPos_ = 0;
        elapsedMs_ = 0;
        drumsRunning_ = false;
    }
    return true;
}

}  // namespace jorv

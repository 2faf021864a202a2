#pragma once

#include "devices/MidiInput.h"

namespace jorv::test {

// A MIDI input whose messages the test plays: play() delivers only between start() and stop().
class FakeMidiInput final : public MidiInput {
public:
    bool open(MidiReceiver& receiver) override {
        receiver_ = opens ? &receiver : nullptr;
        return opens;
    }
    void start() override { started_ = true; }
    void stop() override { started_ = false; }
    void close() override {
        receiver_ = nullptr;
        ++closes;
    }
    void play(uint32_t message, uint32_t timeMs) {
        if (receiver_ && started_) receiver_->receive(message, timeMs);
    }

    bool opens = true;
    int closes = 0;

private:
    MidiReceiver* receiver_ = nullptr;
    bool started_ = false;
};

}  // namespace jorv::test

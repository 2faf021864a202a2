#include "devices/backends/RtMidiPortOutput.h"

#include <rtmidi/RtMidi.h>

#include "devices/AudioApi.h"

namespace jorv {

namespace {

std::unique_ptr<RtMidiOut> NewMidiOut(const std::string& audioApi) {
    try {
        return std::make_unique<RtMidiOut>(MidiUsesJack(audioApi) ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA, "jorv-drums");
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

// Program change and channel pressure carry one data byte, the other messages two.
std::size_t MessageLength(uint32_t message) {
    const uint32_t kind = message & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 2 : 3;
}

}  // namespace

bool MidiUsesJack(const std::string& audioApi) { return ChosenAudioApi(audioApi) == "jack"; }

std::vector<std::string> MidiOutputPortNames(const std::string& audioApi) {
    std::vector<std::string> names;
    const auto out = NewMidiOut(audioApi);
    if (!out) return names;
    try {
        for (unsigned i = 0; i < out->getPortCount(); ++i) names.push_back(out->getPortName(i));
    } catch (const RtMidiError&) {
    }
    return names;
}

std::unique_ptr<RtMidiPortOutput> RtMidiPortOutput::open(const std::string& nameContains, const std::string& audioApi) {
    auto out = NewMidiOut(audioApi);
    if (!out) return nullptr;
    try {
        for (unsigned i = 0; i < out->getPortCount(); ++i) {
            if (out->getPortName(i).find(nameContains) == std::string::npos) continue;
            out->openPort(i, "drums");
            return std::unique_ptr<RtMidiPortOutput>(new RtMidiPortOutput(std::move(out)));
        }
    } catch (const RtMidiError&) {
    }
    return nullptr;
}

RtMidiPortOutput::RtMidiPortOutput(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {}

RtMidiPortOutput::~RtMidiPortOutput() = default;

void RtMidiPortOutput::send(uint32_t message, uint32_t) {
    const unsigned char bytes[3] = {static_cast<unsigned char>(message), static_cast<unsigned char>(message >> 8),
                                    static_cast<unsigned char>(message >> 16)};
    try {
        out_->sendMessage(bytes, MessageLength(message));
    } catch (const RtMidiError&) {
        // A port that went away leaves the drums silent, as one that never opened does.
    }
}

}  // namespace jorv

#include "devices/backends/RtMidiInputPort.h"

#include <rtmidi/RtMidi.h>

#include <thread>

#include "devices/backends/RtMidiPortOutput.h"

namespace jorv {

namespace {

std::unique_ptr<RtMidiIn> NewMidiIn(const std::string& audioApi) {
    try {
        return std::make_unique<RtMidiIn>(MidiUsesJack(audioApi) ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA, "jorv-midi-in");
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

}  // namespace

std::vector<std::string> MidiInputPortNames(const std::string& audioApi) {
    std::vector<std::string> names;
    const auto in = NewMidiIn(audioApi);
    if (!in) return names;
    try {
        for (unsigned i = 0; i < in->getPortCount(); ++i) names.push_back(in->getPortName(i));
    } catch (const RtMidiError&) {
    }
    return names;
}

RtMidiInputPort::RtMidiInputPort(int portIndex, std::string audioApi)
    : portIndex_(portIndex), audioApi_(std::move(audioApi)) {}

RtMidiInputPort::RtMidiInputPort(std::string nameContains, std::string audioApi)
    : nameContains_(std::move(nameContains)), audioApi_(std::move(audioApi)) {}

RtMidiInputPort::~RtMidiInputPort() { close(); }

int RtMidiInputPort::findPort() const {
    const unsigned count = in_->getPortCount();
    if (nameContains_.empty()) return portIndex_ >= 0 && unsigned(portIndex_) < count ? portIndex_ : -1;
    for (unsigned i = 0; i < count; ++i)
        if (in_->getPortName(i).find(nameContains_) != std::string::npos) return int(i);
    return -1;
}

bool RtMidiInputPort::open(MidiReceiver& receiver) {
    close();
    in_ = NewMidiIn(audioApi_);
    if (!in_) return false;
    try {
        const bool none = in_->getPortCount() == 0;
        const int port = findPort();
        if (port < 0 && !(none && nameContains_.empty()))
            throw RtMidiError("no such MIDI input", RtMidiError::INVALID_DEVICE);
        receiver_ = &receiver;
        in_->ignoreTypes(true, true, true);
        in_->setCallback(Deliver, this);
        // With no port to listen to, a port of our own lets a keyboard program connect to us.
        if (port < 0) in_->openVirtualPort("capture");
        else in_->openPort(unsigned(port), "capture");
        return true;
    } catch (const RtMidiError&) {
        in_.reset();
        receiver_ = nullptr;
        return false;
    }
}

void RtMidiInputPort::start() {
    startTicks_ = std::chrono::steady_clock::now().time_since_epoch().count();
    started_ = true;
}

void RtMidiInputPort::stop() {
    started_ = false;
    while (delivering_) std::this_thread::yield();
}

void RtMidiInputPort::close() {
    stop();
    if (in_) {
        try {
            in_->closePort();
        } catch (const RtMidiError&) {
        }
    }
    in_.reset();
    receiver_ = nullptr;
}

void RtMidiInputPort::Deliver(double, std::vector<unsigned char>* message, void* self) {
    auto& port = *static_cast<RtMidiInputPort*>(self);
    port.delivering_ = true;
    if (port.started_ && message && !message->empty() && message->size() <= 3) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        const auto elapsed = std::chrono::steady_clock::duration(now - port.startTicks_.load());
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
        uint32_t packed = 0;
        for (std::size_t i = 0; i < message->size(); ++i) packed |= uint32_t((*message)[i]) << (8 * i);
        port.receiver_.load()->receive(packed, static_cast<uint32_t>(ms));
    }
    port.delivering_ = false;
}

}  // namespace jorv

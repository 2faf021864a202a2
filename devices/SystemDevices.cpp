#include "devices/SystemDevices.h"

#include "core/LoadedModule.h"
#include "devices/backends/AudioBackend.h"
#include "devices/backends/PlayerBackend.h"

namespace jorv {

namespace {

const AudioBackend* Audio() { return LoadModuleTable<AudioBackend>("jorv-audio", "jorv_audio_backend"); }

const PlayerBackend* Player() { return LoadModuleTable<PlayerBackend>("jorv-player", "jorv_player_backend"); }

// Stands for the wave devices when their back end is missing: every open fails, as it does
// on a machine without audio hardware.
class AbsentWaveDevice final : public WaveDevice {
public:
    bool openOutput() override { return false; }
    bool openInput() override { return false; }
    bool close() override { return true; }
    bool play(const Frame*, uint32_t) override { return false; }
    bool playAndRecord(const Frame*, uint32_t, Frame*, uint32_t) override { return false; }
    void reset() override {}
    uint32_t playedFrames() const override { return 0; }
    uint32_t capturedFrames() const override { return 0; }
    bool takeBufferDone() override { return false; }
    DeviceMonitor& monitor() override { return monitor_; }

private:
    DeviceMonitor monitor_;
};

class AbsentMidiInput final : public MidiInput {
public:
    bool open(MidiReceiver&) override { return false; }
    void start() override {}
    void stop() override {}
    void close() override {}
};

}  // namespace

std::unique_ptr<WaveDevice> MakeAbsentWaveDevice() { return std::make_unique<AbsentWaveDevice>(); }

std::unique_ptr<WaveDevice> MakeSystemWaveDevice(const std::string& audioApi) {
    if (const AudioBackend* audio = Audio()) return audio->waveDevice(audioApi);
    return std::make_unique<AbsentWaveDevice>();
}

std::unique_ptr<MidiOutput> OpenMidiPortOutput(const std::string& nameContains, const std::string& audioApi) {
    const AudioBackend* audio = Audio();
    return audio ? audio->midiPortOutput(nameContains, audioApi) : nullptr;
}

std::unique_ptr<MidiOutput> OpenSynthOutput(const std::string& audioApi) {
    const AudioBackend* audio = Audio();
    return audio ? audio->synthOutput(audioApi) : nullptr;
}

std::unique_ptr<MidiInput> MakeMidiInputPort(int portIndex, const std::string& audioApi) {
    if (const AudioBackend* audio = Audio()) return audio->midiInputAt(portIndex, audioApi);
    return std::make_unique<AbsentMidiInput>();
}

std::unique_ptr<MidiInput> MakeMidiInputPort(const std::string& nameContains, const std::string& audioApi) {
    if (const AudioBackend* audio = Audio()) return audio->midiInputNamed(nameContains, audioApi);
    return std::make_unique<AbsentMidiInput>();
}

std::vector<std::string> ListAudioSystems() {
    const AudioBackend* audio = Audio();
    return audio ? audio->audioSystems() : std::vector<std::string>{};
}

std::vector<std::string> ListAudioDevices(const std::string& audioApi, bool input) {
    const AudioBackend* audio = Audio();
    return audio ? audio->audioDeviceNames(audioApi, input) : std::vector<std::string>{};
}

std::vector<std::string> ListMidiInputs(const std::string& audioApi) {
    const AudioBackend* audio = Audio();
    return audio ? audio->midiInputNames(audioApi) : std::vector<std::string>{};
}

std::vector<std::string> ListMidiOutputs(const std::string& audioApi) {
    const AudioBackend* audio = Audio();
    return audio ? audio->midiOutputNames(audioApi) : std::vector<std::string>{};
}

std::unique_ptr<MediaPlayer> StartMediaPlayer(const std::string& audioApi) {
    const PlayerBackend* player = Player();
    return player ? player->start(audioApi) : nullptr;
}

}  // namespace jorv

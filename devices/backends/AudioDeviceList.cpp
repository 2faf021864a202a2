#include "devices/backends/AudioDeviceList.h"

#include "devices/backends/RtAudioApi.h"

namespace jorv {

namespace {

bool Carries(const RtAudio::DeviceInfo& info, bool input) {
    return info.probed && (input ? info.inputChannels : info.outputChannels) >= 2;
}

}  // namespace

RtAudio::Api AudioApiNamed(const std::string& name) {
    if (name == "jack") return RtAudio::UNIX_JACK;
    if (name == "pulse") return RtAudio::LINUX_PULSE;
    if (name == "alsa") return RtAudio::LINUX_ALSA;
    return RtAudio::UNSPECIFIED;
}

std::vector<std::string> AudioSystems() {
    std::vector<RtAudio::Api> compiled;
    RtAudio::getCompiledApi(compiled);
    std::vector<std::string> systems;
    for (const char* name : {"jack", "pulse", "alsa"})
        for (RtAudio::Api api : compiled)
            if (api == AudioApiNamed(name)) systems.emplace_back(name);
    return systems;
}

std::vector<std::string> AudioDeviceNames(const std::string& api, bool input) {
    std::vector<std::string> names;
    try {
        RtAudio audio(AudioApiNamed(api));
        audio.showWarnings(false);
        for (unsigned id = 0; id < audio.getDeviceCount(); ++id) {
            const RtAudio::DeviceInfo info = audio.getDeviceInfo(id);
            if (Carries(info, input)) names.push_back(info.name);
        }
    } catch (const RtAudioError&) {
    }
    return names;
}

unsigned AudioDeviceNamed(RtAudio& audio, const std::string& name, bool input) {
    if (!name.empty()) {
        for (unsigned id = 0; id < audio.getDeviceCount(); ++id) {
            const RtAudio::DeviceInfo info = audio.getDeviceInfo(id);
            if (info.name == name && Carries(info, input)) return id;
        }
    }
    return input ? audio.getDefaultInputDevice() : audio.getDefaultOutputDevice();
}

}  // namespace jorv

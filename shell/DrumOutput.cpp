#include "shell/DrumOutput.h"

#include "shell/AppContext.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"

namespace jorv {

namespace {

std::unique_ptr<MidiOutput> OpenChosenOutput(const Settings& settings) {
    const std::string api = WindowAudioApi(settings.audioApi);
    if (!settings.midiOutDevice.empty())
        if (auto port = OpenMidiPortOutput(settings.midiOutDevice, api)) return port;
    if (auto synth = OpenSynthOutput(api)) return synth;
    return std::make_unique<SilentMidiOutput>();
}

}  // namespace

void OpenDrumOutput(AppContext& context) {
    CloseDrumOutput(context);
    const auto& open = context.drumOutput.open;
    context.drumOutput.output = open ? open(context.settings) : OpenChosenOutput(context.settings);
    context.drums.open(static_cast<uint32_t>(context.settings.midiBufferEntries), *context.drumOutput.output,
                       context.drumOutput.timer);
}

void CloseDrumOutput(AppContext& context) {
    context.drums.close();
    context.drumOutput.output.reset();
}

}  // namespace jorv

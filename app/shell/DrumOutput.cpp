#include "app/shell/DrumOutput.h"

#include "app/shell/AppContext.h"
#include "devices/RtMidiPortOutput.h"
#include "devices/SynthMidiOutput.h"

namespace jorv {

namespace {

std::unique_ptr<MidiOutput> OpenChosenOutput(const Settings& settings) {
    if (!settings.midiOutDevice.empty())
        if (auto port = RtMidiPortOutput::open(settings.midiOutDevice, {})) return port;
    if (auto synth = SynthMidiOutput::open({})) return synth;
    return std::make_unique<SilentMidiOutput>();
}

}  // namespace

void OpenDrumOutput(AppContext& context) {
    CloseDrumOutput(context);
    context.drumOutput.output = OpenChosenOutput(context.settings);
    context.drums.open(static_cast<uint32_t>(context.settings.midiBufferEntries), *context.drumOutput.output,
                       context.drumOutput.timer);
}

void CloseDrumOutput(AppContext& context) {
    context.drums.close();
    context.drumOutput.output.reset();
}

}  // namespace jorv

#include "app/shell/EngineTransport.h"

#include "app/shell/AppContext.h"

namespace jorv {

bool EngineTransport::openWaveDevices(AppContext& context, int memPerTrackMB) {
    const bool ready = OpenWaveDevices(context.project, engine_, memPerTrackMB, context.settings.recordLatency, context.ui);
    context.view.framesPerPixel = ready ? context.project.framesPerTrack / 550.0 : 1.0;
    return ready;
}

void EngineTransport::closeWaveDevices(AppContext& context) {
    CloseWaveDevices(context.project, engine_, context.settings.recordLatency, context.ui);
}

void EngineTransport::startPlayback(AppContext& context, uint32_t start, uint32_t end) {
    StartPlayback(context.project, engine_, start, end, context.ui);
}

void EngineTransport::startRecording(AppContext& context, uint32_t start, uint32_t end, bool merge) {
    StartRecording(context.project, engine_, start, end, merge, context.ui);
}

void EngineTransport::stopWave(AppContext& context, uint32_t start, uint32_t end, bool merge) {
    StopWave(context.project, engine_, start, end, merge, context.settings.recordLatency, context.ui);
}

}  // namespace jorv

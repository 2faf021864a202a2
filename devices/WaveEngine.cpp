#include "devices/WaveEngine.h"

#include <algorithm>

#include "core/Mixing.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

// The take lands at frame 0; it is spliced in unless it filled the whole track without merging.
void PlaceTake(Project& project, uint32_t start, uint32_t end, bool merge, int recordLatency, UiServices& ui) {
    if (recordLatency > 0) LatencyShift(project.trackBuffer.get(), start, end, recordLatency);
    const uint32_t frames = project.framesPerTrack;
    const bool splice = start > 0 || end + 10 < frames || merge;
    if (splice) {
        LoadWave(FieldToUtf8(project.current().waveFile), project.scratchBuffer.get(), frames, ui);
        const uint32_t length = end - start;
        MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), 0, length, start,
                project.currentTrack, merge);
        std::copy_n(project.scratchBuffer.get(), frames, project.trackBuffer.get());
    }
    project.trackDirty = true;
}

}  // namespace

bool OpenWaveDevices(Project& project, WaveEngine& engine, int memPerTrackMB, int recordLatency, UiServices& ui) {
    CloseWaveDevices(project, engine, recordLatency, ui);
    if (!CreateTrackBuffers(project, memPerTrackMB, ui)) return false;
    engine.devicesOpen = true;
    project.busy = false;
    if (!engine.device.openOutput()) {
        ShowError(ui, "Error opening wave out device.");
    } else if (!engine.device.openInput()) {
        ShowError(ui, "Error opening wave in device.");
    }
    return true;
}

void CloseWaveDevices(Project& project, WaveEngine& engine, int recordLatency, UiServices& ui) {
    if (!engine.devicesOpen) return;
    // A recording in progress is discarded: the track is read back from its file.
    if (project.busy) StopWave(project, engine, 0, 0, false, recordLatency, ui);
    engine.device.reset();
    const bool closed = engine.device.close();
    ReleaseTrackBuffers(project);
    engine.devicesOpen = false;
    if (!closed) ShowError(ui, "Error closing wave devices.");
}

int StartPlayback(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, UiServices& ui) {
    if (!project.buffersReady()) return -1;
    engine.mode = DeviceMode::Playing;
    const FrameRange range = LimitToBuffer(project, start, end);
    PrepareOutput(project, range.start, range.end, true);
    project.busy = true;
    if (engine.device.play(project.scratchBuffer.get(), project.framesPerTrack)) return 0;
    ShowError(ui, "Error preparing wave out for play.");
    return 1;
}

int StartRecording(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, bool merge, UiServices& ui) {
    if (!project.buffersReady()) return -1;
    engine.mode = DeviceMode::Recording;
    FlushTrack(project, ui);
    const FrameRange range = LimitToBuffer(project, start, end);
    PrepareOutput(project, range.start, range.end, merge);
    project.busy = true;
    if (engine.device.playAndRecord(project.scratchBuffer.get(), project.framesPerTrack, project.trackBuffer.get(),
                                    project.framesPerTrack))
        return 0;
    ShowError(ui, "Error preparing wave for record.");
    return 1;
}

void StopWave(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, bool merge, int recordLatency,
              UiServices& ui) {
    const DeviceMode mode = engine.mode;
    project.busy = false;
    engine.device.reset();
    if (mode == DeviceMode::Recording && project.buffersReady()) {
        const FrameRange range = LimitToBuffer(project, start, end);
        PlaceTake(project, range.start, range.end, merge, recordLatency, ui);
    }
    engine.mode = DeviceMode::Idle;
}

void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency) {
    if (recordLatency <= 0 || end <= start) return;
    const uint64_t values = uint64_t{end - start} * 2;
    const auto latency = static_cast<uint64_t>(recordLatency);
    if (latency > values) return;
    auto* samples = reinterpret_cast<int16_t*>(trackBuffer);
    std::copy(samples + latency, samples + values, samples);
}

uint32_t GetPlayPosition(const WaveEngine& engine) { return engine.device.playedFrames(); }

}  // namespace jorv

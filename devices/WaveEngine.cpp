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
    LatencyShift(project.trackBuffer.get(), start, end, recordLatency);
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

namespace {

void OpenDeviceStreams(WaveDevice& device, UiServices& ui) {
    if (!device.openOutput()) {
        ShowError(ui, "Error opening wave out device.");
    } else if (!device.openInput()) {
        ShowError(ui, "Error opening wave in device.");
    }
}

}  // namespace

bool OpenWaveDevices(Project& project, WaveEngine& engine, int memPerTrackMB, UiServices& ui) {
    CloseWaveDevices(project, engine, ui);
    if (!CreateTrackBuffers(project, memPerTrackMB, ui)) return false;
    engine.devicesOpen = true;
    project.busy = false;
    OpenDeviceStreams(engine.device, ui);
    return true;
}

void CloseWaveDevices(Project& project, WaveEngine& engine, UiServices& ui) {
    if (!engine.devicesOpen) return;
    // A recording in progress is discarded: an empty take reads the track back from its file.
    if (project.busy) {
        engine.take = {};
        StopWave(project, engine, ui);
    }
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

int StartRecording(Project& project, WaveEngine& engine, const Take& take, UiServices& ui) {
    if (!project.buffersReady()) return -1;
    engine.mode = DeviceMode::Recording;
    engine.take = take;
    FlushTrack(project, ui);
    const FrameRange range = LimitToBuffer(project, take.start, take.end);
    PrepareOutput(project, range.start, range.end, take.merge);
    project.busy = true;
    if (engine.device.playAndRecord(project.scratchBuffer.get(), project.framesPerTrack, project.trackBuffer.get(),
                                    project.framesPerTrack))
        return 0;
    ShowError(ui, "Error preparing wave for record.");
    return 1;
}

void StopWave(Project& project, WaveEngine& engine, UiServices& ui) {
    const DeviceMode mode = engine.mode;
    project.busy = false;
    engine.device.reset();
    if (mode == DeviceMode::Recording && project.buffersReady()) {
        const Take& take = engine.take;
        const FrameRange range = LimitToBuffer(project, take.start, take.end);
        PlaceTake(project, range.start, range.end, take.merge, take.latency, ui);
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

bool WaveEngine::openDevices(Project& project, int memPerTrackMB, UiServices& ui) {
    return OpenWaveDevices(project, *this, memPerTrackMB, ui);
}

void WaveEngine::closeDevices(Project& project, UiServices& ui) { CloseWaveDevices(project, *this, ui); }

void WaveEngine::useDevices(const AudioDeviceChoice& choice, UiServices& ui) {
    device.choose(choice);
    if (!devicesOpen) return;
    device.reset();
    if (!device.close()) ShowError(ui, "Error closing wave devices.");
    OpenDeviceStreams(device, ui);
}

void WaveEngine::startPlayback(Project& project, uint32_t start, uint32_t end, UiServices& ui) {
    StartPlayback(project, *this, start, end, ui);
}

bool WaveEngine::playScratch(Project& project, uint32_t frames, UiServices& ui) {
    if (!project.buffersReady()) return false;
    mode = DeviceMode::Playing;
    project.busy = true;
    if (device.play(project.scratchBuffer.get(), std::min(frames, project.framesPerTrack))) return true;
    ShowError(ui, "Error preparing wave out for play.");
    return false;
}

void WaveEngine::startRecording(Project& project, const Take& take, UiServices& ui) {
    StartRecording(project, *this, take, ui);
}

void WaveEngine::stop(Project& project, UiServices& ui) { StopWave(project, *this, ui); }

uint32_t WaveEngine::playPosition() const { return GetPlayPosition(*this); }

}  // namespace jorv

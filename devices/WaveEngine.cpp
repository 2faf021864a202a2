#include "devices/WaveEngine.h"

#include <algorithm>

#include "core/Mixing.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

// A take that ends this close to the track's end has filled it.
constexpr uint32_t WholeTakeSlackFrames = 10;

// The take lands at frame 0; it is spliced in unless it filled the whole track without merging.
void PlaceTake(Project& project, uint32_t start, uint32_t end, bool merge, int recordLatency, UiServices& ui) {
    LatencyShift(project.trackBuffer.get(), start, end, recordLatency);
    const uint32_t frames = project.framesPerTrack;
    const bool splice = start > 0 || end + WholeTakeSlackFrames < frames || merge;
    if (splice) {
        LoadWave(TrackFileToRead(project, project.current()), project.scratchBuffer.get(), frames, ui);
        const uint32_t length = end - start;
        MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), 0, length, start,
                project.currentTrack, merge);
        std::copy_n(project.scratchBuffer.get(), frames, project.trackBuffer.get());
    }
    project.trackDirty = true;
}

void OpenDeviceStreams(WaveDevice& device, UiServices& ui) {
    if (!device.openOutput()) {
        ShowError(ui, "Error opening wave out device.");
    } else if (!device.openInput()) {
        ShowError(ui, "Error opening wave in device.");
    }
}

}  // namespace

bool WaveEngine::openDevices(Project& project, int memPerTrackMB, UiServices& ui) {
    closeDevices(project, ui);
    if (!CreateTrackBuffers(project, memPerTrackMB, ui)) return false;
    devicesOpen = true;
    project.busy = false;
    OpenDeviceStreams(device, ui);
    return true;
}

void WaveEngine::closeDevices(Project& project, UiServices& ui) {
    if (!devicesOpen) return;
    // A recording in progress is discarded: an empty take reads the track back from its file.
    if (project.busy) {
        take = {};
        stop(project, ui);
    }
    device.reset();
    const bool closed = device.close();
    ReleaseTrackBuffers(project);
    devicesOpen = false;
    if (!closed) ShowError(ui, "Error closing wave devices.");
}

void WaveEngine::useDevices(const AudioDeviceChoice& choice, UiServices& ui) {
    device.choose(choice);
    if (!devicesOpen) return;
    device.reset();
    if (!device.close()) ShowError(ui, "Error closing wave devices.");
    OpenDeviceStreams(device, ui);
}

TransportStart WaveEngine::startPlayback(Project& project, uint32_t start, uint32_t end, UiServices& ui) {
    if (!project.buffersReady()) return TransportStart::NoBuffers;
    mode = DeviceMode::Playing;
    const FrameRange range = LimitToBuffer(project, start, end);
    PrepareOutput(project, range.start, range.end, true);
    project.busy = true;
    if (device.play(project.scratchBuffer.get(), project.framesPerTrack)) return TransportStart::Started;
    ShowError(ui, "Error preparing wave out for play.");
    return TransportStart::DeviceRefused;
}

TransportStart WaveEngine::startRecording(Project& project, const Take& newTake, UiServices& ui) {
    if (!project.buffersReady()) return TransportStart::NoBuffers;
    mode = DeviceMode::Recording;
    take = newTake;
    FlushTrack(project, ui);
    const FrameRange range = LimitToBuffer(project, take.start, take.end);
    PrepareOutput(project, range.start, range.end, take.merge);
    project.busy = true;
    if (device.playAndRecord(project.scratchBuffer.get(), project.framesPerTrack, project.trackBuffer.get(),
                             project.framesPerTrack))
        return TransportStart::Started;
    ShowError(ui, "Error preparing wave for record.");
    return TransportStart::DeviceRefused;
}

bool WaveEngine::playScratch(Project& project, uint32_t frames, UiServices& ui) {
    if (!project.buffersReady()) return false;
    mode = DeviceMode::Playing;
    project.busy = true;
    if (device.play(project.scratchBuffer.get(), std::min(frames, project.framesPerTrack))) return true;
    ShowError(ui, "Error preparing wave out for play.");
    return false;
}

void WaveEngine::stop(Project& project, UiServices& ui) {
    const DeviceMode stopped = mode;
    project.busy = false;
    device.reset();
    if (stopped == DeviceMode::Recording && project.buffersReady()) {
        const FrameRange range = LimitToBuffer(project, take.start, take.end);
        PlaceTake(project, range.start, range.end, take.merge, take.latency, ui);
    }
    mode = DeviceMode::Idle;
}

void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency) {
    if (recordLatency <= 0 || end <= start) return;
    const uint64_t values = uint64_t{end - start} * 2;
    const auto latency = static_cast<uint64_t>(recordLatency);
    if (latency > values) return;
    auto* samples = reinterpret_cast<int16_t*>(trackBuffer);
    std::copy(samples + latency, samples + values, samples);
}

}  // namespace jorv

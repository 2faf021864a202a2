#include "devices/WaveEngine.h"

#include <algorithm>
#include <filesystem>

#include "core/TakePlacement.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

inline constexpr std::string_view TakeJournalFailedMessage =
    "Jorv could not keep this take on disk while it was recorded (is the disk full?). The take itself is kept.";

std::unique_ptr<TakeJournalWriter> StartTakeJournal(Project& project, WaveDevice& device, const Take& take) {
    if (!project.work.active()) return nullptr;
    std::error_code error;
    const auto editBytes = std::filesystem::file_size(project.work.editJournal(), error);
    const TakeJournalHeader header{FieldToUtf8(project.current().waveFile), project.currentTrack, take.start, take.end,
                                   take.merge, take.latency, error ? 0 : editBytes};
    return TakeJournalWriter::start(project.work.takeJournal(), header, project.trackBuffer.get(), project.framesPerTrack,
                                    [&device] { return device.capturedFrames(); });
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

LatencyMeasurement WaveEngine::measureLatency(bool wire, UiServices& ui) {
    device.reset();
    device.close();
    const LatencyMeasurement measured = MeasureLatency(device, wire);
    if (devicesOpen) OpenDeviceStreams(device, ui);
    return measured;
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
                             project.framesPerTrack)) {
        takeJournal = StartTakeJournal(project, device, take);
        if (!takeJournal && project.work.active()) ShowError(ui, TakeJournalFailedMessage);
        return TransportStart::Started;
    }
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
    if (takeJournal && !takeJournal->finish()) ShowError(ui, TakeJournalFailedMessage);
    takeJournal.reset();
    if (stopped == DeviceMode::Recording && project.buffersReady()) {
        const FrameRange range = LimitToBuffer(project, take.start, take.end);
        PlaceTake(project, range.start, range.end, take.merge, take.latency, ui);
    }
    mode = DeviceMode::Idle;
}

}  // namespace jorv

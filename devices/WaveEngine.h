#pragma once

#include <cstdint>
#include <memory>

#include "core/Project.h"
#include "core/UiServices.h"
#include "devices/TakeJournalWriter.h"
#include "devices/WaveDevice.h"
#include "devices/WaveTransport.h"

// Plays the selection over the backing mix and records takes into the current track.
namespace jorv {

enum class DeviceMode { Idle, Playing, Recording };

class WaveEngine final : public WaveTransport {
public:
    explicit WaveEngine(WaveDevice& waveDevice) : device(waveDevice) {}

    // Closes what is open, creates the three buffers of memPerTrackMB and opens both devices.
    // The buffers exist whether or not a device opened, so editing works without audio
    // hardware.
    bool openDevices(Project& project, int memPerTrackMB, UiServices& ui) override;
    void closeDevices(Project& project, UiServices& ui) override;
    void useDevices(const AudioDeviceChoice& choice, UiServices& ui) override;
    TransportStart startPlayback(Project& project, uint32_t start, uint32_t end, UiServices& ui) override;
    TransportStart startRecording(Project& project, const Take& take, UiServices& ui) override;
    bool playScratch(Project& project, uint32_t frames, UiServices& ui) override;
    LatencyMeasurement measureLatency(bool wire, UiServices& ui) override;
    void stop(Project& project, UiServices& ui) override;
    uint32_t playPosition() const override { return device.playedFrames(); }
    bool takeBufferDone() override { return device.takeBufferDone(); }
    DeviceMonitor& monitor() override { return device.monitor(); }

    WaveDevice& device;
    bool devicesOpen = false;
    DeviceMode mode = DeviceMode::Idle;
    // The take the last Record started, placed when it stops.
    Take take;
    // Keeps the take on disk while it is recorded, where the project has a working folder.
    std::unique_ptr<TakeJournalWriter> takeJournal;
};

}  // namespace jorv

#pragma once

#include <cstdint>

#include "core/Project.h"
#include "core/UiServices.h"
#include "devices/WaveDevice.h"
#include "devices/WaveTransport.h"

// Plays the selection over the backing mix and records takes into the current track.
namespace jorv {

enum class DeviceMode { Idle, Playing, Recording };

class WaveEngine final : public WaveTransport {
public:
    explicit WaveEngine(WaveDevice& waveDevice) : device(waveDevice) {}

    bool openDevices(Project& project, int memPerTrackMB, UiServices& ui) override;
    void closeDevices(Project& project, UiServices& ui) override;
    void useDevices(const AudioDeviceChoice& choice, UiServices& ui) override;
    void startPlayback(Project& project, uint32_t start, uint32_t end, UiServices& ui) override;
    void startRecording(Project& project, const Take& take, UiServices& ui) override;
    bool playScratch(Project& project, uint32_t frames, UiServices& ui) override;
    void stop(Project& project, UiServices& ui) override;
    uint32_t playPosition() const override;
    bool takeBufferDone() override { return device.takeBufferDone(); }

    WaveDevice& device;
    bool devicesOpen = false;
    DeviceMode mode = DeviceMode::Idle;
    // The take the last Record started, placed when it stops.
    Take take;
};

// Closes what is open, creates the three buffers of memPerTrackMB and opens both devices. The
// buffers exist whether or not a device opened, so editing works without audio hardware.
// Returns false only when the buffers could not be created.
bool OpenWaveDevices(Project& project, WaveEngine& engine, int memPerTrackMB, UiServices& ui);
void CloseWaveDevices(Project& project, WaveEngine& engine, UiServices& ui);

// Each returns 0, 1 after the device refused (shown), or -1 without buffers.
int StartPlayback(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, UiServices& ui);
int StartRecording(Project& project, WaveEngine& engine, const Take& take, UiServices& ui);
// Stops both devices; after a recording the take is moved earlier by its latency and spliced in.
void StopWave(Project& project, WaveEngine& engine, UiServices& ui);

// Value k of the take takes value k + latency (values are single 16-bit samples).
void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency);

uint32_t GetPlayPosition(const WaveEngine& engine);

}  // namespace jorv

#pragma once

#include <cstdint>

#include "core/Project.h"
#include "core/UiServices.h"
#include "devices/WaveDevice.h"

// Plays the selection over the backing mix and records takes into the current track.
namespace jorv {

enum class DeviceMode { Idle, Playing, Recording };

struct WaveEngine {
    explicit WaveEngine(WaveDevice& waveDevice) : device(waveDevice) {}
    WaveDevice& device;
    bool devicesOpen = false;
    DeviceMode mode = DeviceMode::Idle;
};

// Closes what is open, creates the three buffers of memPerTrackMB and opens both devices. The
// buffers exist whether or not a device opened, so editing works without audio hardware.
// Returns false only when the buffers could not be created.
bool OpenWaveDevices(Project& project, WaveEngine& engine, int memPerTrackMB, int recordLatency, UiServices& ui);
void CloseWaveDevices(Project& project, WaveEngine& engine, int recordLatency, UiServices& ui);

int StartPlayback(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, UiServices& ui);
int StartRecording(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, bool merge, UiServices& ui);
// Stops both devices; after a recording the take is moved earlier by the latency and spliced in.
void StopWave(Project& project, WaveEngine& engine, uint32_t start, uint32_t end, bool merge, int recordLatency,
              UiServices& ui);

// Value k of the take takes value k + latency (values are single 16-bit samples).
void LatencyShift(Frame* trackBuffer, uint32_t start, uint32_t end, int recordLatency);

uint32_t GetPlayPosition(const WaveEngine& engine);

}  // namespace jorv

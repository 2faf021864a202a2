#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/FileReplacement.h"
#include "core/UiServices.h"
#include "core/WaveFormat.h"

namespace jorv {

// LoadWave's result: below 10 the buffer holds the file's audio (1..3 with a format warning),
// from 10 on the load failed and the buffer is untouched. The numbers are the ones the described
// program returns; jorv-cli prints them.
enum WaveLoadResult : int {
    WaveLoaded = 0,
    WaveChannelWarning = 1,
    WaveRateWarning = 2,
    WaveChannelAndRateWarning = WaveChannelWarning + WaveRateWarning,
    WaveNoRiff = 10,
    WaveNoWave = 11,
    WaveNoFmt = 12,
    WaveNotPcm = 13,
    WaveWrongBits = 14,
    WaveNoData = 15,
    // The file exists but cannot be read as a file: no permission, a folder, a FIFO, a device.
    WaveUnreadable = 16,
};

inline constexpr int FirstWaveFailure = 10;

inline constexpr std::string_view WaveWarningMessage = "There has been a warning error opening the wave file.";
inline constexpr std::string_view WaveSaveFailedMessage = "Could not save wave file.";
std::string_view WaveFailureMessage(int result);

// Reads the wave file at path into buffer, which holds framesPerTrack frames; every frame is
// written on success. A missing file becomes a silent file of framesPerTrack - 1 frames.
// framesLoaded, when given, receives the number of whole frames taken from the file.
WaveLoadResult LoadWave(const std::string& path, Frame* buffer, uint32_t framesPerTrack, UiServices& ui,
                        uint32_t* framesLoaded = nullptr);

// What LoadWave would make of a file, from its header alone: the result it would return (a
// file that is not there is WaveUnreadable here; nothing is created) and the whole frames of
// samples the file holds.
struct WaveHeaderInfo {
    WaveLoadResult result = WaveUnreadable;
    uint32_t frames = 0;
};
WaveHeaderInfo InspectWave(const std::string& path);

// SaveWave's result, with the numbers the described program returns.
enum WaveSaveResult : int {
    WaveSaved = 0,
    // "Could not save wave file." has been shown.
    WaveNotSaved = -1,
};

// Writes frames from..to-1 of buffer as a canonical 16-bit stereo 44100 Hz file; the file is
// not saved when it cannot be created or fully written.
WaveSaveResult SaveWave(uint32_t from, uint32_t to, const std::string& path, const Frame* buffer, UiServices& ui,
             Durability durability = Durability::OnDisk);

}  // namespace jorv

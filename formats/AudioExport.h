#pragma once

#include <cstdint>
#include <string>

#include "core/UiServices.h"
#include "core/WaveFormat.h"
#include "formats/ExportType.h"

// Writing audio out in the type its file name asks for.
namespace jorv {

enum class ExportOutcome {
    Written,
    UnknownType,  // the extension names no type Jorv writes
    NotWritten,   // "Could not save wave file." has been shown
};

inline constexpr std::string_view UnknownExportTypeMessage =
    "Jorv writes .wav, .flac, .ogg, .opus and .mp3 files: give the file one of these extensions.";

// Writes count frames to path: a .wav as every wave file Jorv writes, the other types through the
// codecs module at quality 0..10.
ExportOutcome ExportFrames(const Frame* frames, uint32_t count, const std::string& path, int quality, UiServices& ui);

}  // namespace jorv

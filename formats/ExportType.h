#pragma once

#include <optional>
#include <string>
#include <string_view>

// The kinds of file audio can be written to, known by their extension.
namespace jorv {

enum class ExportType { Wave, Flac, Vorbis, Opus, Mp3 };

// The type a path's extension names (any case), or nothing for another extension.
std::optional<ExportType> ExportTypeOf(const std::string& path);

// The save dialog's filter for every type.
inline constexpr std::string_view ExportFilesLabel = "Audio files";
inline constexpr std::string_view ExportFilesPattern = "*.wav *.flac *.ogg *.opus *.mp3";

// The lossy encoders' quality, 0..10: Vorbis at q (q6 by default), MP3 at VBR V(8 - q) (V2),
// Opus at 16 + 24 q kb/s (160 kb/s).
inline constexpr int DefaultExportQuality = 6;
inline constexpr int MaxExportQuality = 10;

}  // namespace jorv

#pragma once

#include <cstddef>
#include <string>

#include "core/WaveFormat.h"
#include "formats/ExportType.h"

namespace jorv {

// Writes track frames as FLAC, Ogg Vorbis, Opus (at 48000 Hz, the only rate near ours it takes,
// converted by libsoxr) or MP3 through libsndfile, at quality 0..10. The file appears whole
// under its name, or not at all.
bool EncodeTrackFrames(const Frame* frames, std::size_t count, const std::string& path, ExportType type, int quality);

}  // namespace jorv

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

// Audio of any format as the codecs module hands it over: already 44100 Hz 16-bit stereo.
namespace jorv {

// Told the share of the source read so far (0..1); returning false cancels.
using ImportProgress = std::function<bool(double done)>;

struct AudioSource {
    int rate = 0;
    int channels = 0;
    std::string format;  // the container and the encoding as libsndfile names them: "FLAC PCM_24"
};

struct DecodedAudio {
    enum class Outcome { Decoded, NotAudio, Cancelled };
    Outcome outcome = Outcome::NotAudio;
    AudioSource source;
    std::vector<Frame> frames;
    // Why a file is not audio, in the library's words; or, for a file whose end could not be
    // read, what stopped the reading (the frames before it are kept).
    std::string problem;
};

}  // namespace jorv

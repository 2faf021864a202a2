#pragma once

#include <cstddef>
#include <vector>

// Mixing any number of channels to stereo. Mono goes to both sides at full level. From more
// channels, each speaker goes to its side (a centre to both at -3 dB, a low-frequency channel
// nowhere), and then both sides are scaled down together by the sum of one side's gains, so
// that the fold can never clip what did not clip in the source.
namespace jorv {

enum class Speaker { Mono, Left, Right, Center, LowFrequency, LeftBack, RightBack, LeftSide, RightSide, Other };

// The speakers of a file that names none: one channel is mono, two are left and right, and more
// follow the order of WAV and FLAC files: left, right, centre, low frequency, left and right
// back, left and right side (four are left, right, left back, right back; five leave out the low
// frequency).
std::vector<Speaker> DefaultSpeakers(int channels);

class StereoFold {
public:
    explicit StereoFold(const std::vector<Speaker>& speakers);
    // Reads frames of interleaved channels and writes as many interleaved stereo frames.
    void process(const float* in, std::size_t frames, float* stereo) const;

private:
    struct Gains {
        float left;
        float right;
    };
    std::vector<Gains> gains_;
};

}  // namespace jorv

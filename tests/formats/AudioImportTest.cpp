#include "formats/AudioImport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <type_traits>

#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "dsp/SixteenBitQuantizer.h"
#include "dsp/StereoFold.h"
#include "formats/AudioExport.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

using Samples = std::vector<float>;

// A file written by libsndfile in the given format: interleaved float samples, or 16-bit frames
// written as they are.
template <typename Sample>
void WriteSound(const std::string& path, int format, int rate, int channels, const std::vector<Sample>& data) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    if constexpr (std::is_same_v<Sample, Frame>)
        sf_writef_short(file, reinterpret_cast<const short*>(data.data()), sf_count_t(data.size()));
    else
        sf_writef_float(file, data.data(), sf_count_t(data.size() / std::size_t(channels)));
    sf_close(file);
}

Samples Tone(double hz, int rate, double seconds, double level, int channels = 1) {
    Samples samples;
    for (int k = 0; k < int(seconds * rate); ++k)
        for (int c = 0; c < channels; ++c) samples.push_back(float(level * std::sin(2 * std::numbers::pi * hz * k / rate)));
    return samples;
}

std::vector<Frame> ReadTrack(const std::string& path, uint32_t frames) {
    std::vector<Frame> track(frames + 1);
    SilentUiServices quiet;
    EXPECT_EQ(LoadWave(path, track.data(), frames + 1, quiet), WaveLoaded);
    track.resize(frames);
    return track;
}

// The level (relative to full scale) of a frequency in the left channel, from a windowed DFT
// at that frequency over the middle of the signal.
double LevelAt(const std::vector<Frame>& frames, double hz) {
    const std::size_t from = frames.size() / 4, count = frames.size() / 2;
    std::complex<double> sum;
    double window = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(k) / double(count));
        sum += w * frames[from + k].left / 32768.0 * std::polar(1.0, -2 * std::numbers::pi * hz * double(from + k) / 44100);
        window += w;
    }
    return 2 * std::abs(sum) / window;
}

struct AudioImportTest : ::testing::Test {
    std::string file(const char* name) { return folder.file(name); }
    ImportReport import(const char* name) { return ImportAudioFile(file(name), file("clip.wav")); }
    TempFolder folder;
};

TEST_F(AudioImportTest, SixteenBitAtTheTracksRateComesInBitForBitWhateverTheContainer) {
    const std::vector<Frame> ramp = Ramp(5000, 7);
    WriteFileBytes(file("plain.wav"), CanonicalWave(ramp));
    const ImportReport plain = import("plain.wav");
    EXPECT_EQ(plain.outcome, ImportReport::Outcome::Copied);
    EXPECT_EQ(plain.frames, 5000u);
    EXPECT_EQ(ReadFileBytes(file("clip.wav")), CanonicalWave(ramp));

    for (const auto& [name, format] : {std::pair{"a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                                       std::pair{"a.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
                                       std::pair{"big-endian.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16 | SF_ENDIAN_BIG}}) {
        WriteSound(file(name), format, 44100, 2, ramp);
        const ImportReport report = import(name);
        ASSERT_EQ(report.outcome, ImportReport::Outcome::Converted) << name;
        EXPECT_EQ(ReadTrack(file("clip.wav"), 5000), ramp) << name;
    }
    EXPECT_EQ(import("a.flac").source.format, "FLAC PCM_16");
}

TEST_F(AudioImportTest, FromFortyEightKilohertzTheToneKeepsItsPitchLevelAndPlaceAndNothingFoldsBack) {
    Samples samples = Tone(1000, 48000, 2.0, 0.5);
    // A click at exactly one second, to see that the conversion adds no delay.
    samples[48000] = 0.9f;
    WriteSound(file("tone.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1, samples);
    const ImportReport report = import("tone.wav");
    ASSERT_EQ(report.outcome, ImportReport::Outcome::Converted);
    EXPECT_EQ(report.source.rate, 48000);
    EXPECT_EQ(report.source.format, "WAV FLOAT");
    EXPECT_NEAR(report.frames, 88200, 1);
    const std::vector<Frame> track = ReadTrack(file("clip.wav"), report.frames);
    EXPECT_NEAR(LevelAt(track, 1000), 0.5, 0.005);
    EXPECT_LT(LevelAt(track, 1000.1) / LevelAt(track, 1000), 1.0);  // the peak is at 1 kHz, not beside it
    EXPECT_EQ(track[1000].left, track[1000].right);                  // mono goes to both sides
    // The click stands out of the tone most where its peak landed.
    const auto standsOut = [&track](uint32_t k) { return track[k].left - (track[k - 1].left + track[k + 1].left) / 2; };
    uint32_t click = 44000;
    for (uint32_t k = 44000; k < 44200; ++k)
        if (standsOut(k) > standsOut(click)) click = k;
    EXPECT_NEAR(click, 44100, 1);

    // 20 kHz keeps its level within 0.1 dB; 23 kHz, above the new Nyquist frequency, would fold
    // back to 21.1 kHz, and must be at least 100 dB down there.
    WriteSound(file("high.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1, Tone(20000, 48000, 1.0, 0.5));
    EXPECT_NEAR(20 * std::log10(LevelAt(ReadTrack(file("clip.wav"), import("high.wav").frames), 20000) / 0.5), 0.0, 0.1);
    WriteSound(file("above.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1, Tone(23000, 48000, 1.0, 0.5));
    const std::vector<Frame> folded = ReadTrack(file("clip.wav"), import("above.wav").frames);
    EXPECT_LT(LevelAt(folded, 44100 - 23000), 0.5e-5);
    EXPECT_LT(LevelAt(folded, 23000), 0.5e-5);
}

TEST_F(AudioImportTest, TwentyFourBitsBecomeSixteenWithDitherThatLeavesNoHarmonics) {
    // A quiet tone at -80 dBFS: truncation would put its harmonics far above -120 dBFS.
    Samples samples = Tone(1000, 44100, 2.0, 1e-4, 2);
    WriteSound(file("quiet.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 44100, 2, samples);
    const ImportReport report = import("quiet.flac");
    ASSERT_EQ(report.outcome, ImportReport::Outcome::Converted);
    EXPECT_EQ(report.source.format, "FLAC PCM_24");
    const std::vector<Frame> track = ReadTrack(file("clip.wav"), report.frames);
    for (std::size_t k = 0; k < track.size(); ++k) EXPECT_LE(std::abs(track[k].left - samples[2 * k] * 32768), 1.5) << k;
    EXPECT_NEAR(LevelAt(track, 1000), 1e-4, 1e-5);
    for (int harmonic = 2; harmonic <= 5; ++harmonic) EXPECT_LT(LevelAt(track, 1000.0 * harmonic), 1e-6) << harmonic;
}

TEST_F(AudioImportTest, ManyChannelsFoldToStereoWithoutClipping) {
    // 5.1 at full scale in every channel: the fold is scaled so that the sum stays in range.
    Samples samples;
    for (int k = 0; k < 1000; ++k)
        for (int c = 0; c < 6; ++c) samples.push_back(c == 0 ? 1.0f : c == 1 ? -1.0f : c == 3 ? 0.0f : 0.999f);
    WriteSound(file("surround.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 6, samples);
    const ImportReport report = import("surround.wav");
    ASSERT_EQ(report.outcome, ImportReport::Outcome::Converted);
    EXPECT_EQ(report.source.channels, 6);
    const std::vector<Frame> track = ReadTrack(file("clip.wav"), report.frames);
    EXPECT_GT(track[500].left, 32000);  // left, centre and left back all push the left up
    EXPECT_LT(track[500].right, 8000);  // the right front pulls against the centre and the back

    const std::vector<Speaker> quad = DefaultSpeakers(4);
    EXPECT_EQ(quad, (std::vector<Speaker>{Speaker::Left, Speaker::Right, Speaker::LeftBack, Speaker::RightBack}));
}

TEST_F(AudioImportTest, WhatIsNotAudioIsSaidAndLeavesTheClipboardAlone) {
    WriteFileBytes(file("clip.wav"), CanonicalWave(Ramp(10, 1)));
    WriteFileText(file("notes.txt"), "not a sound at all");
    WriteFileText(file("empty.mp3"), "");
    for (const char* name : {"notes.txt", "empty.mp3"}) {
        const ImportReport report = import(name);
        EXPECT_EQ(report.outcome, ImportReport::Outcome::NotAudio) << name;
        EXPECT_EQ(ImportMessage(report), NotAudioMessage) << name;
    }
    EXPECT_EQ(import("missing.flac").outcome, ImportReport::Outcome::Unreadable);
    EXPECT_EQ(ImportMessage(import("missing.flac")), "Could not copy wave file.");
    EXPECT_EQ(ReadFileBytes(file("clip.wav")), CanonicalWave(Ramp(10, 1)));

    // A FLAC cut off in the middle: what could be read comes in, and the cut is said.
    WriteSound(file("whole.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, Tone(440, 44100, 3.0, 0.5, 2));
    std::vector<unsigned char> bytes = ReadFileBytes(file("whole.flac"));
    bytes.resize(bytes.size() / 2);
    WriteFileBytes(file("cut.flac"), bytes);
    const ImportReport cut = import("cut.flac");
    ASSERT_TRUE(cut.succeeded());
    EXPECT_GT(cut.frames, 44100u);
    EXPECT_LT(cut.frames, 3u * 44100);
}

// Written out and read back: FLAC is bit for bit; the lossy types keep the length and the place
// of the audio to a frame and resemble it closely.
TEST_F(AudioImportTest, WhatIsExportedComesBackInPlace) {
    std::vector<Frame> music(3 * 44100);
    for (std::size_t k = 0; k < music.size(); ++k) {
        const double t = double(k) / 44100;
        const double envelope = std::min(1.0, 4 * std::abs(std::sin(3.1 * t)));
        music[k].left = int16_t(9000 * envelope * std::sin(2 * std::numbers::pi * 440 * t));
        music[k].right = int16_t(7000 * envelope * std::sin(2 * std::numbers::pi * 660 * t + 1));
    }
    RecordingUiServices ui;
    ASSERT_EQ(ExportFrames(music.data(), uint32_t(music.size()), file("music.flac"), 6, ui), ExportOutcome::Written);
    ASSERT_EQ(import("music.flac").frames, music.size());
    EXPECT_EQ(ReadTrack(file("clip.wav"), uint32_t(music.size())), music);

    for (const char* name : {"music.mp3", "music.ogg", "music.opus"}) {
        ASSERT_EQ(ExportFrames(music.data(), uint32_t(music.size()), file(name), 6, ui), ExportOutcome::Written) << name;
        const ImportReport back = import(name);
        ASSERT_TRUE(back.succeeded()) << name;
        EXPECT_NEAR(double(back.frames), double(music.size()), 1.0) << name;
        const std::vector<Frame> decoded = ReadTrack(file("clip.wav"), back.frames);
        // The correlation at no shift beats the one a frame either way, and is close to 1.
        const auto correlation = [&](int shift) {
            double xy = 0, xx = 0, yy = 0;
            for (std::size_t k = 1000; k + 1000 < music.size(); ++k) {
                const double x = music[k].left, y = decoded[std::size_t(int(k) + shift)].left;
                xy += x * y;
                xx += x * x;
                yy += y * y;
            }
            return xy / std::sqrt(xx * yy);
        };
        EXPECT_GE(correlation(0), 0.99) << name;
        EXPECT_GT(correlation(0), std::max(correlation(-2), correlation(2))) << name;
    }
}

TEST(SixteenBitQuantizer, RoundsExactlyWithoutDitherAndStaysWithinOneAndAHalfStepsWithIt) {
    SixteenBitQuantizer exact(false), dithered(true);
    for (int value : {-32768, -1, 0, 1, 12345, 32767}) EXPECT_EQ(exact(value / 32768.0f), value);
    EXPECT_EQ(exact(2.0f), 32767);
    EXPECT_EQ(exact(-2.0f), -32768);
    EXPECT_EQ(exact(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(dithered(-std::numeric_limits<float>::infinity()), -32768);
    double sum = 0;
    for (int k = 0; k < 100000; ++k) {
        const float sample = float(k % 2000 - 1000) / 32768.0f + 0.25f / 32768.0f;
        const int16_t q = dithered(sample);
        EXPECT_LE(std::abs(q - sample * 32768.0f), 1.5f);
        sum += q - sample * 32768.0;
    }
    EXPECT_NEAR(sum / 100000, 0.0, 0.02);  // the noise has no offset
}

}  // namespace
}  // namespace jorv::test

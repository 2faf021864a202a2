#include <gtest/gtest.h>

#include "core/Gains.h"
#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "instruments/EspeakSpeechEngine.h"
#include "instruments/TtsRendering.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

std::vector<std::u16string> Words(std::u16string_view lyrics, int notes) {
    std::vector<std::u16string> words;
    std::size_t scan = 0;
    for (int n = 0; n < notes; ++n)
        if (const auto word = NextLyricsWord(lyrics, scan)) words.emplace_back(*word);
    return words;
}

TEST(NextLyricsWord, OneWordPerNoteTheLastOneIncluded) {
    EXPECT_EQ(Words(u"one two three ", 4), (std::vector<std::u16string>{u"one", u"two", u"three"}));
    EXPECT_EQ(Words(u"one two three", 3), (std::vector<std::u16string>{u"one", u"two", u"three"}));
    EXPECT_EQ(Words(u"one  two", 3), (std::vector<std::u16string>{u"one", u"", u"two"}));
    EXPECT_TRUE(Words(u"", 2).empty());
    EXPECT_EQ(Words(std::u16string(3000, u'a'), 1)[0].size(), MaxLyrics);
}

// Speaks each word as that many frames of a constant level; "fail" cannot be spoken.
struct FakeSpeech final : SpeechEngine {
    bool speakWordToFile(std::u16string_view word, const std::string& path) override {
        spoken.emplace_back(word);
        if (word == u"fail") return false;
        WriteFileBytes(path, CanonicalWave(Constant(uint32_t(word.size()), 1000, -1000)));
        return true;
    }
    std::vector<std::u16string> spoken;
};

int32_t NoteOn(int note, int velocity) { return 0x90 | note << 8 | velocity << 16; }

struct TtsRenderTest : ::testing::Test {
    TtsRenderTest() {
        p.clipperPath = f.folder.file("clipper.wav");
        f.addTrack();
        ComputeGains(p);
        f.writeTrackFile(0, Constant(Frames, 7, 7));
        std::fill_n(p.trackBuffer.get(), Frames, Frame{7, 7});
        p.selectionEnd = Frames;
    }
    static constexpr uint32_t Frames = 2000;
    ProjectFixture f{Frames};
    Project& p = f.project;
    FakeSpeech speech;
};

TEST_F(TtsRenderTest, EachNoteSingsTheNextWordAtItsFrameAndTheClipboardKeepsTheLast) {
    const std::vector<int32_t> entries{0, NoteOn(60, 128 - 1), 5, 0x80 | 60 << 8 | 50 << 16, 10, NoteOn(72, 64)};
    const TtsOutcome outcome = RenderTts(p, entries, u"abc de", speech, f.waveFileOf(0), f.ui);
    EXPECT_TRUE(outcome.converted);
    EXPECT_EQ(outcome.notes, 2);
    EXPECT_EQ(speech.spoken, (std::vector<std::u16string>{u"abc", u"de"}));  // the key release took no word
    const int16_t loud = int16_t(7 + (int(1000 * 0.9921875f) * 254 >> 8));
    EXPECT_EQ(p.trackBuffer[0].left, loud);
    EXPECT_EQ(p.trackBuffer[2].left, loud);
    EXPECT_EQ(p.trackBuffer[3].left, 7);
    EXPECT_EQ(p.trackBuffer[441].left, 7 + (500 * 254 >> 8));  // an octave up: 2 frames become 1
    EXPECT_EQ(p.trackBuffer[442].left, 7);
    EXPECT_EQ(ReadFileBytes(p.clipperPath), CanonicalWave(Constant(2, 1000, -1000)));
    EXPECT_EQ(f.ui.progressEnded, 1);
}

TEST_F(TtsRenderTest, AWordThatFailsLeavesTheTrackAsItsFileHoldsIt) {
    const std::vector<int32_t> entries{0, NoteOn(60, 100), 10, NoteOn(60, 100), 20, NoteOn(60, 100)};
    const TtsOutcome outcome = RenderTts(p, entries, u"ok fail never", speech, f.waveFileOf(0), f.ui);
    EXPECT_FALSE(outcome.converted);
    EXPECT_EQ(speech.spoken.size(), 2u);
    EXPECT_EQ(f.trackBufferFrames(), Constant(Frames, 7, 7));
    EXPECT_FALSE(p.trackDirty);
}

TEST(EspeakSpeechEngine, SpeaksAWordAsAudible44100HzStereoAndAnEmptyWordAsNoFrames) {
    TempFolder folder;
    const auto engine = EspeakSpeechEngine::start();
    ASSERT_TRUE(engine) << "espeak-ng could not be started";
    EXPECT_FALSE(EspeakSpeechEngine::start());  // one engine at a time
    const std::string path = folder.file("word.wav");
    ASSERT_TRUE(engine->speakWordToFile(u"hello", path));
    const Bytes bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 44u + 4 * 4410);  // a word lasts well over a tenth of a second
    std::vector<Frame> frames(200000);
    uint32_t loaded = 0;
    SilentUiServices quiet;
    EXPECT_EQ(LoadWave(path, frames.data(), 200000, quiet, &loaded), 0);  // 44100 Hz stereo: no warning
    EXPECT_EQ(44 + 4 * std::size_t{loaded}, bytes.size());
    int peak = 0;
    for (uint32_t k = 0; k < loaded; ++k) {
        peak = std::max(peak, std::abs(int(frames[k].left)));
        ASSERT_EQ(frames[k].left, frames[k].right);
    }
    EXPECT_GT(peak, 3000);
    ASSERT_TRUE(engine->speakWordToFile(u"", path));
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({}));
}

}  // namespace
}  // namespace jorv::test

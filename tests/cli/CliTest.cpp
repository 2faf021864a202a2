#include "cli/RunCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/ProjectFile.h"
#include "core/WorkingCopy.h"
#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "core/Utf16Text.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunJorvCli(const std::vector<std::string>& words) {
    std::ostringstream out, err;
    const int status = cli::RunCli(words, out, err);
    return {status, out.str(), err.str()};
}

// The files a command reads and writes, in a folder of the test's own.
struct CliFiles : ::testing::Test {
    TempFolder folder;
    const std::string in = folder.file("in.wav"), out = folder.file("out.wav"), clip = folder.file("clip.wav");
    const std::string events = folder.file("events.txt");
};
using Fx = CliFiles;
using Edit = CliFiles;
using Sk1 = CliFiles;
using Tts = CliFiles;
using Chain = CliFiles;

// The file's bytes and the words after it, then what jorv-cli prints and returns.
TEST(WaveInfo, ReportsTheLoadResultAndTheWholeFramesTaken) {
    Bytes partial = CanonicalWave(std::vector<Frame>(1000, Frame{1, 2}));
    partial.insert(partial.end(), {9, 9});  // a partial trailing frame is not counted
    partial[40] += 2;
    const struct {
        Bytes file;
        std::vector<std::string> extra;
        int status;
        std::string out, err;
    } cases[] = {
        {partial, {}, 0, "result 0\nframes 1000\n", ""},
        {RiffFile({FmtChunk({.channels = 1}), Chunk("data", Bytes(600000 * 2, 0))}), {"--mem", "2"}, 0,
         "result 1\nframes 524288\n", "Jorv Error: There has been a warning error opening the wave file.\n"},
        {RiffFile({FmtChunk({.bitsPerSample = 24})}), {}, 1, "result 14\n", "Jorv Error: Wrong bit count in wave file.\n"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        WriteFileBytes(folder.file("a.wav"), c.file);
        std::vector<std::string> words{"wave-info", folder.file("a.wav")};
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunJorvCli(words);
        EXPECT_EQ(run.status, c.status) << c.out;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

// A saved two-track project "mix" with its track files, as the window would leave it.
struct SavedProject {
    SavedProject() {
        f.project.projectPath = f.folder.file("mix.jor");
        StoreField(f.project.block.header.name, "mix");
        f.project.block.header.memPerTrackMB = 2;
        f.addTrack();
        f.addTrack();
        f.project.block.tracks[1].volume = 200;
        f.project.block.tracks[1].pan = 0;
        SaveProject(f.project, f.ui);
        WriteFileBytes(f.folder.file("mix-Track 1.wav"), CanonicalWave(Constant(100, 1000, -1000)));
        WriteFileBytes(f.folder.file("mix-Track 2.wav"), CanonicalWave(Constant(100, 30000, 20000)));
    }
    ProjectFixture f{1};
};

TEST(ProjectInfo, ListsTheHeaderAndTheRenamedTracks) {
    SavedProject saved;
    const CliRun run = RunJorvCli({"project-info", saved.f.folder.file("mix.jor")});
    EXPECT_EQ(run.status, 0);
    const std::string folder = saved.f.folder.path();
    EXPECT_EQ(run.out, "name mix\nmemPerTrackMB 2\ntrackCount 2\n"
                       "track 0 title=Track 1 file=" + folder + "/mix-Track 1.wav volume=255 pan=127 mute=0\n"
                       "track 1 title=Track 2 file=" + folder + "/mix-Track 2.wav volume=200 pan=0 mute=0\n");
    EXPECT_EQ(RunJorvCli({"project-info", saved.f.folder.file("none.jor")}).status, 1);
}

TEST(Mixdown, WritesTheIntegerMixOfTheSelection) {
    SavedProject saved;
    const std::string out = saved.f.folder.file("out.wav");
    const CliRun run = RunJorvCli({"mixdown", saved.f.folder.file("mix.jor"), "98", "102", out, "--track", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    // 1000*254>>8 + 30000*199>>8 = 24312; -1000*254>>8 + 20000*100>>8 = 6819; the files end at 100.
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave({{24312, 6819}, {24312, 6819}, {0, 0}, {0, 0}}));
    EXPECT_EQ(RunJorvCli({"mixdown", saved.f.folder.file("mix.jor"), "5", "2", out}).status, 2);
    EXPECT_EQ(RunJorvCli({"mixdown", saved.f.folder.file("mix.jor"), "0", "2", out, "--track", "2"}).status, 2);
}

TEST_F(Fx, RunsTheEffectOnTheFileAndSavesItsFrames) {
    const std::vector<Frame> frames = Ramp(10, 1);
    WriteFileBytes(in, CanonicalWave(frames));
    const CliRun run = RunJorvCli({"fx", "32840", "2", "2", "2", "2", "8", in, out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "result 0\n");
    std::vector<Frame> reversed = frames;
    std::reverse(reversed.begin() + 2, reversed.begin() + 8);
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(reversed));

    const CliRun empty = RunJorvCli({"fx", "32840", "2", "2", "2", "8", "8", in, out});
    EXPECT_EQ(empty.out, "result -1\n");
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(frames));
    EXPECT_EQ(RunJorvCli({"fx", "32840", "2", "2", "x", "0", "8", in, out}).status, 2);
}

TEST_F(Edit, RunsEachOperationWithTheTrackOptionsThroughTheNamedClipboard) {
    const auto original = CanonicalWave(Constant(10, 1000, 1000));
    WriteFileBytes(in, original);
    const CliRun cut = RunJorvCli({"edit", "cut", "2", "5", in, out, "--clip", clip});
    EXPECT_EQ(cut.out, "result 0\n");
    EXPECT_EQ(ReadFileBytes(clip), CanonicalWave(Constant(3, 1000, 1000)));
    std::vector<Frame> expected = Constant(10, 1000, 1000);
    std::fill(expected.begin() + 2, expected.begin() + 5, Frame{0, 0});
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(expected));
    EXPECT_EQ(ReadFileBytes(in), original);  // IN is only read

    // Pan 0 at full volume: gains 254 and 127. The 3-frame clip covers 3 of the 4 frames.
    EXPECT_EQ(RunJorvCli({"edit", "merge", "0", "4", in, out, "--clip", clip, "--pan", "0"}).status, 0);
    expected = Constant(10, 1000, 1000);
    std::fill(expected.begin(), expected.begin() + 3, Frame{1992, 1496});
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(expected));

    RunJorvCli({"edit", "paste", "0", "4", in, out, "--clip", clip, "--mute"});
    expected = Constant(10, 1000, 1000);
    std::fill(expected.begin(), expected.begin() + 4, Frame{0, 0});
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(expected));
}

TEST_F(Edit, AClipboardThatFailsLeavesTheTrackAsItWas) {
    WriteFileBytes(in, CanonicalWave(Constant(10, 1000, 1000)));
    WriteFileBytes(clip, RiffFile({FmtChunk({.formatTag = 3})}));
    const CliRun ring = RunJorvCli({"edit", "ring", "0", "9", in, out, "--clip", clip});
    EXPECT_EQ(ring.status, 1);
    EXPECT_EQ(ring.out, "result 13\n");
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(Constant(10, 1000, 1000)));

    const CliRun cut = RunJorvCli({"edit", "cut", "0", "9", in, out, "--clip", folder.file("none/clip.wav")});
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.out, "result -1\n");
    EXPECT_EQ(cut.err, "Jorv Error: Could not save wave file.\n");
    EXPECT_EQ(ReadFileBytes(out), CanonicalWave(Constant(10, 1000, 1000)));

    for (const auto& words : std::vector<std::vector<std::string>>{{"edit", "trim", "0", "9", in, out},
                                                                   {"edit", "cut", "5", "4", in, out},
                                                                   {"edit", "cut", "0", "9", in, out, "--pan", "256"}})
        EXPECT_EQ(RunJorvCli(words).status, 2);
}

TEST(DrumEvents, ListsTheSongOfAPatternFileOrOfTheGivenText) {
    TempFolder folder;
    const std::string file = folder.file("beat.jdp");
    // Only the first pattern's length and first step: the rest of the block stays as it starts.
    Bytes bytes = {'1', 0, '.', 0, '0', 0, '0', 0};
    AppendU16(bytes, 2);
    bytes.resize(bytes.size() + 8, 0);
    bytes.push_back(100);  // step 0, Bass Drum 1
    WriteFileBytes(file, bytes);
    EXPECT_EQ(RunJorvCli({"drum-events", file}).out, "events 0\n");
    const CliRun song = RunJorvCli({"drum-events", file, "--song", "0a0"});
    EXPECT_EQ(song.status, 0);
    EXPECT_EQ(song.out, "events 2\n0 153 35 100\n200 153 35 100\n");
    EXPECT_EQ(RunJorvCli({"drum-events", file, "--song", "00", "--entries", "6"}).out, "events 1\n0 153 35 100\n");

    const CliRun missing = RunJorvCli({"drum-events", folder.file("none.jdp")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Jorv Error: There has been an error opening the .jdp file.\n");
    EXPECT_EQ(RunJorvCli({"drum-events", file, "--entries", "-1"}).status, 2);
    EXPECT_EQ(RunJorvCli({"drum-play", file, "--api", "bogus"}).status, 2);
}

TEST_F(Sk1, RendersTheEventsFromTheClipOntoTheWholeTrack) {
    WriteFileBytes(in, CanonicalWave(Constant(100, 1, 1)));
    WriteFileBytes(clip, CanonicalWave(Constant(2, 4000, -4000)));
    WriteFileBytes(events, {});
    std::ofstream(events) << "events 2\n0 " << (0x90 | 60 << 8 | 64 << 16) << "\n1 " << (0x80 | 60 << 8 | 64 << 16) << "\n";
    const CliRun run = RunJorvCli({"sk1", events, clip, "10", "60", in, out, "--mem", "1", "--pan", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "notes 1\n");
    const Bytes written = ReadFileBytes(out);
    EXPECT_EQ(written.size(), 44u + 4 * 262144);  // the whole track
    std::vector<Frame> expected = Constant(100, 1, 1);
    expected.resize(262144, Frame{0, 0});
    expected[10] = expected[11] = {int16_t(1 + (2000 * 254 >> 8)), int16_t(1 + (-2000 * 127 >> 8))};
    EXPECT_EQ(written, CanonicalWave(expected));

    std::ofstream(events) << "1 2\nnonsense\n";
    const CliRun bad = RunJorvCli({"sk1", events, clip, "0", "60", in, out});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("line 2"), std::string::npos);
    EXPECT_EQ(RunJorvCli({"midi-capture", "x"}).status, 2);
}

TEST_F(Tts, SingsOneSpokenWordAtEachNoteAndLeavesSilenceElsewhere) {
    WriteFileBytes(in, CanonicalWave({}));
    std::ofstream(events) << "0 " << (0x90 | 60 << 8 | 100 << 16) << "\n1000 " << (0x90 | 67 << 8 | 100 << 16) << "\n";
    const CliRun run = RunJorvCli({"tts", events, "sing along", "0", "100000", in, out, "--clip", clip, "--mem", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "result converted\nnotes 2\n");
    std::vector<Frame> track(262144);
    SilentUiServices quiet;
    ASSERT_EQ(LoadWave(out, track.data(), 262144, quiet), 0);
    const auto loudest = [&](uint32_t from, uint32_t to) {
        return std::abs(std::max_element(track.begin() + from, track.begin() + to, [](Frame a, Frame b) {
                            return std::abs(a.left) < std::abs(b.left);
                        })->left);
    };
    EXPECT_GT(loudest(44100, 44100 + 8820), 1000);  // "along" from 1 s
    EXPECT_EQ(loudest(100000, 262144), 0);          // after the selection nothing
    EXPECT_EQ(RunJorvCli({"wave-info", clip}).status, 0);  // the clipboard holds the last word
}

TEST_F(Chain, AppliesTheListedEffectsWithTheBlendGivenAndRefusesADamagedList) {
    const std::string list = folder.file("chain.jfx");
    std::vector<Frame> frames = Ramp(1000, 10);
    WriteFileBytes(in, CanonicalWave(frames));
    Bytes chain = {'1', 0, '.', 0, '0', 0, '0', 0};
    AppendU16(chain, 1);    // one item
    AppendU16(chain, 0);    // blend 0, overridden below
    for (uint32_t value : {33u, 128u, 128u, 128u}) AppendU32(chain, value);  // Misc Reverse
    chain.resize(268, 0);
    WriteFileBytes(list, chain);
    const CliRun run = RunJorvCli({"chain", list, "0", "1000", in, out, "--blend", "255"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "result 1\n");
    const Bytes written = ReadFileBytes(out);
    ASSERT_EQ(written.size(), 44u + 4000);
    EXPECT_EQ(written[44], 0);  // the first frame stays the untouched one
    const auto sample = [&](std::size_t frame) { return int16_t(written[44 + 4 * frame] | written[45 + 4 * frame] << 8); };
    EXPECT_NEAR(sample(500), frames[499].left, 10);  // reversed, at the blend's peak

    chain[8] = 17;
    WriteFileBytes(list, chain);
    const CliRun damaged = RunJorvCli({"chain", list, "0", "1000", in, out});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err, "Jorv Error: There has been an error opening the .jfx file.\n");
}

TEST(Cli, AFailureItReportedIsNeverASuccess) {
    SavedProject saved;
    const CliRun mixdown = RunJorvCli({"mixdown", saved.f.folder.file("mix.jor"), "0", "2", "/no-such-folder/out.wav"});
    EXPECT_EQ(mixdown.status, 1);
    EXPECT_EQ(mixdown.err, "Jorv Error: Could not save wave file.\n");
    // A missing file becomes a silent one, unless it cannot be created.
    const CliRun missing = RunJorvCli({"wave-info", "/no-such-folder/a.wav"});
    EXPECT_EQ(missing.out, "result 0\nframes 0\n");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(RunJorvCli({"play", saved.f.folder.file("mix.jor"), "0", "2", "--api", "bogus"}).status, 2);
}

TEST(Cli, BadUsageExitsWithTwoAndAUsageText) {
    for (const auto& words : std::vector<std::vector<std::string>>{
             {}, {"no-such-command"}, {"wave-info"}, {"wave-info", "a", "b"}, {"wave-info", "a", "--mem"},
             {"wave-info", "a", "--mem", "0"}, {"wave-info", "a", "--mem", "4x"}, {"wave-info", "a", "--bogus"}}) {
        const CliRun run = RunJorvCli(words);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(words);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

// A scripted session in the project's folder (where its clipboard lives), from a script file.
struct Script : ::testing::Test {
    Script() { std::filesystem::current_path(saved.f.folder.path()); }
    ~Script() override { std::filesystem::current_path(here); }
    CliRun run(const std::string& lines) {
        WriteFileText(saved.f.folder.file("run.txt"), lines);
        return RunJorvCli({"script", "mix.jor", "run.txt"});
    }
    Bytes track(int t) const { return ReadFileBytes(saved.f.folder.file("mix-Track " + std::to_string(t) + ".wav")); }
    const std::filesystem::path here = std::filesystem::current_path();
    SavedProject saved;
};

TEST_F(Script, RunsTheWindowsCommandsAndPrintsWhatTheUserWouldSee) {
    // Negate leaves left minus right on both sides.
    const CliRun run = this->run("# negate the first two frames of track 2, copy them, save\n"
                           "track 1\n"
                           "SELECT 0 2\n"
                           "fx > misc > negate 2 2 2\n"
                           "Edit > Copy\n"
                           "File > Save\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "status: Project Loaded\nstatus: Project Saved\n");
    EXPECT_EQ(ReadFileBytes(saved.f.folder.file("clipper.wav")), CanonicalWave(Constant(2, 10000, 10000)));
    // The saved track is the whole 2 MB track: its first frames changed, then the file's.
    std::vector<Frame> frames = Constant(100, 30000, 20000);
    frames[0] = frames[1] = Frame{10000, 10000};
    const Bytes expected = CanonicalWave(frames);
    const Bytes written = track(2);
    ASSERT_GT(written.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin() + 44, expected.end(), written.begin() + 44));
}

TEST_F(Script, UndoAndRedoTakeBackAndRedoOneStepEach) {
    const CliRun run = this->run("select 0 10\nEdit > Cut\nselect 50 60\nEdit > Cut\nEdit > Undo\nEdit > Undo\nEdit > Redo\nFile > Save\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "status: Project Loaded\nstatus: Undo Cut\nstatus: Undo Cut\nstatus: Redo Cut\nstatus: Project Saved\n");
    std::vector<Frame> frames = Constant(100, 1000, -1000);
    std::fill_n(frames.begin(), 10, Frame{0, 0});
    const Bytes expected = CanonicalWave(frames), written = track(1);
    EXPECT_TRUE(std::equal(expected.begin() + 44, expected.end(), written.begin() + 44));
}

TEST_F(Script, QuestionsTakeTheScriptsAnswersAndALineItDoesNotKnowRunsNothing) {
    const Bytes before = track(1);
    CliRun run = this->run("select 0 10\nEdit > Cut\nanswer cancel\nanswer yes\nFile > Exit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "status: Project Loaded\n"
                       "question: The project \"mix\" has changes that are not saved. Save them first? -> Cancel\n"
                       "question: The project \"mix\" has changes that are not saved. Save them first? -> Yes\n"
                       "status: Project Saved\n");
    EXPECT_NE(track(1), before);

    const Bytes saved = track(1);
    run = this->run("Edit > Paste\nEdit > Nothing Like This\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 2 of run.txt"), std::string::npos) << run.err;
    EXPECT_EQ(track(1), saved);
}

// Work a run left behind: a working copy of track 1 holding five frames.
TEST(Recover, ListsTheWorkLeftBehindAndWithYesSavesItUnlessItIsDamaged) {
    SavedProject saved;
    const std::string project = saved.f.folder.file("mix.jor");
    const std::string track = saved.f.folder.file("mix-Track 1.wav");
    const Bytes before = ReadFileBytes(track);
    EXPECT_EQ(RunJorvCli({"recover", project}).out, "recoverable none\n");
    {
        WorkingCopy work;
        ASSERT_EQ(work.claim(project), WorkingCopy::Claim::Fresh);
        WriteFileBytes(work.copyOf(track), CanonicalWave(Constant(5, 7, 7)));
        WriteFileBytes(work.editJournal(), {'J', 'E', 'D', 'T', 1, 2});
    }
    CliRun run = RunJorvCli({"recover", project, "--yes"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "track 0 frames 5\n");
    EXPECT_EQ(run.err, "Jorv Error: Part of the unsaved work could not be read and is lost; the rest has been recovered.\n");
    EXPECT_EQ(ReadFileBytes(track), before);

    std::filesystem::remove(WorkingCopy::FolderFor(project) + "/edits.journal");
    {
        WorkingCopy work;
        work.claim(project);
        WriteFileBytes(work.copyOf(track) + ".good", ReadFileBytes(work.copyOf(track)));
        WriteFileBytes(work.copyOf(track), {'R', 'I', 'F', 'X'});  // a copy that is no wave file
    }
    EXPECT_EQ(RunJorvCli({"recover", project, "--yes"}).status, 1);
    EXPECT_EQ(ReadFileBytes(track), before);
    {
        WorkingCopy work;
        work.claim(project);
        std::filesystem::rename(work.copyOf(track) + ".good", work.copyOf(track));
    }
    run = RunJorvCli({"recover", project, "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "track 0 frames 5\n");
    EXPECT_EQ(ReadFileBytes(track), CanonicalWave(Constant(5, 7, 7)));
    EXPECT_FALSE(std::filesystem::exists(WorkingCopy::FolderFor(project)));
}

}  // namespace
}  // namespace jorv::test

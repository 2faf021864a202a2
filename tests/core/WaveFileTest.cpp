#include "core/WaveFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <vector>

#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingUiServices.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

constexpr uint32_t Frames = 64;
constexpr Frame Marker{777, -777};

class WaveFileTest : public ::testing::Test {
protected:
    WaveFileTest() : buffer(Frames, Marker) {}

    int load(const Bytes& bytes, uint32_t* loaded = nullptr) {
        WriteFileBytes(path, bytes);
        return LoadWave(path, buffer.data(), Frames, ui, loaded);
    }
    bool bufferUntouched() const {
        return std::all_of(buffer.begin(), buffer.end(), [](const Frame& f) { return f == Marker; });
    }
    std::vector<std::string> errors() const { return ui.textsWithCaption("Jorv Error"); }

    TempFolder folder;
    std::string path = folder.file("take.wav");
    RecordingUiServices ui;
    std::vector<Frame> buffer;
};

// Files that load without a word: the frames they hold, then silence up to the buffer's end.
TEST_F(WaveFileTest, GoodFilesLoadTheirWholeFramesThenSilence) {
    const Bytes data = Chunk("data", SampleBytes({10, 20, 30, 40}));
    Bytes extensiblePcm = FmtChunk({.formatTag = 0xFFFE, .extraBytes = 24});
    extensiblePcm[8 + 24] = 1;  // the sub-format GUID starts with the PCM tag
    const std::vector<Frame> two{{10, 20}, {30, 40}};
    const struct {
        const char* name;
        Bytes file;
        std::vector<Frame> frames;
    } cases[] = {
        {"fills the buffer", CanonicalWave(Constant(Frames, -32768, 32767)), Constant(Frames, -32768, 32767)},
        {"longer than the buffer", CanonicalWave(Constant(Frames + 10, 9, 9)), Constant(Frames, 9, 9)},
        {"short", CanonicalWave(two), two},
        {"a chunk between fmt and data", RiffFile({FmtChunk(), Chunk("LIST", Bytes(26, 'x')), data}), two},
        {"an odd chunk and its pad byte", RiffFile({FmtChunk(), Chunk("bext", Bytes(7, 'y')), data}), two},
        {"chunks before fmt", RiffFile({Chunk("JUNK", Bytes(4)), Chunk("bext", Bytes(3)), FmtChunk(), data}), two},
        {"a longer fmt chunk", RiffFile({FmtChunk({.extraBytes = 2}), data}), two},
        {"extensible PCM", RiffFile({extensiblePcm, data}), two},
    };
    for (const auto& c : cases) {
        std::fill(buffer.begin(), buffer.end(), Marker);
        uint32_t loaded = 0;
        EXPECT_EQ(load(c.file, &loaded), 0) << c.name;
        EXPECT_EQ(loaded, c.frames.size()) << c.name;
        std::vector<Frame> expected = c.frames;
        expected.resize(Frames, Frame{0, 0});
        EXPECT_EQ(buffer, expected) << c.name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WaveFileTest, DataSizeBeyondTheFileKeepsTheLastCompleteSampleOnly) {
    // Ten frames, then a lone left sample and half of the right one; the size claims 100 frames.
    Bytes file = RiffFile({FmtChunk()});
    AppendText(file, "data");
    AppendU32(file, 400);
    const Bytes data = SampleBytes(Interleave(Constant(10, 100, -100)));
    file.insert(file.end(), data.begin(), data.end());
    AppendU16(file, 555);
    file.push_back(0x7F);
    uint32_t loaded = 0;
    EXPECT_EQ(load(file, &loaded), 0);
    EXPECT_EQ(loaded, 10u);
    EXPECT_EQ(buffer[9], (Frame{100, -100}));
    EXPECT_EQ(buffer[10], (Frame{555, 0}));
    EXPECT_EQ(buffer[11], (Frame{0, 0}));
}

// Mono is widened to both channels (1), another rate loads unchanged (2), both add up; only
// the low 16 bits of the rate are compared.
TEST_F(WaveFileTest, MonoAndOtherRatesLoadWithTheirWarnings) {
    const struct {
        FmtFields fmt;
        int result;
        std::vector<Frame> frames;
    } cases[] = {{{.channels = 1}, 1, {{5, 5}, {6, 6}, {0, 0}}},
                 {{.sampleRate = 22050}, 2, {{5, 6}, {0, 0}}},
                 {{.channels = 1, .sampleRate = 48000}, 3, {{5, 5}, {6, 6}, {0, 0}}},
                 {{.sampleRate = 44100 + 65536}, 0, {{5, 6}, {0, 0}}}};
    for (const auto& c : cases) {
        EXPECT_EQ(load(RiffFile({FmtChunk(c.fmt), Chunk("data", SampleBytes({5, 6}))})), c.result);
        EXPECT_EQ(std::vector<Frame>(buffer.begin(), buffer.begin() + c.frames.size()), c.frames) << c.result;
    }
    EXPECT_EQ(errors(), std::vector<std::string>(3, "There has been a warning error opening the wave file."));
}

struct FailureCase {
    const char* name;
    Bytes file;
    int result;
    const char* message;
};

TEST_F(WaveFileTest, DamagedHeadersFailWithTheirCodeAndLeaveTheBufferUntouched) {
    const Bytes data = Chunk("data", SampleBytes({1, 2}));
    Bytes notRiff = RiffFile({FmtChunk(), data});
    notRiff[2] = 'X';
    Bytes notWave = RiffFile({FmtChunk(), data});
    notWave[9] = 'X';
    Bytes bigEndian = RiffFile({FmtChunk(), data});
    bigEndian[3] = 'X';
    Bytes truncatedInFmt = RiffFile({FmtChunk()});
    truncatedInFmt.resize(20);
    Bytes negativeSizes = RiffFile({FmtChunk()});  // must not make the search loop forever
    for (int k = 0; k < 3; ++k) {
        AppendText(negativeSizes, "odd!");
        AppendU32(negativeSizes, 0xFFFFFFF8u);
    }
    const std::vector<FailureCase> cases{
        {"empty file", {}, 10, "No RIFF header found in wav file."},
        {"not riff", notRiff, 10, "No RIFF header found in wav file."},
        {"not wave", notWave, 11, "No WAVE header found in wave file."},
        {"big-endian RIFX", bigEndian, 10, "No RIFF header found in wav file."},
        {"no fmt chunk", RiffFile({Chunk("JUNK", Bytes(4)), data}), 12, "No fmt_ header found in wave file."},
        {"float samples", RiffFile({FmtChunk({.formatTag = 3, .bitsPerSample = 32}), data}), 13, "Not a PCM format wave file."},
        {"extensible", RiffFile({FmtChunk({.formatTag = 0xFFFE, .extraBytes = 24}), data}), 13, "Not a PCM format wave file."},
        {"8 bit", RiffFile({FmtChunk({.bitsPerSample = 8}), data}), 14, "Wrong bit count in wave file."},
        {"24 bit", RiffFile({FmtChunk({.bitsPerSample = 24}), data}), 14, "Wrong bit count in wave file."},
        {"header cut short", truncatedInFmt, 13, "Not a PCM format wave file."},
        {"no data chunk", RiffFile({FmtChunk(), Chunk("LIST", Bytes(10))}), 15, "No data chunk found in wave file."},
        {"chunk size past the end", RiffFile({FmtChunk(), Chunk("LIST", Bytes(10))}), 15, "No data chunk found in wave file."},
        {"negative chunk sizes", negativeSizes, 15, "No data chunk found in wave file."},
    };
    for (FailureCase c : cases) {
        if (std::string(c.name) == "chunk size past the end") c.file[40] = 0xF0;  // LIST claims ~240 bytes more
        ui.messages.clear();
        EXPECT_EQ(load(c.file), c.result) << c.name;
        EXPECT_TRUE(bufferUntouched()) << c.name;
        EXPECT_EQ(errors(), std::vector<std::string>{c.message}) << c.name;
    }
}

TEST_F(WaveFileTest, MissingFileBecomesASilentFileOneFrameShortOfTheBuffer) {
    uint32_t loaded = 99;
    EXPECT_EQ(LoadWave(path, buffer.data(), Frames, ui, &loaded), 0);
    EXPECT_EQ(loaded, 0u);
    EXPECT_EQ(buffer, std::vector<Frame>(Frames, Frame{0, 0}));
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave(std::vector<Frame>(Frames - 1, Frame{0, 0})));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WaveFileTest, WhatCannotBeReadAsAFileIsRefusedAndLeftAlone) {
    const std::string fifo = folder.file("fifo.wav"), loop = folder.file("loop.wav"), dir = folder.file("dir.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);  // opening it plainly would wait for a writer forever
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    ASSERT_EQ(::mkdir(dir.c_str(), 0755), 0);
    for (const std::string& path : {fifo, loop, dir, std::string("/dev/zero")}) {
        ui.messages.clear();
        EXPECT_EQ(LoadWave(path, buffer.data(), Frames, ui), WaveUnreadable) << path;
        EXPECT_TRUE(bufferUntouched()) << path;
        EXPECT_EQ(errors(), std::vector<std::string>{"Could not read wave file."}) << path;
    }
    struct stat status {};
    EXPECT_EQ(::lstat(loop.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_TRUE(S_ISFIFO((::stat(fifo.c_str(), &status), status.st_mode)));
}

TEST_F(WaveFileTest, ReadOnlyFileIsReadNotReplacedBySilence) {
    WriteFileBytes(path, CanonicalWave({{11, 12}, {13, 14}}));
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(LoadWave(path, buffer.data(), Frames, ui), 0);
    EXPECT_EQ(buffer[1], (Frame{13, 14}));
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({{11, 12}, {13, 14}}));
    // Root may write any file, so the save runs in a child that is an ordinary user; the
    // folder lets that user write, so only the file's own protection can refuse.
    ::chmod(folder.path().c_str(), 0777);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        RecordingUiServices own;
        const bool refused = SaveWave(0, 2, path, buffer.data(), own) == -1 &&
                             own.textsWithCaption("Jorv Error") == std::vector<std::string>{"Could not save wave file."};
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({{11, 12}, {13, 14}}));
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
}

TEST_F(WaveFileTest, SaveWritesTheCanonicalHeaderAndTheFramesOfTheRange) {
    for (uint32_t k = 0; k < Frames; ++k) buffer[k] = {int16_t(k), int16_t(-int(k))};
    ASSERT_EQ(SaveWave(10, 20, path, buffer.data(), ui), 0);
    const Bytes written = ReadFileBytes(path);
    ASSERT_EQ(written.size(), 44u + 40u);
    EXPECT_EQ(written, CanonicalWave({buffer.begin() + 10, buffer.begin() + 20}));
    EXPECT_EQ(written[4], 76);  // RIFF size = data + 36
    EXPECT_EQ(written[28] | written[29] << 8 | written[30] << 16, 176400);

    ASSERT_EQ(SaveWave(5, 5, path, buffer.data(), ui), 0);
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({}));
    EXPECT_EQ(ReadFileBytes(path)[4], 36);
}

// What the sync call saw: the bytes of the file it was given, and what the target held then.
struct SyncSeen {
    Bytes synced, target;
    int calls = 0;
};
SyncSeen* syncSeen = nullptr;
std::string syncTarget;

int RecordSync(int descriptor) {
    ++syncSeen->calls;
    // The descriptor is write-only: its file is read through another opening.
    syncSeen->synced = ReadFileBytes("/proc/self/fd/" + std::to_string(descriptor));
    syncSeen->target = ReadFileBytes(syncTarget);
    return 0;
}

TEST_F(WaveFileTest, ASaveReachesTheDiskBeforeItReplacesTheFileUnlessItCanBeMadeAgain) {
    WriteFileBytes(path, CanonicalWave({{1, 1}}));
    SyncSeen seen;
    syncSeen = &seen;
    syncTarget = path;
    const auto real = SyncToDisk;
    SyncToDisk = RecordSync;
    const int saved = SaveWave(0, 2, path, buffer.data(), ui);
    SyncToDisk = real;
    ASSERT_EQ(saved, 0);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.synced, CanonicalWave({Marker, Marker}));  // the new bytes, all written
    EXPECT_EQ(seen.target, CanonicalWave({{1, 1}}));           // while the old file still stands

    SyncToDisk = RecordSync;
    EXPECT_EQ(SaveWave(0, 1, path, buffer.data(), ui, Durability::WithTheSystem), 0);
    SyncToDisk = real;
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({Marker}));
}

TEST_F(WaveFileTest, SaveReplacesTheFileWholeOrNotAtAll) {
    WriteFileBytes(path, CanonicalWave({{1, 1}}));
    ::chmod(path.c_str(), 0640);
    const std::string link = folder.file("link.wav");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(SaveWave(0, 2, link, buffer.data(), ui), 0);
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({Marker, Marker}));  // through the link, which stays
    struct stat status {};
    ASSERT_EQ(::lstat(link.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    // When the new file cannot be written, the old one stays as it was.
    ASSERT_EQ(::mkdir((path + ".saving").c_str(), 0755), 0);
    EXPECT_EQ(SaveWave(0, 5, path, buffer.data(), ui), -1);
    EXPECT_EQ(ReadFileBytes(path), CanonicalWave({Marker, Marker}));
}

TEST_F(WaveFileTest, AFullDiskKeepsTheOldFileWhole) {
    std::vector<Frame> frames(4000, Frame{5, 5});
    ASSERT_EQ(SaveWave(0, 10, path, frames.data(), ui), 0);
    const Bytes before = ReadFileBytes(path);
    // A file size limit stands for a full disk: the write stops part way, as with no space left.
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = 8000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const int result = SaveWave(0, 4000, path, frames.data(), ui);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
    EXPECT_EQ(errors(), std::vector<std::string>{"Could not save wave file."});
}

TEST_F(WaveFileTest, SaveFailuresAreReported) {
    EXPECT_EQ(SaveWave(0, 4, folder.file("no-such-folder/x.wav"), buffer.data(), ui), -1);
    // A device that is always full: created fine, but the samples never reach it.
    EXPECT_EQ(SaveWave(0, Frames, "/dev/full", buffer.data(), ui), -1);
    EXPECT_EQ(errors(), (std::vector<std::string>{"Could not save wave file.", "Could not save wave file."}));
}

}  // namespace
}  // namespace jorv::test

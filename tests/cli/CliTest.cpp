#include "cli/RunCli.h"

#include <gtest/gtest.h>

#include <sstream>

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

TEST(WaveInfo, ReportsResultAndWholeFramesTaken) {
    TempFolder folder;
    const std::string file = folder.file("a.wav");
    Bytes wave = CanonicalWave(std::vector<Frame>(1000, Frame{1, 2}));
    wave.push_back(9);  // a partial trailing frame is not counted
    wave.push_back(9);
    wave[40] += 2;
    WriteFileBytes(file, wave);
    const CliRun run = RunJorvCli({"wave-info", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "result 0\nframes 1000\n");
    EXPECT_EQ(run.err, "");
}

TEST(WaveInfo, CountsFramesAgainstTheBufferOfTheChosenMemory) {
    TempFolder folder;
    const std::string file = folder.file("mono.wav");
    WriteFileBytes(file, RiffFile({FmtChunk({.channels = 1}), Chunk("data", Bytes(600000 * 2, 0))}));
    const CliRun run = RunJorvCli({"wave-info", file, "--mem", "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "result 1\nframes 524288\n");
    EXPECT_EQ(run.err, "Jorv Error: There has been a warning error opening the wave file.\n");
}

TEST(WaveInfo, FailedLoadPrintsOnlyTheResultAndExitsWithOne) {
    TempFolder folder;
    const std::string file = folder.file("bad.wav");
    WriteFileBytes(file, RiffFile({FmtChunk({.bitsPerSample = 24})}));
    const CliRun run = RunJorvCli({"wave-info", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "result 14\n");
    EXPECT_EQ(run.err, "Jorv Error: Wrong bit count in wave file.\n");
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

}  // namespace
}  // namespace jorv::test

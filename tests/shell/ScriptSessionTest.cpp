#include "shell/ScriptSession.h"

#include <gtest/gtest.h>

#include <sstream>

#include "shell/CommandIds.h"
#include "effects/EffectCatalogue.h"

namespace jorv::test {
namespace {

ParsedScript Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseScript(in);
}

TEST(ScriptSession, ReadsEveryKindOfLineInAnyCaseAroundComments) {
    const ParsedScript script = Parse("# a comment\n\n"
                                      "  select 10 20   # the first bars\n"
                                      "TRACK 3\n"
                                      "edit > paste special > merge\n"
                                      "Edit > Copy From ...\n"
                                      "File>Save Wave\n"
                                      "FX > Amp > Gain 100 254 128\n"
                                      "answer CANCEL\n"
                                      "file /tmp/take #2.wav\n"
                                      "wait 0.5\n");
    ASSERT_FALSE(script.unknownLine);
    ASSERT_EQ(script.steps.size(), 9u);
    using Kind = ScriptStep::Kind;
    EXPECT_EQ(script.steps[0].kind, Kind::Select);
    EXPECT_EQ(script.steps[0].lineNumber, 3);
    EXPECT_EQ(script.steps[0].values[1], 20);
    EXPECT_EQ(script.steps[1].values[0], 3);
    EXPECT_EQ(script.steps[2].command, cmd::PasteMerge);
    EXPECT_EQ(script.steps[3].command, cmd::CopyFrom);
    EXPECT_EQ(script.steps[4].command, cmd::SaveWave);
    EXPECT_EQ(script.steps[5].kind, Kind::Effect);
    EXPECT_EQ(script.steps[5].command, fx::Gain);
    EXPECT_EQ(script.steps[5].values, (std::array<int64_t, 3>{100, 254, 128}));
    EXPECT_EQ(script.steps[6].answer, Answer::Cancel);
    EXPECT_EQ(script.steps[7].path, "/tmp/take #2.wav");
    EXPECT_EQ(script.steps[8].seconds, 0.5);
}

TEST(ScriptSession, ALineThatIsNoneOfTheKindsIsNamedAndNothingRuns) {
    for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{
             {"Edit > Cut\nEdit > Cutt\n", 2},
             {"FX > Amp > Gain 1 2\n", 1},           // an effect takes three values
             {"Edit > Cut 1 2 3\n", 1},              // a command takes none
             {"FX > Amp\n", 1},                      // a submenu is no command
             {"select 20 10\n", 1},                  // the end before the start
             {"track 16\n", 1},                      // there are 16 tracks, 0 to 15
             {"answer maybe\n", 1},
             {"wait -1\n", 1},
         }) {
        const ParsedScript script = Parse(text);
        EXPECT_EQ(script.unknownLine, line) << text;
        EXPECT_TRUE(script.steps.empty()) << text;
    }
}

}  // namespace
}  // namespace jorv::test

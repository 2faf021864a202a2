#include <gtest/gtest.h>


#include "core/Utf16Text.h"
#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "instruments/DrumEvents.h"
#include "instruments/DrumInstruments.h"
#include "instruments/DrumPatternFile.h"
#include "tests/support/RecordingUiServices.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

constexpr int BassDrum1 = 8, SnareDrum1 = 11;

struct Drums {
    Drums() { InitialiseDrumBlock(block); }
    DrumBlock block{};
    DrumPattern& pattern(int p) { return block.patterns[p]; }
    void set(int p, int step, int row, uint8_t velocity) { pattern(p).steps[step * DrumInstrumentCount + row] = velocity; }
    int at(int p, int step, int row) { return pattern(p).steps[step * DrumInstrumentCount + row]; }
    void song(std::u16string_view text) { StoreSongPattern(block, text); }
    std::vector<std::array<uint32_t, 2>> events(uint32_t capacity = 65536) {
        DrumEventList list(capacity);
        BuildDrumEvents(block, list);
        std::vector<std::array<uint32_t, 2>> out;
        for (int k = 0; k < list.events(); ++k) out.push_back({list.dueMs(k), list.message(k)});
        return out;
    }
};

uint32_t NoteOn(int key, int velocity) { return 0x99 | key << 8 | velocity << 16; }
using Events = std::vector<std::array<uint32_t, 2>>;

TEST(DrumInstruments, SixtyOneRowsWithKeys27To87) {
    const auto& table = DrumInstruments();
    EXPECT_EQ(table[SnareDrum1].name, "Snare Drum 1");
    EXPECT_EQ(table[60].name, "Bass Drum Open");
    for (int i = 0; i < DrumInstrumentCount; ++i) EXPECT_EQ(table[i].key, 27 + i);
}

TEST(DrumEvents, StepsFollowInSongOrderAndInstrumentOrderWithinAStep) {
    Drums d;
    d.pattern(0).length = 4;
    for (int s = 0; s < DrumSteps; ++s) d.set(0, s, BassDrum1, 100);  // beyond the length: silent
    d.pattern(1).length = 2;
    d.pattern(1).msPerBeat = 50;
    d.set(1, 1, SnareDrum1, 90);
    d.set(1, 1, BassDrum1, 5);
    d.song(u"01");
    EXPECT_EQ(d.events(), (Events{{0, NoteOn(35, 100)}, {100, NoteOn(35, 100)}, {200, NoteOn(35, 100)},
                                  {300, NoteOn(35, 100)}, {450, NoteOn(35, 5)}, {450, NoteOn(38, 90)}}));
    d.song(u"");
    EXPECT_TRUE(d.events().empty());
}

TEST(DrumEvents, OtherCharactersAndOutOfRangePatternsTakeNoTime) {
    Drums d;
    d.set(0, 0, BassDrum1, 1);
    d.set(0, 31, BassDrum1, 2);
    d.pattern(2).length = 0;
    d.pattern(3).length = -5;
    d.pattern(4).msPerBeat = -100;  // its steps fall together at its start
    d.set(4, 1, BassDrum1, 4);
    d.pattern(5).length = 40;       // the 32 stored steps play; the pattern lasts all 40
    d.set(5, 31, BassDrum1, 3);
    d.song(u"x2 3-4.5?0");
    EXPECT_EQ(d.events(), (Events{{0, NoteOn(35, 4)}, {3100, NoteOn(35, 3)}, {4000, NoteOn(35, 1)},
                                  {7100, NoteOn(35, 2)}}));
}

TEST(DrumEvents, AFullListKeepsFourEntriesFreeAndDropsTheRest) {
    Drums d;
    for (int s = 0; s < DrumSteps; ++s) d.set(0, s, BassDrum1, 9);
    d.song(u"0");
    EXPECT_EQ(d.events(14).size(), 5u);
    EXPECT_EQ(d.events(13).size(), 5u);
    EXPECT_TRUE(d.events(4).empty());
    EXPECT_TRUE(d.events(0).empty());
}

TEST(DrumEditor, BarsStoreOnlyThumbMovesWithAPatternAndInstrumentChosen) {
    Drums d;
    DrumEditorState state;
    EXPECT_FALSE(ScrollStepBar(state, d.block, 3, ScrollCode::ThumbTrack, 80));
    EXPECT_FALSE(RefreshDrumEditor(state, d.block).msPerBeat);
    state.currentPattern = 2;
    EXPECT_FALSE(ScrollStepBar(state, d.block, 3, ScrollCode::ThumbTrack, 80));
    EXPECT_TRUE(ScrollMsPerBeat(state, d.block, ScrollCode::ThumbPosition, 125));
    EXPECT_FALSE(ScrollPatternLength(state, d.block, ScrollCode::PageLeft, 3));
    state.currentInstrument = BassDrum1;
    EXPECT_TRUE(ScrollStepBar(state, d.block, 3, ScrollCode::ThumbTrack, 80));
    EXPECT_FALSE(ScrollStepBar(state, d.block, 4, ScrollCode::LineRight, 80));
    const DrumEditorView view = RefreshDrumEditor(state, d.block);
    EXPECT_EQ(view.velocities->at(3), 80);
    EXPECT_EQ(view.velocities->at(4), 0);
    EXPECT_EQ(view.msPerBeat, 125);
    EXPECT_EQ(view.length, 32);
    EXPECT_EQ(MsPerBeatLabel(125), "ms per beat 125");
}

TEST(DrumEditor, InstrumentScopeMovesOneColumnThroughColumnZero) {
    Drums d;
    DrumEditorState state;
    state.currentPattern = 0;
    state.currentInstrument = SnareDrum1;
    d.set(0, 5, SnareDrum1, 70);
    CutDrums(state, d.block);
    EXPECT_EQ(d.at(0, 5, SnareDrum1), 0);
    EXPECT_EQ(state.clipPattern.steps[5 * DrumInstrumentCount], 70);
    state.currentInstrument = BassDrum1;
    PasteDrums(state, d.block);
    EXPECT_EQ(d.at(0, 5, BassDrum1), 70);
    // A pattern-scope paste carries the column where it was left, in column 0.
    EXPECT_EQ(ToggleDrumEditScope(state), "Pattern");
    state.currentPattern = 1;
    PasteDrums(state, d.block);
    EXPECT_EQ(d.at(1, 5, 0), 70);
    EXPECT_EQ(d.pattern(1).length, 0);  // nothing was ever copied in pattern scope
    EXPECT_EQ(d.pattern(1).msPerBeat, 0);
    EXPECT_EQ(ToggleDrumEditScope(state), "Instrument");
}

TEST(DrumEditor, PatternScopeCutResetsAndPasteRestoresButNeverTheReservedBytes) {
    Drums d;
    DrumEditorState state;
    state.currentPattern = 3;
    state.editScope = DrumEditScope::Pattern;
    d.pattern(3).length = 16;
    d.pattern(3).msPerBeat = 125;
    d.pattern(3).reserved[0] = 7;
    d.set(3, 0, 0, 1);
    CutDrums(state, d.block);
    EXPECT_EQ(d.pattern(3).length, 32);
    EXPECT_EQ(d.pattern(3).msPerBeat, 100);
    EXPECT_EQ(d.at(3, 0, 0), 0);
    state.currentPattern = 4;
    PasteDrums(state, d.block);
    EXPECT_EQ(d.pattern(4).length, 16);
    EXPECT_EQ(d.pattern(4).msPerBeat, 125);
    EXPECT_EQ(d.at(4, 0, 0), 1);
    EXPECT_EQ(d.pattern(4).reserved[0], 0);

    ClearAllDrums(d.block);
    EXPECT_EQ(d.pattern(3).reserved[0], 0);
    EXPECT_EQ(d.pattern(4).length, 32);
    EXPECT_EQ(d.at(4, 0, 0), 0);
}

TEST(DrumEditor, OkStoresAtMost127SongCharactersAndTheBeatOfPatternZero) {
    Drums d;
    uint32_t beatFrames = 0;
    AcceptDrumEdit(d.block, std::u16string(200, u'1'), beatFrames);
    EXPECT_EQ(FieldText(d.block.songPattern, 128).size(), 127u);
    EXPECT_EQ(beatFrames, 141120u);
    d.pattern(0).length = 16;
    d.pattern(0).msPerBeat = 125;
    AcceptDrumEdit(d.block, u"0", beatFrames);
    EXPECT_EQ(beatFrames, 88200u);
    d.pattern(0).length = -1;
    AcceptDrumEdit(d.block, u"0", beatFrames);
    EXPECT_EQ(beatFrames, 0u);
}

TEST(DrumPatternFile, SaveWritesTheBlockWholeAndLoadTakesAShortFileOverTheFront) {
    TempFolder folder;
    RecordingUiServices ui;
    DrumEditorState state;
    Drums d;
    d.song(u"0120");
    const std::string path = folder.file("beat.jdp");
    ui.fileChoices = {path};
    SaveDrumPatterns(state, d.block, "/start", ui);
    EXPECT_EQ(ui.fileRequests[0].title, "Save Jorv Drum Pattern");
    EXPECT_EQ(ui.fileRequests[0].initialFolder, "/start");
    EXPECT_TRUE(ui.fileRequests[0].confirmOverwrite);
    const auto bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 20144u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), std::string("1\0.\0000\0000\0", 8));

    Drums loaded;
    loaded.pattern(9).length = 5;
    WriteFileBytes(path, {bytes.begin(), bytes.begin() + 100});
    ui.fileChoices = {path};
    EXPECT_TRUE(LoadDrumPatterns(state, loaded.block, "/start", ui));
    EXPECT_EQ(ui.fileRequests[1].initialFolder, "/start");  // Load remembers its own folder
    EXPECT_EQ(loaded.pattern(9).length, 5);
    ui.fileChoices = {folder.file("missing.jdp"), std::nullopt};
    EXPECT_FALSE(LoadDrumPatterns(state, loaded.block, "/start", ui));
    EXPECT_EQ(ui.textsWithCaption("Jorv Error"),
              std::vector<std::string>{"There has been an error opening the .jdp file."});
    LoadDrumPatterns(state, loaded.block, "/start", ui);
    EXPECT_EQ(ui.fileRequests[3].initialFolder, folder.path());

    ui.fileChoices = {folder.file("no/such/folder.jdp")};
    SaveDrumPatterns(state, d.block, "/start", ui);
    EXPECT_EQ(ui.fileRequests[4].initialFolder, folder.path());
    EXPECT_EQ(ui.messages.back().text, "There has been a warning error saving the .jdp file.");
}

}  // namespace
}  // namespace jorv::test

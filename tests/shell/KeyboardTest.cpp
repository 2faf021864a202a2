#include "shell/KeyboardSelection.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/CommandIds.h"
#include "shell/MenuMnemonics.h"
#include "shell/MenuTable.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

// 5500 frames over the 550 columns of the view: ten frames a column at zoom 1.
class KeyboardTest : public ::testing::Test, protected OneTrackShell {
protected:
    KeyboardTest() : OneTrackShell(5500) {
        project.projectLoaded = true;
        ScaleViewToTrack(context.view, project.framesPerTrack);
    }
    void press(int id, int times = 1) {
        for (int i = 0; i < times; ++i) RunCommand(context, id);
    }
    std::pair<uint32_t, uint32_t> selection() const { return {project.selectionStart, project.selectionEnd}; }
    bool shown(uint32_t frame) const {
        const int32_t x = FrameToPixel(context.view, frame);
        return x >= ViewLeft && x < ViewLeft + context.view.width;
    }
};

using Span = std::pair<uint32_t, uint32_t>;

TEST_F(KeyboardTest, ArrowsWalkTheCursorAndShiftArrowsStretchTheEndWithinTheTrack) {
    project.selectionStart = 100;
    project.selectionEnd = 300;
    press(cmd::CursorToStart);
    EXPECT_EQ(selection(), Span(0, 0));
    press(cmd::CursorLeft);  // nothing left of the track
    EXPECT_EQ(selection(), Span(0, 0));
    press(cmd::CursorRight, 3);
    EXPECT_EQ(selection(), Span(30, 30));
    press(cmd::SelectRight, 2);
    EXPECT_EQ(selection(), Span(30, 50));
    press(cmd::SelectLeft, 5);  // the end never passes the start
    EXPECT_EQ(selection(), Span(30, 30));
    press(cmd::SelectRight);
    press(cmd::CursorRight);  // a selection shrinks to its end, then the cursor walks
    EXPECT_EQ(selection(), Span(40, 40));
    press(cmd::SelectRight);
    press(cmd::CursorLeft);  // ... or to its start
    EXPECT_EQ(selection(), Span(40, 40));

    press(cmd::CursorToEnd);
    EXPECT_EQ(selection(), Span(5499, 5499));
    press(cmd::CursorRight);
    press(cmd::SelectRight);
    EXPECT_EQ(selection(), Span(5499, 5499));
    press(cmd::SelectToStart);
    EXPECT_EQ(selection(), Span(0, 5499));
    // Home then Shift+End is Select All.
    press(cmd::CursorToStart);
    press(cmd::SelectToEnd);
    const Span keyed = selection();
    press(cmd::SelectAll);
    EXPECT_EQ(keyed, selection());
    EXPECT_GE(ui.waveInvalidations, 16);
}

TEST_F(KeyboardTest, AKeyStopsWhatPlaysBeforeItMovesTheSelection) {
    project.selectionStart = project.selectionEnd = 500;
    RunCommand(context, cmd::Play);
    ASSERT_TRUE(project.busy);
    wave.calls.clear();
    press(cmd::SelectRight);
    ASSERT_FALSE(wave.calls.empty());
    EXPECT_EQ(wave.calls.front(), "stop");
    EXPECT_EQ(selection(), Span(500, 510));
}

TEST_F(KeyboardTest, WithAlignToBeatEveryPressLandsOnTheNextBeat) {
    project.beatFrames = 1000;
    press(cmd::AlignToBeat);
    project.selectionStart = project.selectionEnd = 1234;  // set before the grid was on
    press(cmd::CursorRight);
    EXPECT_EQ(selection(), Span(2000, 2000));
    press(cmd::SelectRight, 2);
    EXPECT_EQ(selection(), Span(2000, 4000));
    press(cmd::SelectLeft);
    EXPECT_EQ(selection(), Span(2000, 3000));
    press(cmd::CursorLeft, 2);
    EXPECT_EQ(selection(), Span(1000, 1000));
    press(cmd::SelectToEnd);
    EXPECT_EQ(selection(), Span(1000, 5000));  // the last beat's start, where a drag ends too
}

// Zoomed in, the view follows the frame a key moved, by the Pos bar.
TEST_F(KeyboardTest, ZoomKeysStepTheZoomBarAndTheViewFollowsTheKeys) {
    press(cmd::ZoomOut);
    EXPECT_EQ(context.view.zoom, 1.0);
    press(cmd::ZoomIn, 10);
    EXPECT_EQ(context.view.zoom, 11.0);
    EXPECT_EQ(ui.scrollPositions.at(cmd::ZoomBar), 10);
    EXPECT_EQ(KeyStep(context.view, project), 1u);  // ten frames a column at zoom 1: one at zoom 11

    press(cmd::CursorToEnd);
    EXPECT_EQ(ui.scrollPositions.at(cmd::PositionBar), 255);
    EXPECT_TRUE(shown(5499));
    press(cmd::CursorToStart);
    EXPECT_EQ(ui.scrollPositions.at(cmd::PositionBar), 0);
    press(cmd::SelectRight, 20);  // still in sight: the view stays
    EXPECT_EQ(ui.scrollPositions.at(cmd::PositionBar), 0);

    project.selectionStart = project.selectionEnd = 2750;
    press(cmd::SelectRight);
    EXPECT_TRUE(shown(2751));
    EXPECT_GT(context.view.scrollOffset, 2000.0);
    // Zooming in further keeps the end in sight too.
    press(cmd::ZoomIn, 100);
    EXPECT_TRUE(shown(2751));
}

TEST_F(KeyboardTest, WithoutALoadedProjectTheKeysLeaveTheSelectionAlone) {
    ShellFixture empty;
    empty.context.project.selectionEnd = 7;
    for (const int id : {cmd::CursorToEnd, cmd::CursorRight, cmd::SelectToEnd, cmd::SelectLeft}) RunCommand(empty.context, id);
    EXPECT_EQ(empty.context.project.selectionStart, 0u);
    EXPECT_EQ(empty.context.project.selectionEnd, 7u);
}

// The menu texts, by menu, as the user reads them.
void CollectMenus(const std::vector<MenuEntry>& entries, const std::string& name, std::vector<std::pair<std::string, std::vector<std::string>>>& menus) {
    std::vector<std::string> texts;
    for (const MenuEntry& entry : entries) {
        if (entry.kind != MenuEntry::Kind::Item && entry.kind != MenuEntry::Kind::Submenu) continue;
        texts.push_back(entry.text);
        CollectMenus(entry.children, entry.text, menus);
    }
    if (!texts.empty()) menus.emplace_back(name, texts);
}

TEST(Mnemonics, EveryMenuEntryHasOneAndOnlyTheOldMenusShareAny) {
    std::vector<std::pair<std::string, std::vector<std::string>>> menus;
    CollectMenus(MenuBarEntries(), "menu bar", menus);
    // Shared marks the menus have always had; a menu cycles through them.
    const std::set<std::string> shared = {"&File", "&FX", "&Track", "&Tools", "&Undo", "C&ut"};
    for (const auto& [menu, texts] : menus) {
        std::set<char> used;
        for (const std::string& text : texts) {
            const char mnemonic = MnemonicOf(text);
            EXPECT_NE(mnemonic, 0) << menu << ": " << text;
            EXPECT_TRUE(used.insert(mnemonic).second || shared.contains(text)) << menu << ": " << text;
        }
    }
    const auto amp = std::find_if(menus.begin(), menus.end(), [](const auto& m) { return m.first == "&Amp"; });
    ASSERT_NE(amp, menus.end());
    EXPECT_EQ(amp->second, (std::vector<std::string>{"&Gain", "&Compression", "&Distortion", "&Fade", "F&uzz"}));
}

TEST(Mnemonics, AMarkGoesToAFreeWordStartElseAFreeLetterAndAnAmpersandStaysOne) {
    std::vector<MenuEntry> entries = {{MenuEntry::Kind::Item, "&Pitch", 1, {}},
                                      {MenuEntry::Kind::Item, "Perfect Pitch", 2, {}},
                                      {MenuEntry::Kind::Item, "2 Voices", 3, {}},
                                      {MenuEntry::Kind::Item, "Rock && Roll", 4, {}},
                                      {MenuEntry::Kind::Separator, "", 0, {}}};
    MarkMnemonics(entries);
    EXPECT_EQ(entries[0].text, "&Pitch");
    EXPECT_EQ(entries[1].text, "P&erfect Pitch");
    EXPECT_EQ(entries[2].text, "&2 Voices");
    EXPECT_EQ(entries[3].text, "&Rock && Roll");
    EXPECT_EQ(entries[4].text, "");
    EXPECT_EQ(MnemonicOf("Rock && Roll"), 0);
}

// A key bound twice would run neither command.
TEST(Mnemonics, NoKeyOfTheWindowRunsTwoCommands) {
    std::set<std::string_view> keys = {"Space", "Alt+?", "Alt+/"};
    for (const CommandShortcut& shortcut : CommandShortcuts()) EXPECT_TRUE(keys.insert(shortcut.keys).second) << shortcut.keys;
    for (const ViewKey& key : ViewKeys()) EXPECT_TRUE(keys.insert(key.keys).second) << key.keys;
}

}  // namespace
}  // namespace jorv::test

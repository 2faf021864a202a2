#include "shell/CommandDispatch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/CommandIds.h"
#include "shell/DrumEditActions.h"
#include "shell/MenuTable.h"
#include "shell/StopAll.h"
#include "effects/EffectCatalogue.h"
#include "shell/EffectDialogState.h"
#include "instruments/DrumBlockSetup.h"
#include "tests/support/ManualTickTimer.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

using Strings = std::vector<std::string>;

class CommandDispatchTest : public ::testing::Test, protected ShellFixture {
protected:
    void startPlaying() {
        project.projectLoaded = true;
        project.busy = true;
        project.selectionStart = 10;
        project.selectionEnd = 99;
    }
    void deliverPosted() { DeliverPosted(context, ui); }
    Project& project = context.project;
};

void CollectIds(const std::vector<MenuEntry>& entries, std::vector<int>& ids) {
    for (const MenuEntry& e : entries) {
        if (e.kind == MenuEntry::Kind::Item) ids.push_back(e.id);
        CollectIds(e.children, ids);
    }
}

TEST_F(CommandDispatchTest, StopAllStopsTheDevicesAndTheCursorOfABusyLoadedProjectOnly) {
    project.busy = true;
    StopAll(context);
    EXPECT_TRUE(wave.calls.empty());
    EXPECT_EQ(ui.status, "Uninitialized");
    startPlaying();
    context.view.cursorX = 300;
    StopAll(context);
    EXPECT_EQ(wave.calls, Strings{"stop"});
    EXPECT_FALSE(project.busy);
    EXPECT_EQ(context.view.cursorX, 0);
    EXPECT_EQ(ui.status, "Stopped");
}

TEST_F(CommandDispatchTest, RecordStartsATakeOfTheSelectionWithMergeAndTheSettingsLatency) {
    project.projectLoaded = true;
    project.selectionStart = 10;
    project.selectionEnd = 99;
    context.settings.recordLatency = 300;
    RunCommand(context, cmd::MergeRecord);
    RunCommand(context, cmd::Record);
    EXPECT_EQ(wave.calls, Strings{"startRecording 10 99 merge latency 300"});
    EXPECT_EQ(ui.status, "Recording");
}

TEST_F(CommandDispatchTest, EveryCommandOfEverySourceStopsTheTransportFirst) {
    std::vector<int> ids;
    CollectIds(MenuBarEntries(), ids);
    ids.push_back(cmd::TrackList);
    ids.push_back(cmd::TrackPropertiesClosed);
    for (const int id : ids) {
        if (id == cmd::New) continue;  // New unloads the project, which a later test covers
        startPlaying();
        wave.calls.clear();
        EXPECT_EQ(RunCommand(context, id, Notification::Other), CommandResult::Handled) << id;
        ASSERT_FALSE(wave.calls.empty()) << id;
        EXPECT_EQ(wave.calls.front(), "stop") << id;
    }
    EXPECT_EQ(RunCommand(context, 12345), CommandResult::NotACommand);
}

TEST_F(CommandDispatchTest, NewResetsTheHeaderWithoutFlushingAndOpensProjectSettings) {
    ProjectFixture files(8);
    files.addTrack();
    files.addTrack();
    project = std::move(files.project);
    project.projectLoaded = true;
    project.currentTrack = 1;
    project.trackDirty = true;
    project.block.header.memPerTrackMB = 64;
    StoreField(project.block.header.name, "a longer name");
    StoreField(project.block.tracks[1].title, "Vocals");

    RunCommand(context, cmd::New);
    EXPECT_FALSE(project.projectLoaded);
    EXPECT_EQ(project.currentTrack, 0);
    EXPECT_EQ(project.block.header.trackCount, 0);
    EXPECT_EQ(project.block.header.memPerTrackMB, 4);
    EXPECT_EQ(FieldToUtf8(project.block.header.name), "untitled");
    EXPECT_EQ(FieldToUtf8(project.block.header.formatVersion), "2.0");
    EXPECT_EQ(FieldToUtf8(project.block.tracks[1].title), "Vocals");
    EXPECT_TRUE(project.trackDirty);
    EXPECT_FALSE(std::filesystem::exists(files.waveFileOf(1)));
    EXPECT_EQ(ui.posted, (std::deque<PostedCommand>{{cmd::ProjectProperties, Notification::Clicked}}));
}

TEST_F(CommandDispatchTest, ModeTogglesFollowTheirFlagsInMenuAndCheckBoxes) {
    struct Toggle {
        int id;
        bool Project::*flag;
    };
    for (const Toggle t : {Toggle{cmd::MergeRecord, &Project::mergeRecord}, Toggle{cmd::ActivateDrums, &Project::drumsActive},
                           Toggle{cmd::AlignToBeat, &Project::alignToBeat}}) {
        RunCommand(context, t.id);
        EXPECT_TRUE(project.*t.flag);
        EXPECT_TRUE(ui.checks.at(t.id));
        RunCommand(context, t.id);
        EXPECT_FALSE(project.*t.flag);
        EXPECT_FALSE(ui.checks.at(t.id));
    }
    EXPECT_EQ(ui.fullRedraws, 2);  // only Align to Beat redraws everything
}

TEST_F(CommandDispatchTest, MuteTogglesTheCurrentTrackOfALoadedProjectPlacingATakeFirst) {
    project.currentTrack = 2;
    RunCommand(context, cmd::Mute);
    EXPECT_EQ(project.block.tracks[2].mute, 0);
    EXPECT_FALSE(ui.checks.at(cmd::Mute));  // a check box that toggled itself is put back

    startPlaying();
    RunCommand(context, cmd::Mute);
    EXPECT_EQ(wave.calls, Strings{"stop"});
    EXPECT_EQ(project.block.tracks[2].mute, 1);
    EXPECT_TRUE(ui.checks.at(cmd::Mute));
}

TEST_F(CommandDispatchTest, FirstTrackPropertiesOkLoadsTheProjectAndSelectsTheListedTrack) {
    RunCommand(context, cmd::TrackPropertiesClosed);  // without a track: nothing is loaded
    EXPECT_FALSE(project.projectLoaded);
    EXPECT_TRUE(ui.posted.empty());

    ProjectFixture files(32);
    files.addTrack();
    files.addTrack();
    files.writeTrackFile(1, Constant(32, 700, 700));
    project = std::move(files.project);
    ui.trackListSelection = 1;

    RunCommand(context, cmd::TrackPropertiesClosed);
    EXPECT_TRUE(project.projectLoaded);
    EXPECT_EQ(project.selectionStart, 0u);
    EXPECT_EQ(project.selectionEnd, 31u);
    EXPECT_EQ(ui.posted.front(), (PostedCommand{cmd::TrackList, Notification::SelectionChange}));
    deliverPosted();
    EXPECT_EQ(project.currentTrack, 1);
    EXPECT_EQ(project.trackBuffer[0], (Frame{700, 700}));

    const int before = ui.waveInvalidations;
    RunCommand(context, cmd::TrackPropertiesClosed);
    EXPECT_EQ(ui.waveInvalidations, before + 1);
    EXPECT_TRUE(ui.posted.empty());
}

TEST_F(CommandDispatchTest, AddAsksForTheNewTracksPropertiesUnlessItWasRefused) {
    ProjectFixture files(8);
    project = std::move(files.project);
    RunCommand(context, cmd::AddTrack);
    EXPECT_EQ(project.block.header.trackCount, 1);
    ASSERT_EQ(ui.posted.size(), 1u);
    EXPECT_EQ(ui.posted.front(), (PostedCommand{cmd::TrackProperties, Notification::Clicked}));
    project.block.header.trackCount = MaxTracks;
    ui.posted.clear();
    RunCommand(context, cmd::AddTrack);
    EXPECT_TRUE(ui.posted.empty());
}

TEST_F(CommandDispatchTest, TrackListSelectsOnlyOnASelectionChange) {
    ProjectFixture files(8);
    files.addTrack();
    files.addTrack();
    project = std::move(files.project);
    ui.trackListSelection = 1;
    RunCommand(context, cmd::TrackList, Notification::Other);
    EXPECT_EQ(project.currentTrack, 0);
    RunCommand(context, cmd::TrackList, Notification::SelectionChange);
    EXPECT_EQ(project.currentTrack, 1);
    EXPECT_EQ(ui.fullRedraws, 1);
    ui.trackListSelection = -1;
    RunCommand(context, cmd::TrackList, Notification::SelectionChange);
    EXPECT_EQ(project.currentTrack, 1);
}

TEST_F(CommandDispatchTest, SelectAllStopAboutAndExit) {
    project.framesPerTrack = 1048576;
    RunCommand(context, cmd::SelectAll);
    EXPECT_EQ(project.selectionStart, 0u);
    EXPECT_EQ(project.selectionEnd, 1048575u);
    RunCommand(context, cmd::Stop);
    EXPECT_EQ(ui.waveInvalidations, 2);
    RunCommand(context, cmd::About);
    RunCommand(context, cmd::Exit);
    EXPECT_EQ(window.aboutShown, 1);
    EXPECT_EQ(window.closed, 1);
}

TEST(EffectCommands, EveryFxItemOpensTheParameterDialogForItsEffect) {
    ShellFixture shell;
    std::vector<EffectId> shown;
    shell.window.effectDialog = [&] {
        shown.push_back(shell.context.effectDialog.dialogEffectId);
        return EffectDialogCancel;
    };
    std::vector<EffectId> catalogue;
    for (const EffectInfo& effect : EffectCatalogue()) {
        EXPECT_EQ(RunCommand(shell.context, effect.id), CommandResult::Handled);
        catalogue.push_back(effect.id);
    }
    EXPECT_EQ(shown, catalogue);
    EXPECT_EQ(shell.ui.waveInvalidations, 0);  // the dialog repaints after its OK, the command not
}

TEST(EditCommands, EditsRedrawTheWaveAndCopyDoesNot) {
    ShellFixture shell;
    ProjectFixture files(32);
    files.addTrack();
    shell.context.project = std::move(files.project);
    shell.context.project.clipperPath = files.folder.file("clipper.wav");
    RunCommand(shell.context, cmd::Copy);
    EXPECT_EQ(shell.ui.waveInvalidations, 0);
    for (int id : {cmd::Cut, cmd::Paste, cmd::PasteMerge, cmd::PasteRing, cmd::PasteNegate, cmd::Undo})
        RunCommand(shell.context, id);
    EXPECT_EQ(shell.ui.waveInvalidations, 6);
}

TEST(DrumCommands, RecordWithDrumsOnPlaysTheSongAlongAndEveryStopEndsIt) {
    // The timer and the output outlive the context whose player uses them.
    ManualTickTimer timer;
    SilentMidiOutput output;
    ShellFixture shell;
    Project& project = shell.context.project;
    project.projectLoaded = true;
    project.selectionEnd = 100;
    DrumBlock& drums = project.block.drumBlock;
    InitialiseDrumBlock(drums);
    drums.patterns[0].steps[0] = 100;
    StoreSongPattern(drums, u"00");
    shell.context.drums.open(64, output, timer);

    RunCommand(shell.context, cmd::Record);
    EXPECT_FALSE(shell.context.drums.running());  // Activate Drums is off
    RunCommand(shell.context, cmd::ActivateDrums);
    RunCommand(shell.context, cmd::Record);
    EXPECT_TRUE(shell.context.drums.running());
    EXPECT_EQ(shell.context.drums.events().events(), 2);
    // Activate Drums, like any command, first ends the take and its drums.
    RunCommand(shell.context, cmd::ActivateDrums);
    EXPECT_FALSE(shell.context.drums.running());
    EXPECT_FALSE(project.busy);
    EXPECT_FALSE(project.drumsActive);

    RunCommand(shell.context, cmd::DrumMachine);
    EXPECT_EQ(shell.window.dialogs, std::vector<std::string>{"drumEdit"});
}

TEST(DrumCommands, AuditionPlaysOnlyWhenNothingPlays) {
    // The timer and the output outlive the context whose player uses them.
    ManualTickTimer timer;
    SilentMidiOutput output;
    ShellFixture shell;
    DrumBlock& drums = shell.context.project.block.drumBlock;
    InitialiseDrumBlock(drums);
    drums.patterns[1].steps[0] = 100;
    shell.context.drums.open(64, output, timer);
    AuditionDrums(shell.context, u"1");
    EXPECT_TRUE(shell.context.drums.running());
    AuditionDrums(shell.context, u"11");
    EXPECT_EQ(FieldToUtf8(drums.songPattern), "1");
    StopAuditionDrums(shell.context);
    EXPECT_FALSE(shell.context.drums.running());
    AuditionDrums(shell.context, u"");
    EXPECT_EQ(timer.advance(3), 2);  // an empty song ends on its first tick
}

}  // namespace
}  // namespace jorv::test

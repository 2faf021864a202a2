#include "shell/CommandTable.h"

#include <algorithm>
#include <array>

#include "shell/ExportCommands.h"
#include "shell/ImportCommands.h"
#include "shell/KeyboardSelection.h"
#include "shell/MidiModes.h"
#include "shell/ProjectCommands.h"
#include "shell/RecentProjects.h"
#include "shell/SaveProjectAs.h"
#include "shell/TransportRun.h"
#include "shell/CommandIds.h"
#include "shell/ExternalTools.h"
#include "core/ProjectFile.h"
#include "core/TrackEditing.h"
#include "core/TrackManagement.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"

namespace jorv {

namespace {

// The current track is not flushed and the rest of the block keeps its contents.
void NewProject(AppContext& context, Notification) {
    Project& project = context.project;
    if (!OfferToSaveChanges(context)) return;
    ProjectHeader& header = project.block.header;
    project.projectLoaded = false;
    project.currentTrack = 0;
    header.trackCount = 0;
    header.memPerTrackMB = 4;
    StoreField(header.name, "untitled");
    StoreField(header.formatVersion, "2.0");
    context.ui.postCommand(cmd::ProjectProperties);
}

void Toggle(AppContext& context, bool& flag, int id) {
    flag = !flag;
    context.ui.setChecked(id, flag);
}

void ToggleAlignToBeat(AppContext& context, Notification) {
    Toggle(context, context.project.alignToBeat, cmd::AlignToBeat);
    context.ui.redrawAll();
}

void ToggleMergeRecord(AppContext& context, Notification) {
    Toggle(context, context.project.mergeRecord, cmd::MergeRecord);
}

// StopAll has ended any take before this runs, so the drums of a running take never change.
void ToggleActivateDrums(AppContext& context, Notification) {
    Toggle(context, context.project.drumsActive, cmd::ActivateDrums);
}

void TrackListNotified(AppContext& context, Notification notification) {
    if (notification != Notification::SelectionChange) return;
    const int entry = context.ui.selectedTrackEntry();
    if (entry >= 0) SelectTrack(context.project, entry, context.ui);
    context.ui.redrawAll();
}

// The Track Properties dialog closed with OK; for a new project this is its first track.
void TrackPropertiesClosed(AppContext& context, Notification) {
    Project& project = context.project;
    if (project.projectLoaded) {
        context.ui.invalidateWave();
        return;
    }
    // Without a track (its Add was refused) there is nothing to load.
    if (project.block.header.trackCount == 0) return;
    project.projectLoaded = true;
    SelectWholeTrack(project);
    context.ui.postCommand(cmd::TrackList, Notification::SelectionChange);
}

void ProjectProperties(AppContext& context, Notification) {
    context.window.runProjectSettings();
    AfterProjectSettings(context);
}

void Save(AppContext& context, Notification) { SaveWork(context); }

void Play(AppContext& context, Notification) { StartPlay(context); }

void Record(AppContext& context, Notification) { StartRecord(context); }

// Adapters for operations that take the project and the user interface alone.
template <auto Operation>
void OnProject(AppContext& context, Notification) {
    Operation(context.project, context.ui);
}

template <auto Operation>
void OnContext(AppContext& context, Notification) {
    Operation(context);
}

template <void (ShellWindow::*Run)()>
void OnWindow(AppContext& context, Notification) {
    (context.window.*Run)();
}

void Open(AppContext& context, Notification) { OpenProjectCommand(context); }

template <int Index>
void OpenRecent(AppContext& context, Notification) {
    OpenRecentProject(context, Index);
}

void OpenStartupProject(AppContext& context, Notification) { OpenProjectFileCommand(context, context.startupProject); }

void Sk1Mode(AppContext& context, Notification) { StartSk1Mode(context); }

template <ExternalTool Tool>
void Launch(AppContext& context, Notification) {
    LaunchExternal(context, Tool);
}

// A track that was added asks for its properties next.
void AddTrackCommand(AppContext& context, Notification) {
    if (AddTrack(context.project, context.ui)) context.ui.postCommand(cmd::TrackProperties);
}

void MuteCommand(AppContext& context, Notification) {
    context.ui.setChecked(cmd::Mute, ToggleMute(context.project));
}

void Undo(AppContext& context, Notification) { UndoStep(context); }

void Redo(AppContext& context, Notification) { RedoStep(context); }

void SelectAll(AppContext& context, Notification) { SelectWholeTrack(context.project); }
void SelectRange(AppContext& context, Notification) {
    if (context.project.projectLoaded) context.window.runSelectRange();
}

template <int Id>
void SelectionKey(AppContext& context, Notification) {
    MoveSelectionByKey(context, Id);
}

template <int Id>
void ZoomKey(AppContext& context, Notification) {
    ZoomByKey(context, Id);
}

template <PasteMode Mode>
void Paste(AppContext& context, Notification) {
    PasteClip(context.project, Mode, context.ui);
}

constexpr auto Commands = std::to_array<CommandEntry>({
    {cmd::New, NewProject, Redraw::Nothing},
    {cmd::Open, Open, Redraw::Wave},
    {cmd::ProjectProperties, ProjectProperties, Redraw::Wave},
    {cmd::Save, Save, Redraw::Nothing},
    {cmd::SaveAs, OnContext<SaveProjectAs>, Redraw::Nothing},
    {cmd::SaveWave, OnContext<SaveMixdown>, Redraw::Nothing},
    {cmd::RecentProject + 0, OpenRecent<0>, Redraw::Wave},
    {cmd::RecentProject + 1, OpenRecent<1>, Redraw::Wave},
    {cmd::RecentProject + 2, OpenRecent<2>, Redraw::Wave},
    {cmd::RecentProject + 3, OpenRecent<3>, Redraw::Wave},
    {cmd::RecentProject + 4, OpenRecent<4>, Redraw::Wave},
    {cmd::RecentProject + 5, OpenRecent<5>, Redraw::Wave},
    {cmd::RecentProject + 6, OpenRecent<6>, Redraw::Wave},
    {cmd::RecentProject + 7, OpenRecent<7>, Redraw::Wave},
    {cmd::Exit, OnWindow<&ShellWindow::closeWindow>, Redraw::Nothing},

    {cmd::Undo, Undo, Redraw::Wave},
    {cmd::Redo, Redo, Redraw::Wave},
    {cmd::Cut, OnProject<CutSelection>, Redraw::Wave},
    {cmd::Copy, OnProject<CopySelection>, Redraw::Nothing},
    {cmd::Paste, Paste<PasteMode::Replace>, Redraw::Wave},
    {cmd::PasteMerge, Paste<PasteMode::Add>, Redraw::Wave},
    {cmd::PasteRing, OnProject<RingClip>, Redraw::Wave},
    {cmd::PasteNegate, OnProject<NegateClip>, Redraw::Wave},
    {cmd::CopyFrom, OnContext<CopyFromFile>, Redraw::Nothing},
    {cmd::ImportAudio, OnContext<ImportAudioIntoTrack>, Redraw::Wave},
    {cmd::DropFile, OnContext<DropFile>, Redraw::Wave},
    {cmd::SelectAll, SelectAll, Redraw::Wave},
    {cmd::SelectRange, SelectRange, Redraw::Wave},
    {cmd::AlignToBeat, ToggleAlignToBeat, Redraw::Nothing},
    {cmd::CursorToStart, SelectionKey<cmd::CursorToStart>, Redraw::Wave},
    {cmd::CursorToEnd, SelectionKey<cmd::CursorToEnd>, Redraw::Wave},
    {cmd::CursorLeft, SelectionKey<cmd::CursorLeft>, Redraw::Wave},
    {cmd::CursorRight, SelectionKey<cmd::CursorRight>, Redraw::Wave},
    {cmd::SelectToStart, SelectionKey<cmd::SelectToStart>, Redraw::Wave},
    {cmd::SelectToEnd, SelectionKey<cmd::SelectToEnd>, Redraw::Wave},
    {cmd::SelectLeft, SelectionKey<cmd::SelectLeft>, Redraw::Wave},
    {cmd::SelectRight, SelectionKey<cmd::SelectRight>, Redraw::Wave},
    // The Zoom bar's own logic repaints the whole window.
    {cmd::ZoomIn, ZoomKey<cmd::ZoomIn>, Redraw::Nothing},
    {cmd::ZoomOut, ZoomKey<cmd::ZoomOut>, Redraw::Nothing},

    {cmd::Play, Play, Redraw::Wave},
    {cmd::Record, Record, Redraw::Wave},
    // StopAll, run before every command, is all that Stop does.
    {cmd::Stop, nullptr, Redraw::Wave},
    {cmd::MergeRecord, ToggleMergeRecord, Redraw::Nothing},
    {cmd::ActivateDrums, ToggleActivateDrums, Redraw::Nothing},

    {cmd::AddTrack, AddTrackCommand, Redraw::Nothing},
    {cmd::TrackProperties, OnWindow<&ShellWindow::runTrackProperties>, Redraw::Nothing},
    {cmd::DeleteTrack, OnProject<DeleteTrack>, Redraw::Nothing},
    {cmd::CloneThisTrack, OnProject<CloneTrack>, Redraw::Nothing},
    {cmd::CloneAllMerged, OnProject<CloneMerged>, Redraw::Nothing},
    {cmd::Mute, MuteCommand, Redraw::Nothing},
    {cmd::TrackList, TrackListNotified, Redraw::Nothing},
    {cmd::TrackPropertiesClosed, TrackPropertiesClosed, Redraw::Nothing},
    {cmd::OpenStartupProject, OpenStartupProject, Redraw::Wave},

    {cmd::Master, OnWindow<&ShellWindow::runMaster>, Redraw::Wave},
    {cmd::DrumMachine, OnWindow<&ShellWindow::runDrumEdit>, Redraw::Wave},
    {cmd::Sk1Mode, Sk1Mode, Redraw::Wave},
    {cmd::TtsMode, OnWindow<&ShellWindow::runLyrics>, Redraw::Wave},
    {cmd::RipMci, OnWindow<&ShellWindow::runRip>, Redraw::Wave},
    {cmd::FxList, OnWindow<&ShellWindow::runFxList>, Redraw::Wave},
    {cmd::AudioMixer, Launch<ExternalTool::AudioMixer>, Redraw::Nothing},
    {cmd::MidiSequencer, Launch<ExternalTool::MidiSequencer>, Redraw::Nothing},
    {cmd::HelpIndex, OnContext<ShowHelpIndex>, Redraw::Nothing},
    {cmd::Options, OnWindow<&ShellWindow::runOptions>, Redraw::Wave},
    {cmd::About, OnWindow<&ShellWindow::showAbout>, Redraw::Nothing},
});

}  // namespace

std::span<const CommandEntry> CommandTable() { return Commands; }

const CommandEntry* FindCommand(int id) {
    const auto entry = std::find_if(Commands.begin(), Commands.end(), [id](const CommandEntry& e) { return e.id == id; });
    return entry == Commands.end() ? nullptr : &*entry;
}

}  // namespace jorv

#include "app/shell/CommandDispatch.h"

#include "core/CommandIds.h"
#include "app/shell/ProjectCommands.h"
#include "app/shell/StopAll.h"
#include "core/Mixdown.h"
#include "core/ProjectFile.h"
#include "core/TrackManagement.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

// The current track is not flushed and the rest of the block keeps its contents.
void NewProject(AppContext& context) {
    Project& project = context.project;
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

void TrackListNotified(AppContext& context, Notification notification) {
    if (notification != Notification::SelectionChange) return;
    const int entry = context.ui.selectedTrackEntry();
    if (entry >= 0) SelectTrack(context.project, entry, context.ui);
    context.ui.redrawAll();
}

// The Track Properties dialog closed with OK; for a new project this is its first track.
void TrackPropertiesClosed(AppContext& context) {
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

// Returns whether the waveform rectangle is to be repainted afterwards.
bool Dispatch(AppContext& context, int id, Notification notification, bool& known) {
    Project& project = context.project;
    known = true;
    switch (id) {
        case cmd::New: NewProject(context); return false;
        case cmd::Exit: context.window.closeWindow(); return false;
        case cmd::AlignToBeat:
            Toggle(context, project.alignToBeat, id);
            context.ui.redrawAll();
            return false;
        case cmd::SelectAll: SelectWholeTrack(project); return true;
        case cmd::Stop: return true;
        case cmd::MergeRecord: Toggle(context, project.mergeRecord, id); return false;
        case cmd::ActivateDrums: Toggle(context, project.drumsActive, id); return false;
        case cmd::Mute: ToggleMute(project, context.ui); return false;
        case cmd::About: context.window.showAbout(); return false;
        case cmd::TrackList: TrackListNotified(context, notification); return false;
        case cmd::TrackPropertiesClosed: TrackPropertiesClosed(context); return false;

        case cmd::Open: OpenProjectCommand(context); return true;
        case cmd::ProjectProperties:
            context.window.runProjectSettings();
            AfterProjectSettings(context);
            return true;
        case cmd::Save:
            FlushTrack(project, context.ui);
            SaveProject(project, context.ui);
            return false;
        case cmd::Play:
            if (!project.projectLoaded) return true;
            context.wave.startPlayback(project, project.selectionStart, project.selectionEnd, context.ui);
            context.ui.setStatus("Playing");
            return true;
        case cmd::Record:
            if (!project.projectLoaded) return true;
            context.wave.startRecording(project,
                                        {project.selectionStart, project.selectionEnd, project.mergeRecord,
                                         context.settings.recordLatency},
                                        context.ui);
            context.ui.setStatus("Recording");
            return true;
        case cmd::AddTrack: AddTrack(project, context.ui); return false;
        case cmd::TrackProperties: context.window.runTrackProperties(); return false;
        case cmd::DeleteTrack: DeleteTrack(project, context.ui); return false;
        case cmd::CloneThisTrack: CloneTrack(project, context.ui); return false;
        case cmd::CloneAllMerged: CloneMerged(project, context.ui); return false;
        case cmd::Master: context.window.runMaster(); return true;

        case cmd::SaveWave: SaveMixdown(project, context.ui); return false;

        // Commands whose subsystems are still to come: they stop the transport and no more.
        case cmd::AudioMixer: case cmd::MidiSequencer: case cmd::HelpIndex: case cmd::CopyFrom:
        case cmd::Copy:
            return false;
        case cmd::Undo: case cmd::Cut: case cmd::Paste: case cmd::PasteMerge: case cmd::PasteRing:
        case cmd::PasteNegate: case cmd::FxList: case cmd::RipMci: case cmd::Sk1Mode:
        case cmd::TtsMode: case cmd::DrumMachine: case cmd::Options:
            return true;
        default: known = false; return false;
    }
}

}  // namespace

namespace {

// The FX menu's effects open the parameter dialog, always from the effect's defaults.
int ShowEffectDialog(AppContext& context, EffectId id) {
    context.effectDialog.dialogEffectId = id;
    return context.window.runEffectDialog();
}

}  // namespace

bool RunCommand(AppContext& context, int id, Notification notification) {
    StopAll(context);
    if (FindEffect(id)) {
        ShowEffectDialog(context, id);
        return true;
    }
    bool known = false;
    if (Dispatch(context, id, notification, known)) context.ui.invalidateWave();
    return known;
}

}  // namespace jorv

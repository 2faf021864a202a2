#include "core/TrackManagement.h"

#include <algorithm>
#include <cstring>

#include "core/Mixing.h"
#include "core/TrackFileName.h"
#include "core/TrackSwitching.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace {

bool RefuseWhenFull(const Project& project, UiServices& ui) {
    if (project.block.header.trackCount < MaxTracks) return false;
    ui.showMessage(TrackTableFullMessage, RefusalCaption, MessageKind::Plain);
    return true;
}

// Gives record index the title "Track N" and its file name in the project's folder.
bool NameNewTrack(Project& project, Track& record, int index, UiServices& ui) {
    const std::string title = "Track " + std::to_string(index + 1);
    if (!AssignTrackWaveFile(record, project.folder(), FieldToUtf8(project.block.header.name), title, ui)) return false;
    StoreField(record.title, title);
    return true;
}

bool MakeNewTrackRecord(Project& project, Track& record, int index, UiServices& ui) {
    if (!NameNewTrack(project, record, index, ui)) return false;
    record.volume = 255;
    record.pan = 127;
    record.mute = 0;
    return true;
}

// The clone becomes current without a flush: unsaved changes of the source go to the clone only.
void BecomeCloneOf(Project& project, int index, UiServices& ui) {
    project.block.header.trackCount = static_cast<uint16_t>(index + 1);
    project.currentTrack = static_cast<uint16_t>(index);
    FillTrackList(project, ui);
    LoadWave(project.clipperPath, project.trackBuffer.get(), project.framesPerTrack, ui);
    project.trackDirty = true;
}

}  // namespace

void FillTrackList(const Project& project, UiServices& ui) {
    std::vector<std::string> titles;
    for (int t = 0; t < project.usedTracks(); ++t) titles.push_back(FieldToUtf8(project.block.tracks[t].title));
    ui.fillTrackList(titles, project.currentTrack);
}

bool AddTrack(Project& project, UiServices& ui) {
    if (RefuseWhenFull(project, ui)) return false;
    const int index = project.block.header.trackCount;
    Track record = project.block.tracks[index];
    if (!MakeNewTrackRecord(project, record, index, ui)) return false;
    project.block.tracks[index] = record;
    project.block.header.trackCount += 1;
    FlushTrack(project, ui);
    if (project.buffersReady()) ClearFrames(project.trackBuffer.get(), 0, project.framesPerTrack);
    SelectTrack(project, index, ui);
    project.trackDirty = true;
    return true;
}

bool DeleteTrack(Project& project, UiServices& ui) {
    ProjectHeader& header = project.block.header;
    if (header.trackCount < 2) {
        ui.showMessage(LastTrackMessage, RefusalCaption, MessageKind::Plain);
        return false;
    }
    const int gone = project.currentTrack;
    if (gone < MaxTracks - 1)
        std::memmove(&project.block.tracks[gone], &project.block.tracks[gone + 1], sizeof(Track) * (MaxTracks - 1 - gone));
    header.trackCount -= 1;
    project.trackDirty = false;
    SelectTrack(project, 0, ui);
    FillTrackList(project, ui);
    ui.redrawAll();
    return true;
}

bool CloneTrack(Project& project, UiServices& ui) {
    if (RefuseWhenFull(project, ui) || !project.buffersReady()) return false;
    const int index = project.block.header.trackCount;
    Track record = project.block.tracks[project.currentTrack];
    if (!NameNewTrack(project, record, index, ui)) return false;
    SaveWave(0, project.framesPerTrack - 1, project.clipperPath, project.trackBuffer.get(), ui);
    project.block.tracks[index] = record;
    BecomeCloneOf(project, index, ui);
    // The new current track's controls, gains and backing mix follow at once.
    RefreshTrackMix(project, ui);
    ui.invalidateWave();
    return true;
}

bool CloneMerged(Project& project, UiServices& ui) {
    if (RefuseWhenFull(project, ui) || !project.buffersReady()) return false;
    const int index = project.block.header.trackCount;
    Track record = project.block.tracks[index];
    if (!MakeNewTrackRecord(project, record, index, ui)) return false;
    const uint32_t last = project.framesPerTrack - 1;
    std::copy_n(project.backingMix.get(), last, project.scratchBuffer.get());
    MixInto(project, project.trackBuffer.get(), project.scratchBuffer.get(), 0, last, 0, project.currentTrack, true);
    SaveWave(0, last, project.clipperPath, project.scratchBuffer.get(), ui);
    project.block.tracks[index] = record;
    BecomeCloneOf(project, index, ui);
    if (ui.showMessage("Mute all merged tracks?", "Clone Jorv Tracks", MessageKind::Question) == Answer::Yes)
        for (int t = 0; t < index; ++t) project.block.tracks[t].mute = 1;
    // So that the answer is heard at once: the merged tracks leave the backing mix.
    RefreshTrackMix(project, ui);
    ui.invalidateWave();
    return true;
}

bool ToggleMute(Project& project) {
    if (project.projectLoaded && !project.busy) project.current().mute = project.current().mute ? 0 : 1;
    return project.current().mute != 0;
}

}  // namespace jorv

#include "core/WorkRecovery.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <span>

#include "core/EditJournal.h"
#include "core/Gains.h"
#include "core/MappedFile.h"
#include "core/TakeJournal.h"
#include "core/TakePlacement.h"
#include "core/TrackBuffers.h"
#include "core/TrackSwitching.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"

namespace jorv {

namespace fs = std::filesystem;

namespace {

// The block the work was last written with: its copy, else the saved one.
ProjectBlock WorkingBlock(const Project& project, bool& damaged) {
    ProjectBlock block = project.block;
    std::error_code error;
    if (!fs::exists(project.work.projectCopy(), error)) return block;
    auto read = std::make_unique<ProjectBlock>(block);
    if (ReadProjectFile(project.work.projectCopy(), *read) == ProjectReadResult::Read && ProjectHeaderUsable(read->header))
        return *read;
    damaged = true;
    return block;
}

uint32_t FramesOfCopy(const std::string& copy) {
    std::error_code error;
    const auto size = fs::file_size(copy, error);
    constexpr uint64_t HeaderBytes = 44;
    return error || size < HeaderBytes ? 0 : static_cast<uint32_t>((size - HeaderBytes) / WaveFormat::bytesPerFrame);
}

// Applies the journal's edits, one track at a time, to the tracks' copies.
bool ApplyEdits(Project& project, std::span<const EditRecord> records) {
    const uint32_t framesPerTrack = FramesPerMegabyte * project.block.header.memPerTrackMB;
    SilentUiServices quiet;
    std::vector<Frame> track;
    std::string current;
    bool whole = true;
    const auto store = [&] {
        if (!current.empty()) whole &= SaveWave(0, framesPerTrack, project.work.copyOf(current), track.data(), quiet) == WaveSaved;
    };
    for (const EditRecord& edit : records) {
        if (edit.savedTrackFile != current) {
            store();
            current = edit.savedTrackFile;
            track.assign(framesPerTrack, Frame{0, 0});
            LoadWave(project.work.fileToRead(current), track.data(), framesPerTrack, quiet);
        }
        if (uint64_t{edit.start} + edit.frames.size() > framesPerTrack) {
            whole = false;
            continue;
        }
        std::copy(edit.frames.begin(), edit.frames.end(), track.begin() + edit.start);
    }
    store();
    return whole;
}

// Whether a copy loads as a track; a buffer of one frame reads its header and no more.
bool Readable(const std::string& copy) {
    SilentUiServices quiet;
    Frame first{};
    return LoadWave(copy, &first, 1, quiet) < FirstWaveFailure;
}

// A copy that does not load as a track is dropped, so the saved file is read again.
bool DropUnreadableCopies(Project& project) {
    bool whole = true;
    std::error_code error;
    for (int t = 0; t < project.usedTracks(); ++t) {
        const std::string copy = project.work.copyOf(FieldToUtf8(project.block.tracks[t].waveFile));
        if (!fs::exists(copy, error) || Readable(copy)) continue;
        fs::remove(copy, error);
        whole = false;
    }
    return whole;
}

// Places a take cut short as Stop would have: its track loaded, the frames captured over the
// front of the buffer, then moved by the latency and spliced in; the track's copy then holds it.
// Whether all of it could be read and placed.
bool PlaceTakeLeftBehind(Project& project, std::span<const unsigned char> journal) {
    const std::optional<TakeJournalHeader> header = DecodeTakeHeader(journal);
    if (!header) return journal.empty();
    SilentUiServices quiet;
    int track = -1;
    for (int t = 0; t < project.usedTracks(); ++t)
        if (FieldToUtf8(project.block.tracks[t].waveFile) == header->savedTrackFile) track = t;
    if (track < 0 || !CreateTrackBuffers(project, project.block.header.memPerTrackMB, quiet)) return false;
    project.currentTrack = static_cast<uint16_t>(track);
    ComputeGains(project);
    const uint32_t frames = project.framesPerTrack;
    LoadWave(project.work.fileToRead(header->savedTrackFile), project.trackBuffer.get(), frames, quiet);
    const bool read = !DecodeTakeJournal(journal, {project.trackBuffer.get(), frames}).damaged;
    const FrameRange range = LimitToBuffer(project, header->start, header->end);
    PlaceTake(project, range.start, range.end, header->merge, header->latency, quiet);
    const bool saved = SaveWave(0, frames, project.work.copyOf(header->savedTrackFile), project.trackBuffer.get(), quiet) == WaveSaved;
    ReleaseTrackBuffers(project);
    project.currentTrack = 0;
    project.trackDirty = false;
    return read && saved;
}

}  // namespace

RecoverableWork InspectWork(const Project& project) {
    RecoverableWork work;
    const ProjectBlock block = WorkingBlock(project, work.damaged);
    work.projectChanged = std::memcmp(&block, &project.savedBlock, sizeof block) != 0;
    const EditJournalContents journal = DecodeEditJournal(MappedFile(project.work.editJournal()).bytes());
    work.damaged |= journal.damagedBytes > 0;
    std::map<std::string, uint32_t> edited;
    for (const EditRecord& edit : journal.records) edited[edit.savedTrackFile] += uint32_t(edit.frames.size());
    const MappedFile takeFile(project.work.takeJournal());
    const TakeJournalContents take = DecodeTakeJournal(takeFile.bytes());
    work.damaged |= take.damaged;
    if (take.headerRead) work.take = {take.header.track, take.header.start, uint32_t(std::min<uint64_t>(take.frames, UINT32_MAX))};
    std::error_code error;
    for (int t = 0; t < std::min<int>(block.header.trackCount, MaxTracks); ++t) {
        const std::string saved = FieldToUtf8(block.tracks[t].waveFile);
        const std::string copy = project.work.copyOf(saved);
        if (fs::exists(copy, error)) {
            work.tracks.push_back({t, FramesOfCopy(copy)});
            work.damaged |= !Readable(copy);
        }
        else if (edited.count(saved)) work.tracks.push_back({t, edited[saved]});
    }
    return work;
}

void RecoverWork(Project& project, UiServices& ui) {
    bool damaged = false;
    project.block = WorkingBlock(project, damaged);
    // The copy is written again as it now stands, so a damaged one is gone.
    if (std::memcmp(&project.block, &project.savedBlock, sizeof project.block) != 0)
        WriteProjectFile(project.work.projectCopy(), project.block);
    else
        std::remove(project.work.projectCopy().c_str());
    damaged |= !DropUnreadableCopies(project);
    const EditJournalContents journal = DecodeEditJournal(MappedFile(project.work.editJournal()).bytes());
    damaged |= journal.damagedBytes > 0;
    const MappedFile take(project.work.takeJournal());
    const std::optional<TakeJournalHeader> header = DecodeTakeHeader(take.bytes());
    // The edits made before the take, the take, then the edits after it.
    std::size_t before = journal.records.size();
    if (header)
        before = std::upper_bound(journal.recordEnds.begin(), journal.recordEnds.end(), header->editJournalBytes) -
                 journal.recordEnds.begin();
    const std::span<const EditRecord> records = journal.records;
    damaged |= !ApplyEdits(project, records.first(before));
    damaged |= !PlaceTakeLeftBehind(project, take.bytes());
    damaged |= !ApplyEdits(project, records.subspan(before));
    project.work.clearEdits();
    std::remove(project.work.takeJournal().c_str());
    if (damaged) ShowError(ui, DamagedWorkMessage);
}

}  // namespace jorv

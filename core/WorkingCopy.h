#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

namespace jorv {

// A project's unsaved work, kept on disk in a hidden folder beside the project file until Save:
// the track files the program writes on its own, the edits made since, the project block and a
// take being recorded. Save commits it to the saved files; No to the save question discards
// it; after a crash it is what recovery offers. One program run holds the folder at a time.
class WorkingCopy {
public:
    WorkingCopy() = default;
    ~WorkingCopy();
    WorkingCopy(WorkingCopy&& other) noexcept;
    WorkingCopy& operator=(WorkingCopy&& other) noexcept;
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;

    // ".NAME.jorv-work" beside the project file, so that it is on the same file system.
    static std::string FolderFor(const std::string& projectPath);

    enum class Claim {
        Fresh,       // nothing was waiting there
        LeftBehind,  // a run that did not close left work there
        InUse,       // another run holds it: nothing was touched
        Unusable,    // the folder cannot be made or locked
    };
    // Takes the working folder of the project file at projectPath for this run.
    Claim claim(const std::string& projectPath);
    bool active() const { return lock_ >= 0; }
    const std::string& folder() const { return folder_; }

    // Where the working copy of a saved track file lives.
    std::string copyOf(const std::string& savedTrackFile) const;
    // What a track is read from: its working copy, else its saved file; a track with neither
    // is created in the working folder. Without a working folder, the saved file.
    std::string fileToRead(const std::string& savedTrackFile) const;
    // What the program writes a track to on its own.
    std::string fileToWrite(const std::string& savedTrackFile) const;
    // Whether any track has a working copy.
    bool holdsTracks() const;
    std::string projectCopy() const { return folder_ + "/project.jor"; }
    std::string editJournal() const { return folder_ + "/edits.journal"; }
    std::string takeJournal() const { return folder_ + "/take.journal"; }
    std::string historyFolder() const { return folder_ + "/history"; }

    // Appends one edit of a track (frames start..start+frames.size()-1 as they now are) and makes
    // it durable; false when it could not be written.
    bool appendEdit(const std::string& savedTrackFile, uint32_t start, const std::vector<Frame>& frames);
    // The track's copy now holds every edit.
    void clearEdits();

    // Save: each listed track's working copy replaces its saved file whole; false, after which
    // the copies stay, when one could not.
    bool commitTracks(const std::vector<std::string>& savedTrackFiles);
    // Removes the work but keeps the folder, and the undo history in it, for this run.
    void clear();
    // Removes the folder and lets it go.
    void discard();

private:
    void release();

    std::string folder_;
    int lock_ = -1;
};

}  // namespace jorv

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

namespace jorv {

// Each track's steps while its project is open: a step is the range of the track's audio that
// one command changed, kept in a file of its own in the working folder (memory holds only names
// and places). The file holds the range as the track does not: before the command while it is
// done, after it once undone, the two trading places at each Undo and Redo, so a step takes no
// more disk than the frames it changed. The oldest steps of the project go first when their
// files pass the limit.
class UndoHistory {
public:
    inline static constexpr uint64_t DefaultLimitBytes = uint64_t{1} << 30;

    struct Step {
        std::string name;  // the command's, as the status line says it
        uint32_t start = 0;
        uint32_t frames = 0;
        uint64_t serial = 0;  // names its file
    };

    // Steps are kept in folder (created on first use); nothing is kept without one.
    void useFolder(const std::string& folder) { folder_ = folder; }
    void setLimit(uint64_t bytes) {
        limitBytes_ = bytes;
        dropOldestUntilWithinLimit();
    }

    // A new step of track, the range before the command changed it: what could have been redone
    // there is gone. False, after which the step is not kept, when its file could not be written.
    bool record(const std::string& track, const std::string& name, uint32_t start, const std::vector<Frame>& before);
    bool canUndo(const std::string& track) const;
    bool canRedo(const std::string& track) const;
    // The step taken back (or done again) and the frames that go back into the track, whose
    // audio (`audio`, all of it) the step's file takes in their place; nothing when there is no
    // step, or its file cannot be read or written.
    struct Replay {
        Step step;
        std::vector<Frame> frames;
    };
    std::optional<Replay> undo(const std::string& track, const std::vector<Frame>& audio);
    std::optional<Replay> redo(const std::string& track, const std::vector<Frame>& audio);
    // The project closes: every step goes.
    void clear();
    uint64_t bytesKept() const { return bytes_; }

private:
    struct TrackSteps {
        std::vector<Step> done;
        std::vector<Step> undone;
    };
    std::string fileOf(const Step& step) const;
    std::optional<Replay> move(std::vector<Step>& from, std::vector<Step>& to, const std::vector<Frame>& audio);
    void forget(const Step& step);
    void dropOldestUntilWithinLimit();
    // Reads the step's frames and puts the track's in their place.
    std::optional<std::vector<Frame>> trade(const Step& step, const std::vector<Frame>& audio) const;

    std::string folder_;
    uint64_t limitBytes_ = DefaultLimitBytes;
    uint64_t bytes_ = 0;
    uint64_t nextSerial_ = 1;
    std::map<std::string, TrackSteps> tracks_;
};

}  // namespace jorv

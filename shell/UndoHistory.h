#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/WaveFormat.h"

namespace jorv {

// Each track's steps while its project is open: a step is what one command changed in the
// track's audio, the frames before and after, kept in a file of its own in the working folder
// (memory holds only their names and places). The oldest steps of the project go first when
// their files pass the limit.
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
    void setLimit(uint64_t bytes) { limitBytes_ = bytes; }

    // A new step of track: what could have been redone there is gone. False, after which the
    // step is not kept, when its file could not be written.
    bool record(const std::string& track, const std::string& name, uint32_t start, const std::vector<Frame>& before,
                const std::vector<Frame>& after);
    bool canUndo(const std::string& track) const;
    bool canRedo(const std::string& track) const;
    // The step taken back (or done again) and the frames that go back into the track; nothing
    // when there is none or its file cannot be read.
    struct Replay {
        Step step;
        std::vector<Frame> frames;
    };
    std::optional<Replay> undo(const std::string& track);
    std::optional<Replay> redo(const std::string& track);
    // The project closes: every step goes.
    void clear();
    uint64_t bytesKept() const { return bytes_; }

private:
    struct TrackSteps {
        std::vector<Step> done;
        std::vector<Step> undone;
    };
    std::string fileOf(const Step& step) const;
    void forget(const Step& step);
    void dropOldestUntilWithinLimit();
    std::optional<std::vector<Frame>> read(const Step& step, bool after) const;

    std::string folder_;
    uint64_t limitBytes_ = DefaultLimitBytes;
    uint64_t bytes_ = 0;
    uint64_t nextSerial_ = 1;
    std::map<std::string, TrackSteps> tracks_;
};

}  // namespace jorv

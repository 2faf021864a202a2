#include "shell/UndoHistory.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/FileHandle.h"

namespace jorv {

namespace {

uint64_t StepBytes(const UndoHistory::Step& step) { return uint64_t{step.frames} * sizeof(Frame); }

}  // namespace

std::string UndoHistory::fileOf(const Step& step) const { return folder_ + "/" + std::to_string(step.serial) + ".step"; }

bool UndoHistory::record(const std::string& track, const std::string& name, uint32_t start,
                         const std::vector<Frame>& before) {
    TrackSteps& steps = tracks_[track];
    for (const Step& dropped : steps.undone) forget(dropped);
    steps.undone.clear();
    if (folder_.empty()) return false;
    const Step step{name, start, static_cast<uint32_t>(before.size()), nextSerial_++};
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    FileHandle file(std::fopen(fileOf(step).c_str(), "wb"));
    if (!file) return false;
    const std::size_t bytes = before.size() * sizeof(Frame);
    bool written = std::fwrite(before.data(), 1, bytes, file.get()) == bytes;
    written = std::fclose(file.release()) == 0 && written;
    if (!written) {
        std::remove(fileOf(step).c_str());
        return false;
    }
    steps.done.push_back(step);
    bytes_ += StepBytes(step);
    dropOldestUntilWithinLimit();
    return true;
}

bool UndoHistory::canUndo(const std::string& track) const {
    const auto steps = tracks_.find(track);
    return steps != tracks_.end() && !steps->second.done.empty();
}

bool UndoHistory::canRedo(const std::string& track) const {
    const auto steps = tracks_.find(track);
    return steps != tracks_.end() && !steps->second.undone.empty();
}

std::optional<UndoHistory::Replay> UndoHistory::undo(const std::string& track, const std::vector<Frame>& audio) {
    if (!canUndo(track)) return std::nullopt;
    TrackSteps& steps = tracks_[track];
    return move(steps.done, steps.undone, audio);
}

std::optional<UndoHistory::Replay> UndoHistory::redo(const std::string& track, const std::vector<Frame>& audio) {
    if (!canRedo(track)) return std::nullopt;
    TrackSteps& steps = tracks_[track];
    return move(steps.undone, steps.done, audio);
}

// The last step of `from` trades its frames with the track's and goes to `to`.
std::optional<UndoHistory::Replay> UndoHistory::move(std::vector<Step>& from, std::vector<Step>& to,
                                                     const std::vector<Frame>& audio) {
    const Step step = from.back();
    auto frames = trade(step, audio);
    if (!frames) return std::nullopt;
    from.pop_back();
    to.push_back(step);
    return Replay{step, std::move(*frames)};
}

void UndoHistory::clear() {
    tracks_.clear();
    bytes_ = 0;
    std::error_code error;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
}

void UndoHistory::forget(const Step& step) {
    std::remove(fileOf(step).c_str());
    bytes_ -= std::min(bytes_, StepBytes(step));
}

// The oldest step of any track is the one with the lowest serial.
void UndoHistory::dropOldestUntilWithinLimit() {
    while (bytes_ > limitBytes_) {
        TrackSteps* oldest = nullptr;
        for (auto& [track, steps] : tracks_)
            if (!steps.done.empty() && (!oldest || steps.done.front().serial < oldest->done.front().serial))
                oldest = &steps;
        if (!oldest) return;
        forget(oldest->done.front());
        oldest->done.erase(oldest->done.begin());
    }
}

std::optional<std::vector<Frame>> UndoHistory::trade(const Step& step, const std::vector<Frame>& audio) const {
    if (uint64_t{step.start} + step.frames > audio.size()) return std::nullopt;
    FileHandle file(std::fopen(fileOf(step).c_str(), "r+b"));
    std::vector<Frame> frames(step.frames);
    const std::size_t bytes = frames.size() * sizeof(Frame);
    if (!file || std::fread(frames.data(), 1, bytes, file.get()) != bytes || std::fseek(file.get(), 0, SEEK_SET) != 0 ||
        std::fwrite(audio.data() + step.start, 1, bytes, file.get()) != bytes || std::fclose(file.release()) != 0)
        return std::nullopt;
    return frames;
}

}  // namespace jorv

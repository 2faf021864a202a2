#include <memory>
#include <new>

#include "cli/Subcommand.h"
#include "core/TrackBuffers.h"
#include "core/WaveFile.h"

// The track files of the commands that work on one: loading IN as a track and writing OUT.
namespace jorv::cli {

std::optional<int> MemoryPerTrack(const Arguments& arguments) {
    const auto text = arguments.value("--mem");
    if (!text) return 4;
    const auto megabytes = ParseNumber(*text, 1, 256);
    if (!megabytes) return std::nullopt;
    return static_cast<int>(*megabytes);
}

int LoadTrackWave(SubcommandContext& context, const std::string& path, LoadedWave& loaded) {
    const auto megabytes = MemoryPerTrack(context.arguments);
    if (!megabytes) return ExitUsage;
    loaded.framesPerTrack = uint32_t(*megabytes) * FramesPerMegabyte;
    loaded.buffer.reset(AllocateFrames(loaded.framesPerTrack));
    if (!loaded.buffer) {
        ShowError(context.ui, BufferMemoryMessage);
        return ExitFailure;
    }
    loaded.result = LoadWave(path, loaded.buffer.get(), loaded.framesPerTrack, context.ui, &loaded.frames);
    return loaded.result >= FirstWaveFailure ? ExitFailure : ExitSuccess;
}

int LoadTrackWithScratch(SubcommandContext& context, const std::string& path, Project& project, uint32_t& frames) {
    LoadedWave loaded;
    if (const int status = LoadTrackWave(context, path, loaded); status != ExitSuccess) return status;
    project.framesPerTrack = loaded.framesPerTrack;
    project.trackBuffer = std::move(loaded.buffer);
    frames = loaded.frames;
    project.scratchBuffer.reset(AllocateFrames(project.framesPerTrack));
    if (project.scratchBuffer) return ExitSuccess;
    ShowError(context.ui, BufferMemoryMessage);
    return ExitFailure;
}

int SaveTrackResult(SubcommandContext& context, const std::string& path, const Project& project, uint32_t frames) {
    if (SaveWave(0, frames, path, project.trackBuffer.get(), context.ui, Durability::WithTheSystem) != WaveSaved) return ExitFailure;
    return ExitSuccess;
}

}  // namespace jorv::cli

#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

#include "cli/CliArguments.h"
#include "cli/CliUiServices.h"
#include "core/Project.h"

namespace jorv::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

struct SubcommandContext {
    const Arguments& arguments;
    std::ostream& out;
    std::ostream& err;
    CliUiServices& ui;
};

struct Subcommand {
    std::string_view name;
    std::string_view usage;  // the words after the subcommand's name
    ArgumentShape shape;
    // Returns an exit status; ExitUsage makes the caller print the usage text.
    int (*run)(SubcommandContext& context);
};

// The memory per track of --mem (4 when absent), or nothing when it is not a number 1..256.
std::optional<int> MemoryPerTrack(const Arguments& arguments);

// A wave file loaded into a track buffer of --mem megabytes, as a track would be.
struct LoadedWave {
    FrameBuffer buffer;
    uint32_t framesPerTrack = 0;
    uint32_t frames = 0;  // whole frames taken from the file
    int result = 0;       // LoadWave's result
};

// Loads path as a track; returns ExitSuccess, ExitUsage for a bad --mem, or ExitFailure (the
// message shown) when the buffer or the file fails. The buffer exists whenever result is set.
int LoadTrackWave(SubcommandContext& context, const std::string& path, LoadedWave& loaded);

// The track at path loaded as the project's trackBuffer, with a scratchBuffer of the same size;
// frames receives the whole frames taken from the file. Returns as LoadTrackWave does.
int LoadTrackWithScratch(SubcommandContext& context, const std::string& path, Project& project, uint32_t& frames);
// Writes the track's first frames to OUT as a command's result; ExitFailure after the save's
// message when it cannot. A result can be made again from its inputs, so the save does not wait
// for the disk.
int SaveTrackResult(SubcommandContext& context, const std::string& path, const Project& project, uint32_t frames);

const Subcommand& WaveInfoCommand();
const Subcommand& FxCommand();
const Subcommand& ProjectInfoCommand();
const Subcommand& MixdownCommand();
const Subcommand& PlayCommand();
const Subcommand& RecordCommand();
const Subcommand& EditCommand();
const Subcommand& DrumEventsCommand();
const Subcommand& DrumPlayCommand();
const Subcommand& MidiCaptureCommand();
const Subcommand& Sk1Command();
const Subcommand& TtsCommand();
const Subcommand& RipCommand();
const Subcommand& ChainCommand();
const Subcommand& ScriptCommand();
const Subcommand& RecoverCommand();
const Subcommand& ImportCommand();
const Subcommand& ExportCommand();
const Subcommand& MeasureLatencyCommand();
// The lossy encoders' quality: --quality, else as Options has set it; nothing when out of range.
std::optional<int> ExportQuality(const Arguments& arguments);

}  // namespace jorv::cli

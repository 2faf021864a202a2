#include "cli/TrackOptions.h"

#include "core/Gains.h"

namespace jorv::cli {

namespace {

std::optional<long long> ByteOption(const Arguments& arguments, const char* option, long long fallback) {
    const auto text = arguments.value(option);
    return text ? ParseNumber(*text, 0, 255) : fallback;
}

}  // namespace

bool ApplyTrackOptions(const Arguments& arguments, Project& project) {
    const auto volume = ByteOption(arguments, "--volume", 255);
    const auto pan = ByteOption(arguments, "--pan", 128);
    if (!volume || !pan) return false;
    project.currentTrack = 0;
    Track& track = project.current();
    track.volume = static_cast<uint16_t>(*volume);
    track.pan = static_cast<uint16_t>(*pan);
    track.mute = arguments.has("--mute") ? 1 : 0;
    ComputeGains(project);
    project.clipperPath = arguments.value("--clip").value_or("clipper.wav");
    return true;
}

}  // namespace jorv::cli

#pragma once

#include <string>

// The media player's command strings for a rip source.
namespace jorv {

// A file from four characters on, else a CD track.
struct RipCommands {
    std::string first;  // sent at once
    std::string play;   // sent when Record starts
    std::string stop;   // sent by the stop
};
RipCommands RipCommandsFor(const std::string& source);

}  // namespace jorv

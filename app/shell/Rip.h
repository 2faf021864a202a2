#pragma once

#include <string>
#include <string_view>

#include "app/shell/AppContext.h"

// The rip: the media player plays a file or a CD track while Record records it.
namespace jorv {

inline constexpr std::size_t MaxRipSource = 99;

// The three command strings of a source: a file from four characters on, else a CD track.
struct RipCommands {
    std::string first;  // sent at once
    std::string play;   // sent when Record starts
    std::string stop;   // sent by the stop
};
RipCommands RipCommandsFor(const std::string& source);

// The Rip MCI dialog's OK: keeps the source (at most 99 characters), sends its first command and
// arms the rip for the next Record. Cancel disarms.
void AcceptRipDialog(AppContext& context, std::string_view source);
void CancelRipDialog(AppContext& context);

// Record: an armed rip starts the player first.
void StartRipPlayer(AppContext& context);
// StopAll: an armed rip stops the player and is disarmed.
void StopRipPlayer(AppContext& context);

// Audio Mixer, Midi Sequencer and Help > Index: opens the path; an empty one opens nothing.
// The classic mixer's name stands for the desktop's, pavucontrol.
void LaunchExternal(AppContext& context, const std::string& path);

}  // namespace jorv

#pragma once

#include <string>
#include <string_view>

#include "shell/AppContext.h"

// The rip: the media player plays a file or a CD track while Record records it.
namespace jorv {

inline constexpr std::size_t MaxRipSource = 99;

// The Rip MCI dialog's OK: keeps the source (at most 99 characters), sends its first command and
// arms the rip for the next Record. Cancel disarms.
void AcceptRipDialog(AppContext& context, std::string_view source);
void CancelRipDialog(AppContext& context);

// Record: an armed rip starts the player first.
void StartRipPlayer(AppContext& context);
// StopAll: an armed rip stops the player and is disarmed.
void StopRipPlayer(AppContext& context);

}  // namespace jorv

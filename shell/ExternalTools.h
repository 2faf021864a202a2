#pragma once

#include <string>
#include <string_view>

#include "shell/AppContext.h"

namespace jorv {

// The external programs of the Tools menu, each named by its field in the Options dialog.
enum class ExternalTool { AudioMixer, MidiSequencer };

// Audio Mixer and Midi Sequencer: starts the program the settings name. An empty path, or a
// program that cannot be started, is reported with what to set in Options. The classic
// mixer's name stands for the desktop's, pavucontrol.
void LaunchExternal(AppContext& context, ExternalTool tool);

// The help window's title, and the caption where there is no window.
inline constexpr std::string_view HelpCaption = "Jorv Help";

// Help > Index: the help document in the program's own help window; a missing document is
// reported with its path.
void ShowHelpIndex(AppContext& context);

std::string NoToolProgramMessage(std::string_view field);
std::string ToolNotStartedMessage(std::string_view field, const std::string& program);
std::string HelpMissingMessage(const std::string& helpPath);

}  // namespace jorv

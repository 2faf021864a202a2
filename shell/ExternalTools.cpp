#include "shell/ExternalTools.h"

#include <filesystem>

namespace jorv {

namespace {

struct ToolEntry {
    std::string_view optionsField;  // the label of its path in the Options dialog
    std::string Settings::*path;
};

ToolEntry EntryOf(ExternalTool tool) {
    switch (tool) {
        case ExternalTool::AudioMixer: return {"Audio Mixer", &Settings::audioMixerPath};
        case ExternalTool::MidiSequencer: return {"Midi Sequencer", &Settings::midiSequencerPath};
    }
    return {"Audio Mixer", &Settings::audioMixerPath};
}

}  // namespace

std::string NoToolProgramMessage(std::string_view field) {
    return "No program is set for " + std::string(field) + ". Set the \"" + std::string(field) +
           "\" field in Tools > Options.";
}

std::string ToolNotStartedMessage(std::string_view field, const std::string& program) {
    return "The " + std::string(field) + " program \"" + program + "\" could not be started. Set the \"" +
           std::string(field) + "\" field in Tools > Options to a program that is installed.";
}

std::string HelpMissingMessage(const std::string& helpPath) {
    return "The help document " + helpPath + " could not be found.";
}

void LaunchExternal(AppContext& context, ExternalTool tool) {
    const ToolEntry entry = EntryOf(tool);
    const std::string& path = context.settings.*entry.path;
    if (path.empty()) {
        ShowError(context.ui, NoToolProgramMessage(entry.optionsField));
        return;
    }
    const std::string program = path == "SNDVOL32.EXE" ? "pavucontrol" : path;
    if (context.launcher && !context.launcher->open(program))
        ShowError(context.ui, ToolNotStartedMessage(entry.optionsField, program));
}

void ShowHelpIndex(AppContext& context) {
    const std::string& help = context.paths.help;
    std::error_code error;
    if (!std::filesystem::is_regular_file(help, error)) {
        ShowError(context.ui, HelpMissingMessage(help));
        return;
    }
    context.window.showHelp(help);
}

}  // namespace jorv

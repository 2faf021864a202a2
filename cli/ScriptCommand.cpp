#include <filesystem>
#include <fstream>

#include "cli/DevicesOnFirstUse.h"
#include "cli/Subcommand.h"
#include "shell/AppPaths.h"
#include "shell/ScriptSession.h"
#include "shell/StartUp.h"
#include "devices/AudioApi.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"

namespace jorv::cli {

namespace {

// The window's start-up without a window: its files (the clipboard, new projects) in the current
// folder, then the project opened as File > Open does, or, where there is none, started there
// as Project Settings' OK would with the defaults.
void StartSession(AppContext& app, const std::string& projectFile) {
    const std::string here = std::filesystem::current_path().string();
    app.project.exeDir = here;
    app.project.clipperPath = here + "/clipper.wav";
    // Help > Index names the installed help document. The settings file is left alone: a
    // script neither reads the user's settings nor adds to their recent projects.
    app.paths.help = ResolveAppFolders(ExecutableFolder()).programFiles + "/jorv.htm";
    if (std::filesystem::exists(projectFile)) {
        FinishStartUp(app, projectFile);
    } else {
        app.project.projectPath = projectFile;
        FinishStartUp(app);
    }
}

int RunScriptCommand(SubcommandContext& c) {
    const auto& words = c.arguments.positional;
    const std::string api = c.arguments.value("--api").value_or("");
    if (!api.empty() && !IsAudioApiName(api)) return ExitUsage;
    std::ifstream file(words[1]);
    if (!file) {
        c.err << "jorv-cli: cannot read the script " << words[1] << '\n';
        return ExitFailure;
    }
    const ParsedScript script = ParseScript(file);
    if (script.unknownLine) {
        c.err << "jorv-cli: line " << *script.unknownLine << " of " << words[1] << " is not a script line\n";
        return ExitUsage;
    }
    DevicesOnFirstUse device(MakeSystemWaveDevice(api));
    WaveEngine engine(device);
    HeadlessWindow window;
    ScriptedUiServices ui(c.out);
    AppContext app(ui, engine, window);
    window.attach(app);
    StartSession(app, words[0]);
    return RunScript(app, ui, window, script) == ScriptOutcome::Completed ? ExitSuccess : ExitFailure;
}

}  // namespace

const Subcommand& ScriptCommand() {
    static const Subcommand command{"script", "PROJECT FILE [--api NAME]", {{"PROJECT", "FILE"}, {"--api"}, {}},
                                    RunScriptCommand};
    return command;
}

}  // namespace jorv::cli

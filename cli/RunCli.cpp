#include "cli/RunCli.h"

#include <algorithm>
#include <functional>

#include "cli/Subcommand.h"

namespace jorv::cli {

namespace {

const std::vector<std::reference_wrapper<const Subcommand>>& Subcommands() {
    static const std::vector<std::reference_wrapper<const Subcommand>> all{
        WaveInfoCommand(), FxCommand(), ProjectInfoCommand(), MixdownCommand(), PlayCommand(), RecordCommand(),
        EditCommand(), DrumEventsCommand(), DrumPlayCommand(), MidiCaptureCommand(), Sk1Command(),
        TtsCommand(), RipCommand(), ChainCommand(), ScriptCommand(), RecoverCommand(), ImportCommand(), ExportCommand(), MeasureLatencyCommand()};
    return all;
}

int PrintUsage(std::ostream& err, const Subcommand* only) {
    err << "usage:\n";
    for (const Subcommand& command : Subcommands())
        if (!only || only == &command) err << "  jorv-cli " << command.name << ' ' << command.usage << '\n';
    err << "Add --yes to answer Yes to the program's questions.\n";
    return ExitUsage;
}

}  // namespace

int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty()) return PrintUsage(err, nullptr);
    const auto& all = Subcommands();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Subcommand& c) { return c.name == words[0]; });
    if (found == all.end()) {
        err << "jorv-cli: unknown command \"" << words[0] << "\"\n";
        return PrintUsage(err, nullptr);
    }
    const Subcommand& command = *found;
    const auto arguments = ParseArguments({words.begin() + 1, words.end()}, command.shape);
    if (!arguments) return PrintUsage(err, &command);
    CliUiServices ui(err, arguments->has("--yes"));
    SubcommandContext context{*arguments, out, err, ui};
    const int status = command.run(context);
    if (status == ExitUsage) return PrintUsage(err, &command);
    return status == ExitSuccess && ui.failureShown() ? ExitFailure : status;
}

}  // namespace jorv::cli

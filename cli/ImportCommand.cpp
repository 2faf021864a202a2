#include "cli/Subcommand.h"
#include "formats/AudioImport.h"

namespace jorv::cli {

namespace {

int RunImport(SubcommandContext& context) {
    const auto& files = context.arguments.positional;
    const ImportReport report = ImportAudioFile(files[0], files[1]);
    if (const std::string_view message = ImportMessage(report); !message.empty())
        ShowError(context.ui, message);
    if (!report.succeeded()) return ExitFailure;
    context.out << "frames " << report.frames << '\n';
    context.out << "source " << report.source.rate << ' ' << report.source.channels << ' ' << report.source.format << '\n';
    return report.cutShort ? ExitFailure : ExitSuccess;
}

}  // namespace

const Subcommand& ImportCommand() {
    static const Subcommand command{"import", "FILE OUT", {{"FILE", "OUT"}, {}, {}}, RunImport};
    return command;
}

}  // namespace jorv::cli

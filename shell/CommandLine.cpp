#include "shell/CommandLine.h"

#include <algorithm>

namespace jorv {

namespace {

bool AsksForHelp(const std::string& word) { return word == "--help" || word == "-h"; }
bool AsksForVersion(const std::string& word) { return word == "--version"; }

}  // namespace

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
    using Action = WindowCommandLine::Action;
    WindowCommandLine line;
    for (const std::string& word : arguments) {
        if (AsksForHelp(word)) return {Action::Help, {}};
        if (AsksForVersion(word)) return {Action::Version, {}};
        // A lone "-" or any other option is not ours; a second project cannot be opened at once.
        if (word.starts_with("-") || !line.projectFile.empty() || word.empty()) return {Action::BadUsage, {}};
        line.projectFile = word;
    }
    return line;
}

bool AsksForTextOnly(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& word) { return AsksForHelp(word) || AsksForVersion(word); });
}

std::string WindowUsageText() {
    return "Usage: jorv [PROJECT.jor]\n"
           "Jorv, a multitrack audio recorder and editor.\n"
           "\n"
           "  PROJECT.jor  open this project (as File > Open would) instead of starting a new one\n"
           "  --help       show this text and exit\n"
           "  --version    show the version and exit\n"
           "\n"
           "jorv-cli runs the engine without a window; `jorv-cli` alone lists its commands.\n";
}

std::string_view JorvVersion() { return JORV_VERSION; }

}  // namespace jorv

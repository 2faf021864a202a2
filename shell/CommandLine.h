#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jorv {

// What the window's command line asks for: `jorv [PROJECT.jor]`, or --help, or --version.
struct WindowCommandLine {
    enum class Action { Run, Help, Version, BadUsage };
    Action action = Action::Run;
    std::string projectFile;  // empty: start with a new project
};

// arguments: the words after the program's name, once Qt has taken its own options.
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);

// Whether the words ask only for text (--help or --version), which needs no display.
bool AsksForTextOnly(const std::vector<std::string>& arguments);

std::string WindowUsageText();
std::string_view JorvVersion();

}  // namespace jorv

#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace jorv::cli {

// jorv-cli with its words after the program name; returns the exit status.
int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace jorv::cli

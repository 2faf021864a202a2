#include <iostream>

#include "cli/RunCli.h"

int main(int argc, char* argv[]) {
    return jorv::cli::RunCli({argv + 1, argv + argc}, std::cout, std::cerr);
}

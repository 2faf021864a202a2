// Feeds a harness every starting input in one folder, as an ordinary program, so that each
// build checks those inputs and not only the fuzzing run that needs clang.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED-FOLDER\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    if (seeds.empty()) {
        std::fprintf(stderr, "no seeds in %s\n", argv[1]);
        return 1;
    }
    for (const auto& seed : seeds) {
        const jorv::fuzz::Bytes bytes = jorv::fuzz::ReadBytes(seed.string());
        std::printf("%s\n", seed.filename().c_str());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu seeds\n", seeds.size());
    return 0;
}

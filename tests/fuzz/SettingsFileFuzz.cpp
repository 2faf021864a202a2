// Any bytes as jorv.ini: the settings read are the file's values or the defaults, numbers are
// never negative, and the file is never changed.
#include "shell/Settings.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::InputFile("jorv.ini", data, size);
    Settings settings;
    ReadSettings(settings, path);
    FUZZ_CHECK(fuzz::StillHolds(path, data, size));
    FUZZ_CHECK(settings.midiInDevice >= 0 && settings.midiBufferChoice >= 0 && settings.recordLatency >= 0);
    FUZZ_CHECK(settings.midiBufferEntries == 65536);
    return 0;
}

// Any bytes as the events file of jorv-cli sk1: either a line is reported as not "TIME MESSAGE",
// or the entries come in pairs and, printed as midi-capture prints them, read back the same.
#include <string>

#include "instruments/CapturedEventText.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace jorv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CapturedEventText parsed = ParseCapturedEvents(text);
    if (!parsed.entries) {
        FUZZ_CHECK(parsed.badLine >= 1);
        return 0;
    }
    const std::vector<int32_t>& entries = *parsed.entries;
    FUZZ_CHECK(entries.size() % 2 == 0);
    std::string printed = "events " + std::to_string(entries.size() / 2) + "\n";
    for (std::size_t k = 0; k < entries.size(); k += 2)
        printed += std::to_string(entries[k]) + " " + std::to_string(entries[k + 1]) + "\n";
    const CapturedEventText again = ParseCapturedEvents(printed);
    FUZZ_CHECK(again.entries && *again.entries == entries);
    return 0;
}

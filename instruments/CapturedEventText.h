#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace jorv {

// A capture written out as text, as jorv-cli midi-capture prints it: an optional first line
// "events K", then one line "TIME MESSAGE" per event (decimal, signed or not, as stored).
// Blank lines are allowed. Returns the entries, two per event, or nothing with the number of
// the first line (from 1) that is not of that form.
struct CapturedEventText {
    std::optional<std::vector<int32_t>> entries;
    std::size_t badLine = 0;
};
CapturedEventText ParseCapturedEvents(std::string_view text);

}  // namespace jorv

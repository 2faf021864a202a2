#pragma once

#include <string_view>

// Edit > Select Range...: a selection typed as two times or frame numbers.
namespace jorv {

struct AppContext;

inline constexpr std::string_view SelectRangeCaption = "Select Range";
inline constexpr std::string_view SelectRangeUnreadableMessage =
    "Type the start and the end as m:ss.mmm, as seconds (12.5) or as a number of frames.";
inline constexpr std::string_view SelectRangeBackwardsMessage = "The end of the range lies before its start.";

// The fields as typed: the selection becomes start..end, the end limited to the track as
// Select All limits it (and both snapped to the beat when Align to Beat is on). A field that
// is not a time or a frame number, or an end before the start, is said and changes nothing;
// false then, so the dialog stays open.
bool ApplySelectRange(AppContext& context, std::string_view start, std::string_view end);

}  // namespace jorv

#pragma once

namespace jorv {

// What a horizontal scroll bar reports: an arrow, a page, the thumb, or the end of a scroll.
enum class ScrollCode { LineLeft, LineRight, PageLeft, PageRight, ThumbTrack, ThumbPosition, EndScroll };

}  // namespace jorv

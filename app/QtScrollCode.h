#pragma once

#include <QAbstractSlider>

#include "core/ScrollCode.h"

namespace jorv {

// What a Qt scroll bar action means in the window's own scroll codes.
inline ScrollCode ToScrollCode(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub: return ScrollCode::LineLeft;
        case QAbstractSlider::SliderSingleStepAdd: return ScrollCode::LineRight;
        case QAbstractSlider::SliderPageStepSub: return ScrollCode::PageLeft;
        case QAbstractSlider::SliderPageStepAdd: return ScrollCode::PageRight;
        case QAbstractSlider::SliderMove: return ScrollCode::ThumbTrack;
        default: return ScrollCode::EndScroll;
    }
}

}  // namespace jorv

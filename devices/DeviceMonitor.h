#pragma once

#include "devices/DropoutLog.h"
#include "devices/PeakLevels.h"

namespace jorv {

// What the window watches while the devices run: the levels going out and coming in, and the
// dropouts of the run. Fed by the audio callback through atomics only.
struct DeviceMonitor {
    PeakLevels played;
    PeakLevels recorded;
    DropoutLog dropouts;
};

}  // namespace jorv

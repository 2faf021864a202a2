#include "instruments/DrumBlockSetup.h"

#include <algorithm>
#include <iterator>

namespace jorv {

void InitialiseDrumBlock(DrumBlock& drums) {
    // Four units with no terminator: the field is exactly as wide as the text.
    constexpr char16_t version[4] = {u'1', u'.', u'0', u'0'};
    std::copy(std::begin(version), std::end(version), drums.drumVersion);
    for (DrumPattern& pattern : drums.patterns) {
        pattern.length = DrumSteps;
        pattern.msPerBeat = 100;
    }
}

}  // namespace jorv

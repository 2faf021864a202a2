#include "instruments/DrumInstruments.h"

namespace jorv {

// The names are the drum machine's own, spelling included; each key is 27 plus the row.
const std::array<DrumInstrument, DrumInstrumentCount>& DrumInstruments() {
    static constexpr std::array<DrumInstrument, DrumInstrumentCount> table{{
        {"Hi Q", 27}, {"Elec Snare", 28}, {"Scratch H", 29}, {"Scratch L", 30}, {"Stick", 31},
        {"Elec Tick", 32}, {"Mute Snare", 33}, {"Desk Bell", 34}, {"Bass Drum 1", 35}, {"Bass Drum 2", 36},
        {"Rim Shot", 37}, {"Snare Drum 1", 38}, {"Hand Clap", 39}, {"Snare Drum 2", 40}, {"Floor Tom", 41},
        {"Hi-Hat Closed", 42}, {"Elec Low Tom", 43}, {"Hi-Hat Pedal", 44}, {"Low Tom", 45},
        {"Hi_Hat Open", 46}, {"Electronic Mid Tom", 47}, {"Mid Tom", 48}, {"Crash Cymbal", 49},
        {"High Tom", 50}, {"Ride Cymbal 1", 51}, {"Oriental Crash", 52}, {"Ride Cymbal Cup", 53},
        {"Tambourine", 54}, {"Spash Cymbal", 55}, {"Cow Bell", 56}, {"Ride Cymbal 2", 57},
        {"Guiro Medium", 58}, {"Ride Cymbal 3", 59}, {"Bongo High", 60}, {"Bongo Low", 61}, {"Conga Mute", 62},
        {"Conga High", 63}, {"Conga Low", 64}, {"Timbale High", 65}, {"Timbale Low", 66}, {"Agogo High", 67},
        {"Agogo Low", 68}, {"Shaker", 69}, {"Spoons", 70}, {"Whistle", 71}, {"Long Whistle", 72},
        {"Guiro Short", 73}, {"Guiro Long", 74}, {"Claves High", 75}, {"Claves Mid", 76}, {"Claves Low", 77},
        {"Honk High", 78}, {"Honk Low", 79}, {"Triangle Mute", 80}, {"Triangle Open", 81}, {"Shaker Loud", 82},
        {"Gingle Bells", 83}, {"Bell Tree", 84}, {"Elec Tick 2", 85}, {"Bass Drum Mute", 86},
        {"Bass Drum Open", 87},
    }};
    return table;
}

}  // namespace jorv

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "effects/EffectArguments.h"
#include "effects/FftWorkspace.h"
#include "effects/ParameterReadouts.h"

namespace jorv {

using EffectId = int32_t;

// The FX menu's command ids, for code and tests that name one effect. The catalogue's rows are
// what the program goes by.
namespace fx {
constexpr EffectId Gain = 32802;
constexpr EffectId Compression = 32803;
constexpr EffectId Distortion = 32804;
constexpr EffectId Fade = 32805;
constexpr EffectId Chorus2 = 32807;
constexpr EffectId Chorus3 = 32808;
constexpr EffectId VibeAmplitude = 32810;
constexpr EffectId BouncePan = 32811;
constexpr EffectId Ring = 32812;
constexpr EffectId LowPass = 32814;
constexpr EffectId HiPass = 32815;
constexpr EffectId BandPass = 32816;
constexpr EffectId NoiseReduction = 32817;
constexpr EffectId Shift = 32819;
constexpr EffectId Echo = 32820;
constexpr EffectId Resonate = 32821;
constexpr EffectId FftPitch = 32823;
constexpr EffectId FftBow = 32824;
constexpr EffectId FftEqualizer = 32825;
constexpr EffectId FftPerfectPitch = 32826;
constexpr EffectId FftDigitize = 32827;
constexpr EffectId FftHarmonics = 32828;
constexpr EffectId FftBassBoost = 32829;
constexpr EffectId NoteReverse = 32831;
constexpr EffectId NoteWah = 32832;
constexpr EffectId NoteFade = 32833;
constexpr EffectId NoteReflect = 32834;
constexpr EffectId NotePitch = 32835;
constexpr EffectId Pitch = 32837;
constexpr EffectId Mirror = 32838;
constexpr EffectId Negate = 32839;
constexpr EffectId Reverse = 32840;
constexpr EffectId Monotonize = 32841;
constexpr EffectId Fuzz = 32859;
constexpr EffectId Turntable = 32860;
}  // namespace fx

// Everything one effect is: the FX menu, the parameter dialog, the effect lists and
// ApplyEffect all read it from its row. How to add an effect: EffectCatalogue.cpp, at the top.
struct EffectInfo {
    EffectId id;  // its FX menu command id
    std::string_view popup;  // the FX submenu that holds it
    std::string_view menuLabel;
    std::string_view catalogueName;
    std::string_view caption;
    std::array<std::string_view, 3> labels;
    std::array<int32_t, 3> defaults;
    // What each value means beside its bar; null for a parameter labelled "N/A".
    std::array<ParameterReadout, 3> readouts;
    // Exactly one of the two: a time-domain algorithm, or the spectral step of an FFT effect.
    EffectAlgorithm algorithm = nullptr;
    SpectralStep spectralStep = nullptr;
};

// All effects. A row's position is its number in saved effect lists (ChainItem::effectRow), so
// rows never move; the FX menu shows each popup's rows in this order.
std::span<const EffectInfo> EffectCatalogue();
// Whether the parameter dialog offers parameter 0..2 of an effect: not where its label is "N/A".
bool ParameterOffered(const EffectInfo& effect, int parameter);
// The catalogue row of id, or null when id is not an effect.
const EffectInfo* FindEffect(EffectId id);
// The FX submenus in menu order.
std::span<const std::string_view> EffectPopups();

bool IsFftEffect(EffectId id);

}  // namespace jorv

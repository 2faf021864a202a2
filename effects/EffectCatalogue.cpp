// How to add an effect:
//   1. Write its algorithm in the family file where it belongs: a time-domain effect is an
//      EffectAlgorithm over the track's samples and the EffectArguments; an FFT effect is a
//      SpectralStep over one analysed frame (FftFrameSteps).
//   2. Add one row at the end of Catalogue below: its menu command id (any unused one; name it
//      in fx:: only if other code must refer to it), popup, texts, labels, defaults, what each
//      value means beside its bar (a readout of ParameterReadouts.h, worked out from what the
//      algorithm does with it; null for an "N/A" label), and its algorithm or spectral step.
//      Saved effect lists name effects by their row's position, so a row inserted anywhere
//      else would change every saved list; the FX menu still shows the new effect in its
//      popup, after that popup's older effects.
// That is all: the FX menu, the parameter dialog, the effect lists, ApplyEffect and the FFT
// pipeline read the row, and nothing else names the effect.
#include "effects/EffectCatalogue.h"

#include <algorithm>

#include "effects/AmplitudeEffects.h"
#include "effects/BandPassFilter.h"
#include "effects/DelayEffects.h"
#include "effects/FftFrameSteps.h"
#include "effects/GrainPitchShift.h"
#include "effects/MiscEffects.h"
#include "effects/ModulationEffects.h"
#include "effects/NoteEffects.h"
#include "effects/WindowFilters.h"

namespace jorv {

namespace {

using namespace std::string_view_literals;
using namespace readout;

constexpr std::array<std::string_view, 8> Popups = {"&Amp"sv, "&Chorus"sv, "&Vibe"sv, "&Filter"sv,
                                                   "&Delay"sv, "FF&T"sv, "&Note"sv, "&Misc"sv};

constexpr std::string_view LoHi = "Lo       Frequency        Hi";
constexpr std::string_view PitchSteps = "Lo Oct, Lo 5th, 3rd, 5th, 7th, Oct";
constexpr std::string_view ChorusRateLabel = "Chorus    Rate    Flange";
constexpr std::string_view NotOffered = "N/A";

constexpr auto Catalogue = std::to_array<EffectInfo>({
    {fx::Gain, Popups[0], "Gain", "Amp Gain", "Gain", {"Gain", "Cutoff", "Pan"}, {128, 254, 128}, {GainLevel, ClipLevel, InputPan}, ApplyGain},
    {fx::Compression, Popups[0], "Compression", "Amp Compression", "Compression", {"Compression", "Cutoff", "Pan"}, {128, 128, 128}, {CompressionPivot, ClipLevel, InputPan}, ApplyCompression},
    {fx::Distortion, Popups[0], "Distortion", "Amp Distortion", "Distortion", {"Distortion", "Cutoff", "Pan"}, {128, 254, 128}, {DistortionCycles, ClipLevel, InputPan}, ApplyDistortion},
    {fx::Fade, Popups[0], "Fade", "Amp Fade", "Fade", {"Start Volume", "End Volume", "Pan"}, {254, 2, 128}, {FadeVolume, FadeVolume, InputPan}, ApplyFade},
    {fx::Fuzz, Popups[0], "Fuzz", "Amp Fuzz", "Fuzz", {"Fuzz", "Cutoff", "Pan"}, {128, 254, 128}, {FuzzDepth, ClipLevel, InputPan}, ApplyFuzz},
    {fx::Chorus2, Popups[1], "2 Voices", "Chorus 2 Voices", "Chorus 2 Voices", {ChorusRateLabel, "Depth", "Pan"}, {128, 128, 128}, {ChorusRate, ChorusDepth, InputPan}, ApplyChorus2},
    {fx::Chorus3, Popups[1], "3 Voices", "Chorus 3 Voices", "Chorus 3 Voices", {ChorusRateLabel, "Depth", "Pan"}, {128, 128, 128}, {ChorusRate, ChorusDepth, InputPan}, ApplyChorus3},
    {fx::VibeAmplitude, Popups[2], "Amplitude", "Vibe Amplitude", "Vibe Amp", {"Rate", "Depth", "Pan"}, {128, 128, 128}, {VibeRate, VibeDepth, InputPan}, ApplyVibeAmplitude},
    {fx::BouncePan, Popups[2], "Bounce Pan", "Vibe Bounce Pan", "Bounce Pan", {"Rate", "Depth", "Pan"}, {128, 128, 128}, {SwingRate, BounceDepth, InputPan}, ApplyBouncePan},
    {fx::Ring, Popups[2], "Ring", "Vibe Ring", "Ring", {"Rate", "N/A", "Pan"}, {128, 2, 128}, {SwingRate, nullptr, InputPan}, ApplyRing},
    {fx::LowPass, Popups[3], "Low Pass", "Filter Low Pass", "Lo Pass", {LoHi, "N/A", "Pan"}, {2, 2, 128}, {LowPassCutoff, nullptr, InputPan}, ApplyLowPass},
    {fx::HiPass, Popups[3], "Hi Pass", "Filter High Pass", "Hi Pass", {LoHi, "N/A", "Pan"}, {254, 2, 128}, {HiPassCutoff, nullptr, InputPan}, ApplyHiPass},
    {fx::BandPass, Popups[3], "Band Pass", "Filter Band Pass", "Band Pass", {"Lo Freq", "Hi Freq", "Pan"}, {2, 254, 128}, {BandLowEdge, BandHighEdge, InputPan}, ApplyBandPass},
    {fx::NoiseReduction, Popups[3], "Noise Reduction", "Filter Noise Reduction", "Noise Reduction", {LoHi, "Cutoff", "Blend"}, {128, 128, 128}, {GateSplit, GateThreshold, GateGlide}, ApplyNoiseReduction},
    {fx::Shift, Popups[4], "Shift", "Delay Shift", "Shift", {"Left   Fine Shift   Right", "Shift Multiplier", "Pan"}, {128, 2, 128}, {ShiftDistance, ShiftMultiplier, ChannelDelay}, ApplyShift},
    {fx::Echo, Popups[4], "Echo", "Delay Echo", "Echo", {"Rate", "Sustain", "Pan"}, {128, 128, 128}, {EchoDelay, ByteLevel, InputPan}, ApplyEcho},
    {fx::Resonate, Popups[4], "Resonate", "Delay Resonate", "Resonate", {"Rate", "Sustain", "Pan"}, {128, 128, 128}, {ResonateDelay, ResonateSustain, InputPan}, ApplyResonate},
    {fx::Turntable, Popups[4], "Turntable", "Delay Turntable", "Turntable", {"Stop                 Start", "Depth", "Pan"}, {20, 128, 128}, {TurntableDirection, Unused, InputPan}, ApplyTurntable},
    {fx::FftPitch, Popups[5], "Pitch", "FFT Pitch", "FFT Pitch", {PitchSteps, "N/A", "N/A"}, {128, 2, 2}, {FftPitchInterval, nullptr, nullptr}, nullptr, FftPitchStep},
    {fx::FftBow, Popups[5], "Bow", "FFT Bow", "FFT Bow", {"N/A", "N/A", "N/A"}, {2, 2, 2}, {nullptr, nullptr, nullptr}, nullptr, FftBowStep},
    {fx::FftEqualizer, Popups[5], "Equalizer", "FFT Equalizer", "FFT Equalizer", {"Lo", "Mid", "Hi"}, {128, 128, 128}, {ByteLevel, ByteLevel, ByteLevel}, nullptr, FftEqualizerStep},
    {fx::FftPerfectPitch, Popups[5], "Perfect Pitch", "FFT Perfect Pitch", "FFT Perfect Pitch",
     {"Minor    Major  Chromatic", "C C#D D#E F F#G G#A A#B ", "Tuning"}, {128, 2, 128}, {ScaleChoice, KeyChoice, Tuning}, nullptr, FftPerfectPitchStep},
    {fx::FftDigitize, Popups[5], "Digitize", "FFT Digitize", "FFT Digitize", {"Resolution", "N/A", "N/A"}, {128, 2, 2}, {DigitizeWidth, nullptr, nullptr}, nullptr, FftDigitizeStep},
    {fx::FftHarmonics, Popups[5], "Harmonics", "FFT Harmonics", "Harmonics", {"3rd", "5th", "7th"}, {128, 128, 128}, {ByteShare, ByteShare, ByteShare}, nullptr, FftHarmonicsStep},
    {fx::FftBassBoost, Popups[5], "Bass Boost", "FFT Bass Boost", "FFT Bass Boost", {"Volume", "N/A", "N/A"}, {128, 2, 2}, {ByteShare, nullptr, nullptr}, nullptr, FftBassBoostStep},
    {fx::NoteReverse, Popups[6], "Reverse", "Note Reverse", "Note Reverse", {"N/A", "Cutoff", "N/A"}, {2, 128, 2}, {nullptr, NoteThreshold, nullptr}, ApplyNoteReverse},
    {fx::NoteWah, Popups[6], "Wah", "Note Wah", "Note Wah", {LoHi, "Cutoff", "Blend"}, {128, 128, 128}, {GateSplit, GateThreshold, GateGlide}, ApplyNoteWah},
    {fx::NoteFade, Popups[6], "Fade", "Note Fade", "Note Fade", {"Start Volume", "End Volume", "N/A"}, {2, 254, 2}, {ByteLevel, ByteLevel, nullptr}, ApplyNoteFade},
    {fx::NoteReflect, Popups[6], "Reflect", "Note Reflect", "Note Reflect", {"N/A", "Cutoff", "N/A"}, {2, 128, 2}, {nullptr, NoteThreshold, nullptr}, ApplyNoteReflect},
    {fx::NotePitch, Popups[6], "Pitch", "Note Pitch", "Note Pitch", {"-3rd, 3rd, 4th, 5th, 7th, Oct", "Cutoff", "N/A"}, {128, 128, 2}, {NotePitchInterval, NoteThreshold, nullptr}, ApplyNotePitch},
    {fx::Pitch, Popups[7], "Pitch", "Misc Pitch", "Pitch", {PitchSteps, "N/A", "Pan"}, {128, 2, 128}, {GrainPitchInterval, nullptr, InputPan}, ApplyPitch},
    {fx::Mirror, Popups[7], "Mirror", "Misc Mirror", "Mirror", {"N/A", "N/A", "N/A"}, {2, 2, 2}, {nullptr, nullptr, nullptr}, ApplyMirror},
    {fx::Negate, Popups[7], "Negate", "Misc Negate", "Negate", {"N/A", "N/A", "N/A"}, {2, 2, 2}, {nullptr, nullptr, nullptr}, ApplyNegate},
    {fx::Reverse, Popups[7], "Reverse", "Misc Reverse", "Reverse", {"N/A", "N/A", "N/A"}, {2, 2, 2}, {nullptr, nullptr, nullptr}, ApplyReverse},
    {fx::Monotonize, Popups[7], "Monotonize", "Misc Monotonize", "Monotonize", {"N/A", "N/A", "L      Input Pan      R"}, {2, 2, 128}, {nullptr, nullptr, MonoMix}, ApplyMonotonize},
});

}  // namespace

std::span<const EffectInfo> EffectCatalogue() { return Catalogue; }

bool ParameterOffered(const EffectInfo& effect, int parameter) { return effect.labels[parameter] != NotOffered; }

const EffectInfo* FindEffect(EffectId id) {
    const auto row = std::find_if(Catalogue.begin(), Catalogue.end(), [id](const EffectInfo& e) { return e.id == id; });
    return row == Catalogue.end() ? nullptr : &*row;
}

std::span<const std::string_view> EffectPopups() { return Popups; }

bool IsFftEffect(EffectId id) {
    const EffectInfo* effect = FindEffect(id);
    return effect && effect->spectralStep;
}

}  // namespace jorv

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace jorv {

using EffectParameters = std::array<int32_t, 3>;

// What parameter `own` (0..2) does, in the effect's own unit ("-6.0 dB", "186 ms",
// "+7.0 semitones"), worked out as the effect reads the parameters. It is given all three,
// because some meanings depend on another one: Shift's distances on the multiplier, a note
// threshold on the window that p1 sets. The stored values stay the numbers the effect takes.
using ParameterReadout = std::string (*)(const EffectParameters& p, int own);

// The readouts the catalogue's rows name, one per meaning.
namespace readout {

// Amplitude.
std::string GainLevel(const EffectParameters& p, int own);         // p1 / 128, whole p1
std::string ClipLevel(const EffectParameters& p, int own);         // p2 * 128 against full scale
std::string InputPan(const EffectParameters& p, int own);          // p3's two channel factors
std::string MonoMix(const EffectParameters& p, int own);           // those factors as shares
std::string CompressionPivot(const EffectParameters& p, int own);  // the level kept as it is
std::string DistortionCycles(const EffectParameters& p, int own);  // cosine cycles up to full scale
std::string FadeVolume(const EffectParameters& p, int own);        // the whole value / 255
std::string FuzzDepth(const EffectParameters& p, int own);         // deepest dip at full scale

// Modulation.
std::string ChorusRate(const EffectParameters& p, int own);
std::string ChorusDepth(const EffectParameters& p, int own);  // how far ahead the voices swing
std::string VibeRate(const EffectParameters& p, int own);
std::string VibeDepth(const EffectParameters& p, int own);
std::string SwingRate(const EffectParameters& p, int own);  // Bounce Pan and Ring
std::string BounceDepth(const EffectParameters& p, int own);

// Filters.
std::string LowPassCutoff(const EffectParameters& p, int own);
std::string HiPassCutoff(const EffectParameters& p, int own);
std::string BandLowEdge(const EffectParameters& p, int own);
std::string BandHighEdge(const EffectParameters& p, int own);
std::string GateSplit(const EffectParameters& p, int own);      // the low pass that a closed gate leaves
std::string GateThreshold(const EffectParameters& p, int own);  // Noise Reduction and Note Wah, whole p2
std::string GateGlide(const EffectParameters& p, int own);      // time of a full gate swing
std::string NoteThreshold(const EffectParameters& p, int own);  // the note effects' start level

// Delays.
std::string ShiftDistance(const EffectParameters& p, int own);
std::string ShiftMultiplier(const EffectParameters& p, int own);
std::string ChannelDelay(const EffectParameters& p, int own);
std::string EchoDelay(const EffectParameters& p, int own);
std::string ResonateDelay(const EffectParameters& p, int own);
std::string ResonateSustain(const EffectParameters& p, int own);
std::string TurntableDirection(const EffectParameters& p, int own);
std::string Unused(const EffectParameters& p, int own);  // a bar the effect offers but never reads

// Pitch and spectrum.
std::string FftPitchInterval(const EffectParameters& p, int own);
std::string ScaleChoice(const EffectParameters& p, int own);
std::string KeyChoice(const EffectParameters& p, int own);
std::string Tuning(const EffectParameters& p, int own);
std::string ByteLevel(const EffectParameters& p, int own);  // K / 256: Equalizer, Note Fade, Echo
std::string DigitizeWidth(const EffectParameters& p, int own);
std::string ByteShare(const EffectParameters& p, int own);  // K / 256 as a share: Harmonics, Bass Boost
std::string NotePitchInterval(const EffectParameters& p, int own);
std::string GrainPitchInterval(const EffectParameters& p, int own);

}  // namespace readout

}  // namespace jorv

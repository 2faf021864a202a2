#include "effects/ParameterReadouts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/WaveFormat.h"
#include "effects/DelayEffects.h"
#include "effects/EffectArguments.h"
#include "effects/EffectMath.h"
#include "effects/FftFrameSteps.h"
#include "effects/FftWorkspace.h"
#include "effects/GrainPitchShift.h"
#include "effects/ModulationEffects.h"
#include "effects/NoteEffects.h"
#include "effects/SnapToScale.h"
#include "effects/WindowFilters.h"

namespace jorv::readout {

using namespace fxmath;

namespace {

constexpr double SampleRate = WaveFormat::sampleRate;
constexpr double FullScale = SampleLimit;

int Byte(int32_t value) { return value & 0xFF; }

template <typename... Values>
std::string Printed(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Three significant digits for everyday magnitudes: 0.023, 5.80, 186.
std::string Figures(double value) {
    if (value == 0) return "0";
    const double size = std::fabs(value);
    const int decimals = size < 1 ? 3 : size < 10 ? 2 : size < 100 ? 1 : 0;
    return Printed("%.*f", decimals, value);
}

// A factor in decibels; suffix names what it is measured against.
std::string Decibels(double factor, const char* suffix = "dB") {
    if (!(factor > 0)) return Printed("-inf %s", suffix);
    double level = 20.0 * std::log10(factor);
    if (std::fabs(level) < 0.05) level = 0.0;  // no "-0.0"
    return Printed(level > 0 ? "+%.1f %s" : "%.1f %s", level, suffix);
}

// A gain that may also turn the waveform upside down (a negative whole value from a list).
std::string SignedGain(double factor) { return factor < 0 ? Decibels(-factor) + " inverted" : Decibels(factor); }

// How far a level falls from its peak when the peak is factor times the trough.
std::string Dip(double factor) { return Printed("%.1f dB dip", 20.0 * std::log10(factor)); }

std::string FullScaleLevel(double level) { return Decibels(level / FullScale, "dBFS"); }

std::string Milliseconds(double frames) {
    return Figures(frames * 1000.0 / SampleRate) + " ms";
}

std::string SignedMilliseconds(double frames) {
    std::string text = Milliseconds(std::fabs(frames));
    if (frames != 0) text.insert(text.begin(), frames > 0 ? '+' : '-');
    return text;
}

std::string Hertz(double hertz) {
    if (hertz >= 1000) return Figures(hertz / 1000) + " kHz";
    return Figures(hertz) + " Hz";
}

// The frequency of an oscillator whose phase advances by step radians per frame.
std::string RateOf(float step) { return Hertz(double{step} * SampleRate / TwoPi); }

std::string Semitones(double ratio) { return Printed("%+.1f semitones", 12.0 * std::log2(ratio)); }

std::string Percent(double share) { return Printed("%.0f%%", 100.0 * share); }

EffectArguments Derived(const EffectParameters& p) {
    EffectRandom unused;
    return MakeEffectArguments(0, 0, p[0], p[1], p[2], unused);
}

// The first frequency, searched between 0 and limit Hz, where gain(hertz) crosses half power;
// gain must cross it once on the way, falling (a low pass) or rising (a high pass).
template <typename Gain>
double HalfPowerFrequency(Gain gain, double limit) {
    const double half = std::sqrt(0.5);
    const bool falling = gain(0.0) > half;
    double low = 0, high = limit;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        ((gain(middle) > half) == falling ? low : high) = middle;
    }
    return low;
}

// The moving average of w frames at hertz: sin(w x) / (w sin x) with x = pi f / rate.
double AverageGain(int w, double hertz) {
    const double x = Pi * hertz / SampleRate;
    return x == 0 ? 1.0 : std::fabs(std::sin(w * x) / (w * std::sin(x)));
}

// Where a moving average of w frames halves the power (below its first null at rate / w).
std::string AverageCutoff(int w) {
    if (w <= 1) return "none";
    return Hertz(HalfPowerFrequency([w](double f) { return AverageGain(w, f); }, SampleRate / w));
}

// The mean absolute level per value at which a window of w frames reaches threshold when it
// sums `values` values per frame (one channel or both).
std::string WindowLevel(double threshold, int w, int values) {
    return FullScaleLevel(threshold / (double(w) * values));
}

// The band-pass kernel is an ideal band widened by this much on each side (11.13 bands of
// nyquist/128 in all), windowed: at its edges the response is half the passband's.
constexpr double BandWidening = 11.13 * 22050.0 / 128 / 2;

double BandFrequency(int k) { return ToFloat(k * 22050.0 / 256.0); }

}  // namespace

std::string GainLevel(const EffectParameters& p, int) { return SignedGain(ToFloat(p[0] / 128.0)); }

std::string ClipLevel(const EffectParameters& p, int) { return FullScaleLevel(Derived(p).clipLevel); }

std::string InputPan(const EffectParameters& p, int) {
    const EffectArguments a = Derived(p);
    return Printed("L%.0f%% R%.0f%%", 100.0 * a.panLeft, 100.0 * a.panRight);
}

std::string MonoMix(const EffectParameters& p, int) {
    const EffectArguments a = Derived(p);
    const double total = double{a.panLeft} + a.panRight;
    return Printed("L%.0f%% R%.0f%%", 100.0 * a.panLeft / total, 100.0 * a.panRight / total);
}

// sqrt(x) * K1 equals x where x = K1^2: louder values come out quieter, quieter ones louder,
// halving their distance from that level in decibels.
std::string CompressionPivot(const EffectParameters& p, int) {
    const double k1 = Byte(p[0]);
    if (k1 == 0) return "silence";
    return "2:1 at " + FullScaleLevel(k1 * k1);
}

std::string DistortionCycles(const EffectParameters& p, int) {
    const float w = ToFloat(TwoPi / (256 - Byte(p[0])));
    return Printed("%.1f cycles", FullScale * double{Inv255} * w / TwoPi);
}

std::string FadeVolume(const EffectParameters& p, int own) { return SignedGain(p[own] * double{Inv255}); }

// A constant full-scale signal keeps 128 * 32767 in the loudness sum; the largest draw then
// takes 32767 / (128 * (256 - p1)) of each value away.
std::string FuzzDepth(const EffectParameters& p, int) {
    const int64_t room = 256 - int64_t{p[0]};
    if (room <= 0) return "unbounded";
    return Percent(FullScale / (128.0 * double(room)));
}

std::string ChorusRate(const EffectParameters& p, int) { return RateOf(ChorusPhaseStep(Byte(p[0]))); }

std::string ChorusDepth(const EffectParameters& p, int) {
    const int depth = Byte(p[1]);
    return depth == 0 ? std::string("0 ms") : "0-" + Milliseconds(2.0 * depth);
}

std::string VibeRate(const EffectParameters& p, int) { return RateOf(VibePhaseStep(Byte(p[0]))); }

// The level swings between 2 - k and 2 times the input (before the pan factor).
std::string VibeDepth(const EffectParameters& p, int) {
    const double k = Byte(p[1]) * double{Inv255};
    return Dip(2.0 / (2.0 - k));
}

std::string SwingRate(const EffectParameters& p, int) { return RateOf(SwingPhaseStep(Byte(p[0]))); }

// Each channel swings between 1 - k and 1.
std::string BounceDepth(const EffectParameters& p, int) {
    const double k = Byte(p[1]) * double{Inv255};
    return 1.0 - k < 1e-6 ? "full dip" : Dip(1.0 / (1.0 - k));
}

std::string LowPassCutoff(const EffectParameters& p, int) { return AverageCutoff(256 - Byte(p[0])); }

// The centre value minus the window's mean. An even window's mean sits half a frame after the
// centre frame, so the subtraction is not quite in phase.
std::string HiPassCutoff(const EffectParameters& p, int) {
    const int w = 256 - Byte(p[0]);
    if (w <= 1) return "silence";
    const double lag = w % 2 == 0 ? 0.5 : 0.0;
    const auto gain = [w, lag](double f) {
        const double average = AverageGain(w, f), angle = TwoPi * f / SampleRate * lag;
        return std::sqrt(1.0 - 2.0 * average * std::cos(angle) + average * average);
    };
    return Hertz(HalfPowerFrequency(gain, SampleRate / w));
}

std::string BandLowEdge(const EffectParameters& p, int) {
    return Hertz(std::max(0.0, BandFrequency(Byte(p[0])) - BandWidening));
}

std::string BandHighEdge(const EffectParameters& p, int) {
    return Hertz(std::min(SampleRate / 2, BandFrequency(Byte(p[1])) + BandWidening));
}

std::string GateSplit(const EffectParameters& p, int) { return AverageCutoff(GateWindowFrames(Byte(p[0]))); }

// The gate compares one channel's absolute sum over the window with the whole p2 * 128.
std::string GateThreshold(const EffectParameters& p, int) {
    return WindowLevel(Derived(p).clipLevel, GateWindowFrames(Byte(p[0])), 1);
}

std::string GateGlide(const EffectParameters& p, int) { return Milliseconds(1.0 / GateRate(Byte(p[2]))); }

// A note starts where both channels' absolute sum over the window passes K2 * 256.
std::string NoteThreshold(const EffectParameters& p, int) {
    return WindowLevel(Byte(p[1]) * 256.0, GateWindowFrames(Byte(p[0])), 2);
}

// Distances in values, two per frame.
std::string ShiftDistance(const EffectParameters& p, int) {
    return SignedMilliseconds((Byte(p[0]) - 128) * Byte(p[1]) / 2.0);
}

std::string ShiftMultiplier(const EffectParameters& p, int) { return Printed("×%d", Byte(p[1])); }

std::string ChannelDelay(const EffectParameters& p, int) {
    const int distance = (128 - Byte(p[2])) * Byte(p[1]);
    if (distance == 0) return "0 ms";
    return (distance > 0 ? "L later " : "R later ") + Milliseconds(std::abs(distance) / 2.0);
}

std::string EchoDelay(const EffectParameters& p, int) { return Milliseconds(64.0 * Byte(p[0])); }

std::string ResonateDelay(const EffectParameters& p, int) { return Milliseconds(ResonateTaps(256 - Byte(p[0]))[0]); }

// The part above the smoothing comes back at K2 / 512; the smoothed part at half that.
std::string ResonateSustain(const EffectParameters& p, int) { return Decibels(Byte(p[1]) * 0.001953125); }

std::string TurntableDirection(const EffectParameters& p, int) { return p[0] < 128 ? "Stop" : "Start"; }

std::string Unused(const EffectParameters&, int) { return "unused"; }

std::string FftPitchInterval(const EffectParameters& p, int) { return Semitones(FftPitchRatio(Byte(p[0]))); }

std::string ScaleChoice(const EffectParameters& p, int) { return std::string(ScaleName(Byte(p[0]))); }

std::string KeyChoice(const EffectParameters& p, int) {
    constexpr const char* Keys[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return Keys[PerfectPitchKey(Byte(p[1]))];
}

// The scale is raised by the tuning factor.
std::string Tuning(const EffectParameters& p, int) {
    return Printed("%+.1f cents", 1200.0 * std::log2(PerfectPitchTuning(Byte(p[2]))));
}

std::string ByteLevel(const EffectParameters& p, int own) { return Decibels(Byte(p[own]) / 256.0); }

std::string DigitizeWidth(const EffectParameters& p, int) {
    return "±" + Hertz(Byte(p[0]) * SampleRate / FftSize);
}

std::string ByteShare(const EffectParameters& p, int own) { return Percent(Byte(p[own]) / 256.0); }

std::string NotePitchInterval(const EffectParameters& p, int) { return Semitones(NotePitchRatio(Byte(p[0]))); }

std::string GrainPitchInterval(const EffectParameters& p, int) { return Semitones(PitchSpeed(Byte(p[0]))); }

}  // namespace jorv::readout

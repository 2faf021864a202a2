#include "effects/SnapToScale.h"

#include <span>

namespace jorv {

namespace {

struct NoteRange {
    double from, to;
    float note;
};

constexpr NoteRange Chromatic[] = {
    {120, 135, 130.8f},  {135, 140, 138.65f}, {140, 150, 146.95f}, {150, 160, 155.55f}, {160, 170, 164.85f},
    {170, 180, 174.65f}, {180, 190, 185.1f},  {190, 200, 196.05f}, {200, 215, 207.75f}, {215, 225, 220.15f},
    {225, 240, 233.1f},  {240, 255, 247.25f}, {255, 270, 261.6f},  {270, 280, 277.3f},  {280, 300, 293.9f},
    {300, 320, 311.1f},  {320, 340, 329.7f},  {340, 360, 349.3f},  {360, 380, 370.2f},  {380, 400, 392.1f},
    {400, 430, 415.5f},  {430, 450, 440.3f},  {450, 480, 466.2f},  {480, 510, 494.5f},  {510, 540, 523.4f},
};

constexpr NoteRange Major[] = {
    {120, 140, 130.8f}, {140, 160, 146.95f}, {160, 170, 164.85f}, {170, 190, 174.65f}, {190, 215, 196.05f},
    {215, 240, 220.15f}, {240, 255, 247.25f}, {255, 280, 261.6f}, {280, 320, 293.9f},  {320, 340, 329.7f},
    {340, 380, 349.3f},  {380, 430, 392.1f},  {430, 480, 440.3f}, {480, 510, 494.5f},  {510, 540, 523.4f},
};

constexpr NoteRange Minor[] = {
    {120, 140, 130.8f}, {140, 150, 146.95f}, {150, 170, 155.55f}, {170, 190, 174.65f}, {190, 200, 196.05f},
    {200, 225, 207.75f}, {225, 255, 233.1f}, {255, 280, 261.6f},  {280, 300, 293.9f},  {300, 340, 311.1f},
    {340, 380, 349.3f},  {380, 400, 392.1f}, {400, 450, 415.5f},  {450, 510, 466.2f},  {510, 540, 523.4f},
};

enum class Scale { Minor, Major, Chromatic };

Scale ScaleKind(int scale) { return scale < 64 ? Scale::Minor : scale < 192 ? Scale::Major : Scale::Chromatic; }

std::span<const NoteRange> ScaleFor(int scale) {
    switch (ScaleKind(scale)) {
        case Scale::Minor: return Minor;
        case Scale::Major: return Major;
        default: return Chromatic;
    }
}

}  // namespace

double SnapToScale(double frequency, int scale) {
    for (const NoteRange& range : ScaleFor(scale))
        if (frequency >= range.from && frequency < range.to) return range.note;
    return frequency;
}

std::string_view ScaleName(int scale) {
    switch (ScaleKind(scale)) {
        case Scale::Minor: return "Minor";
        case Scale::Major: return "Major";
        default: return "Chromatic";
    }
}

}  // namespace jorv

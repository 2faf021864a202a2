#include "shell/TimeRuler.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/WaveFormat.h"

namespace jorv {

namespace {

constexpr uint64_t Rate = WaveFormat::sampleRate;

// Round steps in milliseconds, each with the number of short ticks it is divided into.
struct Step {
    uint64_t milliseconds;
    int divisions;
};
constexpr std::array<Step, 19> Steps{{{1, 2},      {2, 2},      {5, 5},      {10, 2},     {20, 2},
                                      {50, 5},     {100, 2},    {200, 2},    {500, 5},    {1000, 2},
                                      {2000, 2},   {5000, 5},   {10000, 2},  {15000, 3},  {30000, 3},
                                      {60000, 2},  {120000, 2}, {300000, 5}, {600000, 2}}};

std::optional<uint64_t> WholeNumber(std::string_view text) {
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// "ss" or "ss.m", "ss.mm", "ss.mmm": the seconds in milliseconds.
std::optional<uint64_t> SecondsInMilliseconds(std::string_view text) {
    const std::size_t dot = text.find('.');
    const auto whole = WholeNumber(text.substr(0, dot));
    if (!whole) return std::nullopt;
    uint64_t milliseconds = *whole * 1000;
    if (dot == std::string_view::npos) return milliseconds;
    const std::string_view fraction = text.substr(dot + 1);
    const auto digits = WholeNumber(fraction);
    if (!digits || fraction.size() > 3) return std::nullopt;
    return milliseconds + *digits * uint64_t(std::pow(10, 3 - fraction.size()));
}

}  // namespace

std::string FormatTime(uint64_t frames) {
    const uint64_t milliseconds = frames * 1000 / Rate;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu.%03llu", static_cast<unsigned long long>(milliseconds / 60000),
                  static_cast<unsigned long long>(milliseconds / 1000 % 60),
                  static_cast<unsigned long long>(milliseconds % 1000));
    return text;
}

std::optional<uint64_t> ParseTimeOrFrames(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const std::size_t colon = text.find(':');
    std::optional<uint64_t> milliseconds;
    if (colon != std::string_view::npos) {
        const auto minutes = WholeNumber(text.substr(0, colon));
        const std::string_view secondsText = text.substr(colon + 1);
        const std::size_t secondDigits = std::min(secondsText.find('.'), secondsText.size());
        const auto seconds = SecondsInMilliseconds(secondsText);
        if (!minutes || !seconds || secondDigits == 0 || secondDigits > 2 || *seconds >= 60000) return std::nullopt;
        milliseconds = *minutes * 60000 + *seconds;
    } else if (text.find('.') != std::string_view::npos) {
        milliseconds = SecondsInMilliseconds(text);
    } else {
        return WholeNumber(text);
    }
    if (!milliseconds) return std::nullopt;
    // The first frame at or after the time, so that a time written back reads the same.
    return (*milliseconds * Rate + 999) / 1000;
}

std::vector<RulerTick> RulerTicks(const ViewState& view, uint32_t framesPerTrack) {
    std::vector<RulerTick> ticks;
    const double framesPerColumn = view.framesPerPixel / view.zoom;
    if (framesPerTrack == 0 || !(framesPerColumn > 0)) return ticks;
    const Step* step = &Steps.back();
    for (const Step& candidate : Steps) {
        if (candidate.milliseconds * Rate / 1000.0 / framesPerColumn >= MinLabelSpacing) {
            step = &candidate;
            break;
        }
    }
    const double labelFrames = step->milliseconds * Rate / 1000.0;
    const double tickFrames = labelFrames / step->divisions;
    const double firstFrame = view.scrollOffset;
    const double lastFrame = std::min(firstFrame + view.width * framesPerColumn, double(framesPerTrack));
    for (auto k = uint64_t(std::ceil(firstFrame / tickFrames)); k * tickFrames <= lastFrame; ++k) {
        const auto frame = uint64_t(std::llround(k * tickFrames));
        const int32_t x = FrameToPixel(view, double(frame));
        if (x >= ViewLeft && x < ViewLeft + view.width) ticks.push_back({x, frame, k % step->divisions == 0});
    }
    return ticks;
}

std::string SelectionReadout(uint32_t start, uint32_t end, std::optional<uint64_t> position) {
    std::string text = "Start " + FormatTime(start) + "   End " + FormatTime(end) + "   Length " + FormatTime(end - start);
    if (position) text += "   Position " + FormatTime(*position);
    return text;
}

}  // namespace jorv

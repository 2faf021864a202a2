#pragma once

#include <string_view>

namespace jorv {

// The system's media player, driven by the rip's command strings: "Load SOURCE", "Play SOURCE",
// "Stop SOURCE" for a file, "seek cd to N", "play cd", "stop cd wait" for a CD track. The
// source is everything after the command word, spaces included. No result is reported.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void send(std::string_view command) = 0;
    // True once what the player was told to load is ready to play; false after timeoutMs.
    virtual bool waitUntilLoaded(int timeoutMs) = 0;
};

}  // namespace jorv

#include "devices/backends/MpvMediaPlayer.h"

#include <mpv/client.h>

#include <chrono>
#include <optional>

#include "devices/AudioApi.h"

namespace jorv {

namespace {

// The rest of command after prefix, or nothing when it does not start with it.
std::optional<std::string> After(std::string_view command, std::string_view prefix) {
    if (!command.starts_with(prefix)) return std::nullopt;
    return std::string(command.substr(prefix.size()));
}

}  // namespace

std::unique_ptr<MpvMediaPlayer> MpvMediaPlayer::start(const std::string& audioApi) {
    mpv_handle* mpv = mpv_create();
    if (!mpv) return nullptr;
    mpv_set_option_string(mpv, "vid", "no");
    mpv_set_option_string(mpv, "idle", "yes");
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "config", "no");
    if (ChosenAudioApi(audioApi) == "jack") {
        mpv_set_option_string(mpv, "ao", "jack");
        mpv_set_option_string(mpv, "jack-name", "jorv-player");
        mpv_set_option_string(mpv, "jack-port", "jorv:inport");
    }
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        return nullptr;
    }
    return std::unique_ptr<MpvMediaPlayer>(new MpvMediaPlayer(mpv));
}

MpvMediaPlayer::~MpvMediaPlayer() { mpv_terminate_destroy(mpv_); }

void MpvMediaPlayer::load(const std::string& source) {
    setPaused(true);
    const char* args[] = {"loadfile", source.c_str(), nullptr};
    mpv_command(mpv_, args);
}

void MpvMediaPlayer::setPaused(bool paused) { mpv_set_property_string(mpv_, "pause", paused ? "yes" : "no"); }

void MpvMediaPlayer::send(std::string_view command) {
    if (const auto file = After(command, "Load ")) {
        load(*file);
    } else if (const auto track = After(command, "seek cd to ")) {
        load("cdda://" + *track);
    } else if (command.starts_with("Play ") || command == "play cd") {
        setPaused(false);
    } else if (command.starts_with("Stop ") || command == "stop cd wait") {
        const char* args[] = {"stop", nullptr};
        mpv_command(mpv_, args);
    }
}

bool MpvMediaPlayer::waitUntilLoaded(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const mpv_event* event = mpv_wait_event(mpv_, 0.05);
        if (event->event_id == MPV_EVENT_FILE_LOADED) return true;
        if (event->event_id == MPV_EVENT_END_FILE) return false;
    }
    return false;
}

}  // namespace jorv

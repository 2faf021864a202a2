#include "devices/backends/PlayerBackend.h"

#include "devices/backends/MpvMediaPlayer.h"

extern "C" __attribute__((visibility("default"))) const jorv::PlayerBackend* jorv_player_backend() {
    using namespace jorv;
    static const PlayerBackend backend{
        .start = [](const std::string& api) -> std::unique_ptr<MediaPlayer> { return MpvMediaPlayer::start(api); },
    };
    return &backend;
}

#pragma once

#include <memory>
#include <string>

#include "devices/MediaPlayer.h"

namespace jorv {

// What the module jorv-player offers: the media player on libmpv.
struct PlayerBackend {
    // Null when libmpv cannot be started.
    std::unique_ptr<MediaPlayer> (*start)(const std::string& audioApi);
};

}  // namespace jorv

extern "C" const jorv::PlayerBackend* jorv_player_backend();

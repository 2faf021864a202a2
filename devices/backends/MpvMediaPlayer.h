#pragma once

#include <memory>
#include <string>

#include "devices/MediaPlayer.h"

struct mpv_handle;

namespace jorv {

// The media player on libmpv, without video. A file is loaded paused and started by Play; a CD
// track N plays cdda://N. On JACK the player's output ports (client "jorv-player") are wired
// to Jorv's input ports, so what it plays is what Jorv records.
class MpvMediaPlayer final : public MediaPlayer {
public:
    // Null when libmpv cannot be started. audioApi is Jorv's audio system ("jack", ...).
    static std::unique_ptr<MpvMediaPlayer> start(const std::string& audioApi);
    ~MpvMediaPlayer() override;

    void send(std::string_view command) override;
    bool waitUntilLoaded(int timeoutMs) override;

private:
    explicit MpvMediaPlayer(mpv_handle* mpv) : mpv_(mpv) {}
    void load(const std::string& source);
    void setPaused(bool paused);

    mpv_handle* mpv_;
};

}  // namespace jorv

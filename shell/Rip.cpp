#include "shell/Rip.h"

#include "core/Utf16Text.h"
#include "devices/AudioApi.h"
#include "devices/RipCommands.h"
#include "devices/SystemDevices.h"

namespace jorv {

namespace {

MediaPlayer* Player(AppContext& context) {
    if (!context.rip.player) {
        context.rip.player = context.rip.startPlayer ? context.rip.startPlayer()
                                                     : StartMediaPlayer(WindowAudioApi(context.settings.audioApi));
    }
    return context.rip.player.get();
}

void Send(AppContext& context, const std::string& command) {
    if (MediaPlayer* player = Player(context)) player->send(command);
}

}  // namespace

void AcceptRipDialog(AppContext& context, std::string_view source) {
    const std::u16string wide = Utf8ToUtf16(source);
    context.rip.source = Utf16ToUtf8(std::u16string_view(wide).substr(0, std::min(wide.size(), MaxRipSource)));
    const RipCommands commands = RipCommandsFor(context.rip.source);
    context.rip.playCommand = commands.play;
    context.rip.stopCommand = commands.stop;
    Send(context, commands.first);
    context.rip.armed = true;
}

void CancelRipDialog(AppContext& context) { context.rip.armed = false; }

void StartRipPlayer(AppContext& context) {
    if (context.rip.armed) Send(context, context.rip.playCommand);
}

void StopRipPlayer(AppContext& context) {
    if (!context.rip.armed) return;
    Send(context, context.rip.stopCommand);
    context.rip.armed = false;
}

}  // namespace jorv

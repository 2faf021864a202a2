#include "app/NotificationSound.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace jorv {

namespace {

constexpr int LongestSoundMs = 5000;

// The first player this desktop has, with the arguments that play its notification sound.
bool FindPlayer(QString& program, QStringList& arguments) {
    program = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    if (!program.isEmpty()) {
        arguments = {QStringLiteral("--id=message")};
        return true;
    }
    const QString sound = QStringLiteral("/usr/share/sounds/freedesktop/stereo/message.oga");
    program = QStandardPaths::findExecutable(QStringLiteral("paplay"));
    if (!program.isEmpty() && QFile::exists(sound)) {
        arguments = {sound};
        return true;
    }
    return false;
}

}  // namespace

void PlayNotificationSound() {
    QString program;
    QStringList arguments;
    if (!FindPlayer(program, arguments)) return;
    QProcess player;
    player.start(program, arguments);
    if (player.waitForStarted(LongestSoundMs)) player.waitForFinished(LongestSoundMs);
}

}  // namespace jorv

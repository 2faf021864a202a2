#include "app/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/IniFile.h"
#include "shell/Settings.h"

namespace jorv {

namespace {

constexpr std::string_view GeometryKey = "WindowGeometry";
// A first start opens this large where the screen has room: room for the view to show a take.
constexpr QSize FirstStartSize(1100, 420);

}  // namespace

void RestoreWindowGeometry(QWidget& window, const std::string& settingsPath) {
    const std::string saved = ReadIniString(settingsPath, SettingsSection, GeometryKey, "");
    if (!saved.empty() && window.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) return;
    QSize size = FirstStartSize.expandedTo(window.minimumSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10).expandedTo(window.minimumSize());
    window.resize(size);
}

// A settings file that cannot be written costs only the remembered size: no message on closing.
void SaveWindowGeometry(const QWidget& window, const std::string& settingsPath) {
    WriteIniValues(settingsPath, SettingsSection, {{std::string(GeometryKey), window.saveGeometry().toBase64().toStdString()}});
}

}  // namespace jorv

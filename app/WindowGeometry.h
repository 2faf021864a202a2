#pragma once

#include <string>

class QWidget;

namespace jorv {

// The main window's size, place and maximised state, kept in the settings file under
// WindowGeometry so the window opens as it was closed.
void RestoreWindowGeometry(QWidget& window, const std::string& settingsPath);
void SaveWindowGeometry(const QWidget& window, const std::string& settingsPath);

}  // namespace jorv

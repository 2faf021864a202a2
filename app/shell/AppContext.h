#pragma once

#include <cstdint>

#include "app/shell/Settings.h"
#include "app/shell/ShellWindow.h"
#include "app/shell/Transport.h"
#include "core/Project.h"
#include "core/UiServices.h"
#include "effects/EffectDialogState.h"

namespace jorv {

struct ModeFlags {
    bool sk1Armed = false;
    bool ttsArmed = false;
    bool ripArmed = false;
};

struct ViewState {
    double zoom = 1.0;
    double framesPerPixel = 1.0;
    double scrollOffset = 0.0;
    int32_t cursorX = 0;
    bool dragging = false;
};

// All run-time state of one program run, created once by the window (or a test).
struct AppContext {
    AppContext(UiServices& uiServices, Transport& transportParts, ShellWindow& shellWindow)
        : ui(uiServices), transport(transportParts), window(shellWindow) {}

    Project project;
    ModeFlags modes;
    Settings settings;
    ViewState view;
    EffectDialogState effectDialog;
    // One stream for the whole run, as a program that never seeds its generator has.
    EffectRandom effectRandom;

    UiServices& ui;
    Transport& transport;
    ShellWindow& window;
};

}  // namespace jorv

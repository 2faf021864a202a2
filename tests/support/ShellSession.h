#pragma once

#include <string>

#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "shell/ProjectCommands.h"
#include "shell/TrackPropertiesDialogLogic.h"
#include "devices/WaveEngine.h"
#include "tests/support/FakeWaveDevice.h"
#include "tests/support/RecordingShell.h"

namespace jorv::test {

// One run of the program, on the real engine with a fake device; destroying it without closing
// the project is a crash (the take journal's thread stops first, as a dead process's would,
// before the buffers it reads go).
struct Session {
    explicit Session(const std::string& folder) {
        context.project.exeDir = folder;
        context.project.clipperPath = folder + "/clipper.wav";
    }
    ~Session() { engine.takeJournal.reset(); }
    void command(int id, Notification notification = Notification::Clicked) {
        RunCommand(context, id, notification);
        DeliverPosted(context, ui);
    }
    void open(const std::string& path) {
        ui.fileChoices.push_back(path);
        command(cmd::Open);
    }
    void selectTrack(int track) {
        ui.trackListSelection = track;
        command(cmd::TrackList, Notification::SelectionChange);
    }
    void cut(uint32_t start, uint32_t end) {
        context.project.selectionStart = start;
        context.project.selectionEnd = end;
        command(cmd::Cut);
    }
    Frame frame(uint32_t at) const { return context.project.trackBuffer[at]; }

    RecordingUiServices ui;
    FakeWaveDevice device;
    WaveEngine engine{device};
    RecordingWindow window;
    AppContext context{ui, engine, window};
};

// Makes a saved project of `tracks` tracks at path through New, Add and Save, then closes it.
inline void MakeSavedProject(const std::string& folder, const std::string& path, int tracks) {
    Session first(folder);
    first.window.projectSettings = [&] { AcceptProjectSettingsDialog(first.context, 2, path); };
    first.window.trackProperties = [&] { AcceptTrackProperties(first.context.project, "Take", first.ui); };
    first.command(cmd::New);
    for (int t = 1; t < tracks; ++t) first.command(cmd::AddTrack);
    first.command(cmd::Save);
    MayCloseProject(first.context);
}

}  // namespace jorv::test

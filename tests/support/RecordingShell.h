#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "shell/AppContext.h"
#include "shell/CommandDispatch.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/RecordingUiServices.h"

namespace jorv::test {

// Wave devices and a window that record what the command spine asks of them, in order.
class RecordingWave final : public WaveTransport {
public:
    bool openDevices(Project&, int mb, UiServices&) override { return record("openDevices " + std::to_string(mb)); }
    void closeDevices(Project&, UiServices&) override { record("closeDevices"); }
    void useDevices(const AudioDeviceChoice& choice, UiServices&) override {
        record("useDevices " + choice.api + "/" + choice.output + "/" + choice.input);
    }
    TransportStart startPlayback(Project& project, uint32_t start, uint32_t end, UiServices&) override {
        project.busy = true;
        record("startPlayback " + std::to_string(start) + " " + std::to_string(end));
        return TransportStart::Started;
    }
    TransportStart startRecording(Project& project, const Take& take, UiServices&) override {
        project.busy = true;
        record("startRecording " + std::to_string(take.start) + " " + std::to_string(take.end) +
               (take.merge ? " merge" : "") + " latency " + std::to_string(take.latency));
        return TransportStart::Started;
    }
    bool playScratch(Project& project, uint32_t frames, UiServices&) override {
        project.busy = true;
        played.assign(project.scratchBuffer.get(), project.scratchBuffer.get() + frames);
        return record("playScratch " + std::to_string(frames));
    }
    void stop(Project& project, UiServices&) override {
        project.busy = false;
        record("stop");
    }
    uint32_t playPosition() const override { return position; }
    LatencyMeasurement measureLatency(bool wire, UiServices&) override {
        record(wire ? "measureLatency wired" : "measureLatency");
        return measurement;
    }
    bool takeBufferDone() override { return std::exchange(bufferDone, false); }
    DeviceMonitor& monitor() override { return watched; }

    std::vector<std::string> calls;
    DeviceMonitor watched;
    std::vector<Frame> played;  // what the last audition sent
    uint32_t position = 0;
    bool bufferDone = false;
    LatencyMeasurement measurement;  // what measureLatency finds

private:
    bool record(std::string call) {
        calls.push_back(std::move(call));
        return true;
    }
};

// Dialogs run the given scripts, standing in for the user.
class RecordingWindow final : public ShellWindow {
public:
    void showAbout() override { ++aboutShown; }
    void closeWindow() override { ++closed; }
    void runProjectSettings() override { run(projectSettings, "projectSettings"); }
    void runTrackProperties() override { run(trackProperties, "trackProperties"); }
    void runMaster() override { run(master, "master"); }
    int runEffectDialog() override {
        dialogs.push_back("effect");
        return effectDialog ? effectDialog() : EffectDialogCancel;
    }

    void runDrumEdit() override { run(drumEdit, "drumEdit"); }
    void runOptions() override { run(options, "options"); }
    void runLyrics() override { run(lyrics, "lyrics"); }
    void runRip() override { run(rip, "rip"); }
    void runFxList() override { run(fxList, "fxList"); }
    void runSelectRange() override { run(selectRange, "selectRange"); }
    void showHelp(const std::string& helpFile) override { helpShown.push_back(helpFile); }

    int aboutShown = 0;
    int closed = 0;
    std::vector<std::string> dialogs;
    std::vector<std::string> helpShown;
    std::function<void()> projectSettings, trackProperties, master, drumEdit, options, lyrics, rip, fxList, selectRange;
    std::function<int()> effectDialog;

private:
    void run(const std::function<void()>& script, const char* name) {
        dialogs.push_back(name);
        if (script) script();
    }
};

// Delivers posted commands as the window's event loop would, until none is left; a command
// that keeps posting commands fails the test instead of running forever.
inline void DeliverPosted(AppContext& context, RecordingUiServices& ui) {
    for (int delivered = 0; !ui.posted.empty(); ++delivered) {
        if (delivered == 1000) {
            ADD_FAILURE() << "commands keep posting commands";
            ui.posted.clear();
            return;
        }
        const PostedCommand next = ui.posted.front();
        ui.posted.pop_front();
        RunCommand(context, next.id, next.notification);
    }
}

struct ShellFixture {
    RecordingUiServices ui;
    RecordingWave wave;
    RecordingWindow window;
    AppContext context{ui, wave, window};
};

// A shell whose project is one track of the given frames, its files in a temporary folder.
struct OneTrackShell : ShellFixture {
    explicit OneTrackShell(uint32_t frames) : files(frames) {
        files.addTrack();
        context.project = std::move(files.project);
        context.project.clipperPath = files.folder.file("clipper.wav");
    }
    ProjectFixture files;
    Project& project = context.project;
};

}  // namespace jorv::test

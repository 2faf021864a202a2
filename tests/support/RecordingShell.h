#pragma once

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "app/shell/AppContext.h"
#include "tests/support/RecordingUiServices.h"

namespace jorv::test {

// A transport and window that record what the command spine asks of them, in order.
class RecordingTransport final : public Transport {
public:
    bool openWaveDevices(AppContext&, int mb) override { return record("openWaveDevices " + std::to_string(mb)); }
    void closeWaveDevices(AppContext&) override { record("closeWaveDevices"); }
    void startPlayback(AppContext& c, uint32_t start, uint32_t end) override {
        c.project.busy = true;
        record("startPlayback " + std::to_string(start) + " " + std::to_string(end));
    }
    void startRecording(AppContext& c, uint32_t start, uint32_t end, bool merge) override {
        c.project.busy = true;
        record("startRecording " + std::to_string(start) + " " + std::to_string(end) + (merge ? " merge" : ""));
    }
    void stopWave(AppContext& c, uint32_t start, uint32_t end, bool merge) override {
        c.project.busy = false;
        record("stopWave " + std::to_string(start) + " " + std::to_string(end) + (merge ? " merge" : ""));
    }
    uint32_t playPosition() const override { return position; }
    bool takeBufferDone() override { return std::exchange(bufferDone, false); }
    void stopDrumSequence() override { record("stopDrumSequence"); }
    void sendRipStop() override { record("sendRipStop"); }
    void finishSk1(AppContext&) override { record("finishSk1"); }
    void finishTts(AppContext&) override { record("finishTts"); }
    void openDrumOutput(int entries) override { record("openDrumOutput " + std::to_string(entries)); }
    void closeDrumOutput() override { record("closeDrumOutput"); }

    std::vector<std::string> calls;
    uint32_t position = 0;
    bool bufferDone = false;

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

    int aboutShown = 0;
    int closed = 0;
    std::vector<std::string> dialogs;
    std::function<void()> projectSettings, trackProperties, master;
    std::function<int()> effectDialog;

private:
    void run(const std::function<void()>& script, const char* name) {
        dialogs.push_back(name);
        if (script) script();
    }
};

struct ShellFixture {
    RecordingUiServices ui;
    RecordingTransport transport;
    RecordingWindow window;
    AppContext context{ui, transport, window};
};

}  // namespace jorv::test

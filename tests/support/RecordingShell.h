#pragma once

#include <string>
#include <vector>

#include "app/AppContext.h"
#include "tests/support/RecordingUiServices.h"

namespace jorv::test {

// A transport and window that record what the command spine asks of them, in order.
class RecordingTransport final : public Transport {
public:
    void stopWave(Project& project, uint32_t start, uint32_t end, bool merge) override {
        calls.push_back("stopWave " + std::to_string(start) + " " + std::to_string(end) + (merge ? " merge" : ""));
        project.busy = false;
    }
    void stopDrumSequence() override { calls.push_back("stopDrumSequence"); }
    void sendRipStop() override { calls.push_back("sendRipStop"); }
    void finishSk1() override { calls.push_back("finishSk1"); }
    void finishTts() override { calls.push_back("finishTts"); }
    void openDrumOutput(int entries) override { calls.push_back("openDrumOutput " + std::to_string(entries)); }
    void closeDrumOutput() override { calls.push_back("closeDrumOutput"); }
    void closeWaveDevices(Project&) override { calls.push_back("closeWaveDevices"); }

    std::vector<std::string> calls;
};

class RecordingWindow final : public ShellWindow {
public:
    void showAbout() override { ++aboutShown; }
    void closeWindow() override { ++closed; }
    int aboutShown = 0;
    int closed = 0;
};

struct ShellFixture {
    RecordingUiServices ui;
    RecordingTransport transport;
    RecordingWindow window;
    AppContext context{ui, transport, window};
};

}  // namespace jorv::test

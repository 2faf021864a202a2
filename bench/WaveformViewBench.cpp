#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "app/WaveformView.h"

namespace jorv {
namespace {

// Nothing runs: the view draws the full picture every time.
class IdleTransport final : public WaveTransport {
public:
    bool openDevices(Project&, int, UiServices&) override { return true; }
    void closeDevices(Project&, UiServices&) override {}
    void useDevices(const AudioDeviceChoice&, UiServices&) override {}
    TransportStart startPlayback(Project&, uint32_t, uint32_t, UiServices&) override { return TransportStart::Started; }
    TransportStart startRecording(Project&, const Take&, UiServices&) override { return TransportStart::Started; }
    bool playScratch(Project&, uint32_t, UiServices&) override { return true; }
    void stop(Project&, UiServices&) override {}
    uint32_t playPosition() const override { return 0; }
    bool takeBufferDone() override { return false; }
    LatencyMeasurement measureLatency(bool, UiServices&) override { return {}; }
};

// A whole 4 MB track of a swept tone at the widest zoom, with a selection and the beat grid.
void BM_FullRepaintOfTheView(benchmark::State& state) {
    Project project;
    project.framesPerTrack = 1048576;
    project.trackBuffer.reset(AllocateFrames(project.framesPerTrack));
    for (uint32_t k = 0; k < project.framesPerTrack; ++k) {
        const auto sample = static_cast<int16_t>(20000 * std::sin(k * (0.001 + k * 1e-9)));
        project.trackBuffer[k] = {sample, sample};
    }
    project.projectLoaded = true;
    project.alignToBeat = true;
    project.selectionStart = 200000;
    project.selectionEnd = 600000;
    ViewState view;
    ScaleViewToTrack(view, project.framesPerTrack);
    IdleTransport wave;
    WaveformView widget(nullptr, view, project, wave);
    widget.resize(ViewWidth, ViewHeight);
    for (auto _ : state) {
        widget.render();
        benchmark::DoNotOptimize(widget.image().constBits());
    }
}
BENCHMARK(BM_FullRepaintOfTheView)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jorv

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

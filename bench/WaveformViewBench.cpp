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
    DeviceMonitor& monitor() override { return monitor_; }
    LatencyMeasurement measureLatency(bool, UiServices&) override { return {}; }

private:
    DeviceMonitor monitor_;
};

constexpr uint32_t SixtyFourMegabytes = 64 * FramesPerMegabyte;  // 16 777 216 frames

// A whole 64 MB track of a swept tone, with a selection and the beat grid.
Project SweptTrack() {
    Project project;
    project.framesPerTrack = SixtyFourMegabytes;
    project.trackBuffer.reset(AllocateFrames(project.framesPerTrack));
    for (uint32_t k = 0; k < project.framesPerTrack; ++k) {
        const auto sample = static_cast<int16_t>(20000 * std::sin(k * (0.001 + k * 1e-10)));
        project.trackBuffer[k] = {sample, sample};
    }
    project.projectLoaded = true;
    project.alignToBeat = true;
    project.selectionStart = 2000000;
    project.selectionEnd = 6000000;
    return project;
}

// A maximised view, 1920 columns, at the zoom given (1: the whole track).
void BM_FullRepaintOfAWideView(benchmark::State& state) {
    Project project = SweptTrack();
    MinMaxSummary summary;
    summary.build(project.trackBuffer.get(), project.framesPerTrack);
    ViewState view;
    view.width = 1920;
    view.zoom = double(state.range(0));
    ScaleViewToTrack(view, project.framesPerTrack);
    IdleTransport wave;
    WaveformView widget(nullptr, view, project, summary, wave);
    widget.resize(view.width, ViewHeight);
    for (auto _ : state) {
        widget.render();
        benchmark::DoNotOptimize(widget.image().constBits());
    }
}
BENCHMARK(BM_FullRepaintOfAWideView)->Arg(1)->Arg(16)->Arg(256)->Unit(benchmark::kMicrosecond);

// What a track switch, a load or a command without a working folder adds to build the summary.
void BM_SummaryOfAWholeTrack(benchmark::State& state) {
    const Project project = SweptTrack();
    MinMaxSummary summary;
    for (auto _ : state) {
        summary.build(project.trackBuffer.get(), project.framesPerTrack);
        benchmark::DoNotOptimize(summary.frames());
    }
}
BENCHMARK(BM_SummaryOfAWholeTrack)->Unit(benchmark::kMillisecond);

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

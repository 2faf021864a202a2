#include "devices/backends/SynthMidiOutput.h"

#include "devices/AudioApi.h"
#include "devices/backends/RtAudioApi.h"
#include "core/WaveFormat.h"

namespace jorv {

namespace {

// Song time to sound: one tick for the send, 10 ms for a late tick, and two periods of audio.
uint32_t LatencyFrames(unsigned periodFrames) { return 20 * WaveFormat::sampleRate / 1000 + 2 * periodFrames; }

}  // namespace

std::unique_ptr<SynthMidiOutput> SynthMidiOutput::open(const std::string& audioApi) {
    auto synth = ScheduledSynth::create(WaveFormat::sampleRate);
    if (!synth) return nullptr;
    try {
        auto audio = std::make_unique<RtAudio>(AudioApiNamed(ChosenAudioApi(audioApi)));
        audio->showWarnings(false);
        if (audio->getDeviceCount() == 0) return nullptr;
        RtAudio::StreamParameters out{audio->getDefaultOutputDevice(), 2, 0};
        RtAudio::StreamOptions options;
        options.streamName = "jorv-synth";
        options.flags = RTAUDIO_MINIMIZE_LATENCY;
        unsigned periodFrames = 256;
        synth->setLatencyFrames(LatencyFrames(periodFrames));
        std::unique_ptr<SynthMidiOutput> output(new SynthMidiOutput(std::move(synth), nullptr));
        audio->openStream(&out, nullptr, RTAUDIO_FLOAT32, WaveFormat::sampleRate, &periodFrames, Callback,
                          output.get(), &options);
        output->synth_->setLatencyFrames(LatencyFrames(periodFrames));
        audio->startStream();
        output->audio_ = std::move(audio);
        return output;
    } catch (const RtAudioError&) {
        return nullptr;
    }
}

SynthMidiOutput::SynthMidiOutput(std::unique_ptr<ScheduledSynth> synth, std::unique_ptr<RtAudio> audio)
    : synth_(std::move(synth)), audio_(std::move(audio)) {}

SynthMidiOutput::~SynthMidiOutput() {
    if (!audio_) return;
    try {
        if (audio_->isStreamRunning()) audio_->abortStream();
        if (audio_->isStreamOpen()) audio_->closeStream();
    } catch (const RtAudioError&) {
    }
}

int SynthMidiOutput::Callback(void* output, void*, unsigned frames, double, unsigned, void* self) {
    static_cast<SynthMidiOutput*>(self)->synth_->render(static_cast<float*>(output), frames);
    return 0;
}

}  // namespace jorv

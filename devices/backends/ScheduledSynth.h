#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dsp/HalfBandFilters.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace jorv {

// The built-in General MIDI synthesizer, playing each message at the sample where its song
// time falls, one constant latency after the song started, rather than at the next period.
// FluidSynth starts notes only on its own 64-frame blocks; running it at twice the rate and
// halving the rate afterwards keeps that grid under 0.73 ms.
//
// Thread contract: send() runs on the drum tick's thread and render() on the audio thread; they
// share a single-producer single-consumer ring of scheduled messages (indices published with
// release and read with acquire) and the rendered-frame counter. Neither blocks or allocates.
// startSong() runs on the user-interface thread before the song's first send().
class ScheduledSynth {
public:
    // Null when FluidSynth or a General MIDI sound font is missing.
    static std::unique_ptr<ScheduledSynth> create(double sampleRate);
    ~ScheduledSynth();
    ScheduledSynth(const ScheduledSynth&) = delete;
    ScheduledSynth& operator=(const ScheduledSynth&) = delete;

    // How far behind its song time a message plays: enough for the tick that sends it and one
    // period of rendering ahead.
    void setLatencyFrames(uint32_t frames) { latencyFrames_ = frames; }
    void startSong();
    // Runs on the drum tick's thread.
    void send(uint32_t message, uint32_t songMs);
    // Fills frames interleaved stereo frames. Runs on the audio thread.
    void render(float* interleaved, uint32_t frames);
    // The frame at which the last message was applied (for measuring placement).
    uint64_t lastAppliedFrame() const { return lastApplied_; }

private:
    ScheduledSynth(fluid_settings_t* settings, fluid_synth_t* synth, double sampleRate);
    void apply(uint32_t message);
    // Renders frames output frames' worth at the doubled rate into oversampled_, each message
    // at its exact frame there.
    void renderOversampled(uint32_t frames);
    static constexpr uint32_t MaxChunk = 1024;  // output frames per pass

    struct Scheduled {
        uint64_t frame;
        uint32_t message;
    };
    static constexpr uint32_t RingSize = 4096;  // a power of two

    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    double framesPerMs_;
    uint32_t latencyFrames_ = 0;
    std::array<Scheduled, RingSize> ring_{};
    std::atomic<uint32_t> head_{0};  // written by send()
    std::atomic<uint32_t> tail_{0};  // written by render()
    std::atomic<uint64_t> framesRendered_{0};
    std::atomic<uint64_t> songStartFrame_{0};
    uint64_t lastApplied_ = 0;
    std::vector<float> oversampled_ = std::vector<float>(4 * MaxChunk);
    HalfBandDecimator decimator_;
};

// The first General MIDI sound font found among the system's, or empty.
std::string FindGeneralMidiSoundFont();

}  // namespace jorv

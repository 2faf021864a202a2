#include "devices/backends/ScheduledSynth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <filesystem>

namespace jorv {

std::string FindGeneralMidiSoundFont() {
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"}) {
        std::error_code error;
        if (std::filesystem::exists(path, error)) return path;
    }
    return {};
}

std::unique_ptr<ScheduledSynth> ScheduledSynth::create(double sampleRate) {
    const std::string soundFont = FindGeneralMidiSoundFont();
    if (soundFont.empty()) return nullptr;
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 2 * sampleRate);
    fluid_settings_setnum(settings, "synth.gain", 0.6);
    // Only the audio thread touches the synthesizer once it is set up.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return nullptr;
    }
    return std::unique_ptr<ScheduledSynth>(new ScheduledSynth(settings, synth, sampleRate));
}

ScheduledSynth::ScheduledSynth(fluid_settings_t* settings, fluid_synth_t* synth, double sampleRate)
    : settings_(settings), synth_(synth), framesPerMs_(sampleRate / 1000) {}

ScheduledSynth::~ScheduledSynth() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void ScheduledSynth::startSong() { songStartFrame_ = framesRendered_.load() + latencyFrames_; }

void ScheduledSynth::send(uint32_t message, uint32_t songMs) {
    const uint32_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) == RingSize) return;  // full: dropped
    ring_[head % RingSize] = {songStartFrame_.load(std::memory_order_relaxed) + uint64_t(songMs * framesPerMs_), message};
    head_.store(head + 1, std::memory_order_release);
}

void ScheduledSynth::apply(uint32_t message) {
    const int channel = message & 0x0F, data1 = message >> 8 & 0x7F, data2 = message >> 16 & 0x7F;
    switch (message & 0xF0) {
        case 0x90: fluid_synth_noteon(synth_, channel, data1, data2); break;
        case 0x80: fluid_synth_noteoff(synth_, channel, data1); break;
        case 0xB0: fluid_synth_cc(synth_, channel, data1, data2); break;
        case 0xC0: fluid_synth_program_change(synth_, channel, data1); break;
        default: break;
    }
}

void ScheduledSynth::render(float* interleaved, uint32_t frames) {
    for (uint32_t done = 0; done < frames;) {
        const uint32_t chunk = std::min(frames - done, MaxChunk);
        renderOversampled(chunk);
        decimator_.process(oversampled_.data(), interleaved + 2 * done, chunk);
        done += chunk;
    }
}

void ScheduledSynth::renderOversampled(uint32_t frames) {
    const uint64_t blockStart = framesRendered_.load(std::memory_order_relaxed);
    const uint32_t fine = 2 * frames;  // frames at the doubled rate
    uint32_t done = 0;
    uint32_t tail = tail_.load(std::memory_order_relaxed);
    while (done < fine) {
        uint32_t until = fine;
        const bool pending = tail != head_.load(std::memory_order_acquire);
        if (pending) {
            const uint64_t due = 2 * ring_[tail % RingSize].frame;
            // A message that came too late plays at once.
            until = static_cast<uint32_t>(std::clamp<uint64_t>(due > 2 * blockStart ? due - 2 * blockStart : 0, done, fine));
        }
        if (until > done) {
            float* at = oversampled_.data() + 2 * done;
            fluid_synth_write_float(synth_, int(until - done), at, 0, 2, at, 1, 2);
            done = until;
        }
        if (pending && done < fine) {
            apply(ring_[tail % RingSize].message);
            lastApplied_ = blockStart + done / 2;
            tail_.store(++tail, std::memory_order_release);
        }
    }
    framesRendered_.store(blockStart + frames, std::memory_order_relaxed);
}

}  // namespace jorv

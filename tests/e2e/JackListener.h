#pragma once

#include <jack/jack.h>
#include <jack/midiport.h>

#include <array>
#include <atomic>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace jorv::test {

// A JACK client of the test's own with a MIDI input ("<name>:midi") and an audio input
// ("<name>:audio") that remembers what reaches them, and a MIDI output ("<name>:out") that
// plays notes at given times.
class JackListener {
public:
    struct Note {
        uint64_t frame;  // the server's frame clock when the message arrived
        uint8_t bytes[3];
    };

    explicit JackListener(const std::string& name) {
        client_ = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
        if (!client_) return;
        midi_ = jack_port_register(client_, "midi", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        audio_ = jack_port_register(client_, "audio", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        out_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        jack_set_process_callback(client_, Process, this);
        jack_activate(client_);
    }
    ~JackListener() {
        if (client_) jack_client_close(client_);
    }
    bool ok() const { return client_ != nullptr; }
    bool connect(const std::string& from, const std::string& to) {
        return jack_connect(client_, from.c_str(), to.c_str()) == 0;
    }
    bool hasPort(const std::string& name) const { return jack_port_by_name(client_, name.c_str()) != nullptr; }
    int periodFrames() const { return static_cast<int>(jack_get_buffer_size(client_)); }

    // Plays each note (three bytes) at its frame counted from now, on "<name>:out".
    void play(const std::vector<std::pair<uint32_t, std::array<uint8_t, 3>>>& notes) {
        sending_ = notes;
        next_ = 0;
        sendFrom_ = jack_frame_time(client_) + jack_get_buffer_size(client_);  // a whole period ahead
        sendingStarted_.store(true);
    }
    bool played() const { return next_.load() == sending_.size(); }

    int notes() const { return count_.load(); }
    const Note& note(int k) const { return notes_[k]; }
    float peak() const { return peak_.load(); }

private:
    static int Process(jack_nframes_t frames, void* self) {
        static_cast<JackListener*>(self)->process(frames);
        return 0;
    }
    void process(jack_nframes_t frames) {
        const uint64_t start = jack_last_frame_time(client_);
        void* midi = jack_port_get_buffer(midi_, frames);
        for (uint32_t i = 0, n = jack_midi_get_event_count(midi); i < n; ++i) {
            jack_midi_event_t event;
            const int k = count_.load();
            if (jack_midi_event_get(&event, midi, i) != 0 || event.size < 3 || k == int(notes_.size())) continue;
            notes_[k] = {start + event.time, {event.buffer[0], event.buffer[1], event.buffer[2]}};
            count_.store(k + 1);
        }
        void* out = jack_port_get_buffer(out_, frames);
        jack_midi_clear_buffer(out);
        if (sendingStarted_.load()) {
            for (std::size_t k = next_.load(); k < sending_.size(); next_.store(++k)) {
                const uint64_t due = sendFrom_ + sending_[k].first;
                if (due >= start + frames) break;
                const auto offset = static_cast<jack_nframes_t>(due > start ? due - start : 0);
                jack_midi_event_write(out, offset, sending_[k].second.data(), 3);
            }
        }
        const auto* audio = static_cast<const float*>(jack_port_get_buffer(audio_, frames));
        float peak = peak_.load();
        for (jack_nframes_t f = 0; f < frames; ++f) peak = std::max(peak, std::fabs(audio[f]));
        peak_.store(peak);
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* midi_ = nullptr;
    jack_port_t* audio_ = nullptr;
    jack_port_t* out_ = nullptr;
    std::vector<std::pair<uint32_t, std::array<uint8_t, 3>>> sending_;  // set before sendingStarted_
    uint64_t sendFrom_ = 0;
    std::atomic<bool> sendingStarted_{false};
    std::atomic<std::size_t> next_{0};
    std::array<Note, 1024> notes_{};
    std::atomic<int> count_{0};
    std::atomic<float> peak_{0};
};

}  // namespace jorv::test

#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/TakeJournal.h"

namespace jorv {

// Keeps a take on disk while it is recorded. A disk thread of its own (never the audio thread,
// which does not know it exists) appends the frames captured so far at least every 250 ms and
// makes them durable at least every second. It reads the capture buffer only below the count the
// device has published, which the audio thread no longer writes. A write that fails (a full
// disk) stops the journal, never the take.
class TakeJournalWriter {
public:
    // Frames captured so far; read on the disk thread, so it must be safe to call from there.
    using CapturedFrames = std::function<uint32_t()>;

    // Creates the journal at path with its header and starts the disk thread; null when the file
    // cannot be created.
    static std::unique_ptr<TakeJournalWriter> start(const std::string& path, const TakeJournalHeader& header,
                                                    const Frame* capture, uint32_t capacity, CapturedFrames captured);
    // Stops the thread without a last append (what a take that is thrown away needs).
    ~TakeJournalWriter();

    // Once the device has stopped: appends what is left, makes it durable and stops the thread.
    // False when the journal failed at some point.
    bool finish();

private:
    TakeJournalWriter(int fd, const Frame* capture, uint32_t capacity, CapturedFrames captured);
    // Runs on the disk thread.
    void run();
    void stopThread();
    // Runs on the disk thread, or on the caller's once the thread has ended.
    bool appendCaptured();

    int fd_;
    const Frame* capture_;
    uint32_t capacity_;
    CapturedFrames captured_;
    uint32_t written_ = 0;
    std::atomic<bool> failed_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;  // guarded by mutex_
    std::thread thread_;
};

}  // namespace jorv

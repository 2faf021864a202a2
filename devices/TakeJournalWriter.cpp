#include "devices/TakeJournalWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace jorv {

namespace {

constexpr auto AppendEvery = std::chrono::milliseconds(100);
constexpr auto SyncEvery = std::chrono::milliseconds(500);

bool WriteAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::unique_ptr<TakeJournalWriter> TakeJournalWriter::start(const std::string& path, const TakeJournalHeader& header,
                                                            const Frame* capture, uint32_t capacity,
                                                            CapturedFrames captured) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    if (!WriteAll(fd, EncodeTakeHeader(header)) || ::fdatasync(fd) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<TakeJournalWriter> writer(new TakeJournalWriter(fd, capture, capacity, std::move(captured)));
    writer->thread_ = std::thread(&TakeJournalWriter::run, writer.get());
    return writer;
}

TakeJournalWriter::TakeJournalWriter(int fd, const Frame* capture, uint32_t capacity, CapturedFrames captured)
    : fd_(fd), capture_(capture), capacity_(capacity), captured_(std::move(captured)) {}

TakeJournalWriter::~TakeJournalWriter() {
    stopThread();
    ::close(fd_);
}

void TakeJournalWriter::stopThread() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool TakeJournalWriter::appendCaptured() {
    if (failed_.load()) return false;
    const uint32_t captured = std::min(captured_(), capacity_);
    if (captured <= written_) return true;
    if (!WriteAll(fd_, EncodeTakeChunk(capture_ + written_, captured - written_))) {
        failed_.store(true);
        return false;
    }
    written_ = captured;
    return true;
}

void TakeJournalWriter::run() {
    auto lastSync = std::chrono::steady_clock::now();
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, AppendEvery, [this] { return stopping_; });
        if (stopping_) break;
        lock.unlock();
        appendCaptured();
        if (std::chrono::steady_clock::now() - lastSync >= SyncEvery) {
            if (!failed_.load() && ::fdatasync(fd_) != 0) failed_.store(true);
            lastSync = std::chrono::steady_clock::now();
        }
        lock.lock();
    }
}

bool TakeJournalWriter::finish() {
    if (thread_.joinable()) {
        stopThread();
        if (appendCaptured() && ::fdatasync(fd_) != 0) failed_.store(true);
    }
    return !failed_.load();
}

}  // namespace jorv

#include "core/WorkingCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "core/Crc32.h"
#include "core/EditJournal.h"
#include "core/FileCopy.h"
#include "core/PathParts.h"

namespace jorv {

namespace fs = std::filesystem;

namespace {

constexpr const char* LockName = "lock";
// The undo history's folder, which outlives a Save (its owner removes it).
constexpr const char* HistoryName = "history";

uint64_t Fnv1a(const std::string& text) {
    uint64_t hash = 1469598103934665603ull;
    for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

bool WriteAll(int fd, const void* bytes, std::size_t size) {
    const auto* p = static_cast<const char*>(bytes);
    while (size > 0) {
        const ssize_t written = ::write(fd, p, size);
        if (written < 0) return false;
        p += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A rename is on disk only once its folder is.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The copy takes the saved file's place in one step where both share a file system.
bool PutInPlace(const std::string& copy, const std::string& saved) {
    if (std::rename(copy.c_str(), saved.c_str()) != 0) {
        if (!CopyFileOver(copy, saved)) return false;
        std::remove(copy.c_str());
    }
    SyncFolder(SplitAtLastSeparator(saved).folder);
    return true;
}

}  // namespace

WorkingCopy::~WorkingCopy() { release(); }

WorkingCopy::WorkingCopy(WorkingCopy&& other) noexcept
    : folder_(std::move(other.folder_)), lock_(std::exchange(other.lock_, -1)) {}

WorkingCopy& WorkingCopy::operator=(WorkingCopy&& other) noexcept {
    if (this != &other) {
        release();
        folder_ = std::move(other.folder_);
        lock_ = std::exchange(other.lock_, -1);
    }
    return *this;
}

std::string WorkingCopy::FolderFor(const std::string& projectPath) {
    const PathParts parts = SplitAtLastSeparator(projectPath);
    return (parts.hasSeparator ? parts.folder + "/" : std::string()) + "." + parts.name + ".jorv-work";
}

WorkingCopy::Claim WorkingCopy::claim(const std::string& projectPath) {
    release();
    folder_ = FolderFor(projectPath);
    std::error_code error;
    fs::create_directories(folder_, error);
    const int fd = ::open((folder_ + "/" + LockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Claim::Unusable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Claim::InUse : Claim::Unusable;
    }
    lock_ = fd;
    for (const auto& entry : fs::directory_iterator(folder_, error))
        if (entry.path().filename() != LockName && entry.path().filename() != HistoryName) return Claim::LeftBehind;
    return Claim::Fresh;
}

std::string WorkingCopy::copyOf(const std::string& savedTrackFile) const {
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(Fnv1a(savedTrackFile)));
    return folder_ + "/" + key + "-" + SplitAtLastSeparator(savedTrackFile).name;
}

std::string WorkingCopy::fileToRead(const std::string& savedTrackFile) const {
    if (!active()) return savedTrackFile;
    std::error_code error;
    const std::string copy = copyOf(savedTrackFile);
    if (fs::exists(copy, error) || !fs::exists(savedTrackFile, error)) return copy;
    return savedTrackFile;
}

std::string WorkingCopy::fileToWrite(const std::string& savedTrackFile) const {
    return active() ? copyOf(savedTrackFile) : savedTrackFile;
}

bool WorkingCopy::holdsTracks() const {
    if (!active()) return false;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error))
        if (entry.path().extension() == ".wav") return true;
    return false;
}

bool WorkingCopy::appendEdit(const std::string& savedTrackFile, uint32_t start, const std::vector<Frame>& frames) {
    if (!active()) return false;
    const std::vector<unsigned char> record = EncodeEdit({savedTrackFile, start, frames});
    const int fd = ::open(editJournal().c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, record.data(), record.size()) && ::fdatasync(fd) == 0;
    ::close(fd);
    return written;
}

void WorkingCopy::clearEdits() {
    if (active()) std::remove(editJournal().c_str());
}

bool WorkingCopy::commitTracks(const std::vector<std::string>& savedTrackFiles) {
    if (!active()) return true;
    std::error_code error;
    for (const std::string& saved : savedTrackFiles) {
        const std::string copy = copyOf(saved);
        if (fs::exists(copy, error) && !PutInPlace(copy, saved)) return false;
    }
    return true;
}

void WorkingCopy::clear() {
    if (!active()) return;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_, error))
        if (entry.path().filename() != LockName && entry.path().filename() != HistoryName) fs::remove_all(entry.path(), error);
}

void WorkingCopy::discard() {
    if (!active()) return;
    std::error_code error;
    fs::remove_all(folder_, error);
    release();
}

void WorkingCopy::release() {
    if (lock_ >= 0) ::close(lock_);
    lock_ = -1;
}

}  // namespace jorv

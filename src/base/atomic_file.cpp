// The atomic file writer.
#include "base/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

// The kill test's fault points. With YOMOGI_KILL_AT=N in the environment, the N-th point that the
// atomic writes of the process pass kills it with SIGKILL, as a power cut or a kill would end it
// at that moment: before the new file is made, with it empty, half written, written but not
// synced, synced, renamed over the old one, and after the directory is synced.
bool faultPointsOn() { return std::getenv("YOMOGI_KILL_AT") != nullptr; }

void faultPoint() {
    static long passed = 0;
    const char* target = std::getenv("YOMOGI_KILL_AT");
    if (!target) return;
    if (++passed == std::atol(target)) std::raise(SIGKILL);
}

// The directory entry of a rename is only durable once the directory itself is synced. The file
// is already in place by then, so a directory that cannot be synced is not a failed write.
void syncDirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open(const std::string& path) {
    discard();
    path_ = path;
    temporary_ = path + ".new";
    failed_ = false;
    faultPoint();
    file_ = std::fopen(temporary_.c_str(), "wb");
    faultPoint();
    return file_ != nullptr;
}

void AtomicFile::write(std::string_view bytes) {
    if (!file_) {
        failed_ = true;
        return;
    }
    if (!faultPointsOn()) {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
        return;
    }
    // Under the kill test, written in two halves, so that a kill between them leaves a torn file.
    const size_t half = bytes.size() / 2;
    if (std::fwrite(bytes.data(), 1, half, file_) != half) failed_ = true;
    std::fflush(file_);
    faultPoint();
    const size_t rest = bytes.size() - half;
    if (rest > 0 && std::fwrite(bytes.data() + half, 1, rest, file_) != rest) failed_ = true;
}

bool AtomicFile::commit() {
    if (!file_) return false;
    bool written = !failed_;
    written = std::fflush(file_) == 0 && written;
    faultPoint();
    written = ::fsync(::fileno(file_)) == 0 && written;
    written = std::fclose(file_) == 0 && written;
    file_ = nullptr;
    faultPoint();
    if (!written || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        std::remove(temporary_.c_str());
        return false;
    }
    faultPoint();
    syncDirectoryOf(path_);
    faultPoint();
    return true;
}

void AtomicFile::discard() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::remove(temporary_.c_str());
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    AtomicFile file;
    if (!file.open(path)) return false;
    file.write(content);
    return file.commit();
}

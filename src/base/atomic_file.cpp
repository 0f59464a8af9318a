// The atomic file writer.
#include "base/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

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
    file_ = std::fopen(temporary_.c_str(), "wb");
    return file_ != nullptr;
}

void AtomicFile::write(std::string_view bytes) {
    if (!file_) {
        failed_ = true;
        return;
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

bool AtomicFile::commit() {
    if (!file_) return false;
    bool written = !failed_;
    written = std::fflush(file_) == 0 && written;
    written = ::fsync(::fileno(file_)) == 0 && written;
    written = std::fclose(file_) == 0 && written;
    file_ = nullptr;
    if (!written || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        std::remove(temporary_.c_str());
        return false;
    }
    syncDirectoryOf(path_);
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

// Writing a file so that it is never seen half-written: the content goes into a new file beside
// the old one (path + ".new"), is flushed and synced to the disk, renamed over the old one, and
// the directory is synced so that the rename itself survives a power cut. A crash, a kill or a
// full disk leaves either the old file or the new one, never a mixture.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Replaces path by content; false when any step fails (the old file is then as it was and the
// new one removed).
bool writeFileAtomically(const std::string& path, std::string_view content);

// The same for content written piece by piece (the runner's trace): everything goes into the new
// file; commit() puts it in place, and a file destroyed without commit() is removed.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Opens the new file beside path; false when it cannot be made.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    // Appends; a failed write is remembered and makes commit() fail.
    void write(std::string_view bytes);
    // Flush, sync, rename over path, sync the directory. False (and the new file removed) when any
    // of it fails or a write failed before.
    bool commit();
    // Removes the new file without touching path.
    void discard();

private:
    std::FILE* file_ = nullptr;
    std::string path_, temporary_;
    bool failed_ = false;
};

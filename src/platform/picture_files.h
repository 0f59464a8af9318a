// What the picture keep asks of the system: whether a picture file is still the one that was
// decoded, and how much memory is left.
#pragma once

#include <cstdint>

// A file as it stands: its size, where it lives and when it was last written or changed. Two
// equal stamps of one path mean the file was not replaced or rewritten in between.
struct FileStamp {
    uint64_t size = 0, device = 0, inode = 0;
    int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const FileStamp&) const = default;
};

// False when the file cannot be looked at (missing, unreadable directory).
bool platformFileStamp(const char* path, FileStamp& stamp);
// Bytes of memory the system can still give without swapping; 0 when it cannot tell.
uint64_t platformAvailableMemory();

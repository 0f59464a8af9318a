// File stamps and free memory, from the system.
#include "platform/picture_files.h"

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

bool platformFileStamp(const char* path, FileStamp& stamp) {
    struct stat info {};
    if (!path || ::stat(path, &info) != 0) return false;
    stamp.size = static_cast<uint64_t>(info.st_size);
    stamp.device = static_cast<uint64_t>(info.st_dev);
    stamp.inode = static_cast<uint64_t>(info.st_ino);
#if defined(__linux__)
    stamp.modified = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changed = int64_t{info.st_ctim.tv_sec} * 1000000000 + info.st_ctim.tv_nsec;
#else
    stamp.modified = int64_t{info.st_mtime} * 1000000000;
    stamp.changed = int64_t{info.st_ctime} * 1000000000;
#endif
    return true;
}

uint64_t platformAvailableMemory() {
#if defined(__linux__)
    // What the kernel counts as available: free memory and what it can take back from caches.
    if (std::FILE* meminfo = std::fopen("/proc/meminfo", "r")) {
        char line[256];
        unsigned long long kib = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, meminfo))
            found = std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1;
        std::fclose(meminfo);
        if (found) return static_cast<uint64_t>(kib) * 1024;
    }
#endif
#if defined(_SC_AVPHYS_PAGES) && defined(_SC_PAGESIZE)
    const long pages = ::sysconf(_SC_AVPHYS_PAGES), size = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && size > 0) return static_cast<uint64_t>(pages) * static_cast<uint64_t>(size);
#endif
    return 0;
}

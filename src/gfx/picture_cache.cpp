// The keep of decoded pictures. Every picture it hands out is remembered by its place in memory
// and a few of its pixels; given back, it is kept again only if it is the same surface, of the
// same size, with the same pixels there, so a picture freed or drawn on by its taker never
// returns under its file's name.
#include "gfx/picture_cache.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "platform/picture_files.h"

namespace {

// The keep never holds more than this, nor more than a quarter of the memory still available.
constexpr uint64_t kMostKept = uint64_t{192} << 20;
uint64_t mostKept = kMostKept;

// Pixels sampled across the picture, to tell it unchanged when it is given back.
uint64_t fingerprint(const Surface& s) {
    uint64_t h = 1469598103934665603ull ^ (static_cast<uint64_t>(s.width) << 32 | static_cast<uint32_t>(s.height));
    const size_t n = s.pixels.size();
    if (n == 0) return h;
    const size_t step = std::max<size_t>(1, n / 509);
    for (size_t i = 0; i < n; i += step) h = (h ^ s.pixels[i]) * 1099511628211ull;
    return (h ^ s.pixels[n - 1]) * 1099511628211ull;
}

struct Entry {
    std::string path;
    int scale = 1;
    int tag = 0;
    uint64_t decoding = 0;  // which decoding of the file this was (made pictures: made from)
    FileStamp stamp;
    SurfacePtr picture;             // while kept
    const Surface* lent = nullptr;  // while taken
    uint64_t print = 0;             // the fingerprint when taken
    uint64_t lastUse = 0;
    size_t bytes() const { return picture ? picture->pixels.size() * sizeof(uint32_t) : 0; }
};

struct Keep {
    std::vector<Entry> entries;
    uint64_t decodings = 0;
    uint64_t clock = 0;
    int decoded = 0;
};
// The game loads from one thread. Never destroyed: a record freed as the program ends (the
// player's, say) may still give its pictures back.
Keep& keep = *new Keep;

// Entries neither kept nor taken any more.
void dropForgotten() {
    std::erase_if(keep.entries, [](const Entry& e) { return !e.picture && !e.lent; });
}

SurfacePtr lend(Entry& e) {
    SurfacePtr out = std::move(e.picture);
    // A surface freed by its taker without being given back may leave its place in memory to
    // this one: whatever was taken there before is gone.
    for (Entry& other : keep.entries)
        if (&other != &e && other.lent == out.get()) other.lent = nullptr;
    e.lent = out.get();
    e.print = fingerprint(*out);
    e.lastUse = ++keep.clock;
    return out;
}

// Forgets every entry of the file at this scale: those kept are freed, those taken are no longer
// known (their takers free them, or give them back to be freed).
void forgetFile(const std::string& path, int scale) {
    std::erase_if(keep.entries, [&](const Entry& e) { return e.path == path && e.scale == scale; });
}

void trim() {
    uint64_t budget = mostKept;
    if (const uint64_t available = platformAvailableMemory(); available > 0) budget = std::min(budget, available / 4);
    for (;;) {
        uint64_t total = 0;
        Entry* oldest = nullptr;
        for (Entry& e : keep.entries) {
            if (!e.picture) continue;
            total += e.bytes();
            if (!oldest || e.lastUse < oldest->lastUse) oldest = &e;
        }
        if (total <= budget || !oldest) return;
        const Entry* gone = oldest;
        std::erase_if(keep.entries, [gone](const Entry& e) { return &e == gone; });
    }
}

}  // namespace

SurfacePtr takePicture(const char* path, int minimumWidth, int minimumHeight) {
    dropForgotten();
    const int scale = displayScale();
    FileStamp stamp;
    const bool stamped = path && platformFileStamp(path, stamp);
    if (stamped) {
        bool changed = false;
        Entry* kept = nullptr;
        for (Entry& e : keep.entries) {
            if (e.path != path || e.scale != scale || e.tag != 0) continue;
            if (!(e.stamp == stamp)) changed = true;
            else if (e.picture) kept = &e;
        }
        // The file changed: everything decoded or made from it before is forgotten.
        if (changed) {
            forgetFile(path, scale);
        } else if (kept && kept->picture->width >= int64_t{minimumWidth} * scale &&
                   kept->picture->height >= int64_t{minimumHeight} * scale) {
            return lend(*kept);
        }
        // Otherwise none is kept (each taker holds a picture of its own, so a second taker of
        // the same file gets a second decoding), or the one kept is too small for this caller,
        // which loadSheet refuses below.
    }
    SurfacePtr picture = loadSheet(path, minimumWidth, minimumHeight);
    ++keep.decoded;
    if (!stamped) return picture;
    Entry e;
    e.path = path;
    e.scale = scale;
    e.decoding = ++keep.decodings;
    e.stamp = stamp;
    e.picture = std::move(picture);
    return lend(keep.entries.emplace_back(std::move(e)));
}

SurfacePtr takeMade(const Surface& from, int tag, const std::function<SurfacePtr()>& make) {
    dropForgotten();
    const Entry* source = nullptr;
    for (const Entry& e : keep.entries)
        if (e.tag == 0 && e.lent == &from) source = &e;
    if (source && source->print != fingerprint(from)) source = nullptr;  // not the picture taken
    if (!source || tag == 0) return make();
    const Entry base = {source->path, source->scale, 0, source->decoding, source->stamp, nullptr, nullptr, 0, 0};
    for (Entry& e : keep.entries) {
        if (e.path == base.path && e.scale == base.scale && e.tag == tag && e.decoding == base.decoding && e.picture)
            return lend(e);
    }
    std::erase_if(keep.entries, [&](const Entry& e) { return e.path == base.path && e.scale == base.scale && e.tag == tag; });
    SurfacePtr made = make();
    if (!made) return made;
    Entry e;
    e.path = base.path;
    e.scale = base.scale;
    e.tag = tag;
    e.decoding = base.decoding;
    e.stamp = base.stamp;
    e.picture = std::move(made);
    return lend(keep.entries.emplace_back(std::move(e)));
}

void keepPicture(SurfacePtr& picture) {
    if (!picture) return;
    dropForgotten();
    for (auto it = keep.entries.begin(); it != keep.entries.end(); ++it) {
        if (it->picture || it->lent != picture.get()) continue;
        if (fingerprint(*picture) != it->print) {
            keep.entries.erase(it);  // drawn on, or not the picture it was: not kept
            break;
        }
        it->picture = std::move(picture);
        it->lent = nullptr;
        it->lastUse = ++keep.clock;
        trim();
        return;
    }
    picture.reset();
}

void limitKeptPictures(size_t bytes) {
    mostKept = bytes > 0 ? bytes : kMostKept;
    trim();
}

void forgetKeptPictures() {
    std::erase_if(keep.entries, [](const Entry& e) { return e.picture != nullptr; });
}

size_t keptPictureBytes() {
    size_t total = 0;
    for (const Entry& e : keep.entries) total += e.bytes();
    return total;
}

int decodedPictureCount() { return keep.decoded; }

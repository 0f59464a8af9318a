#include "key_table.h"

#include <algorithm>
#include <cstring>

#include "state_key.h"

namespace solver {

KeyTable::KeyTable(int words) : words_(words), slots_(1024, 0), mask_(1023) {}

namespace {
uint64_t slotOf(uint64_t hash, size_t id) { return (hash & 0xFFFFFFFF00000000ull) | (id + 1); }
size_t idOf(uint64_t slot) { return static_cast<size_t>(slot & 0xFFFFFFFFu) - 1; }
bool sameHash(uint64_t slot, uint64_t hash) { return (slot >> 32) == (hash >> 32); }
}  // namespace

size_t KeyTable::bytes() const {
    return keys_.capacity() * sizeof(int32_t) + hashes_.capacity() * sizeof(uint64_t) +
           slots_.capacity() * sizeof(uint64_t);
}

void KeyTable::grow() {
    std::vector<uint64_t> slots(slots_.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (size_t id = 0; id < hashes_.size(); ++id) {
        size_t at = hashes_[id] & mask;
        while (slots[at] != 0) at = (at + 1) & mask;
        slots[at] = slotOf(hashes_[id], id);
    }
    slots_.swap(slots);
    mask_ = mask;
}

int KeyTable::find(const int32_t* key) const {
    const uint64_t h = hashKey(key, words_);
    const size_t bytes = static_cast<size_t>(words_) * sizeof(int32_t);
    for (size_t at = h & mask_;; at = (at + 1) & mask_) {
        const uint64_t slot = slots_[at];
        if (slot == 0) return -1;
        const int id = static_cast<int>(idOf(slot));
        if (sameHash(slot, h) && std::memcmp(this->key(id), key, bytes) == 0) return id;
    }
}

int KeyTable::intern(const int32_t* key, bool& fresh) {
    const uint64_t h = hashKey(key, words_);
    const size_t bytes = static_cast<size_t>(words_) * sizeof(int32_t);
    size_t at = h & mask_;
    for (;; at = (at + 1) & mask_) {
        const uint64_t slot = slots_[at];
        if (slot == 0) break;
        const int id = static_cast<int>(idOf(slot));
        if (sameHash(slot, h) && std::memcmp(this->key(id), key, bytes) == 0) {
            fresh = false;
            return id;
        }
    }
    fresh = true;
    const int id = size();
    keys_.insert(keys_.end(), key, key + words_);
    hashes_.push_back(h);
    slots_[at] = slotOf(h, static_cast<size_t>(id));
    // Kept at most half full, so that a probe ends soon.
    if (hashes_.size() * 2 > slots_.size()) grow();
    return id;
}

}  // namespace solver

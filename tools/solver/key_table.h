// The set of states seen: every key stored whole in one arena and found again through an
// open-addressing table of its hashes, so that two states are the same only when every word of
// their keys is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace solver {

class KeyTable {
public:
    explicit KeyTable(int words);
    // The id of the key (0, 1, 2, ... in order of arrival), storing it when it is new.
    int intern(const int32_t* key, bool& fresh);
    int find(const int32_t* key) const;  // -1 when absent
    const int32_t* key(int id) const { return &keys_[static_cast<size_t>(id) * static_cast<size_t>(words_)]; }
    int size() const { return static_cast<int>(hashes_.size()); }
    int words() const { return words_; }
    size_t bytes() const;

private:
    void grow();
    int words_;
    std::vector<int32_t> keys_;
    std::vector<uint64_t> hashes_;
    // id + 1 in the low half, the high half of the key's hash above it; 0 = empty. A probe thus
    // passes over other keys without reading them.
    std::vector<uint64_t> slots_;
    size_t mask_ = 0;
};

}  // namespace solver

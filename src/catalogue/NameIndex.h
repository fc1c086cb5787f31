#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue/LargeBlocks.h"

namespace reelcase {

// A flat hash table from a name (exact bytes, case counts) to a number, for the commands that
// match every list entry against every slot. It holds views: the names must outlive it.
class NameIndex {
  public:
    explicit NameIndex(std::size_t expected = 16);

    // The number stored for name, inserting value first when the name is new; the flag tells
    // whether it was new.
    std::pair<int*, bool> insert(std::string_view name, int value);
    // The number stored for name, or nullptr.
    const int* find(std::string_view name) const;
    std::size_t size() const { return count_; }

    // The hash of a name, taken a word at a time: names are short and hashed by the 100,000.
    static std::uint64_t hash(std::string_view name);

  private:
    // Used while its tag is not 0; 16 bytes, so that a table for 100,000 names stays small.
    struct Cell {
        const char* data = nullptr;
        std::uint32_t length = 0;
        int value = 0;
    };
    std::size_t probe(std::string_view name, std::uint64_t h) const;
    void grow();
    // A byte of each cell's hash, never 0 for a used cell, in an array of its own: a probe reads
    // a name (somewhere in a 27 MB table, so from main memory) only where the byte matches,
    // and the bytes of a table for 100,000 names stay in the cache.
    static std::uint8_t tagOf(std::uint64_t h) { return static_cast<std::uint8_t>((h >> 56) | 1U); }

    ZeroedArray<std::uint8_t> tags_;
    ZeroedArray<Cell> cells_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

}  // namespace reelcase

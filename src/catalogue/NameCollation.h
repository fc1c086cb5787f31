#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace reelcase {

// Room for the key of a name of up to 29 characters.
inline constexpr std::size_t CollationKeyRoom = 64;

// The order of the movie list as a byte string compared with memcmp: letter case ignored,
// accented letters beside their plain ones (é after e, before f), blanks and punctuation
// before digits before letters. Names with equal keys differ only in letter case.
struct CollationKey {
    std::array<unsigned char, CollationKeyRoom> bytes;
    unsigned char size;
};

// Names longer than the key's room are keyed by their first 31 characters.
CollationKey collationKey(std::string_view name);

bool operator<(const CollationKey& a, const CollationKey& b);

// The first 16 bytes of collationKey(name), as two numbers that compare as the bytes do:
// enough to order most names without making the whole key.
struct CollationPrefix {
    std::uint64_t high;
    std::uint64_t low;
};
CollationPrefix collationPrefix(std::string_view name);

}  // namespace reelcase

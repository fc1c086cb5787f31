#include "catalogue/NameIndex.h"

#include <bit>
#include <cstring>

namespace reelcase {

NameIndex::NameIndex(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < expected * 2) {
        capacity *= 2;
    }
    tags_ = ZeroedArray<std::uint8_t>(capacity);
    cells_ = ZeroedArray<Cell>(capacity);
    mask_ = capacity - 1;
}

std::uint64_t NameIndex::hash(std::string_view name) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ name.size();
    const char* p = name.data();
    std::size_t left = name.size();
    for (; left >= 8; left -= 8, p += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, 8);
        h = std::rotl((h ^ word) * 0x9E3779B97F4A7C15ULL, 31);
    }
    std::uint64_t tail = 0;
    for (std::size_t i = 0; i < left; ++i) {
        tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    }
    h ^= tail;
    // Every bit of every word reaches the low bits that pick the cell.
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBULL;
    return h ^ (h >> 31);
}

// The cell holding name, or the empty cell where it would go.
std::size_t NameIndex::probe(std::string_view name, std::uint64_t h) const {
    const std::uint8_t tag = tagOf(h);
    std::size_t i = static_cast<std::size_t>(h) & mask_;
    while (tags_[i] != 0) {
        if (tags_[i] == tag) {
            const Cell& cell = cells_[i];
            if (cell.length == name.size() &&
                std::memcmp(cell.data, name.data(), name.size()) == 0) {
                return i;
            }
        }
        i = (i + 1) & mask_;
    }
    return i;
}

std::pair<int*, bool> NameIndex::insert(std::string_view name, int value) {
    if ((count_ + 1) * 10 > cells_.size() * 7) {
        grow();
    }
    const std::uint64_t h = hash(name);
    const std::size_t i = probe(name, h);
    Cell& cell = cells_[i];
    if (tags_[i] != 0) {
        return {&cell.value, false};
    }
    tags_[i] = tagOf(h);
    cell = {name.data() != nullptr ? name.data() : "", static_cast<std::uint32_t>(name.size()),
            value};
    ++count_;
    return {&cell.value, true};
}

const int* NameIndex::find(std::string_view name) const {
    const std::size_t i = probe(name, hash(name));
    return tags_[i] != 0 ? &cells_[i].value : nullptr;
}

void NameIndex::grow() {
    const ZeroedArray<Cell> old = std::move(cells_);
    const ZeroedArray<std::uint8_t> oldTags = std::move(tags_);
    tags_ = ZeroedArray<std::uint8_t>(old.size() * 2);
    cells_ = ZeroedArray<Cell>(old.size() * 2);
    mask_ = cells_.size() - 1;
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (oldTags[i] != 0) {
            const Cell& cell = old[i];
            const std::string_view name(cell.data, cell.length);
            const std::uint64_t h = hash(name);
            const std::size_t at = probe(name, h);
            tags_[at] = tagOf(h);
            cells_[at] = cell;
        }
    }
}

}  // namespace reelcase

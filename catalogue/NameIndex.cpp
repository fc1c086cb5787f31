#include "catalogue/NameIndex.h"

#include <cstring>

namespace reelcase {

NameIndex::NameIndex(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < expected * 2) {
        capacity *= 2;
    }
    cells_.resize(capacity);
    mask_ = capacity - 1;
}

std::uint64_t NameIndex::hash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
    for (const char c : name) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return h ^ (h >> 29);
}

// The cell holding name, or the empty cell where it would go.
std::size_t NameIndex::probe(std::string_view name, std::uint64_t h) const {
    std::size_t i = static_cast<std::size_t>(h) & mask_;
    const auto tag = static_cast<std::uint32_t>(h >> 32);
    while (cells_[i].used) {
        const Cell& cell = cells_[i];
        if (cell.tag == tag && cell.length == name.size() &&
            std::memcmp(cell.data, name.data(), name.size()) == 0) {
            return i;
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
    Cell& cell = cells_[probe(name, h)];
    if (cell.used) {
        return {&cell.value, false};
    }
    cell = {name.data(), static_cast<std::uint32_t>(name.size()),
            static_cast<std::uint32_t>(h >> 32), value, true};
    ++count_;
    return {&cell.value, true};
}

const int* NameIndex::find(std::string_view name) const {
    const Cell& cell = cells_[probe(name, hash(name))];
    return cell.used ? &cell.value : nullptr;
}

void NameIndex::grow() {
    std::vector<Cell> old = std::move(cells_);
    cells_.assign(old.size() * 2, Cell{});
    mask_ = cells_.size() - 1;
    for (const Cell& cell : old) {
        if (cell.used) {
            // Names in the table are distinct: the first free cell is the place.
            std::size_t i = static_cast<std::size_t>(hash({cell.data, cell.length})) & mask_;
            while (cells_[i].used) {
                i = (i + 1) & mask_;
            }
            cells_[i] = cell;
        }
    }
}

}  // namespace reelcase

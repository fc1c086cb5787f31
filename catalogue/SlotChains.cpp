#include "catalogue/SlotChains.h"

#include "catalogue/NameIndex.h"

namespace reelcase {

SlotChains::SlotChains(const Catalogue& catalogue)
    : catalogue_(catalogue), next_(static_cast<std::size_t>(catalogue.movieCount()) + 1, 0) {
    std::size_t capacity = 16;
    while (capacity < static_cast<std::size_t>(catalogue.movieCount()) * 2) {
        capacity *= 2;
    }
    cells_.assign(capacity, 0);
    mask_ = capacity - 1;
    // From the last slot down, each slot is put in front of its name's chain.
    for (int n = catalogue.movieCount(); n >= 1; --n) {
        const std::string_view name = nameOf(catalogue.slot(n));
        if (name.empty()) {
            continue;
        }
        int& cell = cells_[cellOf(name)];
        next_[static_cast<std::size_t>(n)] = cell;
        cell = n;
    }
}

std::size_t SlotChains::cellOf(std::string_view name) const {
    std::size_t i = static_cast<std::size_t>(NameIndex::hash(name)) & mask_;
    while (cells_[i] != 0 && nameOf(catalogue_.slot(cells_[i])) != name) {
        i = (i + 1) & mask_;
    }
    return i;
}

}  // namespace reelcase

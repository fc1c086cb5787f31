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

bool slotsInListOrder(const Catalogue& catalogue, const MovieList& list) {
    if (list.size() != catalogue.movieCount()) {
        return false;
    }
    for (int i = 0; i < list.size(); ++i) {
        const std::string_view name = nameOf(catalogue.slot(i + 1));
        // Equal names stand next to each other in the list.
        if (name.empty() || list.at(i) != name || (i > 0 && list.at(i - 1) == name)) {
            return false;
        }
    }
    return true;
}

}  // namespace reelcase

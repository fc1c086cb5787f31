#pragma once

#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"

namespace reelcase {

// Every name's slots among those in use, chained in slot order, so that the commands which
// go through the list and write each entry's slots find them without a scan. Slots with an
// empty Name belong to no chain. It reads the names from the catalogue, which must not change
// while it is in use. Its table holds slot numbers only (about 1.4 MB at 100,000 movies), so
// a save of a full catalogue needs little memory beside it.
class SlotChains {
  public:
    explicit SlotChains(const Catalogue& catalogue);

    // The first slot whose Name equals name exactly; 0 when there is none.
    [[nodiscard]] int first(std::string_view name) const { return cells_[cellOf(name)]; }
    // The next slot after slot with the same Name; 0 after the last.
    [[nodiscard]] int next(int slot) const { return next_[static_cast<std::size_t>(slot)]; }

  private:
    // The cell holding name's first slot, or the empty cell where it would go.
    [[nodiscard]] std::size_t cellOf(std::string_view name) const;

    const Catalogue& catalogue_;
    std::vector<int> cells_;  // a slot number, or 0 for an empty cell
    std::size_t mask_ = 0;
    std::vector<int> next_;
};

// Whether the slots in use stand in list order, one a name (a catalogue as this program saves
// it, opened and not reordered since): then entry i's only slot is i + 1. One pass tells.
bool slotsInListOrder(const Catalogue& catalogue, const MovieList& list);

// Goes through the list and, for each entry, through the slots in use that carry its name,
// in slot order, calling visit(position, slot); stops as soon as visit returns false, and
// then returns false. Slots in list order are visited without looking a name up.
template <typename Visit>
bool forEachListedSlot(const Catalogue& catalogue, const MovieList& list, Visit visit) {
    if (slotsInListOrder(catalogue, list)) {
        for (int i = 0; i < list.size(); ++i) {
            if (!visit(i, i + 1)) {
                return false;
            }
        }
        return true;
    }
    const SlotChains chains(catalogue);
    for (int i = 0; i < list.size(); ++i) {
        for (int n = chains.first(list.at(i)); n != 0; n = chains.next(n)) {
            if (!visit(i, n)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace reelcase

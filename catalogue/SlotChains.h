#pragma once

#include <string_view>
#include <vector>

#include "catalogue/untMovieRecord.h"

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

}  // namespace reelcase

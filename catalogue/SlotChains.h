#pragma once

#include <string_view>
#include <vector>

#include "catalogue/NameIndex.h"
#include "catalogue/untMovieRecord.h"

namespace reelcase {

// Every name's slots among those in use, chained in slot order, so that the commands which
// go through the list and write each entry's slots find them without a scan. Slots with an
// empty Name belong to no chain. It holds views into the catalogue's names: the catalogue
// must not change while it is in use.
class SlotChains {
  public:
    explicit SlotChains(const Catalogue& catalogue);

    // The first slot whose Name equals name exactly; 0 when there is none.
    [[nodiscard]] int first(std::string_view name) const {
        const int* slot = firstOfName_.find(name);
        return slot != nullptr ? *slot : 0;
    }
    // The next slot after slot with the same Name; 0 after the last.
    [[nodiscard]] int next(int slot) const { return next_[static_cast<std::size_t>(slot)]; }

  private:
    NameIndex firstOfName_;
    std::vector<int> next_;
};

}  // namespace reelcase

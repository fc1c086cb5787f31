#include "catalogue/SlotChains.h"

namespace reelcase {

SlotChains::SlotChains(const Catalogue& catalogue)
    : firstOfName_(static_cast<std::size_t>(catalogue.movieCount())),
      next_(static_cast<std::size_t>(catalogue.movieCount()) + 1, 0) {
    std::vector<int> lastOfChain(next_.size(), 0);  // by a chain's first slot
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue.slot(n));
        if (name.empty()) {
            continue;
        }
        const auto [first, fresh] = firstOfName_.insert(name, n);
        int& last = lastOfChain[static_cast<std::size_t>(*first)];
        if (!fresh) {
            next_[static_cast<std::size_t>(last)] = n;
        }
        last = n;
    }
}

}  // namespace reelcase

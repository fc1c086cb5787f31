#include "catalogue/CatalogueHistory.h"

#include "catalogue/Catalogue.h"

namespace reelcase {

std::size_t CatalogueStep::bytes() const {
    return sizeof(CatalogueStep) + blockBytes(changes.capacity() * sizeof(SlotChange)) +
           blockBytes(records.capacity() * sizeof(MovieRecord)) +
           static_cast<std::size_t>(text.size() + fileBefore.size() + fileAfter.size()) * 2;
}

void CatalogueHistory::push(CatalogueStep step) {
    while (canRedo()) {
        memoryUsed_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    memoryUsed_ += step.bytes();
    steps_.push_back(std::move(step));
    ++current_;
    dropOldest();
}

void CatalogueHistory::dropOldest() {
    // Only steps behind the current position go: dropping one ahead of it would break redo's
    // chain, and the step just undone or redone is the one in the user's hands.
    while (!steps_.empty() && memoryUsed_ > memoryBound_ && current_ > base_) {
        memoryUsed_ -= steps_.front().bytes();
        steps_.pop_front();
        ++base_;
    }
}

}  // namespace reelcase

#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include <QString>

#include "catalogue/LargeBlocks.h"

namespace reelcase {

struct MovieRecord;

// What one step changed: the slots it wrote, the count in use and the current file. Of the
// slots' bytes it keeps only the side that is not in the table: the bytes before the step
// while it is done, the bytes after it while it is undone; undo and redo swap them. So a step
// costs one copy of what it changed; a slot that held zero bytes costs its entry only.
struct CatalogueStep {
    struct SlotChange {
        int slot = 0;
        int stored = -1;  // index into records, or -1 for all zero bytes
    };
    QString text;
    int countBefore = 0;
    int countAfter = 0;
    QString fileBefore;
    QString fileAfter;
    LargeVector<SlotChange> changes;
    LargeVector<MovieRecord> records;

    // The memory the step holds.
    std::size_t bytes() const;
};

// The steps that can be undone and redone, oldest first, within a memory bound; the oldest
// steps are dropped beyond it. Positions count every step ever done, so that the position of
// the last save stays meaningful when old steps are dropped.
class CatalogueHistory {
  public:
    static constexpr std::size_t DefaultMemoryBound = std::size_t{50} * 1024 * 1024;

    explicit CatalogueHistory(std::size_t memoryBound = DefaultMemoryBound)
        : memoryBound_(memoryBound) {}

    bool canUndo() const { return current_ > base_; }
    bool canRedo() const { return current_ < base_ + steps_.size(); }
    // The step the next undo or redo applies.
    const CatalogueStep& undoStep() const { return steps_[current_ - base_ - 1]; }
    const CatalogueStep& redoStep() const { return steps_[current_ - base_]; }
    // Undo and redo: the step is handed to apply, which swaps its bytes with the table's;
    // the memory count follows.
    template <typename Apply>
    const CatalogueStep& undo(Apply apply) {
        CatalogueStep& step = steps_[current_ - base_ - 1];
        // Moved back first: the step grows as it is undone, and the oldest steps dropped then
        // must be ones behind it, never the step itself.
        --current_;
        change(step, apply);
        return step;
    }
    template <typename Apply>
    const CatalogueStep& redo(Apply apply) {
        CatalogueStep& step = steps_[current_ - base_];
        change(step, apply);
        ++current_;
        return step;
    }
    std::uint64_t position() const { return current_; }
    std::size_t memoryUsed() const { return memoryUsed_; }
    std::size_t stepCount() const { return steps_.size(); }

    // A new step after the current position; the steps that could be redone are gone.
    void push(CatalogueStep step);

  private:
    template <typename Apply>
    void change(CatalogueStep& step, Apply apply) {
        memoryUsed_ -= step.bytes();
        apply(step);
        memoryUsed_ += step.bytes();
        dropOldest();
    }
    void dropOldest();

    std::deque<CatalogueStep> steps_;
    std::uint64_t base_ = 0;     // position before the oldest kept step
    std::uint64_t current_ = 0;  // position of the catalogue's state
    std::size_t memoryUsed_ = 0;
    std::size_t memoryBound_;
};

}  // namespace reelcase

#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include <QString>

namespace reelcase {

struct MovieRecord;

// What one step changed: the slots' bytes before and after, the count in use and the current
// file. Records that are all zero (never-used slots) take no room.
struct CatalogueStep {
    struct SlotChange {
        int slot = 0;
        int before = -1;  // index into records, or -1 for all zero bytes
        int after = -1;
    };
    QString text;
    int countBefore = 0;
    int countAfter = 0;
    QString fileBefore;
    QString fileAfter;
    std::vector<SlotChange> changes;
    std::vector<MovieRecord> records;

    // The memory the step holds.
    std::size_t bytes() const;
};

// The steps that can be undone and redone, oldest first, within a memory bound; the oldest
// steps are dropped beyond it. Positions count every step ever done, so that the position of
// the last save stays meaningful when old steps are dropped.
class CatalogueHistory {
  public:
    static constexpr std::size_t DefaultMemoryBound = 50u * 1024u * 1024u;

    explicit CatalogueHistory(std::size_t memoryBound = DefaultMemoryBound)
        : memoryBound_(memoryBound) {}

    bool canUndo() const { return current_ > base_; }
    bool canRedo() const { return current_ < base_ + steps_.size(); }
    // The step the next undo or redo applies.
    const CatalogueStep& undoStep() const { return steps_[current_ - base_ - 1]; }
    const CatalogueStep& redoStep() const { return steps_[current_ - base_]; }
    std::uint64_t position() const { return current_; }
    std::size_t memoryUsed() const { return memoryUsed_; }
    std::size_t stepCount() const { return steps_.size(); }

    // A new step after the current position; the steps that could be redone are gone.
    void push(CatalogueStep step);
    void moveBack() { --current_; }
    void moveForward() { ++current_; }

  private:
    std::deque<CatalogueStep> steps_;
    std::uint64_t base_ = 0;     // position before the oldest kept step
    std::uint64_t current_ = 0;  // position of the catalogue's state
    std::size_t memoryUsed_ = 0;
    std::size_t memoryBound_;
};

}  // namespace reelcase

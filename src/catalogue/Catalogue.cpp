#include "catalogue/Catalogue.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <memory>
#include <type_traits>

#include <QDir>

namespace reelcase {

namespace {

bool allZero(const MovieRecord& r) {
    static const MovieRecord zero{};
    return std::memcmp(&r, &zero, sizeof r) == 0;
}

int keep(LargeVector<MovieRecord>& records, const MovieRecord& r) {
    if (allZero(r)) {
        return -1;
    }
    records.push_back(r);
    return static_cast<int>(records.size()) - 1;
}

}  // namespace

Catalogue::Catalogue()
    : table_(sizeof(MovieRecord) * static_cast<std::size_t>(CatalogueCapacity)),
      // The records' lifetimes begin without a write: the table stays untouched until used.
      slots_(static_cast<MovieRecord*>(table_.data())),
      recordedInStep_(static_cast<std::size_t>(CatalogueCapacity) + 1, false) {
    static_assert(std::is_trivial_v<MovieRecord>);
    std::uninitialized_default_construct_n(slots_, CatalogueCapacity);
}

const MovieRecord& Catalogue::slot(int number) const {
    assert(number >= 1 && number <= CatalogueCapacity);
    return slots_[static_cast<std::size_t>(number - 1)];
}

MovieRecord& Catalogue::usedSlot(int number) {
    assert(number >= 1 && number <= movieCount_);
    return slots_[static_cast<std::size_t>(number - 1)];
}

int Catalogue::findByName(std::string_view name) const {
    for (int n = 1; n <= movieCount_; ++n) {
        if (nameOf(slot(n)) == name) {
            return n;
        }
    }
    return 0;
}

int Catalogue::addMovie(const MovieRecord& record) {
    assert(!full());
    recordBefore(movieCount_ + 1);
    touched_ = std::max(touched_, movieCount_ + 1);
    ++revision_;
    slots_[static_cast<std::size_t>(movieCount_)] = record;
    ++movieCount_;
    unsavedChanges_ = true;
    return movieCount_;
}

void Catalogue::replaceMovie(int number, const MovieRecord& record) {
    recordBefore(number);
    ++revision_;
    usedSlot(number) = record;
    unsavedChanges_ = true;
}

void Catalogue::deleteMovie(int number) {
    recordBefore(number);
    ++revision_;
    MovieRecord& r = usedSlot(number);
    r.Name[0] = 0;
    r.Genre[0] = 0;
    unsavedChanges_ = true;
}

void Catalogue::startNew() {
    ++revision_;
    movieCount_ = 0;
    currentFileName_.clear();
}

std::span<MovieRecord> Catalogue::freeSlots(int first, int count) {
    assert(first > movieCount_ && count >= 0 && first + count - 1 <= CatalogueCapacity);
    recordBefore(first, first + count - 1);
    touched_ = std::max(touched_, first + count - 1);
    ++revision_;
    return {slots_ + (first - 1), static_cast<std::size_t>(count)};
}

void Catalogue::takeIntoUse(int lastSlot, bool marksChanged) {
    assert(lastSlot >= movieCount_ && lastSlot <= CatalogueCapacity);
    ++revision_;
    if (marksChanged && lastSlot > movieCount_) {
        unsavedChanges_ = true;
    }
    movieCount_ = lastSlot;
}

bool Catalogue::takeTableOf(Catalogue& other) {
    if (touched_ > 0 || other.stepOpen_) {
        return false;
    }
    const int count = other.movieCount_;
    recordBefore(1, count);
    table_.swap(other.table_);
    std::swap(slots_, other.slots_);
    std::swap(touched_, other.touched_);
    other.movieCount_ = 0;
    ++other.revision_;
    ++revision_;
    takeIntoUse(count);
    return true;
}

void Catalogue::setCurrentFileName(const QString& path) {
    assert(QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path);
    currentFileName_ = path;
}

void Catalogue::markSaved() {
    unsavedChanges_ = false;
    savedPosition_ = history_.position();
}

void Catalogue::recordBefore(int number) {
    const auto slotIndex = static_cast<std::size_t>(number);
    if (!stepOpen_ || recordedInStep_[slotIndex]) {
        return;
    }
    recordedInStep_[slotIndex] = true;
    openStep_.changes.push_back(
        {number, number > touched_ ? -1 : keep(openStep_.records, slots_[slotIndex - 1])});
}

void Catalogue::recordBefore(int first, int last) {
    // Room for a whole range at once (an open's 100,000 slots), still growing geometrically
    // when ranges come a chunk at a time.
    auto& changes = openStep_.changes;
    const std::size_t needed =
        changes.size() + static_cast<std::size_t>(std::max(0, last - first + 1));
    if (stepOpen_ && needed > changes.capacity()) {
        changes.reserve(std::max(needed, 2 * changes.capacity()));
    }
    for (int number = first; number <= last; ++number) {
        recordBefore(number);
    }
}

void Catalogue::beginStep(const QString& text) {
    assert(!stepOpen_);
    stepOpen_ = true;
    std::fill(recordedInStep_.begin(), recordedInStep_.end(), false);
    openStep_ = CatalogueStep{};
    openStep_.text = text;
    openStep_.countBefore = movieCount_;
    openStep_.fileBefore = currentFileName_;
}

void Catalogue::nameStep(const QString& text) {
    assert(stepOpen_);
    openStep_.text = text;
}

void Catalogue::endStep() {
    assert(stepOpen_);
    stepOpen_ = false;
    CatalogueStep step = std::move(openStep_);
    openStep_ = CatalogueStep{};
    step.countAfter = movieCount_;
    step.fileAfter = currentFileName_;
    // A slot written back to its old bytes is no change. An empty slot that came into use is
    // kept unseen: the count changed too, and looking would read every record of an open.
    std::erase_if(step.changes, [&step, this](const CatalogueStep::SlotChange& change) {
        if (change.stored < 0 && change.slot > step.countBefore && change.slot <= step.countAfter) {
            return false;
        }
        const MovieRecord& now = slots_[static_cast<std::size_t>(change.slot - 1)];
        return change.stored < 0
                   ? allZero(now)
                   : std::memcmp(&now, &step.records[static_cast<std::size_t>(change.stored)],
                                 sizeof now) == 0;
    });
    if (step.changes.empty() && step.countBefore == step.countAfter &&
        step.fileBefore == step.fileAfter) {
        return;
    }
    step.changes.shrink_to_fit();
    step.records.shrink_to_fit();
    if (savedPosition_ > history_.position()) {
        savedPosition_ = UINT64_MAX;  // the saved state was undone and is now out of reach
    }
    history_.push(std::move(step));
    // A step that left the flag clear (opening into a saved catalogue, New) keeps it clear:
    // this state is then the saved one.
    if (!unsavedChanges_) {
        savedPosition_ = history_.position();
    }
}

void Catalogue::swapSlots(CatalogueStep& step) {
    ++revision_;
    static const MovieRecord zero{};
    LargeVector<MovieRecord> records;
    for (CatalogueStep::SlotChange& change : step.changes) {
        MovieRecord& slot = slots_[static_cast<std::size_t>(change.slot - 1)];
        const MovieRecord inTable = slot;
        slot = change.stored < 0 ? zero : step.records[static_cast<std::size_t>(change.stored)];
        change.stored = keep(records, inTable);
    }
    records.shrink_to_fit();
    step.records = std::move(records);
}

const CatalogueStep* Catalogue::undo() {
    if (stepOpen_ || !history_.canUndo()) {
        return nullptr;
    }
    const CatalogueStep& step = history_.undo([this](CatalogueStep& s) {
        swapSlots(s);
        movieCount_ = s.countBefore;
        currentFileName_ = s.fileBefore;
    });
    unsavedChanges_ = history_.position() != savedPosition_;
    return &step;
}

const CatalogueStep* Catalogue::redo() {
    if (stepOpen_ || !history_.canRedo()) {
        return nullptr;
    }
    const CatalogueStep& step = history_.redo([this](CatalogueStep& s) {
        swapSlots(s);
        movieCount_ = s.countAfter;
        currentFileName_ = s.fileAfter;
    });
    unsavedChanges_ = history_.position() != savedPosition_;
    return &step;
}

}  // namespace reelcase

#include "catalogue/TakeIn.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <iterator>

namespace reelcase {

TakeIn::TakeIn(Catalogue& catalogue, MovieList& list, std::size_t expected)
    : catalogue_(catalogue),
      list_(list),
      firstTaken_(catalogue.movieCount() + 1),
      next_(firstTaken_),
      roomEnd_(firstTaken_ - 1),
      expected_(std::min<std::size_t>(expected, CatalogueCapacity)) {
    if (list.empty()) {
        arriving_.emplace(expected_);
    } else {
        index();
    }
}

NameIndex& TakeIn::index() {
    if (!index_) {
        dropRepeats();
        index_.emplace(static_cast<std::size_t>(list_.size()) + expected_);
        for (int i = 0; i < list_.size(); ++i) {
            index_->insert(list_.at(i), 0);
        }
        // Names taken in while they rose: their slots do not move until finish().
        for (int n = firstTaken_; n < next_; ++n) {
            index_->insert(nameOf(catalogue_.slot(n)), n);
        }
        arriving_.reset();
    }
    return *index_;
}

std::span<MovieRecord> TakeIn::room(std::size_t count) {
    if (next_ > CatalogueCapacity) {
        return {};
    }
    const auto free =
        static_cast<std::size_t>(CatalogueCapacity) + 1 - static_cast<std::size_t>(next_);
    const int given = static_cast<int>(std::min(count, free));
    const std::span<MovieRecord> room = catalogue_.freeSlots(next_, given);
    if (given > 0) {
        room_ = room.data();
        roomFirst_ = next_;
        roomEnd_ = std::max(roomEnd_, next_ + given - 1);
    }
    return room;
}

TakeIn::Verdict TakeIn::judge(std::string_view name) {
    if (next_ > CatalogueCapacity) {
        if (index().find(name) != nullptr) {
            ++counts_.alreadyPresent;
            return Verdict::AlreadyPresent;
        }
        notTakenIn_.push_back(NameIndex::hash(name));
        return Verdict::LeftOut;
    }
    // A name judged alone is looked up: only offer() keeps to the rising names.
    if (index().find(name) != nullptr) {
        ++counts_.alreadyPresent;
        return Verdict::AlreadyPresent;
    }
    return Verdict::Added;
}

MovieRecord& TakeIn::placeNext(const MovieRecord& record) {
    assert(next_ <= CatalogueCapacity);
    // A slot of the room handed out is ready; any other is made ready first.
    MovieRecord* place = next_ >= roomFirst_ && next_ <= roomEnd_
                             ? room_ + (next_ - roomFirst_)
                             : &catalogue_.freeSlots(next_, 1).front();
    if (next_ > roomEnd_) {
        room_ = place;
        roomFirst_ = roomEnd_ = next_;
    }
    if (place != &record) {
        std::memcpy(place, &record, sizeof record);
    }
    return *place;
}

void TakeIn::take(const MovieRecord& record) {
    const MovieRecord& place = placeNext(record);
    index().insert(nameOf(place), next_);
    ++next_;
    ++counts_.added;
}

TakeIn::Verdict TakeIn::offer(const MovieRecord& record) {
    if (next_ > CatalogueCapacity) {
        return judge(nameOf(record));
    }
    // Put in place first, so that the index can view the name where it stays.
    const std::string_view name = nameOf(placeNext(record));
    if (arriving_) {
        // The common case of an open, decided by one comparison with the last name.
        if (arriving_->takeRising(name)) {
            ++next_;
            ++counts_.added;
            return Verdict::Added;
        }
        index();
    }
    if (!index_->insert(name, next_).second) {
        ++counts_.alreadyPresent;
        return Verdict::AlreadyPresent;
    }
    ++next_;
    ++counts_.added;
    return Verdict::Added;
}

void TakeIn::gather(const MovieRecord& record) {
    if (unjudged() && next_ > CatalogueCapacity) {
        // The repeats among the names gathered free their slots before any name is left out.
        index();
    }
    if (next_ > CatalogueCapacity || !arriving_) {
        offer(record);
        return;
    }
    const std::string_view name = nameOf(placeNext(record));
    if (!arriving_->inOrder() || !arriving_->takeRising(name)) {
        arriving_->take(name);
    }
    ++next_;
    ++counts_.added;
}

LargeVector<std::string_view> TakeIn::namesTaken() const {
    LargeVector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(next_ - firstTaken_));
    for (int n = firstTaken_; n < next_; ++n) {
        names.push_back(nameOf(catalogue_.slot(n)));
    }
    return names;
}

void TakeIn::dropRepeats() {
    if (!unjudged()) {
        return;
    }
    const std::vector<bool> repeated = arriving_->keepFirstOfEach();
    const std::span<MovieRecord> taken = catalogue_.freeSlots(firstTaken_, next_ - firstTaken_);
    std::size_t kept = 0;
    for (std::size_t k = 0; k < taken.size(); ++k) {
        if (!repeated[k]) {
            if (kept != k) {
                std::memcpy(&taken[kept], &taken[k], sizeof(MovieRecord));
            }
            ++kept;
        }
    }
    const auto repeats = static_cast<int>(taken.size() - kept);
    next_ -= repeats;
    counts_.added -= repeats;
    counts_.alreadyPresent += repeats;
}

TakeInCounts TakeIn::finish(Marks marks) {
    dropRepeats();
    // Slots not taken into use keep none of the bytes read into them.
    if (roomEnd_ >= next_) {
        const std::span<MovieRecord> rest = catalogue_.freeSlots(next_, roomEnd_ - next_ + 1);
        std::memset(static_cast<void*>(rest.data()), 0, rest.size_bytes());
    }
    catalogue_.takeIntoUse(next_ - 1, marks == Marks::Unsaved);
    if (arriving_) {
        list_.addAll(std::move(*arriving_));
    } else {
        list_.addAll(namesTaken());
    }
    std::sort(notTakenIn_.begin(), notTakenIn_.end());
    counts_.leftOut =
        std::distance(notTakenIn_.begin(), std::unique(notTakenIn_.begin(), notTakenIn_.end()));
    return counts_;
}

}  // namespace reelcase

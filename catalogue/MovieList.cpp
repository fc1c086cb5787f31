#include "catalogue/MovieList.h"

#include <algorithm>
#include <iterator>

#include "catalogue/NameCollation.h"

namespace reelcase {

int MovieList::add(std::string name) {
    Entry entry{std::move(name), {}};
    entry.key = collationKey(entry.name);
    const auto it = std::upper_bound(entries_.begin(), entries_.end(), entry,
                                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    const auto position = static_cast<int>(it - entries_.begin());
    if (observer_ != nullptr) {
        observer_->entryAboutToInsert(position);
    }
    entries_.insert(it, std::move(entry));
    if (selected_ >= position) {
        ++selected_;
    }
    if (observer_ != nullptr) {
        observer_->entryInserted(position);
    }
    return position;
}

void MovieList::addAll(std::vector<std::string> names) {
    if (names.empty()) {
        return;
    }
    std::vector<Entry> added;
    added.reserve(names.size());
    for (auto& name : names) {
        std::string key = collationKey(name);
        added.push_back({std::move(name), std::move(key)});
    }
    const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    std::stable_sort(added.begin(), added.end(), byKey);
    if (observer_ != nullptr) {
        observer_->listAboutToReset();
    }
    // Entries already listed came first, so they stay ahead of equal newcomers.
    std::vector<Entry> merged;
    merged.reserve(entries_.size() + added.size());
    std::merge(std::make_move_iterator(entries_.begin()), std::make_move_iterator(entries_.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
               std::back_inserter(merged), byKey);
    entries_ = std::move(merged);
    selected_ = -1;
    if (observer_ != nullptr) {
        observer_->listReset();
    }
}

void MovieList::clear() {
    if (observer_ != nullptr) {
        observer_->listAboutToReset();
    }
    entries_.clear();
    selected_ = -1;
    if (observer_ != nullptr) {
        observer_->listReset();
    }
}

void MovieList::removeAt(int position) {
    if (position < 0 || position >= size()) {
        return;
    }
    if (observer_ != nullptr) {
        observer_->entryAboutToRemove(position);
    }
    entries_.erase(entries_.begin() + position);
    if (selected_ == position) {
        selected_ = -1;
    } else if (selected_ > position) {
        --selected_;
    }
    if (observer_ != nullptr) {
        observer_->entryRemoved(position);
    }
}

void MovieList::replaceAt(int position, std::string name) {
    if (position < 0 || position >= size()) {
        return;
    }
    auto& entry = entries_[static_cast<std::size_t>(position)];
    entry.key = collationKey(name);
    entry.name = std::move(name);
    if (observer_ != nullptr) {
        observer_->entryChanged(position);
    }
}

}  // namespace reelcase

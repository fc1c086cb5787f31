#include "catalogue/MovieList.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace reelcase {

namespace {

std::string_view shownPart(std::string_view name) {
    return name.size() > NameRoom ? name.substr(0, NameRoom) : name;
}

// Sorts items as std::sort(first, last, less) would, for a less that orders by the 16 key
// bytes first: a radix sort on those bytes, most significant first and in place, leaves only
// small groups, and groups whose 16 bytes are all equal, to less. 100,000 names take a few
// passes instead of some 1.7 million comparisons, each a likely wrong branch guess.
template <typename Item, typename Less>
void sortByKeyBytes(Item* first, Item* last, const Less& less, int byte = 0) {
    constexpr std::ptrdiff_t kSmall = 32;
    const auto byteOf = [](const Item& item, int at) {
        const std::uint64_t half = at < 8 ? item.high : item.low;
        return static_cast<std::size_t>((half >> (56 - 8 * (at % 8))) & 0xFFU);
    };
    while (byte < 16 && last - first > kSmall) {
        std::array<std::size_t, 256> count{};
        for (const Item* p = first; p != last; ++p) {
            ++count[byteOf(*p, byte)];
        }
        if (count[byteOf(*first, byte)] == static_cast<std::size_t>(last - first)) {
            ++byte;  // every item has this byte: the next one decides
            continue;
        }
        std::array<std::size_t, 256> next{};
        std::array<std::size_t, 256> end{};
        std::size_t sum = 0;
        for (std::size_t b = 0; b < 256; ++b) {
            next[b] = sum;
            sum += count[b];
            end[b] = sum;
        }
        // Each item is swapped straight into its byte's group.
        for (std::size_t b = 0; b < 256; ++b) {
            while (next[b] < end[b]) {
                Item item = first[next[b]];
                std::size_t to = byteOf(item, byte);
                while (to != b) {
                    std::swap(item, first[next[to]++]);
                    to = byteOf(item, byte);
                }
                first[next[b]++] = item;
            }
        }
        std::size_t from = 0;
        for (std::size_t b = 0; b < 256; ++b) {
            if (count[b] > 1) {
                sortByKeyBytes(first + from, first + end[b], less, byte + 1);
            }
            from = end[b];
        }
        return;
    }
    std::sort(first, last, less);
}

// items sorted by key and, within a key, by name: moves the first of each name to the front,
// equal keys in the order they came (by index), and the repeats behind them, each marked in
// repeated. Returns how many were kept.
template <typename Item, typename SameKey, typename SameName>
std::size_t keepFirstInEachKey(LargeVector<Item>& items, const SameKey& sameKey,
                               const SameName& sameName, std::vector<bool>& repeated) {
    std::size_t kept = 0;
    LargeVector<Item> left;
    for (std::size_t first = 0; first < items.size();) {
        std::size_t end = first + 1;
        while (end < items.size() && sameKey(items[first], items[end])) {
            ++end;
        }
        const std::size_t keptFirst = kept;
        for (std::size_t k = first; k < end; ++k) {
            if (k > first && sameName(items[k], items[k - 1])) {
                repeated[items[k].index] = true;
                left.push_back(items[k]);
            } else {
                items[kept++] = items[k];
            }
        }
        // Names that differ only in letter case are listed in the order they came.
        if (kept - keptFirst > 1) {
            std::sort(items.begin() + static_cast<std::ptrdiff_t>(keptFirst),
                      items.begin() + static_cast<std::ptrdiff_t>(kept),
                      [](const Item& a, const Item& b) { return a.index < b.index; });
        }
        first = end;
    }
    std::copy(left.begin(), left.end(), items.begin() + static_cast<std::ptrdiff_t>(kept));
    return kept;
}

// Makes entry k what entries[items[k].index] was. The permutation's cycles are followed in
// place, which takes no second table of entries; items' indexes are used up.
template <typename Entry, typename Item>
void putInOrder(LargeVector<Entry>& entries, LargeVector<Item>& items) {
    for (std::size_t start = 0; start < items.size(); ++start) {
        if (items[start].index == start) {
            continue;
        }
        const Entry first = entries[start];
        std::size_t at = start;
        while (items[at].index != start) {
            const std::size_t from = items[at].index;
            entries[at] = entries[from];
            items[at].index = static_cast<unsigned>(at);
            at = from;
        }
        entries[at] = first;
        items[at].index = static_cast<unsigned>(at);
    }
}

}  // namespace

MovieList::Entry MovieList::makeEntry(std::string_view name) {
    name = shownPart(name);
    const CollationPrefix key = collationPrefix(name);
    Entry entry;
    entry.high = key.high;
    entry.low = key.low;
    std::memcpy(entry.name.data(), name.data(), name.size());
    entry.length = static_cast<unsigned char>(name.size());
    return entry;
}

bool MovieList::keyLess(const Entry& a, const Entry& b) {
    if (a.high != b.high) {
        return a.high < b.high;
    }
    if (a.low != b.low) {
        return a.low < b.low;
    }
    return collationKey(a.text()) < collationKey(b.text());
}

template <typename NameAt>
int MovieList::keyOrder(const SortItem& a, const SortItem& b, const NameAt& nameAt) {
    if (a.high != b.high) {
        return a.high < b.high ? -1 : 1;
    }
    if (a.low != b.low) {
        return a.low < b.low ? -1 : 1;
    }
    const CollationKey ka = collationKey(shownPart(nameAt(a.index)));
    const CollationKey kb = collationKey(shownPart(nameAt(b.index)));
    return ka < kb ? -1 : static_cast<int>(kb < ka);
}

// Sorting small items that carry the first 16 key bytes keeps the sort in cache; only ties
// look at the whole keys. The entries are then made once, in their place.
LargeVector<MovieList::Entry> MovieList::sortedEntries(std::span<const std::string_view> names) {
    LargeVector<SortItem> items;
    items.reserve(names.size());
    for (unsigned i = 0; i < names.size(); ++i) {
        const CollationPrefix key = collationPrefix(shownPart(names[i]));
        items.push_back({key.high, key.low, i});
    }
    const auto nameAt = [&names](unsigned i) { return names[i]; };
    const auto before = [&nameAt](const SortItem& a, const SortItem& b) {
        const int order = keyOrder(a, b, nameAt);
        return order < 0 || (order == 0 && a.index < b.index);
    };
    // A file this program saved is in list order already: one pass tells.
    if (!std::is_sorted(items.begin(), items.end(), before)) {
        sortByKeyBytes(items.data(), items.data() + items.size(), before);
    }
    LargeVector<Entry> sorted(items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        const std::string_view name = shownPart(names[items[k].index]);
        Entry& entry = sorted[k];
        entry.high = items[k].high;
        entry.low = items[k].low;
        std::memcpy(entry.name.data(), name.data(), name.size());
        entry.length = static_cast<unsigned char>(name.size());
    }
    return sorted;
}

int MovieList::positionOf(std::string_view name) const {
    const Entry wanted = makeEntry(name);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), wanted, keyLess);
    for (; it != entries_.end() && !keyLess(wanted, *it); ++it) {
        if (it->text() == name.substr(0, NameRoom)) {
            return static_cast<int>(it - entries_.begin());
        }
    }
    return -1;
}

int MovieList::add(std::string_view name) {
    return add(name, {});
}

int MovieList::add(std::string_view name, const std::function<int()>& equalBefore) {
    ++revision_;
    const Entry entry = makeEntry(name);
    auto it = std::upper_bound(entries_.begin(), entries_.end(), entry, keyLess);
    if (equalBefore) {
        const auto first = std::lower_bound(entries_.begin(), it, entry, keyLess);
        if (first != it) {
            it = first + std::clamp<std::ptrdiff_t>(equalBefore(), 0, it - first);
        }
    }
    const auto position = static_cast<int>(it - entries_.begin());
    if (observer_ != nullptr) {
        observer_->entryAboutToInsert(position);
    }
    entries_.insert(it, entry);
    if (selected_ >= position) {
        ++selected_;
    }
    if (observer_ != nullptr) {
        observer_->entryInserted(position);
    }
    return position;
}

void MovieList::addAll(std::span<const std::string_view> names) {
    ++revision_;
    if (names.empty()) {
        return;
    }
    LargeVector<Entry> added = sortedEntries(names);
    if (observer_ != nullptr) {
        observer_->listAboutToReset();
    }
    if (entries_.empty()) {
        entries_ = std::move(added);
    } else {
        // Entries already listed came first, so they stay ahead of equal newcomers.
        LargeVector<Entry> merged;
        merged.reserve(entries_.size() + added.size());
        auto old = entries_.begin();
        for (const Entry& next : added) {
            while (old != entries_.end() && !keyLess(next, *old)) {
                merged.push_back(*old++);
            }
            merged.push_back(next);
        }
        merged.insert(merged.end(), old, entries_.end());
        entries_ = std::move(merged);
    }
    selected_ = -1;
    if (observer_ != nullptr) {
        observer_->listReset();
    }
}

bool MovieList::ArrivingNames::takeRising(std::string_view name) {
    const Entry entry = makeEntry(name);
    if (!entries_.empty() && !keyLess(entries_.back(), entry)) {
        return false;
    }
    entries_.push_back(entry);
    return true;
}

void MovieList::ArrivingNames::take(std::string_view name) {
    entries_.push_back(makeEntry(name));
    rising_ = rising_ && (entries_.size() < 2 || keyLess(entries_.end()[-2], entries_.back()));
}

std::vector<bool> MovieList::ArrivingNames::keepFirstOfEach() {
    std::vector<bool> repeated(entries_.size(), false);
    if (rising_) {
        return repeated;
    }
    LargeVector<SortItem> items;
    items.reserve(entries_.size());
    for (unsigned i = 0; i < entries_.size(); ++i) {
        items.push_back({entries_[i].high, entries_[i].low, i});
    }
    const auto nameAt = [this](unsigned i) { return entries_[i].text(); };
    // Equal keys by the names' bytes, so that a name's repeats follow it, its first time first.
    sortByKeyBytes(items.data(), items.data() + items.size(),
                   [&nameAt](const SortItem& a, const SortItem& b) {
                       if (const int order = keyOrder(a, b, nameAt); order != 0) {
                           return order < 0;
                       }
                       const std::string_view nameA = nameAt(a.index);
                       const std::string_view nameB = nameAt(b.index);
                       return nameA < nameB || (nameA == nameB && a.index < b.index);
                   });
    const std::size_t kept = keepFirstInEachKey(
        items,
        [&nameAt](const SortItem& a, const SortItem& b) { return keyOrder(a, b, nameAt) == 0; },
        [&nameAt](const SortItem& a, const SortItem& b) {
            return nameAt(a.index) == nameAt(b.index);
        },
        repeated);
    putInOrder(entries_, items);
    entries_.resize(kept);
    rising_ = true;
    return repeated;
}

void MovieList::addAll(ArrivingNames&& names) {
    assert(names.rising_);
    listSorted(names.entries_);
}

void MovieList::takeEntriesOf(MovieList& other) {
    assert(other.observer_ == nullptr);
    ++other.revision_;
    other.selected_ = -1;
    listSorted(other.entries_);
}

void MovieList::listSorted(LargeVector<Entry>& entries) {
    assert(entries_.empty());
    ++revision_;
    if (entries.empty()) {
        return;
    }
    assign(std::move(entries));
    entries.clear();
}

void MovieList::replaceAll(std::span<const std::string_view> names) {
    assign(sortedEntries(names));
}

void MovieList::replaceAll(std::span<const std::string_view> names, Kept& kept) {
    assign(sortedEntries(names), &kept);
}

void MovieList::restore(Kept& kept) {
    assign(std::move(kept.entries));
    kept.entries.clear();
}

void MovieList::assign(LargeVector<Entry> entries, Kept* keep) {
    ++revision_;
    if (observer_ != nullptr) {
        observer_->listAboutToReset();
    }
    if (keep != nullptr) {
        keep->entries = std::move(entries_);
    }
    entries_ = std::move(entries);
    selected_ = -1;
    if (observer_ != nullptr) {
        observer_->listReset();
    }
}

void MovieList::clear() {
    ++revision_;
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
    ++revision_;
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

void MovieList::replaceAt(int position, std::string_view name) {
    ++revision_;
    if (position < 0 || position >= size()) {
        return;
    }
    entries_[static_cast<std::size_t>(position)] = makeEntry(name);
    if (observer_ != nullptr) {
        observer_->entryChanged(position);
    }
}

}  // namespace reelcase

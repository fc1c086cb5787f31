#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/LargeBlocks.h"
#include "catalogue/NameCollation.h"

namespace reelcase {

// Told of every change to a MovieList, so that a view can follow it.
class MovieListObserver {
  public:
    virtual ~MovieListObserver() = default;
    virtual void listAboutToReset() = 0;
    virtual void listReset() = 0;
    virtual void entryAboutToInsert(int position) = 0;
    virtual void entryInserted(int position) = 0;
    virtual void entryAboutToRemove(int position) = 0;
    virtual void entryRemoved(int position) = 0;
    virtual void entryChanged(int position) = 0;
};

// The names the main list shows, in the list's order: sorted by collationKey as names are
// added, equal names in the order they came. It is the working set of the file, export and
// editing commands, so it lives outside any widget. Entries are fixed-size, so 100,000 of
// them are filled and sorted without an allocation each.
class MovieList {
  public:
    void setObserver(MovieListObserver* observer) { observer_ = observer; }

    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    std::string_view at(int position) const {
        return entries_[static_cast<std::size_t>(position)].text();
    }

    // The position of an entry equal to name in a list in sorted order, or -1.
    int positionOf(std::string_view name) const;
    // Files one name at its sorted position, after the equal ones; returns that position.
    int add(std::string_view name);
    // The same, but when equal ones are listed, after as many of them as equalBefore tells.
    int add(std::string_view name, const std::function<int()>& equalBefore);
    // Files many names as if added one by one, in the order given.
    void addAll(std::span<const std::string_view> names);
    // Names with their keys, made as they arrive and listed later in one go.
    class ArrivingNames;
    // The same for such names into an empty list: nothing to sort, no key made again. They
    // must be in list order (taken rising, or put in order by keepFirstOfEach()).
    void addAll(ArrivingNames&& names);
    // The entries of other, a list without observer, into an empty list; other is left empty.
    void takeEntriesOf(MovieList& other);
    // The same into an emptied list, with one reset for the view instead of two.
    void replaceAll(std::span<const std::string_view> names);
    // The same, putting the entries listed so far aside into kept instead of dropping them.
    struct Kept;
    void replaceAll(std::span<const std::string_view> names, Kept& kept);
    // Lists the entries put aside again, as they were; kept is left empty.
    void restore(Kept& kept);
    void clear();
    void removeAt(int position);
    // Replaces an entry's text where it stands: it keeps its place until the next refill.
    void replaceAt(int position, std::string_view name);

    // Changes with every change of the entries, so a command can tell whether the list was
    // refilled while one of its dialogs was open.
    std::uint64_t revision() const { return revision_; }

    int selected() const { return selected_; }
    void select(int position) { selected_ = position; }
    bool hasSelection() const { return selected_ >= 0 && selected_ < size(); }

  private:
    // The first 16 bytes of the name's collation key, as two numbers that compare as the
    // bytes do, and the name: 48 bytes. The rest of the key is made again from the name when
    // two entries' first 16 bytes are equal.
    struct Entry {
        std::uint64_t high;
        std::uint64_t low;
        std::array<char, NameRoom> name;
        unsigned char length;
        std::string_view text() const { return {name.data(), length}; }
    };
    static Entry makeEntry(std::string_view name);
    // Whether a's key sorts before b's.
    static bool keyLess(const Entry& a, const Entry& b);
    // What a sort moves: the first 16 key bytes, as in Entry, and where the name is in names.
    struct SortItem {
        std::uint64_t high;
        std::uint64_t low;
        unsigned index;
    };
    // Negative, zero or positive as a's key sorts before, with or after b's; nameAt(index)
    // gives the names.
    template <typename NameAt>
    static int keyOrder(const SortItem& a, const SortItem& b, const NameAt& nameAt);
    // The names' entries in stable key order.
    static LargeVector<Entry> sortedEntries(std::span<const std::string_view> names);

    // Lists entries, in list order, into an empty list; entries is left empty.
    void listSorted(LargeVector<Entry>& entries);
    // Lists entries with one reset; the entries listed so far go to keep, if given.
    void assign(LargeVector<Entry> entries, Kept* keep = nullptr);

    LargeVector<Entry> entries_;
    int selected_ = -1;
    std::uint64_t revision_ = 0;
    MovieListObserver* observer_ = nullptr;
};

class MovieList::ArrivingNames {
  public:
    explicit ArrivingNames(std::size_t expected) { entries_.reserve(expected); }
    // Takes name if it sorts strictly after every name taken so far; otherwise takes nothing.
    // Mostly the first 16 key bytes tell, so the whole keys are made only for near twins.
    bool takeRising(std::string_view name);
    // Takes name wherever it sorts: keepFirstOfEach() then puts the names in order.
    void take(std::string_view name);
    // Puts the names taken in list order, equal keys in the order they came, and leaves out
    // each name that came before (exactly, case counts). Returns, for every name in the order
    // taken, whether it was left out. Sorting puts a name's repeats beside it, so that no
    // index of the names is needed.
    std::vector<bool> keepFirstOfEach();
    // Whether the names taken so far are in list order.
    bool inOrder() const { return rising_; }

  private:
    friend class MovieList;
    LargeVector<Entry> entries_;
    bool rising_ = true;
};

struct MovieList::Kept {
    LargeVector<MovieList::Entry> entries;
};

}  // namespace reelcase

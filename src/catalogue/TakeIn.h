#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "catalogue/NameIndex.h"

namespace reelcase {

// What one taking in of movies did.
struct TakeInCounts {
    int added = 0;
    int alreadyPresent = 0;  // names listed before, or met earlier in the same taking in
    long long leftOut = 0;   // new names the full table could not take, each counted once
};

// The one way movies join a catalogue beside those it holds, shared by opening a file, an
// import and adding from a folder, so that all three keep the same rule: a movie whose Name is
// already listed (exactly, case counts), or came earlier, is dropped and the listed record
// stays; the others fill the free slots after those in use, none above CatalogueCapacity;
// past that, each new name is only counted. finish() takes the filled slots into use and lists
// their names at once. The caller owns the undo step (a CatalogueStepScope around it all), and
// the list must show the whole catalogue.
class TakeIn {
  public:
    enum class Verdict { Added, AlreadyPresent, LeftOut };
    // How finish() leaves the unsaved flag: an open leaves it as it was, other commands set it.
    enum class Marks { Nothing, Unsaved };

    // expected: about how many movies will be offered, for the room the names take.
    TakeIn(Catalogue& catalogue, MovieList& list, std::size_t expected);
    TakeIn(const TakeIn&) = delete;
    TakeIn& operator=(const TakeIn&) = delete;

    // The slot the next movie taken in goes to; CatalogueCapacity + 1 when the table is full.
    int nextSlot() const { return next_; }

    // Up to count free slots from nextSlot() on, for a reader to put movies where they will
    // lie; each is then offered in order. Empty when the table is full. Whatever bytes are
    // left in slots not taken in are cleared by finish().
    std::span<MovieRecord> room(std::size_t count);

    // Decides on a movie of this name without taking it: AlreadyPresent and LeftOut are
    // counted; Added means take() may follow with a record of exactly this name.
    Verdict judge(std::string_view name);
    // Puts record into nextSlot() and lists its name; judge() said Added for that name just
    // before.
    void take(const MovieRecord& record);
    // judge() and, where it says so, take(). record may lie in room() at or after nextSlot().
    Verdict offer(const MovieRecord& record);
    // offer() for a reader that needs no verdict: once the names stop rising, each is taken in
    // unjudged and the repeats are found together by the one sort the list needs anyway, so
    // that a file in any order is read without an index of its names.
    void gather(const MovieRecord& record);

    // Takes the filled slots into use, clears what room() left in the others and lists the
    // new names. Call it once, at the end.
    TakeInCounts finish(Marks marks);

  private:
    // The names listed and taken in so far, indexed: from the first name that does not rise.
    NameIndex& index();
    // Copies record into nextSlot() unless it lies there already.
    MovieRecord& placeNext(const MovieRecord& record);
    // The names in the slots taken in so far, in slot order.
    LargeVector<std::string_view> namesTaken() const;
    // Whether the slots from firstTaken_ on hold names gather() took in without a verdict
    // (arriving_ holds their entries): the names stopped rising, and the list is empty.
    bool unjudged() const { return arriving_ && !arriving_->inOrder(); }
    // Leaves out the names that gather() took in unjudged and that came before, closing the
    // gaps they leave in the slots.
    void dropRepeats();

    Catalogue& catalogue_;
    MovieList& list_;
    const int firstTaken_;
    int next_;
    // The free slots made ready last (room_ is slot roomFirst_), and the last slot written.
    MovieRecord* room_ = nullptr;
    int roomFirst_ = 0;
    int roomEnd_;
    std::size_t expected_;
    // Into an empty list, while names rise strictly in list order (as this program saves them),
    // none can repeat one before it: they are listed as they come, which spares a catalogue
    // of our own every lookup and sort. Once they stop rising, offer() indexes them, and
    // gather() keeps taking them in unjudged.
    std::optional<MovieList::ArrivingNames> arriving_;
    std::optional<NameIndex> index_;
    std::vector<std::uint64_t> notTakenIn_;  // hashes of new names past the table's end
    TakeInCounts counts_;
};

}  // namespace reelcase

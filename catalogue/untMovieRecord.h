#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "catalogue/CatalogueHistory.h"
#include "catalogue/LargeBlocks.h"

namespace reelcase {

inline constexpr int CatalogueCapacity = 100000;

// One movie, byte for byte as it lies in memory and in a catalogue file. Texts are a length
// byte followed by single-byte characters; the bytes after the length carry no meaning.
struct MovieRecord {
    std::uint8_t Name[30];
    std::uint8_t Genre[9];
    std::uint8_t Format[4];
    std::uint8_t Rating[16];
    std::uint8_t PersonalInfo[201];
    std::int32_t Length;
    std::int32_t Quality;
    std::int32_t Size;
};

inline constexpr std::size_t RecordSize = 272;
// The characters a name and a genre can hold: their fields less the length byte.
inline constexpr std::size_t NameRoom = sizeof(MovieRecord::Name) - 1;
inline constexpr std::size_t GenreRoom = sizeof(MovieRecord::Genre) - 1;
static_assert(sizeof(MovieRecord) == RecordSize);
static_assert(offsetof(MovieRecord, Genre) == 30);
static_assert(offsetof(MovieRecord, Format) == 39);
static_assert(offsetof(MovieRecord, Rating) == 43);
static_assert(offsetof(MovieRecord, PersonalInfo) == 59);
static_assert(offsetof(MovieRecord, Length) == 260);
static_assert(offsetof(MovieRecord, Quality) == 264);
static_assert(offsetof(MovieRecord, Size) == 268);
static_assert(std::endian::native == std::endian::little,
              "records hold little-endian integers and are copied as blocks");

// A stored length byte above the field's room (a damaged or foreign file) reads as the room.
template <std::size_t N>
std::string_view fieldText(const std::uint8_t (&field)[N]) {
    const std::size_t len = field[0] < N - 1 ? field[0] : N - 1;
    return {reinterpret_cast<const char*>(field + 1), len};
}

// Longer text is cut to the field's room; the bytes after the new length stay as they were.
template <std::size_t N>
void setFieldText(std::uint8_t (&field)[N], std::string_view text) {
    const std::size_t len = text.size() < N - 1 ? text.size() : N - 1;
    field[0] = static_cast<std::uint8_t>(len);
    for (std::size_t i = 0; i < len; ++i) {
        field[i + 1] = static_cast<std::uint8_t>(text[i]);
    }
}

inline std::string_view nameOf(const MovieRecord& r) {
    return fieldText(r.Name);
}

// The vocabularies: the real items, then one empty entry at the index of the filters'
// all-items entry.
inline constexpr std::array<std::string_view, 10> GenreNames = {
    "Action", "Thriller", "Comedy", "Drama", "Horror", "Family", "SF", "Anime", "Fantasy", ""};
inline constexpr std::array<std::string_view, 7> RatingNames = {
    "Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good", "Perfect Movie", ""};
inline constexpr std::array<std::string_view, 6> FormatNames = {"AVI", "ASF", "MPG",
                                                                "DVD", "RM",  ""};
inline constexpr int QualityCount = 5;

// The one table of movies, slots numbered 1..CatalogueCapacity, allocated once for the run,
// with the count of slots in use, the current file and the unsaved flag. They change only
// through the operations below, each of which leaves them consistent, so that a save may run
// at any moment (from inside a modal dialog, or when the desktop session ends) and still see
// every movie in use.
class Catalogue {
  public:
    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    const MovieRecord& slot(int number) const;
    // Slots 1..movieCount() are in use; an empty Name among them is a deleted movie.
    int movieCount() const { return movieCount_; }
    bool full() const { return movieCount_ >= CatalogueCapacity; }
    // First slot from 1 to movieCount() whose Name equals name exactly; 0 when there is none.
    int findByName(std::string_view name) const;
    // The catalogue file that Save writes: absolute and clean, or empty.
    const QString& currentFileName() const { return currentFileName_; }
    bool unsavedChanges() const { return unsavedChanges_; }
    // Changes with every change to the slots in use or their count, so that what was worked
    // out from them can be told still valid.
    std::uint64_t revision() const { return revision_; }

    // The editing commands. Each marks the catalogue changed.
    // Puts record into the next free slot and returns its number; the table must not be full.
    int addMovie(const MovieRecord& record);
    void replaceMovie(int number, const MovieRecord& record);
    // Empties the slot's Name and Genre; the slot stays in use as a hole.
    void deleteMovie(int number);

    // A new, empty catalogue: no slot in use (their bytes stay) and no current file, so that
    // the next Save cannot write the new catalogue over the old one.
    void startNew();

    // Taking in a file: its records are read into the free slots after those in use, which
    // no save looks at, and then taken into use together. freeSlots gives count slots from
    // first on, which lie one after another.
    std::span<MovieRecord> freeSlots(int first, int count);
    void takeIntoUse(int lastSlot);
    // About to take in count records: the free slots they will fill are made ready on
    // another thread meanwhile (the kernel fills their pages).
    void expectToTakeIn(int count);

    // The file that a complete open read or a save wrote; path must be absolute and clean.
    void setCurrentFileName(const QString& path);
    void forgetCurrentFileName() { currentFileName_.clear(); }
    // The catalogue on disk equals this state: the unsaved flag clears, and comes back when
    // undo or redo moves away from this state.
    void markSaved();

    // Undo and redo. Changes made between beginStep and endStep are one step; a step that
    // changed nothing is dropped. The unsaved flag follows the steps: it is clear exactly at
    // the last saved or opened state. undo and redo return the step they applied, or nullptr.
    void beginStep(const QString& text);
    void endStep();
    const CatalogueStep* undo();
    const CatalogueStep* redo();
    const CatalogueHistory& history() const { return history_; }

  private:
    MovieRecord& usedSlot(int number);
    // Keeps the slot's bytes before its first change within the open step.
    void recordBefore(int number);
    // The same for slots first..last at once.
    void recordBefore(int first, int last);
    // Turns the step's range of fresh slots into one change per slot.
    static void spellOutFreshSlots(CatalogueStep& step);
    // Puts the step's kept bytes into the table and keeps the table's instead.
    void swapSlots(CatalogueStep& step);

    ZeroedBlock table_;
    MovieRecord* slots_;                           // CatalogueCapacity records in table_
    std::optional<PagesFilledAhead> filledAhead_;  // ends before table_ goes
    int movieCount_ = 0;
    QString currentFileName_;
    bool unsavedChanges_ = false;

    CatalogueHistory history_;
    std::uint64_t savedPosition_ = 0;
    bool stepOpen_ = false;
    CatalogueStep openStep_;
    std::uint32_t stepSerial_ = 0;
    ZeroedArray<std::uint32_t> recordedInStep_;  // by slot: the serial of the step that kept it
    int highestWritten_ = 0;
    std::uint64_t revision_ = 0;  // slots above it still hold zero bytes only
};

// Makes the changes of one command one step, also when the command returns early.
class CatalogueStepScope {
  public:
    CatalogueStepScope(Catalogue& catalogue, const QString& text) : catalogue_(catalogue) {
        catalogue_.beginStep(text);
    }
    ~CatalogueStepScope() { catalogue_.endStep(); }
    CatalogueStepScope(const CatalogueStepScope&) = delete;
    CatalogueStepScope& operator=(const CatalogueStepScope&) = delete;

  private:
    Catalogue& catalogue_;
};

}  // namespace reelcase

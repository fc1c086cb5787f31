#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include <QString>

#include "catalogue/CatalogueHistory.h"
#include "catalogue/LargeBlocks.h"
#include "catalogue/untMovieRecord.h"

namespace reelcase {

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

    // Taking in movies: they are put into the free slots after those in use, which no save
    // looks at, and then taken into use together. freeSlots gives count slots from first on,
    // which lie one after another. An open leaves the unsaved flag as it was; other commands
    // that take movies in mark the catalogue changed when they took any.
    std::span<MovieRecord> freeSlots(int first, int count);
    void takeIntoUse(int lastSlot, bool marksChanged = false);
    // Takes in the movies that other read into its free slots from 1 on, other left with
    // none, as if they were read here: the tables change places instead of being copied.
    // Only a catalogue none of whose slots was ever used can: false for any other.
    bool takeTableOf(Catalogue& other);

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
    // The open step's text, for a command whose step is named by what it turned out to do.
    void nameStep(const QString& text);
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
    // Puts the step's kept bytes into the table and keeps the table's instead.
    void swapSlots(CatalogueStep& step);

    ZeroedBlock table_;
    MovieRecord* slots_;  // CatalogueCapacity records in table_
    int movieCount_ = 0;
    // The highest slot ever handed out: those above it are all zero without a look, which
    // would take their pages from the kernel.
    int touched_ = 0;
    QString currentFileName_;
    bool unsavedChanges_ = false;

    CatalogueHistory history_;
    std::uint64_t savedPosition_ = 0;
    bool stepOpen_ = false;
    CatalogueStep openStep_;
    std::vector<bool> recordedInStep_;  // by slot: kept by the open step
    std::uint64_t revision_ = 0;
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

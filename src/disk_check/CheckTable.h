#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalogue/Catalogue.h"
#include "disk_check/CheckApplying.h"
#include "disk_check/CheckPlan.h"
#include "folder_add/FolderAddTable.h"
#include "folder_add/FolderMeasuring.h"

namespace reelcase {

// A movie's length, size, quality and format as the catalogue keeps them.
struct MovieValues {
    int length = 0;   // whole minutes
    int size = 0;     // whole megabytes
    int quality = 0;  // the stored item, 1 to 5
    QString format;
    bool operator==(const MovieValues&) const = default;
};
MovieValues storedValues(const MovieRecord& record);

// A catalogue movie whose files now measure otherwise, or cannot be measured.
struct ChangedRow {
    int slot = 0;
    QString name;
    QStringList files;
    MovieValues before;
    MovieValues after;
    QString failure;  // why the files could not be measured; such a row cannot be checked
    bool checked = false;
};

// A catalogue movie that no file of the folders matched. Its texts are read from its slot
// when shown: a check of a disk not yet filled can leave a hundred thousand such rows.
struct MissingRow {
    int slot = 0;
    bool checked = false;
};

// The check window's four groups without the window, filled as the files are measured:
// Changed (checked: take the new values), Not found (unchecked: checking deletes), New files
// (rows of the folder window), and the count of movies in step. The catalogue does not change
// while the table lives.
class CheckTable {
  public:
    explicit CheckTable(const Catalogue& catalogue);

    void setPlan(CheckPlan plan);
    // Takes measured parts in. The new files' rows fill, movies that measure as stored are
    // counted in step, and those that do not are handed back, to be put in with
    // insertChanged (a view announces each row before it comes).
    std::vector<ChangedRow> takeMeasured(const std::vector<MeasuredPart>& parts);
    // Where row goes in the Changed group, which is in the list's order.
    int changedPosition(const ChangedRow& row) const;
    void insertChanged(int position, ChangedRow row);
    // takeMeasured and insertChanged at once, for a caller without a view.
    void takeAllMeasured(const std::vector<MeasuredPart>& parts);

    const std::vector<ChangedRow>& changed() const { return changed_; }
    const std::vector<MissingRow>& missing() const { return missing_; }
    const MovieRecord& movie(int slot) const { return catalogue_.slot(slot); }
    FolderAddTable& newFiles() { return newFiles_; }
    const FolderAddTable& newFiles() const { return newFiles_; }
    int inStep() const { return inStep_; }
    // Matched movies whose files are still being measured.
    int awaitingMeasure() const { return awaiting_; }
    // Every movie in step: nothing changed, missing or new.
    bool allInStep() const;

    void setChangedChecked(int row, bool checked);
    void setMissingChecked(int row, bool checked);
    int checkedDeletions() const;
    CheckChoices choices() const;

  private:
    bool before(int slotA, int slotB) const;

    const Catalogue& catalogue_;
    CheckPlan plan_;
    std::vector<int> newRowOf_;  // by movie: its row among the new files, or -1
    // By movie: the measures of a matched movie's files as they come.
    std::vector<std::vector<std::optional<FileMeasure>>> matchedParts_;
    FolderAddTable newFiles_;
    std::vector<ChangedRow> changed_;
    std::vector<MissingRow> missing_;
    int inStep_ = 0;
    int awaiting_ = 0;
};

}  // namespace reelcase

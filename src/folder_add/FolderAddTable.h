#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalogue/Catalogue.h"
#include "catalogue/NameIndex.h"
#include "editing/MovieEditor.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/PartGrouping.h"

namespace reelcase {

enum class RowStatus {
    Measuring,
    New,
    AlreadyInCatalogue,
    SameNameTwice,
    NameCut,
    Unreadable,
    ChooseFormat
};

struct FolderRow {
    QString name;
    QStringList files;
    int format = FormatToChoose;
    bool formatFromExtension = true;  // false: the user chooses it in the row's box
    std::vector<std::optional<FileMeasure>> parts;
    // Filled once every part is measured.
    bool measured = false;
    QString failure;
    std::int64_t minutes = 0;
    std::int64_t megabytes = 0;
    int quality = -1;
    // The row's own genre and rating; none: the batch's.
    std::optional<int> genre;
    std::optional<int> rating;
    bool checked = false;
    bool checkTouched = false;  // the user set the check box: statuses no longer set it
    RowStatus status = RowStatus::Measuring;
};

// The folder window's table without the window: a row per movie, filled as its files are
// measured, with the statuses that decide which rows are checked. Length, size and quality
// follow the "Analyse File(s)" arithmetic: whole minutes and whole megabytes per file,
// summed, and the quality from the last file's megabytes.
class FolderAddTable {
  public:
    explicit FolderAddTable(const Catalogue& catalogue);

    void setMovies(const std::vector<FolderMovie>& movies);
    // Takes measured parts in; returns the rows that changed.
    std::vector<int> takeMeasured(const std::vector<MeasuredPart>& parts);

    int size() const { return static_cast<int>(rows_.size()); }
    const FolderRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    int genreOf(int index) const;
    int ratingOf(int index) const;
    QString statusText(int index) const;
    // A row can be checked once it is measured, readable and has a format.
    bool checkable(int index) const;

    // The user's edits. A name that is empty or holds no storable character is refused.
    bool setName(int index, const QString& name);
    void setFormat(int index, int format);
    void setChecked(int index, bool checked);
    void setGenre(int index, int genre);
    void setRating(int index, int rating);
    void setBatchGenre(int genre);
    void setBatchRating(int rating);
    int batchGenre() const { return batchGenre_; }
    int batchRating() const { return batchRating_; }

    // The checked rows as the add/modify dialog's form would hold them.
    std::vector<MovieForm> checkedForms() const;
    MovieForm formOf(int index) const;

  private:
    void refreshStatuses();

    const Catalogue& catalogue_;
    // The catalogue's names in use, for the Add command's duplicate rule; the catalogue does
    // not change while the table is shown.
    NameIndex inCatalogue_;
    std::vector<FolderRow> rows_;
    // The Add dialog's defaults.
    int batchGenre_ = 0;
    int batchRating_ = 2;
};

// A folder movie's name as the record keeps it: single-byte and cut to its field.
std::string storedMovieName(const QString& name);

// The text of a status as the table shows it.
QString statusText(RowStatus status);

}  // namespace reelcase

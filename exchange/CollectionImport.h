#pragma once

#include <span>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalogue/LargeBlocks.h"
#include "catalogue/MovieList.h"
#include "catalogue/untMovieRecord.h"
#include "exchange/Collection.h"

namespace reelcase {

class ByteTable;
class WorkProgress;

struct NameCut {
    int line = 0;
    QString name;  // as the source has it
    QString cut;   // as the catalogue keeps it
};

struct ValueNotMapped {
    int line = 0;
    QString field;  // "genre", "format", "rating", "length", "quality", "size"
    QString value;
};

// What an import did, told to the user at its end.
struct ImportReport {
    int added = 0;
    int alreadyPresent = 0;
    long long leftOut = 0;  // movies the full table could not take in
    std::vector<NameCut> namesCut;
    std::vector<ValueNotMapped> valuesNotMapped;
    std::vector<RowNotRead> rowsNotRead;
    QStringList columnsIgnored;

    // True when something was not taken in as it stood.
    bool hasFindings() const {
        return leftOut > 0 || !namesCut.empty() || !valuesNotMapped.empty() || !rowsNotRead.empty();
    }
    // Lines ended by "\n"; at most detailLimit detail lines under each heading (0: all).
    QString text(int detailLimit = 0) const;
};

// A movie of the source as a catalogue record: texts in single-byte form and cut to their
// fields, values mapped onto the vocabularies; what could not be mapped is left empty (0 for
// numbers) and noted in report.
MovieRecord recordOf(const CollectionEntry& entry, const ByteTable& table, ImportReport& report);

struct TakeInOutcome {
    int added = 0;
    int alreadyPresent = 0;
    long long leftOut = 0;
};

// Takes records into the slots after those in use as opening a catalogue file does: a record
// whose Name is already listed (exactly, case counts), or came earlier in records, is
// dropped; every other name is added to the list and it is in use. No slot above
// CatalogueCapacity is touched. Marks the catalogue changed when anything was added.
TakeInOutcome takeInMovies(std::span<const MovieRecord> records, Catalogue& catalogue,
                           MovieList& list);

// A collection read and converted into records, not yet taken in: what the work off the
// window's thread hands to it. The report lacks only what taking in decides.
struct MappedCollection {
    int error = 0;    // the source could not be read: an errno value
    QString problem;  // or what is wrong with its content
    LargeVector<MovieRecord> records;
    ImportReport report;
};

// Converts the collection's movies; stops early when progress is cancelled.
MappedCollection mapCollection(const Collection& collection, WorkProgress* progress = nullptr);
// Reads the file at path and converts its movies.
MappedCollection readAndMapCollection(const QString& path, WorkProgress* progress = nullptr);
// Takes the converted movies in and completes the report.
ImportReport takeInMapped(const MappedCollection& mapped, Catalogue& catalogue, MovieList& list);

// The whole import: the collection's movies converted and taken in, with its report.
ImportReport importCollection(const Collection& collection, Catalogue& catalogue, MovieList& list);

}  // namespace reelcase

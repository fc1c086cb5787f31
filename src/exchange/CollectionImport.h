#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalogue/Catalogue.h"
#include "catalogue/LargeBlocks.h"
#include "catalogue/MovieList.h"
#include "exchange/Collection.h"

namespace reelcase {

class ByteTable;
class StorableText;
class WorkProgress;

struct NameCut {
    int line = 0;
    QString name;  // as the source has it
    QString cut;   // as the catalogue keeps it
};

// A text kept otherwise than the source has it: letters written as plain ones, characters
// with no form in the catalogue, control characters dropped, a note cut to its field.
struct TextChanged {
    int line = 0;
    QString field;  // "name" or "note"
    QString from;
    QString to;  // as the catalogue keeps it
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
    FirstFew<NameCut> namesCut;
    FirstFew<TextChanged> textsChanged;
    // Names with characters the catalogue cannot hold, even as plain letters, and names
    // whose plain form is one already listed: such movies are left out.
    FirstFew<NameCut> namesNotStorable;
    QString encoding;  // how the source's text was read, where it was text
    FirstFew<ValueNotMapped> valuesNotMapped;
    FirstFew<RowNotRead> rowsNotRead;
    QStringList columnsIgnored;

    // True when something was not taken in as it stood.
    bool hasFindings() const {
        return leftOut > 0 || !namesCut.empty() || !valuesNotMapped.empty() ||
               !rowsNotRead.empty() || !textsChanged.empty() || !namesNotStorable.empty();
    }
    // Lines ended by "\n"; at most detailLimit detail lines under each heading (0: all that
    // were kept).
    QString text(int detailLimit = 0) const;
};

// A movie of the source as a catalogue record: texts in single-byte form and cut to their
// fields, values mapped onto the vocabularies; what could not be mapped is left empty (0 for
// numbers) and noted in report. Nothing for a movie whose name the catalogue cannot hold.
// nameChanged tells whether the name is kept otherwise than the source has it.
std::optional<MovieRecord> recordOf(const CollectionEntry& entry, const StorableText& text,
                                    ImportReport& report, bool& nameChanged);

// A collection read and converted into records, not yet taken in: what the work off the
// window's thread hands to it. The report lacks only what taking in decides.
struct MappedCollection {
    int error = 0;    // the source could not be read: an errno value
    QString problem;  // or what is wrong with its content
    LargeVector<MovieRecord> records;
    std::vector<std::size_t> changedNames;  // indexes into records
    std::vector<int> changedNameLines;      // the source line of each
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

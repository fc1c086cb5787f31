#include "exchange/CollectionImport.h"

#include <algorithm>
#include <cstring>

#include <QFileInfo>

#include "catalogue/NameIndex.h"
#include "exchange/ByteTable.h"
#include "exchange/Vocabulary.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

template <std::size_t N>
void setText(std::uint8_t (&field)[N], const QString& text, const ByteTable& table) {
    setFieldText(field, table.toSingleByte(text));
}

// Notes keep their line breaks as CR LF, whatever the source used.
QString withCrLf(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r'))) {
            out += QLatin1Char('\r');
        }
        out += c;
        if (c == QLatin1Char('\r') &&
            (i + 1 == text.size() || text.at(i + 1) != QLatin1Char('\n'))) {
            out += QLatin1Char('\n');
        }
    }
    return out;
}

std::optional<int> megabytes(const QString& value) {
    QString text = value.trimmed();
    if (text.endsWith(QLatin1String("mb"), Qt::CaseInsensitive)) {
        text.chop(2);
    }
    return wholeNumber(text);
}

void appendDetails(QString& out, const QString& heading, std::size_t count,
                   const std::vector<QString>& lines, int limit) {
    out += QStringLiteral("%1: %2\n").arg(heading).arg(count);
    const std::size_t shown =
        limit > 0 ? std::min(lines.size(), static_cast<std::size_t>(limit)) : lines.size();
    for (std::size_t i = 0; i < shown; ++i) {
        out += QStringLiteral("  ") + lines[i] + QLatin1Char('\n');
    }
    if (shown < lines.size()) {
        out += QStringLiteral("  ... and %1 more\n").arg(lines.size() - shown);
    }
}

}  // namespace

MovieRecord recordOf(const CollectionEntry& entry, const ByteTable& table, ImportReport& report) {
    MovieRecord r{};
    const std::string name = table.toSingleByte(entry.name);
    setFieldText(r.Name, name);
    if (name.size() > sizeof r.Name - 1) {
        report.namesCut.push_back({entry.line, entry.name, table.toUnicode(nameOf(r))});
    }
    const auto notMapped = [&](const char* field, const QString& value) {
        report.valuesNotMapped.push_back({entry.line, QLatin1String(field), value});
    };

    bool genreFound = false;
    for (const QString& g : entry.genres) {
        if (const auto item = genreItem(g)) {
            setFieldText(r.Genre, *item);
            genreFound = true;
            break;
        }
    }
    if (!genreFound && !entry.genres.isEmpty()) {
        notMapped("genre", entry.genres.join(QStringLiteral(", ")));
    }
    if (!QStringView(entry.format).trimmed().isEmpty()) {
        if (const auto item = formatItem(entry.format)) {
            setFieldText(r.Format, *item);
        } else {
            notMapped("format", entry.format);
        }
    }
    if (!QStringView(entry.rating).trimmed().isEmpty()) {
        if (const auto item = ratingItem(entry.rating)) {
            setFieldText(r.Rating, *item);
        } else {
            notMapped("rating", entry.rating);
        }
    }
    if (!QStringView(entry.length).trimmed().isEmpty()) {
        if (const auto minutes = runningMinutes(entry.length)) {
            r.Length = *minutes;
        } else {
            notMapped("length", entry.length);
        }
    }
    // 0 is how this program and others write "no mark given".
    const QStringView quality = QStringView(entry.quality).trimmed();
    if (!quality.isEmpty() && quality != QLatin1String("0") && quality != QLatin1String("0/5")) {
        if (const auto mark = qualityItem(entry.quality)) {
            r.Quality = *mark;
        } else {
            notMapped("quality", entry.quality);
        }
    }
    if (!QStringView(entry.size).trimmed().isEmpty()) {
        if (const auto mb = megabytes(entry.size)) {
            r.Size = *mb;
        } else {
            notMapped("size", entry.size);
        }
    }
    setText(r.PersonalInfo, withCrLf(entry.info), table);
    return r;
}

// The one place where an import writes into the catalogue's slots and count.
TakeInOutcome takeInMovies(std::span<const MovieRecord> records, Catalogue& catalogue,
                           MovieList& list) {
    TakeInOutcome outcome;
    NameIndex listed(static_cast<std::size_t>(list.size()) + records.size());
    for (int i = 0; i < list.size(); ++i) {
        listed.insert(list.at(i), 0);
    }
    LargeVector<std::string_view> added;
    added.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        // A name already listed is dropped before it could need a slot. The index may view
        // the record's own name: records outlives it.
        const auto [slot, fresh] = listed.insert(nameOf(records[i]), 0);
        if (!fresh) {
            ++outcome.alreadyPresent;
            continue;
        }
        if (catalogue.full()) {
            outcome.leftOut = static_cast<long long>(records.size() - i);
            break;
        }
        *slot = catalogue.addMovie(records[i]);
        added.push_back(nameOf(catalogue.slot(*slot)));
        ++outcome.added;
    }
    list.addAll(added);
    return outcome;
}

namespace {

// What the reading found besides the movies, into the report.
void finishMapping(const Collection& collection, MappedCollection& mapped) {
    mapped.error = collection.error;
    mapped.problem = collection.problem;
    ImportReport& report = mapped.report;
    report.rowsNotRead.insert(report.rowsNotRead.end(), collection.rowsNotRead.begin(),
                              collection.rowsNotRead.end());
    report.columnsIgnored = collection.columnsIgnored;
    std::sort(report.rowsNotRead.begin(), report.rowsNotRead.end(),
              [](const RowNotRead& a, const RowNotRead& b) { return a.line < b.line; });
}

}  // namespace

MappedCollection mapCollection(const Collection& collection, WorkProgress* progress) {
    MappedCollection mapped;
    const ByteTable table;
    mapped.records.reserve(collection.entries.size());
    for (std::size_t i = 0; i < collection.entries.size(); ++i) {
        if (progress != nullptr && i % 256 == 0 && progress->cancelled()) {
            return mapped;
        }
        mapped.records.push_back(recordOf(collection.entries[i], table, mapped.report));
    }
    finishMapping(collection, mapped);
    return mapped;
}

// Each movie is converted as it is read, so that no copy of the whole source is kept.
MappedCollection readAndMapCollection(const QString& path, WorkProgress* progress) {
    MappedCollection mapped;
    // Room for as many movies as a file of that size holds at the most likely; taking the
    // room costs nothing until it is used, growing it copies every record read so far.
    constexpr qint64 kFewestBytesPerMovie = 48;
    mapped.records.reserve(static_cast<std::size_t>(
        std::clamp<qint64>(QFileInfo(path).size() / kFewestBytesPerMovie, 16,
                           2 * static_cast<qint64>(CatalogueCapacity))));
    const ByteTable table;
    const Collection collection =
        readCollectionFile(path, progress, [&](const CollectionEntry& entry) {
            mapped.records.push_back(recordOf(entry, table, mapped.report));
        });
    finishMapping(collection, mapped);
    return mapped;
}

ImportReport takeInMapped(const MappedCollection& mapped, Catalogue& catalogue, MovieList& list) {
    ImportReport report = mapped.report;
    const TakeInOutcome outcome = takeInMovies(mapped.records, catalogue, list);
    report.added = outcome.added;
    report.alreadyPresent = outcome.alreadyPresent;
    report.leftOut = outcome.leftOut;
    return report;
}

ImportReport importCollection(const Collection& collection, Catalogue& catalogue, MovieList& list) {
    return takeInMapped(mapCollection(collection), catalogue, list);
}

QString ImportReport::text(int detailLimit) const {
    QString out;
    out += QStringLiteral("Movies added: %1\n").arg(added);
    out += QStringLiteral("Already present: %1\n").arg(alreadyPresent);
    if (leftOut > 0) {
        out += QStringLiteral("Not taken in, the catalogue is full: %1\n").arg(leftOut);
    }
    std::vector<QString> lines;
    for (const NameCut& c : namesCut) {
        lines.push_back(
            QStringLiteral("line %1: \"%2\" kept as \"%3\"").arg(c.line).arg(c.name, c.cut));
    }
    appendDetails(out, QStringLiteral("Names cut"), namesCut.size(), lines, detailLimit);
    lines.clear();
    for (const ValueNotMapped& v : valuesNotMapped) {
        lines.push_back(QStringLiteral("line %1: %2 \"%3\" %4")
                            .arg(v.line)
                            .arg(v.field, v.value,
                                 v.field == QLatin1String("genre") ||
                                         v.field == QLatin1String("format") ||
                                         v.field == QLatin1String("rating")
                                     ? QStringLiteral("left empty")
                                     : QStringLiteral("left at 0")));
    }
    appendDetails(out, QStringLiteral("Values not mapped"), valuesNotMapped.size(), lines,
                  detailLimit);
    lines.clear();
    for (const RowNotRead& r : rowsNotRead) {
        lines.push_back(QStringLiteral("line %1: %2").arg(r.line).arg(r.reason));
    }
    appendDetails(out, QStringLiteral("Rows not read"), rowsNotRead.size(), lines, detailLimit);
    if (!columnsIgnored.isEmpty()) {
        out +=
            QStringLiteral("Columns ignored: %1\n").arg(columnsIgnored.join(QStringLiteral(", ")));
    }
    return out;
}

}  // namespace reelcase

#include "exchange/CollectionImport.h"

#include <algorithm>
#include <cstring>

#include <QFileInfo>

#include "catalogue/NameIndex.h"
#include "catalogue/TakeIn.h"
#include "exchange/ByteTable.h"
#include "exchange/StorableText.h"
#include "exchange/Vocabulary.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

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

// Control characters shown as the escapes a reader knows, so that a report line stays a line.
QString printable(const QString& text) {
    // A report line shows the start of an overlong text, not all of a hostile file's field.
    constexpr qsizetype kShown = 200;
    QString out;
    out.reserve(std::min(text.size(), kShown) + 1);
    for (const QChar c : text.left(kShown)) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            out += c == QLatin1Char('\r')   ? QStringLiteral("\\r")
                   : c == QLatin1Char('\n') ? QStringLiteral("\\n")
                                            : QStringLiteral("\\t");
        } else if (isControlCharacter(c.unicode())) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    if (text.size() > kShown) {
        out += QChar(0x2026);  // the ellipsis
    }
    return out;
}

// Writes a heading with the count and the first findings' lines (all kept ones where limit is
// 0), making a line only for what is shown.
template <typename T, typename LineOf>
void appendDetails(QString& out, const QString& heading, const FirstFew<T>& findings, int limit,
                   LineOf lineOf) {
    out += QStringLiteral("%1: %2\n").arg(heading).arg(findings.size());
    const std::size_t kept = findings.kept().size();
    const std::size_t shown = limit > 0 ? std::min(kept, static_cast<std::size_t>(limit)) : kept;
    for (std::size_t i = 0; i < shown; ++i) {
        out += QStringLiteral("  ") + lineOf(findings[i]) + QLatin1Char('\n');
    }
    if (shown < findings.size()) {
        out += QStringLiteral("  ... and %1 more\n").arg(findings.size() - shown);
    }
}

}  // namespace

namespace {
const QString kOnlyControls =
    QStringLiteral("nothing of it is left without its control characters");
}  // namespace

std::optional<MovieRecord> recordOf(const CollectionEntry& entry, const StorableText& text,
                                    ImportReport& report, bool& nameChanged) {
    MovieRecord r{};
    const StoredText name = text.convert(entry.name, false);
    if (name.unstorable) {
        report.namesNotStorable.push_back(
            {entry.line, entry.name, QStringLiteral("its characters have no form here")});
        return std::nullopt;
    }
    // A name of control characters only (NUL bytes in a damaged file) would be stored empty,
    // which is no movie's name: the row is reported, not taken in.
    if (name.bytes.find_first_not_of(' ') == std::string::npos) {
        report.namesNotStorable.push_back({entry.line, entry.name, kOnlyControls});
        return std::nullopt;
    }
    setFieldText(r.Name, name.bytes);
    nameChanged = name.plainLetters || name.controlsDropped;
    if (nameChanged) {
        report.textsChanged.push_back(
            {entry.line, QStringLiteral("name"), entry.name, text.table().toUnicode(nameOf(r))});
    }
    if (name.bytes.size() > sizeof r.Name - 1) {
        report.namesCut.push_back({entry.line, entry.name, text.table().toUnicode(nameOf(r))});
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
    const StoredText note = text.convert(withCrLf(entry.info), true);
    setFieldText(r.PersonalInfo, note.bytes);
    const bool noteCut = note.bytes.size() > sizeof r.PersonalInfo - 1;
    if (note.plainLetters || note.controlsDropped || note.unstorable || noteCut) {
        report.textsChanged.push_back({entry.line, QStringLiteral("note"), entry.info,
                                       text.table().toUnicode(fieldText(r.PersonalInfo))});
    }
    return r;
}

namespace {

const QString kPlainFormListed = QStringLiteral("its plain form is a name already listed");

// Converts the source's movies one by one, keeping each name once and no more movies than a
// table can ever take: a movie past that is only counted, so that a source of millions of
// rows takes no more memory than a full table.
class Mapping {
  public:
    // room: how many movies the source may hold, when known; a table's worth otherwise.
    Mapping(MappedCollection& mapped, std::size_t room)
        : mapped_(mapped),
          text_(ByteTable::shared()),
          room_(std::min<std::size_t>(room, CatalogueCapacity)),
          names_(room_) {
        // Never grown, so that the index's views into the kept names stay valid. A table's
        // worth of room costs little until used, but a few movies need no more than their own.
        mapped_.records.reserve(room_);
    }

    void take(const CollectionEntry& entry) {
        bool nameChanged = false;
        std::optional<MovieRecord> r = recordOf(entry, text_, mapped_.report, nameChanged);
        if (!r) {
            return;
        }
        ImportReport& report = mapped_.report;
        if (mapped_.records.size() == room_) {
            if (names_.find(nameOf(*r)) != nullptr) {
                ++report.alreadyPresent;
            } else {
                ++report.leftOut;
            }
            return;
        }
        mapped_.records.push_back(*r);
        if (!names_.insert(nameOf(mapped_.records.back()), 0).second) {
            mapped_.records.pop_back();
            if (nameChanged) {
                report.namesNotStorable.push_back(
                    {entry.line, text_.table().toUnicode(nameOf(*r)), kPlainFormListed});
            } else {
                ++report.alreadyPresent;
            }
            return;
        }
        if (nameChanged) {
            mapped_.changedNames.push_back(mapped_.records.size() - 1);
            mapped_.changedNameLines.push_back(entry.line);
        }
    }

  private:
    MappedCollection& mapped_;
    const StorableText text_;
    const std::size_t room_;
    NameIndex names_;
};

// What the reading found besides the movies, into the report.
void finishMapping(const Collection& collection, MappedCollection& mapped) {
    mapped.error = collection.error;
    mapped.problem = collection.problem;
    ImportReport& report = mapped.report;
    report.rowsNotRead.merge(collection.rowsNotRead, [](const RowNotRead& a, const RowNotRead& b) {
        return a.line < b.line;
    });
    report.columnsIgnored = collection.columnsIgnored;
    report.encoding = collection.encoding;
}

}  // namespace

MappedCollection mapCollection(const Collection& collection, WorkProgress* progress) {
    MappedCollection mapped;
    Mapping mapping(mapped, collection.entries.size());
    for (std::size_t i = 0; i < collection.entries.size(); ++i) {
        if (progress != nullptr && i % 256 == 0 && progress->cancelled()) {
            return mapped;
        }
        mapping.take(collection.entries[i]);
    }
    finishMapping(collection, mapped);
    return mapped;
}

// Each movie is converted as it is read, so that no copy of the whole source is kept.
MappedCollection readAndMapCollection(const QString& path, WorkProgress* progress) {
    MappedCollection mapped;
    Mapping mapping(mapped, CatalogueCapacity);
    const Collection collection = readCollectionFile(
        path, progress, [&](const CollectionEntry& entry) { mapping.take(entry); });
    finishMapping(collection, mapped);
    return mapped;
}

ImportReport takeInMapped(const MappedCollection& mapped, Catalogue& catalogue, MovieList& list) {
    ImportReport report = mapped.report;
    TakeIn takeIn(catalogue, list, mapped.records.size());
    FirstFew<NameCut> listedAlready;
    const ByteTable& table = ByteTable::shared();
    auto changed = mapped.changedNames.begin();
    for (std::size_t i = 0; i < mapped.records.size(); ++i) {
        if (takeIn.offer(mapped.records[i]) != TakeIn::Verdict::AlreadyPresent) {
            continue;
        }
        changed = std::lower_bound(changed, mapped.changedNames.end(), i);
        if (changed != mapped.changedNames.end() && *changed == i) {
            // Not the movie listed, but another whose name lost its letters' marks.
            --report.alreadyPresent;
            listedAlready.push_back({mapped.changedNameLines[static_cast<std::size_t>(
                                         std::distance(mapped.changedNames.begin(), changed))],
                                     table.toUnicode(nameOf(mapped.records[i])), kPlainFormListed});
        }
    }
    const TakeInCounts counts = takeIn.finish(TakeIn::Marks::Unsaved);
    report.namesNotStorable.merge(
        listedAlready, [](const NameCut& a, const NameCut& b) { return a.line < b.line; });
    report.added = counts.added;
    // Names met twice in the source, and movies past a full table's room, were counted
    // while mapping.
    report.alreadyPresent += counts.alreadyPresent;
    report.leftOut += counts.leftOut;
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
    appendDetails(out, QStringLiteral("Names cut"), namesCut, detailLimit, [](const NameCut& c) {
        return QStringLiteral("line %1: \"%2\" kept as \"%3\"")
            .arg(c.line)
            .arg(printable(c.name), c.cut);
    });
    if (!textsChanged.empty()) {
        appendDetails(out, QStringLiteral("Texts changed"), textsChanged, detailLimit,
                      [](const TextChanged& c) {
                          return QStringLiteral("line %1: %2 \"%3\" kept as \"%4\"")
                              .arg(c.line)
                              .arg(c.field, printable(c.from), printable(c.to));
                      });
    }
    if (!namesNotStorable.empty()) {
        appendDetails(out, QStringLiteral("Names not stored"), namesNotStorable, detailLimit,
                      [](const NameCut& c) {
                          return QStringLiteral("line %1: \"%2\" left out: %3")
                              .arg(c.line)
                              .arg(printable(c.name), c.cut);
                      });
    }
    appendDetails(out, QStringLiteral("Values not mapped"), valuesNotMapped, detailLimit,
                  [](const ValueNotMapped& v) {
                      const bool named = v.field == QLatin1String("genre") ||
                                         v.field == QLatin1String("format") ||
                                         v.field == QLatin1String("rating");
                      return QStringLiteral("line %1: %2 \"%3\" %4")
                          .arg(v.line)
                          .arg(v.field, v.value,
                               named ? QStringLiteral("left empty") : QStringLiteral("left at 0"));
                  });
    appendDetails(out, QStringLiteral("Rows not read"), rowsNotRead, detailLimit,
                  [](const RowNotRead& r) {
                      return QStringLiteral("line %1: %2").arg(r.line).arg(r.reason);
                  });
    if (!columnsIgnored.isEmpty()) {
        out +=
            QStringLiteral("Columns ignored: %1\n").arg(columnsIgnored.join(QStringLiteral(", ")));
    }
    if (!encoding.isEmpty()) {
        out += QStringLiteral("Read as: %1\n").arg(encoding);
    }
    return out;
}

}  // namespace reelcase

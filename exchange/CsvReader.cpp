// Comma-separated text from spreadsheets and other programs.
#include <QStringDecoder>

#include <algorithm>

#include "exchange/ByteTable.h"
#include "exchange/Collection.h"

namespace reelcase {

namespace {

enum class Column { Name, Genre, Format, Rating, Length, Quality, Size, Info, Other };

Column columnOf(const QString& heading) {
    const QString key = heading.simplified().toLower();
    struct Known {
        const char* heading;
        Column column;
    };
    static constexpr Known kKnown[] = {
        {"name", Column::Name},           {"title", Column::Name},
        {"movie", Column::Name},          {"genre", Column::Genre},
        {"format", Column::Format},       {"medium", Column::Format},
        {"rating", Column::Rating},       {"length", Column::Length},
        {"running time", Column::Length}, {"running-time", Column::Length},
        {"minutes", Column::Length},      {"quality", Column::Quality},
        {"size", Column::Size},           {"size (mb)", Column::Size},
        {"personal info", Column::Info},  {"personal note", Column::Info},
        {"notes", Column::Info},          {"comments", Column::Info},
    };
    for (const Known& k : kKnown) {
        if (key == QLatin1String(k.heading)) {
            return k.column;
        }
    }
    return Column::Other;
}

QString decoded(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return ByteTable().toUnicode(bytes);
}

// Splits text into records of fields, following the quoting rules of comma-separated text.
class RecordReader {
  public:
    RecordReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int line() const { return line_; }

    // Reads the next record. False with reason set when the record is broken; the reading
    // then goes on at the line after the one where the record began.
    bool next(QStringList& fields, QString& reason) {
        fields.clear();
        const qsizetype startPos = pos_;
        const int startLine = line_;
        const QChar* d = text_.constData();
        const qsizetype n = text_.size();
        while (true) {
            // Blanks before an opening quote or after a closing one are what some writers
            // put beside the separator; they are not part of the field.
            qsizetype quote = pos_;
            while (quote < n && (d[quote] == QLatin1Char(' ') || d[quote] == QLatin1Char('\t'))) {
                ++quote;
            }
            if (quote < n && d[quote] == QLatin1Char('"')) {
                pos_ = quote + 1;
                QString field;
                qsizetype segment = pos_;
                bool closed = false;
                while (pos_ < n) {
                    const QChar c = d[pos_++];
                    if (c == QLatin1Char('"')) {
                        field.append(QStringView(d + segment, pos_ - 1 - segment));
                        if (pos_ < n && d[pos_] == QLatin1Char('"')) {
                            ++pos_;
                            segment = pos_ - 1;  // the second quote starts the next piece
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    countLine(c);
                }
                if (!closed) {
                    reason = QStringLiteral("quote not closed");
                    resumeAfterLine(startPos, startLine);
                    return false;
                }
                while (pos_ < n && (d[pos_] == QLatin1Char(' ') || d[pos_] == QLatin1Char('\t'))) {
                    ++pos_;
                }
                if (pos_ < n && d[pos_] != separator_ && !isLineEnd(d[pos_])) {
                    reason = QStringLiteral("text after a closing quote");
                    resumeAfterLine(startPos, startLine);
                    return false;
                }
                fields.append(field);
            } else {
                const qsizetype start = pos_;
                while (pos_ < n && d[pos_] != separator_ && !isLineEnd(d[pos_])) {
                    ++pos_;
                }
                fields.append(text_.mid(start, pos_ - start));
            }
            if (pos_ < n && d[pos_] == separator_) {
                ++pos_;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

  private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

    // Inside quotes, CR LF, LF and a lone CR each count as one line.
    void countLine(QChar c) {
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (pos_ >= text_.size() || text_.at(pos_) != QLatin1Char('\n')))) {
            ++line_;
        }
    }

    void skipLineEnd() {
        if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('\r')) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('\n')) {
            ++pos_;
        }
        ++line_;
    }

    void resumeAfterLine(qsizetype startPos, int startLine) {
        pos_ = startPos;
        while (pos_ < text_.size() && !isLineEnd(text_.at(pos_))) {
            ++pos_;
        }
        line_ = startLine;
        skipLineEnd();
    }

    const QString& text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The header decides: semicolons outside quotes outnumbering commas make it semicolon text.
QChar separatorOf(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            break;
        } else if (!quoted && c == QLatin1Char(',')) {
            ++commas;
        } else if (!quoted && c == QLatin1Char(';')) {
            ++semicolons;
        }
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

bool blankRecord(const QStringList& fields) {
    return std::ranges::all_of(fields,
                               [](const QString& f) { return QStringView(f).trimmed().isEmpty(); });
}

}  // namespace

Collection readCsv(std::string_view bytes) {
    Collection result;
    const QString text = decoded(bytes);
    RecordReader reader(text, separatorOf(text));

    QStringList fields;
    QString reason;
    std::vector<Column> columns;
    bool haveHeader = false;
    while (!reader.atEnd() && !haveHeader) {
        const int line = reader.line();
        if (!reader.next(fields, reason)) {
            result.rowsNotRead.push_back({line, reason});
            continue;
        }
        if (blankRecord(fields)) {
            continue;
        }
        haveHeader = true;
        bool seen[static_cast<int>(Column::Other)] = {};
        for (const QString& heading : fields) {
            Column c = columnOf(heading);
            if (c != Column::Other && seen[static_cast<int>(c)]) {
                c = Column::Other;  // the first column of a kind counts
            } else if (c != Column::Other) {
                seen[static_cast<int>(c)] = true;
            }
            if (c == Column::Other && !heading.trimmed().isEmpty()) {
                result.columnsIgnored.append(heading.trimmed());
            }
            columns.push_back(c);
        }
        if (!seen[static_cast<int>(Column::Name)]) {
            result.problem = QStringLiteral("no Name column in the first row");
            return result;
        }
    }
    if (!haveHeader) {
        result.problem = QStringLiteral("no header row");
        return result;
    }

    while (!reader.atEnd()) {
        const int line = reader.line();
        if (!reader.next(fields, reason)) {
            result.rowsNotRead.push_back({line, reason});
            continue;
        }
        if (blankRecord(fields)) {
            continue;
        }
        // Empty fields beyond the header's columns are what some programs write at the end.
        while (fields.size() > static_cast<qsizetype>(columns.size()) &&
               QStringView(fields.back()).trimmed().isEmpty()) {
            fields.removeLast();
        }
        if (fields.size() != static_cast<qsizetype>(columns.size())) {
            result.rowsNotRead.push_back({line, QStringLiteral("%1 fields, the header has %2")
                                                    .arg(fields.size())
                                                    .arg(columns.size())});
            continue;
        }
        CollectionEntry entry;
        entry.line = line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString& value = fields.at(static_cast<qsizetype>(i));
            switch (columns[i]) {
                case Column::Name:
                    entry.name = value;
                    break;
                case Column::Genre:
                    if (!QStringView(value).trimmed().isEmpty()) {
                        entry.genres.append(value);
                    }
                    break;
                case Column::Format:
                    entry.format = value;
                    break;
                case Column::Rating:
                    entry.rating = value;
                    break;
                case Column::Length:
                    entry.length = value;
                    break;
                case Column::Quality:
                    entry.quality = value;
                    break;
                case Column::Size:
                    entry.size = value;
                    break;
                case Column::Info:
                    entry.info = value;
                    break;
                case Column::Other:
                    break;
            }
        }
        if (QStringView(entry.name).trimmed().isEmpty()) {
            result.rowsNotRead.push_back({line, QStringLiteral("no name")});
            continue;
        }
        result.entries.push_back(std::move(entry));
    }
    return result;
}

}  // namespace reelcase

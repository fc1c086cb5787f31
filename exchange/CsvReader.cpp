// Comma-separated text from spreadsheets and other programs.
#include <algorithm>
#include <deque>

#include <QStringDecoder>

#include "exchange/ByteTable.h"
#include "exchange/Collection.h"
#include "seams/BackgroundWork.h"

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

// The text of the file: UTF-8, or else the catalogue's code page. Decoded in pieces, so that
// a cancel is heard within a piece; empty when cancelled.
QString decoded(std::string_view bytes, WorkProgress* progress) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* end = text.data();
    for (std::size_t at = 0; at < bytes.size();) {
        if (progress != nullptr && progress->cancelled()) {
            return {};
        }
        // Pieces end before a character's continuation bytes, so none is split.
        std::size_t stop = std::min(at + kPiece, bytes.size());
        while (stop < bytes.size() && stop > at &&
               (static_cast<unsigned char>(bytes[stop]) & 0xC0) == 0x80) {
            --stop;
        }
        if (stop == at) {
            stop = std::min(at + kPiece, bytes.size());
        }
        end = utf8.appendToBuffer(
            end, QByteArrayView(bytes.data() + at, static_cast<qsizetype>(stop - at)));
        if (utf8.hasError()) {
            return ByteTable().toUnicode(bytes);
        }
        at = stop;
    }
    text.truncate(end - text.constData());
    return text;
}

// Splits text into records of fields, following the quoting rules of comma-separated text.
class RecordReader {
  public:
    RecordReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    qsizetype position() const { return pos_; }
    int line() const { return line_; }

    // Reads the next record as views into the text (or, for a field with doubled quotes,
    // into the reader), valid until the next call. False with reason set when the record is
    // broken; the reading then goes on at the line after the one where the record began.
    bool next(std::vector<QStringView>& fields, QString& reason) {
        fields.clear();
        unquoted_.clear();
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
                const qsizetype start = pos_;
                QString joined;  // the pieces between doubled quotes, when there are any
                qsizetype segment = pos_;
                bool doubled = false;
                bool closed = false;
                while (pos_ < n) {
                    const QChar c = d[pos_++];
                    if (c == QLatin1Char('"')) {
                        if (pos_ < n && d[pos_] == QLatin1Char('"')) {
                            joined.append(QStringView(d + segment, pos_ - segment));
                            doubled = true;
                            ++pos_;
                            segment = pos_;
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
                const qsizetype closeQuote = pos_ - 1;
                while (pos_ < n && (d[pos_] == QLatin1Char(' ') || d[pos_] == QLatin1Char('\t'))) {
                    ++pos_;
                }
                if (pos_ < n && d[pos_] != separator_ && !isLineEnd(d[pos_])) {
                    reason = QStringLiteral("text after a closing quote");
                    resumeAfterLine(startPos, startLine);
                    return false;
                }
                if (doubled) {
                    joined.append(QStringView(d + segment, closeQuote - segment));
                    unquoted_.push_back(std::move(joined));
                    fields.emplace_back(unquoted_.back());
                } else {
                    fields.emplace_back(d + start, closeQuote - start);
                }
            } else {
                const qsizetype start = pos_;
                while (pos_ < n && d[pos_] != separator_ && !isLineEnd(d[pos_])) {
                    ++pos_;
                }
                fields.emplace_back(d + start, pos_ - start);
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
    // Fields that held doubled quotes, as one text each; a deque, so views stay valid.
    std::deque<QString> unquoted_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// Gives text the value of view, keeping its room: one entry is filled row after row.
void assign(QString& text, QStringView view) {
    text.resize(0);
    text.append(view);
}

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

bool blankRecord(const std::vector<QStringView>& fields) {
    return std::ranges::all_of(fields, [](QStringView f) { return f.trimmed().isEmpty(); });
}

}  // namespace

Collection readCsv(std::string_view bytes, WorkProgress* progress, const EntrySink& sink) {
    Collection result;
    const QString text = decoded(bytes, progress);
    RecordReader reader(text, separatorOf(text));

    std::vector<QStringView> fields;
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
        for (const QStringView heading : fields) {
            Column c = columnOf(heading.toString());
            if (c != Column::Other && seen[static_cast<int>(c)]) {
                c = Column::Other;  // the first column of a kind counts
            } else if (c != Column::Other) {
                seen[static_cast<int>(c)] = true;
            }
            if (c == Column::Other && !heading.trimmed().isEmpty()) {
                result.columnsIgnored.append(heading.trimmed().toString());
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

    CollectionEntry entry;
    while (!reader.atEnd()) {
        if (progress != nullptr) {
            progress->setDone(reader.position(), text.size());
            if (progress->cancelled()) {
                return result;
            }
        }
        const int line = reader.line();
        if (!reader.next(fields, reason)) {
            result.rowsNotRead.push_back({line, reason});
            continue;
        }
        if (blankRecord(fields)) {
            continue;
        }
        // Empty fields beyond the header's columns are what some programs write at the end.
        while (fields.size() > columns.size() && fields.back().trimmed().isEmpty()) {
            fields.pop_back();
        }
        if (fields.size() != columns.size()) {
            result.rowsNotRead.push_back({line, QStringLiteral("%1 fields, the header has %2")
                                                    .arg(fields.size())
                                                    .arg(columns.size())});
            continue;
        }
        // Filled in place, row after row, when handed on one by one.
        entry.line = line;
        for (QString* kept : {&entry.name, &entry.format, &entry.rating, &entry.info, &entry.length,
                              &entry.quality, &entry.size}) {
            kept->resize(0);
        }
        entry.genres.clear();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QStringView value = fields[i];
            switch (columns[i]) {
                case Column::Name:
                    assign(entry.name, value);
                    break;
                case Column::Genre:
                    if (!value.trimmed().isEmpty()) {
                        entry.genres.append(value.toString());
                    }
                    break;
                case Column::Format:
                    assign(entry.format, value);
                    break;
                case Column::Rating:
                    assign(entry.rating, value);
                    break;
                case Column::Length:
                    assign(entry.length, value);
                    break;
                case Column::Quality:
                    assign(entry.quality, value);
                    break;
                case Column::Size:
                    assign(entry.size, value);
                    break;
                case Column::Info:
                    assign(entry.info, value);
                    break;
                case Column::Other:
                    break;
            }
        }
        if (QStringView(entry.name).trimmed().isEmpty()) {
            result.rowsNotRead.push_back({line, QStringLiteral("no name")});
            continue;
        }
        if (sink) {
            sink(entry);
        } else {
            result.entries.push_back(entry);
        }
    }
    return result;
}

}  // namespace reelcase

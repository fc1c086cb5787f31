// Comma-separated text from spreadsheets and other programs.
#include <unistd.h>
#include <algorithm>

#include <cerrno>
#include <deque>
#include <optional>

#include <QStringDecoder>
#include <QStringTokenizer>

#include "exchange/ByteTable.h"
#include "exchange/Collection.h"
#include "exchange/CsvFieldCut.h"
#include "exchange/ListExports.h"
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
        {"name", Column::Name},
        {"title", Column::Name},
        {"movie", Column::Name},
        {"genre", Column::Genre},
        {"format", Column::Format},
        {"medium", Column::Format},
        {"rating", Column::Rating},
        {"length", Column::Length},
        // Another catalogue program's mark out of five, as its own collection files carry it.
        {"personal rating", Column::Quality},
        {"running time", Column::Length},
        {"running-time", Column::Length},
        {"minutes", Column::Length},
        {"quality", Column::Quality},
        {"size", Column::Size},
        {"size (mb)", Column::Size},
        {"personal info", Column::Info},
        {"personal note", Column::Info},
        {"notes", Column::Info},
        {"comments", Column::Info},
    };
    for (const Known& k : kKnown) {
        if (key == QLatin1String(k.heading)) {
            return k.column;
        }
    }
    return Column::Other;
}

// The bytes read as UTF-8, where that is what they are.
std::optional<QString> asUtf8(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        return std::nullopt;
    }
    return text;
}

// Splits text into records of fields, following the quoting rules of comma-separated text.
class RecordReader {
  public:
    RecordReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    qsizetype position() const { return pos_; }
    int line() const { return line_; }

    enum class Read { Record, Broken, NeedMore };

    // Whether the text holds the end of the source: before it, a quote still open at the end
    // of the text may close in text still to come.
    void setFinal(bool final) { final_ = final; }
    // The text before the reading position was taken away.
    void rebase() { pos_ = 0; }

    // Reads the next record as views into the text (or, for a field with doubled quotes,
    // into the reader), valid until the next call. Broken with reason set when the record is
    // broken; the reading then goes on at the line after the one where the record began.
    // NeedMore leaves the reader where it was.
    Read next(std::vector<QStringView>& fields, QString& reason) {
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
                if (!closed && !final_) {
                    pos_ = startPos;
                    line_ = startLine;
                    return Read::NeedMore;
                }
                if (!closed) {
                    reason = QStringLiteral("quote not closed");
                    resumeAfterLine(startPos, startLine);
                    return Read::Broken;
                }
                const qsizetype closeQuote = pos_ - 1;
                while (pos_ < n && (d[pos_] == QLatin1Char(' ') || d[pos_] == QLatin1Char('\t'))) {
                    ++pos_;
                }
                if (pos_ < n && d[pos_] != separator_ && !isLineEnd(d[pos_])) {
                    reason = QStringLiteral("text after a closing quote");
                    resumeAfterLine(startPos, startLine);
                    return Read::Broken;
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
            return Read::Record;
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
    bool final_ = true;
};

// More than any field of a record holds, so that a cut is still seen and reported, but not a
// hostile file's hundred megabytes.
constexpr qsizetype kFieldRoom = 4096;

// Gives text the value of view, keeping its room: one entry is filled row after row.
void assign(QString& text, QStringView view) {
    text.resize(0);
    text.append(view.left(kFieldRoom));
}

// The genres of one cell, split where a list of them would be: at ";" and "/" too.
void appendGenres(QStringList& genres, QStringView cell) {
    for (const QStringView part : QStringTokenizer(cell, u';')) {
        for (const QStringView genre : QStringTokenizer(part, u'/')) {
            if (!genre.trimmed().isEmpty()) {
                genres.append(genre.trimmed().toString());
            }
        }
    }
}

bool blankRecord(const std::vector<QStringView>& fields) {
    return std::ranges::all_of(fields, [](QStringView f) { return f.trimmed().isEmpty(); });
}

// A text cell without the apostrophe that marks it as text in a spreadsheet, where the export
// puts one: before a formula's start or before an apostrophe. Any other apostrophe, as in
// "'Round Midnight", is the text's own.
QStringView cellText(QStringView field) {
    if (field.size() < 2 || field[0] != QLatin1Char('\'')) {
        return field;
    }
    const char16_t next = field[1].unicode();
    const bool marked =
        next == u'\'' ||
        (next < 0x80 && CsvFormulaStarts.find(static_cast<char>(next)) != std::string_view::npos);
    return marked ? field.sliced(1) : field;
}

}  // namespace

namespace {

// Text handed over in pieces, read row by row as the pieces come: only the rows not yet read
// are kept, so that a file of any size is read in little memory. Each line is read as UTF-8
// where it is that, and in the catalogue's code page where not, so that one odd byte far
// down changes how that line reads only.
class CsvStream {
  public:
    CsvStream(WorkProgress* progress, const EntrySink& sink, std::size_t totalBytes)
        : progress_(progress), sink_(sink), totalBytes_(totalBytes) {}

    // Takes the next bytes; false once the reading is to stop (cancelled, or no header).
    bool feed(std::string_view bytes) {
        if (stopped_) {
            return false;
        }
        fed_ += bytes.size();
        // Cut as it comes: no line handed on can grow past what CsvFieldCut lets through.
        cutter_.cut(bytes, pending_);
        if (first_ && pending_.size() >= 3) {
            if (pending_.starts_with("\xEF\xBB\xBF")) {
                pending_.erase(0, 3);
            }
            first_ = false;
        }
        std::size_t cut = pending_.rfind('\n');
        if (cut == std::string::npos && pending_.size() >= kOldLineEndPiece) {
            cut = pending_.rfind('\r');  // text with old line ends
        }
        if (cut == std::string::npos) {
            return true;
        }
        decode(std::string_view(pending_).substr(0, cut + 1));
        pending_.erase(0, cut + 1);
        return parse(false);
    }

    Collection finish() {
        if (!stopped_) {
            if (first_ && pending_.starts_with("\xEF\xBB\xBF")) {
                pending_.erase(0, 3);
            }
            decode(pending_);
            pending_.clear();
            parse(true);
        }
        if (!stopped_ && !haveHeader_ && result_.problem.isEmpty()) {
            result_.problem = QStringLiteral("no header row");
        }
        if (singleByteLines_ > 0) {
            result_.encoding =
                !utf8Seen_
                    ? QStringLiteral("Windows-1252")
                    : QStringLiteral("UTF-8, and Windows-1252 in %1 %2 (the first at line %3)")
                          .arg(singleByteLines_)
                          .arg(singleByteLines_ == 1 ? QStringLiteral("line")
                                                     : QStringLiteral("lines"))
                          .arg(firstSingleByte_);
        }
        return std::move(result_);
    }

  private:
    // A quoted field's lines, longer than any movie's row can be.
    static constexpr std::size_t kLongestLine = std::size_t{16} << 20;
    // Text whose lines end in CR alone is cut there, in pieces of this size: a CR at the end
    // of a smaller piece may be the first half of a CR LF.
    static constexpr std::size_t kOldLineEndPiece = std::size_t{1} << 20;

    void decode(std::string_view lines) {
        if (const std::optional<QString> utf8 = asUtf8(lines)) {
            text_ += *utf8;
            utf8Seen_ =
                utf8Seen_ || std::ranges::any_of(lines, [](char c) { return (c & 0x80) != 0; });
            decoderLine_ += std::ranges::count(lines, '\n');
            return;
        }
        for (std::size_t at = 0; at < lines.size(); ++decoderLine_) {
            const std::size_t end = std::min(lines.find('\n', at), lines.size() - 1) + 1;
            const std::string_view line = lines.substr(at, end - at);
            if (const std::optional<QString> utf8 = asUtf8(line)) {
                text_ += *utf8;
                utf8Seen_ =
                    utf8Seen_ || std::ranges::any_of(line, [](char c) { return (c & 0x80) != 0; });
            } else {
                text_ += table_.toUnicode(line);
                if (singleByteLines_++ == 0) {
                    firstSingleByte_ = static_cast<int>(decoderLine_);
                }
            }
            at = end;
        }
        if (!lines.empty() && lines.back() != '\n') {
            --decoderLine_;  // the last line goes on in the next piece
        }
    }

    bool parse(bool final) {
        if (!reader_) {
            reader_.emplace(text_, QLatin1Char(cutter_.separator()));
        }
        // A quote open over more text than a row can hold is taken as never closed.
        reader_->setFinal(final || static_cast<std::size_t>(text_.size()) > kLongestLine);
        int rows = 0;
        while (!reader_->atEnd()) {
            if (progress_ != nullptr && rows++ % 256 == 0) {
                progress_->setDone(static_cast<qint64>(fed_), static_cast<qint64>(totalBytes_));
                if (progress_->cancelled()) {
                    stopped_ = true;
                    result_.error = ECANCELED;
                    return false;
                }
            }
            const int line = reader_->line();
            const RecordReader::Read read = reader_->next(fields_, reason_);
            if (read == RecordReader::Read::NeedMore) {
                break;
            }
            if (read == RecordReader::Read::Broken) {
                result_.rowsNotRead.push_back({line, reason_});
                continue;
            }
            if (blankRecord(fields_)) {
                continue;
            }
            if (!haveHeader_) {
                if (!takeHeader()) {
                    stopped_ = true;
                    return false;
                }
                continue;
            }
            takeRow(line);
        }
        text_.remove(0, reader_->position());
        reader_->rebase();
        return true;
    }

    bool takeHeader() {
        haveHeader_ = true;
        bool seen[static_cast<int>(Column::Other)] = {};
        for (const QStringView heading : fields_) {
            Column c = columnOf(heading.toString());
            if (c != Column::Other && seen[static_cast<int>(c)]) {
                c = Column::Other;  // the first column of a kind counts
            } else if (c != Column::Other) {
                seen[static_cast<int>(c)] = true;
            }
            if (c == Column::Other && !heading.trimmed().isEmpty()) {
                result_.columnsIgnored.append(heading.trimmed().toString());
            }
            columns_.push_back(c);
        }
        if (!seen[static_cast<int>(Column::Name)]) {
            result_.problem = QStringLiteral("no Name column in the first row");
            return false;
        }
        return true;
    }

    void takeRow(int line) {
        // Empty fields beyond the header's columns are what some programs write at the end.
        while (fields_.size() > columns_.size() && fields_.back().trimmed().isEmpty()) {
            fields_.pop_back();
        }
        if (fields_.size() != columns_.size()) {
            result_.rowsNotRead.push_back({line, QStringLiteral("%1 fields, the header has %2")
                                                     .arg(fields_.size())
                                                     .arg(columns_.size())});
            return;
        }
        // Filled in place, row after row, when handed on one by one.
        CollectionEntry& entry = entry_;
        entry.line = line;
        for (QString* kept : {&entry.name, &entry.format, &entry.rating, &entry.info, &entry.length,
                              &entry.quality, &entry.size}) {
            kept->resize(0);
        }
        entry.genres.clear();
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const QStringView value = fields_[i];
            switch (columns_[i]) {
                case Column::Name:
                    assign(entry.name, cellText(value));
                    break;
                case Column::Genre:
                    // Programs that keep several genres list them in one cell.
                    for (const QStringView genre :
                         QStringTokenizer(cellText(value).left(kFieldRoom), u',')) {
                        appendGenres(entry.genres, genre);
                    }
                    break;
                case Column::Format:
                    assign(entry.format, cellText(value));
                    break;
                case Column::Rating:
                    assign(entry.rating, cellText(value));
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
                    assign(entry.info, cellText(value));
                    break;
                case Column::Other:
                    break;
            }
        }
        if (QStringView(entry.name).trimmed().isEmpty()) {
            result_.rowsNotRead.push_back({line, QStringLiteral("no name")});
            return;
        }
        if (sink_) {
            sink_(entry);
        } else {
            result_.entries.push_back(entry);
        }
    }

    WorkProgress* progress_;
    const EntrySink& sink_;
    std::size_t totalBytes_;
    std::size_t fed_ = 0;
    const ByteTable& table_ = ByteTable::shared();
    Collection result_;
    bool first_ = true;
    bool stopped_ = false;
    CsvFieldCut cutter_;
    std::string pending_;  // bytes after the last line end
    QString text_;         // decoded, not yet read
    long long decoderLine_ = 1;
    bool utf8Seen_ = false;
    int singleByteLines_ = 0;
    int firstSingleByte_ = 0;
    std::optional<RecordReader> reader_;
    std::vector<Column> columns_;
    bool haveHeader_ = false;
    std::vector<QStringView> fields_;
    QString reason_;
    CollectionEntry entry_;
};

}  // namespace

Collection readCsv(std::string_view bytes, WorkProgress* progress, const EntrySink& sink,
                   std::size_t pieceSize) {
    CsvStream stream(progress, sink, bytes.size());
    while (!bytes.empty() && stream.feed(bytes.substr(0, pieceSize))) {
        bytes.remove_prefix(std::min(pieceSize, bytes.size()));
    }
    return stream.finish();
}

Collection readCsvFile(int fd, std::size_t size, WorkProgress* progress, const EntrySink& sink) {
    CsvStream stream(progress, sink, size);
    std::string piece(std::size_t{4} << 20, '\0');
    while (true) {
        const ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Collection failed;
            failed.error = errno;
            return failed;
        }
        if (n == 0 || !stream.feed(std::string_view(piece.data(), static_cast<std::size_t>(n)))) {
            break;
        }
    }
    return stream.finish();
}

}  // namespace reelcase

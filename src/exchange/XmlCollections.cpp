// Collections of other catalogue programs kept as XML, read with Qt's stream reader.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include <QIODevice>
#include <QXmlStreamReader>

#include "exchange/Collection.h"
#include "exchange/ZipLibrary.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

QByteArray xmlBytes(std::string_view xml) {
    return QByteArray::fromRawData(xml.data(), static_cast<qsizetype>(xml.size()));
}

// What went wrong with the XML, as a row not read at the line where it went wrong.
void noteXmlError(const QXmlStreamReader& reader, Collection& result) {
    if (reader.hasError() && reader.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
        result.rowsNotRead.push_back({static_cast<int>(reader.lineNumber()),
                                      QStringLiteral("broken XML (%1); nothing after it was read")
                                          .arg(reader.errorString())});
    } else if (reader.hasError()) {
        result.rowsNotRead.push_back(
            {static_cast<int>(reader.lineNumber()),
             QStringLiteral("the file ends early; nothing after it was read")});
    }
}

// More than any field of a record holds, so that a cut is still seen, but not a hostile
// file's hundreds of megabytes.
constexpr qsizetype kFieldRoom = 4096;

// The text of the element the reader is at, cut at kFieldRoom; the text of elements inside it
// is passed over.
QString elementText(QXmlStreamReader& reader) {
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        switch (reader.readNext()) {
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (depth == 1 && text.size() < kFieldRoom) {
                    text += reader.text().left(kFieldRoom - text.size());
                }
                break;
            case QXmlStreamReader::StartElement:
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            default:
                break;
        }
    }
    return text;
}

// A file inside a zip archive, read as it is unpacked.
class ZipMember : public QIODevice {
  public:
    ZipMember(const ZipLibrary& zip, zip_file_t* file) : zip_(zip), file_(file) {
        open(QIODevice::ReadOnly);
    }
    ZipMember(const ZipMember&) = delete;
    ZipMember& operator=(const ZipMember&) = delete;
    ~ZipMember() override { zip_.zip_fclose(file_); }
    [[nodiscard]] bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const zip_int64_t n = zip_.zip_fread(file_, data, static_cast<zip_uint64_t>(maxSize));
        return n < 0 ? -1 : n;
    }
    qint64 writeData(const char* /*data*/, qint64 /*size*/) override { return -1; }

  private:
    const ZipLibrary& zip_;
    zip_file_t* file_;
};

// The XML of a device with every run of text cut after kLongestRun bytes, so that the stream
// reader, which keeps a text run whole, never holds a hostile file's hundreds of megabytes.
// A run is cut where a character starts and outside an entity, so what is left stays XML.
class TextRunLimit : public QIODevice {
  public:
    TextRunLimit(QIODevice& source, WorkProgress* progress) : source_(source), progress_(progress) {
        open(QIODevice::ReadOnly);
    }
    [[nodiscard]] bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 out = 0;
        while (out == 0) {
            // A run being dropped may be hundreds of megabytes long: a cancel is heard in it.
            if (progress_ != nullptr && progress_->cancelled()) {
                return -1;
            }
            buffer_.resize(static_cast<qsizetype>(std::min<qint64>(maxSize, 65536)));
            const qint64 n = source_.read(buffer_.data(), buffer_.size());
            if (n <= 0) {
                return n < 0 ? -1 : 0;
            }
            for (qint64 i = 0; i < n; ++i) {
                if (keep(buffer_[static_cast<qsizetype>(i)])) {
                    data[out++] = buffer_[static_cast<qsizetype>(i)];
                }
            }
        }
        return out;
    }
    qint64 writeData(const char* /*data*/, qint64 /*size*/) override { return -1; }

  private:
    static constexpr qint64 kLongestRun = 65536;

    bool keep(char c) {
        if (c == '<') {
            inText_ = false;
            dropping_ = false;
            return true;
        }
        if (c == '>') {
            inText_ = true;
            run_ = 0;
            return true;
        }
        if (!inText_) {
            return true;
        }
        if (dropping_) {
            return false;
        }
        const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (++run_ > kLongestRun && startsCharacter && !inEntity_) {
            dropping_ = true;
            return false;
        }
        inEntity_ = c == '&' || (inEntity_ && c != ';');
        return true;
    }

    QIODevice& source_;
    WorkProgress* progress_;
    QByteArray buffer_;
    bool inText_ = false;
    bool inEntity_ = false;
    bool dropping_ = false;
    qint64 run_ = 0;
};

// The character an HTML entity at text[at] ("&...;") stands for, and its length; nothing
// for what is not one (a bare "&" stays as it is).
std::optional<std::pair<QString, qsizetype>> entityAt(const QString& text, qsizetype at) {
    const qsizetype semicolon = text.indexOf(QLatin1Char(';'), at + 1);
    if (semicolon < 0 || semicolon - at > 10) {
        return std::nullopt;
    }
    const QStringView name = QStringView(text).mid(at + 1, semicolon - at - 1);
    const qsizetype length = semicolon - at + 1;
    static const std::pair<const char*, char16_t> kNamed[] = {{"amp", u'&'},   {"lt", u'<'},
                                                              {"gt", u'>'},    {"quot", u'"'},
                                                              {"apos", u'\''}, {"nbsp", u'\u00A0'}};
    for (const auto& [entity, c] : kNamed) {
        if (name == QLatin1String(entity)) {
            return std::pair{QString(QChar(c)), length};
        }
    }
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
            const char32_t c = code;
            return std::pair{QString::fromUcs4(&c, 1), length};
        }
    }
    return std::nullopt;
}

// Rich-text notes, read as HTML: their text, with line breaks where the markup breaks lines,
// each entity decoded once. A "<" that starts no tag ("5<6") is text.
QString plainNote(const QString& html) {
    QString text;
    text.reserve(html.size());
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html.at(i);
        const QChar next = i + 1 < html.size() ? html.at(i + 1) : QChar();
        if (c == QLatin1Char('<') && (next.isLetter() || next == QLatin1Char('/') ||
                                      next == QLatin1Char('!') || next == QLatin1Char('?'))) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i);
            if (close < 0) {
                text += QStringView(html).mid(i);
                break;
            }
            const QString tag = html.mid(i + 1, close - i - 1).trimmed().toLower();
            const auto isTag = [&tag](QLatin1String name) {
                return tag.startsWith(name) &&
                       (tag.size() == name.size() || !tag.at(name.size()).isLetterOrNumber());
            };
            // A line break, the end of a paragraph, or one that starts after text.
            const bool opens = isTag(QLatin1String("p")) || isTag(QLatin1String("div"));
            if (isTag(QLatin1String("br")) || isTag(QLatin1String("/p")) ||
                isTag(QLatin1String("/div")) ||
                (opens && !text.isEmpty() && !text.endsWith(QLatin1Char('\n')))) {
                text += QStringLiteral("\r\n");
            }
            i = close + 1;
            continue;
        }
        if (c == QLatin1Char('&')) {
            if (const auto entity = entityAt(html, i)) {
                text += entity->first;
                i += entity->second;
                continue;
            }
        }
        text += c;
        ++i;
    }
    return text.trimmed();
}

// A star mark out of five is the catalogue's quality mark.
QString starsOutOfFive(const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok && n == 0 ? QString() : value.trimmed();
}

// A mark out of ten, halved and rounded up; 0 means not rated.
QString marksOutOfTen(const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok) {
        return value.trimmed();
    }
    if (n == 0) {
        return {};
    }
    if (n < 0 || n > 10) {
        return QStringLiteral("%1/10").arg(n);
    }
    return QString::number((n + 1) / 2);
}

// The texts of the current element's children, trimmed, empty ones left out.
void appendChildTexts(QXmlStreamReader& reader, QStringList& texts) {
    while (reader.readNextStartElement()) {
        const QString text = elementText(reader).trimmed();
        if (!text.isEmpty()) {
            texts.append(text);
        }
    }
}

// Files the entry; false when the reading is to stop because the user cancelled it.
bool finishEntry(CollectionEntry& entry, Collection& result, const QXmlStreamReader& reader,
                 qsizetype size, WorkProgress* progress, const EntrySink& sink) {
    if (entry.name.trimmed().isEmpty()) {
        result.rowsNotRead.push_back({entry.line, QStringLiteral("no name")});
    } else if (sink) {
        sink(entry);
    } else {
        result.entries.push_back(std::move(entry));
    }
    if (progress == nullptr) {
        return true;
    }
    progress->setDone(reader.characterOffset(), size);
    return !progress->cancelled();
}

// One movie of a video collection: the reader on its entry element.
void readVideoEntry(QXmlStreamReader& reader, CollectionEntry& entry) {
    while (reader.readNextStartElement()) {
        const auto field = reader.name();
        if (field == QLatin1String("title")) {
            entry.name = elementText(reader).trimmed();
        } else if (field == QLatin1String("genres")) {
            appendChildTexts(reader, entry.genres);
        } else if (field == QLatin1String("genre")) {
            entry.genres.append(elementText(reader).trimmed());
        } else if (field == QLatin1String("medium")) {
            entry.format = elementText(reader).trimmed();
        } else if (field == QLatin1String("running-time")) {
            entry.length = elementText(reader).trimmed();
        } else if (field == QLatin1String("rating")) {
            entry.quality = starsOutOfFive(elementText(reader));
        } else if (field == QLatin1String("comments")) {
            entry.info = plainNote(elementText(reader));
        } else {
            reader.skipCurrentElement();
        }
    }
}

// One film of a film collection: the reader on its item element.
void readFilmItem(QXmlStreamReader& reader, CollectionEntry& entry) {
    const QXmlStreamAttributes a = reader.attributes();
    entry.name = a.value(QLatin1String("title")).toString().trimmed();
    entry.format = a.value(QLatin1String("format")).toString().trimmed();
    entry.length = a.value(QLatin1String("time")).toString().trimmed();
    entry.quality = marksOutOfTen(a.value(QLatin1String("rating")).toString());
    for (const QString& g : a.value(QLatin1String("genre")).toString().split(QLatin1Char(','))) {
        if (!g.trimmed().isEmpty()) {
            entry.genres.append(g.trimmed());
        }
    }
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("genre")) {
            // A list: one line per value, each holding its value in a column.
            while (reader.readNextStartElement()) {
                appendChildTexts(reader, entry.genres);
            }
        } else if (reader.name() == QLatin1String("comment")) {
            entry.info = elementText(reader).trimmed();
        } else {
            reader.skipCurrentElement();
        }
    }
}

// Reads every child of the current element named entryName into an entry with readEntry and files
// it; other children are passed over. Both collection files keep their movies this way. False when
// the user cancelled.
bool readEachEntry(QXmlStreamReader& reader, QLatin1String entryName, Collection& result,
                   qsizetype size, WorkProgress* progress, const EntrySink& sink,
                   void (*readEntry)(QXmlStreamReader&, CollectionEntry&)) {
    while (reader.readNextStartElement()) {
        if (reader.name() != entryName) {
            reader.skipCurrentElement();
            continue;
        }
        CollectionEntry entry;
        entry.line = static_cast<int>(reader.lineNumber());
        readEntry(reader, entry);
        if (reader.hasError()) {
            return true;
        }
        if (!finishEntry(entry, result, reader, size, progress, sink)) {
            return false;
        }
    }
    return true;
}

// A video collection's XML from reader; size is how much there is to read, for the progress.
Collection readTellico(QXmlStreamReader& reader, qsizetype size, WorkProgress* progress,
                       const EntrySink& sink) {
    Collection result;
    bool sawCollection = false;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("tellico")) {
            continue;  // into the document element
        }
        if (reader.name() != QLatin1String("collection")) {
            reader.skipCurrentElement();
            continue;
        }
        sawCollection = true;
        const QString type = reader.attributes().value(QLatin1String("type")).toString();
        if (type != QLatin1String("3")) {
            result.problem = QStringLiteral("not a video collection (collection type %1)")
                                 .arg(type.isEmpty() ? QStringLiteral("missing") : type);
            return result;
        }
        const bool goOn = readEachEntry(reader, QLatin1String("entry"), result, size, progress,
                                        sink, readVideoEntry);
        if (!goOn) {
            return result;
        }
        break;
    }
    noteXmlError(reader, result);
    if (!sawCollection) {  // movies are only read inside a collection
        result.problem = reader.hasError() ? QStringLiteral("not XML: %1").arg(reader.errorString())
                                           : QStringLiteral("no collection in tellico.xml");
        result.rowsNotRead.clear();
    }
    return result;
}

}  // namespace

Collection readTellicoXml(std::string_view xml, WorkProgress* progress, const EntrySink& sink) {
    QXmlStreamReader reader(xmlBytes(xml));
    return readTellico(reader, static_cast<qsizetype>(xml.size()), progress, sink);
}

namespace {

const QString kNoZipLibrary =
    QStringLiteral("zip archives cannot be read: the zip library (libzip4) is not installed");

// The video collection inside an open archive, which it closes.
Collection readOpenArchive(const ZipLibrary& zip, zip_t* archive, WorkProgress* progress,
                           const EntrySink& sink) {
    Collection result;
    const zip_int64_t index = zip.zip_name_locate(archive, "tellico.xml", ZIP_FL_NOCASE);
    zip_stat_t st;
    zip.zip_stat_init(&st);
    if (index < 0 || zip.zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        (st.valid & ZIP_STAT_SIZE) == 0) {
        result.problem = index < 0 ? QStringLiteral("no tellico.xml in the archive")
                                   : QStringLiteral("tellico.xml cannot be read from the archive");
        zip.zip_discard(archive);
        return result;
    }
    zip_file_t* file = zip.zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        result.problem = QStringLiteral("tellico.xml cannot be read from the archive");
        zip.zip_discard(archive);
        return result;
    }
    {
        // Read as it is unpacked: a small archive may unpack to hundreds of megabytes.
        ZipMember member(zip, file);
        result = readXmlCollection(member, static_cast<qint64>(st.size), true, progress, sink);
    }
    zip.zip_discard(archive);
    return result;
}

}  // namespace

Collection readTellicoArchive(std::string_view zipBytes, WorkProgress* progress,
                              const EntrySink& sink) {
    Collection result;
    const ZipLibrary* library = ZipLibrary::get();
    if (library == nullptr) {
        result.problem = kNoZipLibrary;
        return result;
    }
    const ZipLibrary& zip = *library;
    zip_error_t error;
    zip.zip_error_init(&error);
    zip_source_t* source =
        zip.zip_source_buffer_create(zipBytes.data(), zipBytes.size(), 0, &error);
    zip_t* archive =
        source != nullptr ? zip.zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr) {
        result.problem = QStringLiteral("not a readable zip archive (%1)")
                             .arg(QString::fromUtf8(zip.zip_error_strerror(&error)));
        zip.zip_error_fini(&error);
        if (source != nullptr) {
            zip.zip_source_free(source);
        }
        return result;
    }
    zip.zip_error_fini(&error);
    // The archive owns the source from here and frees it on closing.
    return readOpenArchive(*library, archive, progress, sink);
}

Collection readTellicoArchiveFile(int fd, WorkProgress* progress, const EntrySink& sink) {
    const ZipLibrary* library = ZipLibrary::get();
    if (library == nullptr) {
        ::close(fd);
        Collection result;
        result.problem = kNoZipLibrary;
        return result;
    }
    const ZipLibrary& zip = *library;
    int code = 0;
    // The archive is read where it lies, its index from its end: never all of it at once.
    zip_t* archive = zip.zip_fdopen(fd, ZIP_RDONLY, &code);
    if (archive == nullptr) {
        ::close(fd);
        zip_error_t error;
        zip.zip_error_init_with_code(&error, code);
        Collection result;
        result.problem = QStringLiteral("not a readable zip archive (%1)")
                             .arg(QString::fromUtf8(zip.zip_error_strerror(&error)));
        zip.zip_error_fini(&error);
        return result;
    }
    return readOpenArchive(*library, archive, progress, sink);
}

namespace {

Collection readGcstarFrom(QXmlStreamReader& reader, qsizetype size, WorkProgress* progress,
                          const EntrySink& sink) {
    Collection result;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("collection")) {
        result.problem = reader.hasError() ? QStringLiteral("not XML: %1").arg(reader.errorString())
                                           : QStringLiteral("no collection element");
        return result;
    }
    const QString type = reader.attributes().value(QLatin1String("type")).toString();
    if (!type.isEmpty() && type != QLatin1String("GCfilms")) {
        result.problem = QStringLiteral("not a film collection (type %1)").arg(type);
        return result;
    }
    const bool goOn =
        readEachEntry(reader, QLatin1String("item"), result, size, progress, sink, readFilmItem);
    if (!goOn) {
        return result;
    }
    noteXmlError(reader, result);
    return result;
}

}  // namespace

Collection readGcstar(std::string_view xml, WorkProgress* progress, const EntrySink& sink) {
    QXmlStreamReader reader(xmlBytes(xml));
    return readGcstarFrom(reader, static_cast<qsizetype>(xml.size()), progress, sink);
}

Collection readXmlCollection(QIODevice& device, qint64 size, bool tellico, WorkProgress* progress,
                             const EntrySink& sink) {
    TextRunLimit limited(device, progress);
    QXmlStreamReader reader(&limited);
    Collection result = tellico ? readTellico(reader, size, progress, sink)
                                : readGcstarFrom(reader, size, progress, sink);
    if (progress != nullptr && progress->cancelled()) {
        result.error = ECANCELED;
    }
    return result;
}

}  // namespace reelcase

// Collections of other catalogue programs kept as XML, read with Qt's stream reader.
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zip.h>

#include "exchange/Collection.h"
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

// Rich-text notes keep their line breaks and lose their markup.
QString plainNote(QString text) {
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>|</p>\\s*<p[^>]*>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.replace(lineBreak, QStringLiteral("\r\n"));
    text.remove(tag);
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

}  // namespace

Collection readTellicoXml(std::string_view xml, WorkProgress* progress, const EntrySink& sink) {
    Collection result;
    QXmlStreamReader reader(xmlBytes(xml));
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
        while (reader.readNextStartElement()) {
            if (reader.name() != QLatin1String("entry")) {
                reader.skipCurrentElement();
                continue;
            }
            CollectionEntry entry;
            entry.line = static_cast<int>(reader.lineNumber());
            while (reader.readNextStartElement()) {
                const auto field = reader.name();
                if (field == QLatin1String("title")) {
                    entry.name = reader.readElementText().trimmed();
                } else if (field == QLatin1String("genres")) {
                    while (reader.readNextStartElement()) {
                        const QString g = reader.readElementText().trimmed();
                        if (!g.isEmpty()) {
                            entry.genres.append(g);
                        }
                    }
                } else if (field == QLatin1String("genre")) {
                    entry.genres.append(reader.readElementText().trimmed());
                } else if (field == QLatin1String("medium")) {
                    entry.format = reader.readElementText().trimmed();
                } else if (field == QLatin1String("running-time")) {
                    entry.length = reader.readElementText().trimmed();
                } else if (field == QLatin1String("rating")) {
                    entry.quality = starsOutOfFive(reader.readElementText());
                } else if (field == QLatin1String("comments")) {
                    entry.info = plainNote(reader.readElementText());
                } else {
                    reader.skipCurrentElement();
                }
            }
            if (reader.hasError()) {
                break;
            }
            if (!finishEntry(entry, result, reader, static_cast<qsizetype>(xml.size()), progress,
                             sink)) {
                return result;
            }
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

Collection readTellicoArchive(std::string_view zipBytes, WorkProgress* progress,
                              const EntrySink& sink) {
    Collection result;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zipBytes.data(), zipBytes.size(), 0, &error);
    zip_t* archive = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr) {
        result.problem = QStringLiteral("not a readable zip archive (%1)")
                             .arg(QString::fromUtf8(zip_error_strerror(&error)));
        zip_error_fini(&error);
        if (source != nullptr) {
            zip_source_free(source);
        }
        return result;
    }
    zip_error_fini(&error);
    // The archive owns the source from here and frees it on closing.
    const zip_int64_t index = zip_name_locate(archive, "tellico.xml", ZIP_FL_NOCASE);
    zip_stat_t st;
    zip_stat_init(&st);
    // Far above any real collection, and below what a made-up size could make us allocate.
    constexpr zip_uint64_t kMaxXml = zip_uint64_t{256} << 20;
    if (index < 0 || zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        (st.valid & ZIP_STAT_SIZE) == 0 || st.size > kMaxXml) {
        result.problem = index < 0 ? QStringLiteral("no tellico.xml in the archive")
                                   : QStringLiteral("tellico.xml cannot be read from the archive");
        zip_discard(archive);
        return result;
    }
    std::string xml(static_cast<std::size_t>(st.size), '\0');
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
    zip_int64_t got = file != nullptr ? zip_fread(file, xml.data(), xml.size()) : -1;
    if (file != nullptr) {
        zip_fclose(file);
    }
    zip_discard(archive);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
        result.problem = QStringLiteral("tellico.xml cannot be read from the archive");
        return result;
    }
    return readTellicoXml(xml, progress, sink);
}

Collection readGcstar(std::string_view xml, WorkProgress* progress, const EntrySink& sink) {
    Collection result;
    QXmlStreamReader reader(xmlBytes(xml));
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
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("item")) {
            reader.skipCurrentElement();
            continue;
        }
        CollectionEntry entry;
        entry.line = static_cast<int>(reader.lineNumber());
        const QXmlStreamAttributes a = reader.attributes();
        entry.name = a.value(QLatin1String("title")).toString().trimmed();
        entry.format = a.value(QLatin1String("format")).toString().trimmed();
        entry.length = a.value(QLatin1String("time")).toString().trimmed();
        entry.quality = marksOutOfTen(a.value(QLatin1String("rating")).toString());
        for (const QString& g :
             a.value(QLatin1String("genre")).toString().split(QLatin1Char(','))) {
            if (!g.trimmed().isEmpty()) {
                entry.genres.append(g.trimmed());
            }
        }
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("genre")) {
                // A list: one line per value, each holding its value in a column.
                while (reader.readNextStartElement()) {
                    while (reader.readNextStartElement()) {
                        const QString g = reader.readElementText().trimmed();
                        if (!g.isEmpty()) {
                            entry.genres.append(g);
                        }
                    }
                }
            } else if (reader.name() == QLatin1String("comment")) {
                entry.info = reader.readElementText().trimmed();
            } else {
                reader.skipCurrentElement();
            }
        }
        if (reader.hasError()) {
            break;
        }
        if (!finishEntry(entry, result, reader, static_cast<qsizetype>(xml.size()), progress,
                         sink)) {
            return result;
        }
    }
    noteXmlError(reader, result);
    return result;
}

}  // namespace reelcase

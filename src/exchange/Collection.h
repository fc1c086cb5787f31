#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QIODevice>
#include <QString>
#include <QStringList>

#include "exchange/FirstFew.h"

namespace reelcase {

class WorkProgress;

// One movie as another program or a spreadsheet holds it: its texts as found, before they
// are mapped onto the catalogue's vocabularies. An empty text means "not given".
struct CollectionEntry {
    int line = 0;  // where the movie starts in the source, from 1
    QString name;
    QStringList genres;
    QString format;
    QString rating;
    QString info;
    QString length;   // running time
    QString quality;  // a mark 1..5
    QString size;     // megabytes
};

struct RowNotRead {
    int line = 0;
    QString reason;
};

// What a source held: the movies read, the rows that could not be read and why, and the
// columns that carry nothing the catalogue keeps. A source that cannot be read at all has
// error set (an errno value) or problem set (what is wrong with its content).
struct Collection {
    std::vector<CollectionEntry> entries;
    FirstFew<RowNotRead> rowsNotRead;
    QStringList columnsIgnored;
    QString encoding;  // how text was read: "UTF-8", "Windows-1252", or both by rows
    int error = 0;
    QString problem;
    bool readable() const { return error == 0 && problem.isEmpty(); }
};

// The readers report how far they came to progress, when given, and stop early, with what
// they read so far, when it is cancelled. Given a sink, they hand it each movie as it is read
// (valid during the call) instead of keeping them in entries.
using EntrySink = std::function<void(const CollectionEntry&)>;

// Comma- or semicolon-separated text with a header row naming the columns in any order and
// letter case; UTF-8, or Windows-1252 when the bytes are not UTF-8.
// The text is read in pieces of pieceSize bytes; any size reads the same.
Collection readCsv(std::string_view bytes, WorkProgress* progress = nullptr,
                   const EntrySink& sink = {}, std::size_t pieceSize = std::size_t{4} << 20);
// The same read from a file open as fd (size bytes long, as far as known) piece by piece, so
// that only the rows not yet handed on are kept in memory.
Collection readCsvFile(int fd, std::size_t size, WorkProgress* progress = nullptr,
                       const EntrySink& sink = {});
// The XML document of a zipped video collection of the kind with a tellico.xml inside.
Collection readTellicoXml(std::string_view xml, WorkProgress* progress = nullptr,
                          const EntrySink& sink = {});
// The zip archive around it.
Collection readTellicoArchive(std::string_view zipBytes, WorkProgress* progress = nullptr,
                              const EntrySink& sink = {});
// The same from a file open as fd, which it takes over and closes.
Collection readTellicoArchiveFile(int fd, WorkProgress* progress = nullptr,
                                  const EntrySink& sink = {});
// A film collection kept as XML, the items' fields as attributes and child elements.
Collection readGcstar(std::string_view xml, WorkProgress* progress = nullptr,
                      const EntrySink& sink = {});

// A video collection (tellico) or a film collection from device, as it is read: no text run
// longer than 64 kB is kept. size is how much there is to read, for the progress.
Collection readXmlCollection(QIODevice& device, qint64 size, bool tellico,
                             WorkProgress* progress = nullptr, const EntrySink& sink = {});

// Reads the file at path and picks the reader from its content: a zip archive, an XML
// collection, or else comma-separated text.
Collection readCollectionFile(const QString& path, WorkProgress* progress = nullptr,
                              const EntrySink& sink = {});

// The whole of a regular file; 0 or an errno value (ECANCELED when progress was cancelled).
int readWholeFile(const QString& path, std::string& bytes, const WorkProgress* progress = nullptr);
// A regular file handed to take in pieces of pieceSize bytes (the last one shorter), one
// buffer used again and again; 0 or an errno value.
int readFileInPieces(const QString& path, std::size_t pieceSize,
                     const std::function<void(std::string_view)>& take);

}  // namespace reelcase

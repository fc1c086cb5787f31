#pragma once

#include <optional>
#include <string>

#include <QString>

#include "careful_files/AtomicFile.h"
#include "careful_files/FileStamp.h"
#include "careful_files/FileSystemCalls.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"

namespace reelcase {

struct OpenOutcome {
    int error = 0;                   // 0, an errno value or ReadBeyondEndOfFile
    long long leftOut = 0;           // records with new names the full table could not take in
    std::optional<FileStamp> stamp;  // the file as it was read
};

// Reads a headerless catalogue file of 272-byte records into the free slots after those in
// use. A record whose Name is already listed (exactly, case counts) is dropped; every other
// name is added to the list. The records taken in before a failure stay in use. No slot
// above CatalogueCapacity is touched. The file is only read.
OpenOutcome readCatalogueFile(const QString& path, Catalogue& catalogue, MovieList& list);
// The same from a file already open for reading.
OpenOutcome readCatalogueFd(int fd, Catalogue& catalogue, MovieList& list);

// The bytes a save writes: for each list entry in list order, every slot in use whose
// Name equals it.
std::string catalogueFileBytes(const Catalogue& catalogue, const MovieList& list);
// The same bytes in pieces of about 256 kB, so that a save needs no copy of the table. The
// catalogue and the list must stay as they are while it is in use.
StreamedBytes catalogueFileStream(const Catalogue& catalogue, const MovieList& list);

// Whether a file of this size holds whole records only, as every catalogue file does.
bool isWholeCatalogueSize(std::int64_t size);

// Writes catalogueFileBytes to path as saveOverFile does, keeping the old file as
// "<path>.bak" where it is a whole catalogue.
SaveOutcome saveCatalogueFile(const QString& path, const Catalogue& catalogue,
                              const MovieList& list, FileSystemCalls& calls,
                              SaveOptions options = {});
// The same, when only the error counts: 0 or errno.
int writeCatalogueFile(const QString& path, const Catalogue& catalogue, const MovieList& list,
                       FileSystemCalls& calls);

}  // namespace reelcase

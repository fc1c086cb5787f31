#pragma once

#include <optional>
#include <thread>

#include <QString>

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/MovieList.h"

namespace reelcase {

// The catalogue the start will open, read on a thread of its own while the windows are made:
// on two cores its reading then costs the start next to nothing. The open at start takes
// its movies over only where it would have read the same: the same file, unchanged since,
// read whole. Anything else, and the open reads the file itself as always.
class CatalogueReadAhead {
  public:
    // Starts reading path; an empty path reads nothing.
    explicit CatalogueReadAhead(const QString& path);
    ~CatalogueReadAhead();
    CatalogueReadAhead(const CatalogueReadAhead&) = delete;
    CatalogueReadAhead& operator=(const CatalogueReadAhead&) = delete;

    // What reading path into catalogue and list (both holding nothing yet) would give, with
    // the movies read ahead taken into them; nothing where this read is not that. The first
    // call waits for the read; the movies are taken once only.
    std::optional<OpenOutcome> takeOver(const QString& path, Catalogue& catalogue, MovieList& list);

  private:
    QString path_;
    Catalogue catalogue_;
    MovieList list_;
    OpenOutcome outcome_;
    bool taken_ = false;
    std::thread reader_;
};

}  // namespace reelcase

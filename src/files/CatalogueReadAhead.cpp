#include "files/CatalogueReadAhead.h"

#include "careful_files/FileStamp.h"

namespace reelcase {

CatalogueReadAhead::CatalogueReadAhead(const QString& path) : path_(path) {
    if (!path_.isEmpty()) {
        reader_ = std::thread([this] { outcome_ = readCatalogueFile(path_, catalogue_, list_); });
    }
}

CatalogueReadAhead::~CatalogueReadAhead() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

std::optional<OpenOutcome> CatalogueReadAhead::takeOver(const QString& path, Catalogue& catalogue,
                                                        MovieList& list) {
    if (path_.isEmpty() || path != path_ || taken_) {
        return std::nullopt;
    }
    if (reader_.joinable()) {
        reader_.join();
    }
    // A read that met an error or a full table is read again where its messages belong.
    if (outcome_.error != 0 || outcome_.leftOut != 0 || !outcome_.stamp ||
        stampOf(path) != outcome_.stamp || !list.empty() || !catalogue.takeTableOf(catalogue_)) {
        return std::nullopt;
    }
    list.takeEntriesOf(list_);
    taken_ = true;
    return outcome_;
}

}  // namespace reelcase

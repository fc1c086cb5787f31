#include "catalogue/untMovieRecord.h"

#include <cassert>
#include <cstring>

namespace reelcase {

Catalogue::Catalogue() : slots_(std::make_unique<MovieRecord[]>(CatalogueCapacity)) {
    // make_unique value-initialises: the table starts zero-filled.
}

MovieRecord& Catalogue::slot(int number) {
    assert(number >= 1 && number <= CatalogueCapacity);
    return slots_[static_cast<std::size_t>(number - 1)];
}

const MovieRecord& Catalogue::slot(int number) const {
    assert(number >= 1 && number <= CatalogueCapacity);
    return slots_[static_cast<std::size_t>(number - 1)];
}

int Catalogue::findByName(std::string_view name) const {
    for (int n = 1; n <= MovieCount; ++n) {
        if (nameOf(slot(n)) == name) {
            return n;
        }
    }
    return 0;
}

}  // namespace reelcase

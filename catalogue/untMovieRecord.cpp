#include "catalogue/untMovieRecord.h"

#include <cassert>
#include <cstring>

#include <QDir>

namespace reelcase {

Catalogue::Catalogue() : slots_(std::make_unique<MovieRecord[]>(CatalogueCapacity)) {
    // make_unique value-initialises: the table starts zero-filled.
}

const MovieRecord& Catalogue::slot(int number) const {
    assert(number >= 1 && number <= CatalogueCapacity);
    return slots_[static_cast<std::size_t>(number - 1)];
}

MovieRecord& Catalogue::usedSlot(int number) {
    assert(number >= 1 && number <= movieCount_);
    return slots_[static_cast<std::size_t>(number - 1)];
}

int Catalogue::findByName(std::string_view name) const {
    for (int n = 1; n <= movieCount_; ++n) {
        if (nameOf(slot(n)) == name) {
            return n;
        }
    }
    return 0;
}

int Catalogue::addMovie(const MovieRecord& record) {
    assert(!full());
    slots_[static_cast<std::size_t>(movieCount_)] = record;
    ++movieCount_;
    unsavedChanges_ = true;
    return movieCount_;
}

void Catalogue::replaceMovie(int number, const MovieRecord& record) {
    usedSlot(number) = record;
    unsavedChanges_ = true;
}

void Catalogue::deleteMovie(int number) {
    MovieRecord& r = usedSlot(number);
    r.Name[0] = 0;
    r.Genre[0] = 0;
    unsavedChanges_ = true;
}

void Catalogue::startNew() {
    movieCount_ = 0;
    currentFileName_.clear();
}

MovieRecord& Catalogue::freeSlot(int number) {
    assert(number > movieCount_ && number <= CatalogueCapacity);
    return slots_[static_cast<std::size_t>(number - 1)];
}

void Catalogue::takeIntoUse(int lastSlot) {
    assert(lastSlot >= movieCount_ && lastSlot <= CatalogueCapacity);
    movieCount_ = lastSlot;
}

void Catalogue::setCurrentFileName(const QString& path) {
    assert(QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path);
    currentFileName_ = path;
}

}  // namespace reelcase

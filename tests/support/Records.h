#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <QStringList>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "catalogue/TextCodec.h"

namespace reelcase::test {

struct Movie {
    std::string name;
    std::string genre = "Drama";
    std::string format = "DVD";
    std::string rating = "Nice";
    std::string info;
    int length = 100;
    int quality = 3;
    int size = 700;
};

inline MovieRecord makeRecord(const Movie& m) {
    MovieRecord r{};
    setFieldText(r.Name, m.name);
    setFieldText(r.Genre, m.genre);
    setFieldText(r.Format, m.format);
    setFieldText(r.Rating, m.rating);
    setFieldText(r.PersonalInfo, m.info);
    r.Length = m.length;
    r.Quality = m.quality;
    r.Size = m.size;
    return r;
}

inline std::string recordBytes(const MovieRecord& r) {
    return {reinterpret_cast<const char*>(&r), RecordSize};
}

inline std::string recordBytes(const Movie& m) {
    return recordBytes(makeRecord(m));
}

inline void writeBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// count movies named prefix0, prefix1, ... as the records of a file.
inline std::string numberedMovies(int count, const std::string& prefix = "Movie ",
                                  const std::string& genre = "Drama") {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        Movie movie;
        movie.name = prefix + std::to_string(i);
        movie.genre = genre;
        bytes += recordBytes(movie);
    }
    return bytes;
}

// Puts a movie into the next slot as an opened file would: the unsaved flag stays.
inline int appendMovie(Catalogue& catalogue, const Movie& m) {
    const int n = catalogue.movieCount() + 1;
    catalogue.freeSlots(n, 1).front() = makeRecord(m);
    catalogue.takeIntoUse(n);
    return n;
}

// An edit that leaves every byte as it was: the unsaved flag is set as by any edit.
inline void markEdited(Catalogue& catalogue) {
    catalogue.replaceMovie(1, catalogue.slot(1));
}

// A list's entries as the window shows them.
inline QStringList entriesOf(const MovieList& list) {
    QStringList names;
    for (int i = 0; i < list.size(); ++i) {
        names << fromCatalogueText(list.at(i));
    }
    return names;
}

}  // namespace reelcase::test

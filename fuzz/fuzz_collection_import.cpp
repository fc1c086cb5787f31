// Reads any bytes as a collection from another program (comma-separated text, either XML
// collection, a zip archive) and takes it into a table that already holds movies.
#include <cstdint>
#include <string_view>

#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "fuzz/FuzzSupport.h"

using namespace reelcase;
using reelcase::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the reader, so each is reached from any input.
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    Collection collection;
    switch (data[0] % 4) {
        case 0:
            collection = readCsv(bytes);
            break;
        case 1:
            collection = readTellicoXml(bytes);
            break;
        case 2:
            collection = readGcstar(bytes);
            break;
        default:
            collection = readTellicoArchive(bytes);
            break;
    }
    static fuzz::ReusedCatalogue table;
    table.empty();
    Catalogue& catalogue = table.catalogue;
    MovieList& list = table.list;
    fuzz::holdMovies(catalogue, list, {"Alien", "Brazil"});
    const ImportReport report = importCollection(collection, catalogue, list);
    require(catalogue.movieCount() == 2 + report.added);
    require(list.size() == catalogue.movieCount());
    // Every movie read is accounted for once: added, already there, or its name not stored.
    require(report.added + report.alreadyPresent +
                static_cast<long long>(report.namesNotStorable.size()) + report.leftOut ==
            static_cast<long long>(collection.entries.size()));
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        require(!nameOf(catalogue.slot(n)).empty());
    }
    (void)report.text();
    return 0;
}

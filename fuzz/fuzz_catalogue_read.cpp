// Reads any bytes as a catalogue file, into a table that already holds movies and into an
// empty one.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string_view>

#include "catalogue/CatalogueFile.h"
#include "fuzz/FuzzSupport.h"

using namespace reelcase;
using reelcase::fuzz::require;

namespace {

// Every record taken in is listed once, no two slots in use share a name, none is too long.
void requireWellTaken(const Catalogue& catalogue, const MovieList& list) {
    require(catalogue.movieCount() <= CatalogueCapacity);
    require(list.size() == catalogue.movieCount());
    std::set<std::string_view> names;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue.slot(n));
        require(name.size() <= 29);
        require(names.insert(name).second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("catalogue", 0);
    if (fd < 0) {
        return 0;
    }
    if (::write(fd, data, size) == static_cast<ssize_t>(size) && ::lseek(fd, 0, SEEK_SET) == 0) {
        // Into a table that holds movies, where every name is looked up ...
        static fuzz::ReusedCatalogue held;
        held.empty();
        fuzz::holdMovies(held.catalogue, held.list, {"Alien", "Brazil", "Casablanca"});
        const OpenOutcome outcome = readCatalogueFd(fd, held.catalogue, held.list);
        require(held.catalogue.movieCount() >= 3);
        require(fieldText(held.catalogue.slot(1).Name) == "Alien");  // what was held stays
        require(outcome.error == 0 || (size % RecordSize != 0));
        requireWellTaken(held.catalogue, held.list);
        // ... and into an empty one, where names are looked up only once they stop rising.
        static fuzz::ReusedCatalogue fresh;
        fresh.empty();
        if (::lseek(fd, 0, SEEK_SET) == 0) {
            require(readCatalogueFd(fd, fresh.catalogue, fresh.list).error == outcome.error);
            requireWellTaken(fresh.catalogue, fresh.list);
        }
    }
    ::close(fd);
    return 0;
}

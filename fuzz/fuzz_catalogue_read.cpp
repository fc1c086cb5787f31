// Reads any bytes as a catalogue file into a table that already holds movies.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "catalogue/CatalogueFile.h"

using namespace reelcase;

namespace {

Catalogue& table() {
    static Catalogue catalogue;  // 27 MB: made once for the whole run
    return catalogue;
}

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Catalogue& catalogue = table();
    MovieList list;
    catalogue.startNew();
    for (const char* name : {"Alien", "Brazil", "Casablanca"}) {
        MovieRecord record{};
        setFieldText(record.Name, name);
        catalogue.addMovie(record);
        list.add(name);
    }
    const int fd = ::memfd_create("catalogue", 0);
    if (fd < 0) {
        return 0;
    }
    if (::write(fd, data, size) == static_cast<ssize_t>(size) && ::lseek(fd, 0, SEEK_SET) == 0) {
        const OpenOutcome outcome = readCatalogueFd(fd, catalogue, list);
        require(catalogue.movieCount() >= 3 && catalogue.movieCount() <= CatalogueCapacity);
        require(list.size() == catalogue.movieCount());  // every record taken in is listed once
        require(fieldText(catalogue.slot(1).Name) == "Alien");  // what was held stays
        require(outcome.error == 0 || (size % RecordSize != 0));
        for (int n = 1; n <= catalogue.movieCount(); ++n) {
            require(fieldText(catalogue.slot(n).Name).size() <= 29);
        }
    }
    ::close(fd);
    return 0;
}

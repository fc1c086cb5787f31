#pragma once

#include <initializer_list>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"

namespace reelcase::fuzz {

// Stops the run at a broken expectation, so that the fuzzer keeps the input that broke it.
inline void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// A catalogue and its list kept from input to input and emptied for each, as File > New
// empties the program's one catalogue: a table's worth of memory is mapped once, not at every
// input, which would cost more than reading most inputs.
struct ReusedCatalogue {
    Catalogue catalogue;
    MovieList list;

    void empty() {
        catalogue.startNew();
        list.clear();
    }
};

// Movies of these names in catalogue and list, as an open catalogue holds them.
inline void holdMovies(Catalogue& catalogue, MovieList& list,
                       std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        MovieRecord record{};
        setFieldText(record.Name, name);
        catalogue.addMovie(record);
        list.add(name);
    }
}

}  // namespace reelcase::fuzz

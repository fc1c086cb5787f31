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

#pragma once

#include <array>
#include <string_view>

#include "catalogue/Catalogue.h"

namespace reelcase {

// One row of the search results: a copy of a movie's name and genre, no slot number.
class SearchRow {
  public:
    SearchRow(std::string_view name, std::string_view genre);
    std::string_view name() const { return {name_.data(), nameLength_}; }
    std::string_view genre() const { return {genre_.data(), genreLength_}; }

  private:
    std::array<char, NameRoom> name_{};
    std::array<char, GenreRoom> genre_{};
    unsigned char nameLength_;
    unsigned char genreLength_;
};

}  // namespace reelcase

#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "catalogue/untMovieRecord.h"

namespace reelcase {

// True when text occurs in name as one piece, ignoring the case of a-z only: accented
// letters and everything above code 127 must match exactly.
bool nameContains(std::string_view name, std::string_view text);

// One row of the search results: a copy of a movie's name and genre, no slot number.
class SearchRow {
  public:
    SearchRow(std::string_view name, std::string_view genre);
    std::string_view name() const { return {name_.data(), nameLength_}; }
    std::string_view genre() const { return {genre_.data(), genreLength_}; }

  private:
    std::array<char, 29> name_{};
    std::array<char, 8> genre_{};
    unsigned char nameLength_;
    unsigned char genreLength_;
};

// Every named movie of the slots in use whose name contains text, in slot order.
std::vector<SearchRow> searchCatalogue(const Catalogue& catalogue, std::string_view text);

}  // namespace reelcase

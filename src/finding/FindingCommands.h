#pragma once

#include <string_view>

#include "finding/CategoryFilter.h"
#include "program_state/ProgramState.h"

namespace reelcase {

// The main window's filter boxes and name search.
class FindingCommands {
  public:
    explicit FindingCommands(ProgramState& state);

    // The user picked item index in a filter box.
    void filterChanged(FilterBox box, int index);
    // text is the search box's text in single-byte form.
    void searchByName(std::string_view text);
    // row is the selected result row, or -1.
    void selectSearchResult(int row);
    void clearSearch();

  private:
    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
};

}  // namespace reelcase

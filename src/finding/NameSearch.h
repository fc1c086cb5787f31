#pragma once

#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "program_state/SearchRow.h"

namespace reelcase {

// True when text occurs in name as one piece, ignoring the case of a-z only: accented
// letters and everything above code 127 must match exactly.
bool nameContains(std::string_view name, std::string_view text);

// Every named movie of the slots in use whose name contains text, in slot order.
std::vector<SearchRow> searchCatalogue(const Catalogue& catalogue, std::string_view text);

}  // namespace reelcase

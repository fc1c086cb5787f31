#pragma once

#include <string>

#include "catalogue/Catalogue.h"

namespace reelcase {

// The details panel's text for one movie: seven labelled lines, an empty line, the banner
// and the personal note, lines ended by CR LF as the note's own line breaks are. The labels
// and the banner are in the windows' language; the values are the record's.
std::string detailsText(const MovieRecord& movie);

}  // namespace reelcase

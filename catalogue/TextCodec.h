#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace reelcase {

// Record texts are single-byte Windows-1252. These two functions are the only crossing point
// between those bytes and the windows' Unicode text.
QString fromCatalogueText(std::string_view bytes);

// A character that has no single-byte form becomes "?".
std::string toCatalogueText(const QString& text);

}  // namespace reelcase

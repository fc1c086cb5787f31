#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace reelcase {

// Record texts are single-byte Windows-1252. These functions are the only crossing point
// between those bytes and the windows' Unicode text.
QString fromCatalogueText(std::string_view bytes);

// A character that has no single-byte form becomes "?".
std::string toCatalogueText(const QString& text);

// How a list entry or a text panel draws a stored text: up to its first zero byte, with the
// other control characters left out (a text panel keeps its CR LF line breaks, as "\n", and
// its tabs). Damaged or foreign files can hold such bytes; the stored bytes stay as they are.
QString shownListText(std::string_view bytes);
QString shownPanelText(std::string_view bytes);

// Whether ch has a single-byte form that reads back as ch itself.
bool isStorableCharacter(char32_t ch);
// text without the characters a record cannot hold.
QString storableText(const QString& text);

}  // namespace reelcase

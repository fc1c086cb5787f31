#pragma once

#include <optional>
#include <string_view>

#include <QString>

namespace reelcase {

// Maps a value from another program onto the catalogue's vocabularies: the items themselves
// whatever their letter case and surrounding blanks, and a few common other names for them.
// Anything else has no item; the caller reports it rather than guess.
std::optional<std::string_view> genreItem(const QString& value);
std::optional<std::string_view> formatItem(const QString& value);
std::optional<std::string_view> ratingItem(const QString& value);
// A quality mark "1".."5", also written "4/5".
std::optional<int> qualityItem(const QString& value);

// A whole number, blanks around it allowed; nothing for text that is not one or does not fit.
std::optional<int> wholeNumber(const QString& value);
// A running time in minutes: "117", "117 min", "1h 57min", "1:57" (hours and minutes).
std::optional<int> runningMinutes(const QString& value);

}  // namespace reelcase

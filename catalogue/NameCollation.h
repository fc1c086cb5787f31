#pragma once

#include <string>
#include <string_view>

namespace reelcase {

// The order of the movie list: letter case ignored, accented letters beside their plain ones
// (é after e, before f), blanks and punctuation before digits before letters. Two names with
// equal keys differ only in letter case and compare equal.
std::string collationKey(std::string_view name);

}  // namespace reelcase

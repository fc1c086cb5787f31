#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace reelcase {

// Reads a typed whole number: optional leading blanks, then either an optional sign and
// decimal digits within the signed 32-bit range, or hexadecimal digits after "$", "x", "X",
// "0x" or "0X" that fit in 32 bits, taken as a bit pattern ("$FFFFFFFF" is -1). Nothing may
// follow the digits. Anything else is not a number.
std::optional<std::int32_t> readWholeNumber(std::string_view text);

}  // namespace reelcase

#pragma once

#include <QString>

namespace reelcase {

// A catalogue file ended inside a record; not an errno value.
inline constexpr int ReadBeyondEndOfFile = -1;

// The error box text for a failed file operation, from its cause (an errno value or
// ReadBeyondEndOfFile), with the closing full stop.
QString fileErrorText(int code);

}  // namespace reelcase

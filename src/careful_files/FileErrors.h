#pragma once

#include <QString>

namespace reelcase {

// A catalogue file ended inside a record; not an errno value.
inline constexpr int ReadBeyondEndOfFile = -1;
// Another program wrote the file since it was read or written here; not an errno value.
inline constexpr int ChangedSinceStamp = -2;

// The error box text for a failed file operation, from its cause (an errno value or
// ReadBeyondEndOfFile), with the closing full stop.
QString fileErrorText(int code);

}  // namespace reelcase

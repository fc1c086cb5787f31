#pragma once

#include <string_view>

#include <QString>

#include "catalogue/FileSystemCalls.h"

namespace reelcase {

// Replaces the file at path with data so that, whatever fails or however the process ends,
// the file on disk is either the old one or the whole new one: the bytes go to a temporary
// file beside it, which is synced and then renamed over it. Returns 0, or the errno value
// of the step that failed (the old file then stays as it was). With keepBackup, the file
// being replaced is kept beside it as "<name>.bak" (one generation).
enum class Backup { None, KeepPrevious };
int replaceFileAtomically(const QString& path, std::string_view data,
                          FileSystemCalls& calls = realFileSystem(), Backup backup = Backup::None);

}  // namespace reelcase

#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include <QString>

#include "catalogue/FileSystemCalls.h"

namespace reelcase {

enum class Backup { None, KeepPrevious };

struct SaveOutcome {
    int error = 0;        // 0, or the errno value of the step that failed
    int backupError = 0;  // why the previous version could not be kept (the save went on)
    QString backupPath;   // where it is kept: "<file>.bak" beside the file written
};

// Bytes handed over in pieces, so that a large file is saved without a copy of the whole in
// memory. produce calls write with each piece in order and stops at the first piece write
// refuses, returning write's result (an errno), or 0 when every piece was written. size is the
// sum of the pieces' sizes.
struct StreamedBytes {
    using Write = std::function<int(std::string_view piece)>;
    std::size_t size = 0;
    std::function<int(const Write& write)> produce;
};

// Saves data over the file at path the way a careful editor does, so that whatever fails the
// old file stands as it was:
// - A symbolic link is followed (also a dangling one) and the link kept; a link loop, and
//   anything that is not a regular file, is refused. So is a write-protected file.
// - Normally the bytes go to a temporary file beside it, which is synced and renamed over it.
// - Where that would change the file's owner or group or split its hard links, or the folder
//   allows no new file, the old bytes are first kept as the backup, then the file is written
//   in place (its space reserved first, the old bytes put back should writing fail).
// With Backup::KeepPrevious the replaced version is kept as "<name>.bak" (one generation),
// replaced atomically; a backup that cannot be made does not stop the save but is reported.
SaveOutcome saveOverFile(const QString& path, std::string_view data, FileSystemCalls& calls,
                         Backup backup = Backup::None);
// The same with the bytes produced piece by piece; produce may be run more than once.
SaveOutcome saveOverFile(const QString& path, const StreamedBytes& data, FileSystemCalls& calls,
                         Backup backup = Backup::None);

// The same, without a backup, for callers that only need to know whether it worked: 0 or
// errno.
inline int writeFileSafely(const QString& path, std::string_view data, FileSystemCalls& calls) {
    return saveOverFile(path, data, calls).error;
}

}  // namespace reelcase

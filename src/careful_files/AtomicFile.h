#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include <QString>

#include "careful_files/FileStamp.h"
#include "careful_files/FileSystemCalls.h"
#include "careful_files/WriteLock.h"

namespace reelcase {

enum class Backup { None, KeepPrevious };

// How a save goes about replacing a file.
struct SaveOptions {
    Backup backup = Backup::None;
    // Where set, the file must still be this version once the save holds the lock; another
    // version is left as it is and the save ends with ChangedSinceStamp.
    std::optional<FileStamp> expected;
    // Whether the version about to be replaced is whole by its size, so that it may become
    // the backup (a file marked as cut off mid-save never does).
    std::function<bool(std::int64_t size)> wholeVersion;
    // How long to wait for another writer's lock.
    std::chrono::milliseconds lockWait = DefaultLockWait;
    // A lock the caller holds already on this file (its links followed); without one the
    // save takes its own.
    const WriteLock* heldLock = nullptr;
};

struct SaveOutcome {
    int error = 0;        // 0, the errno value of the step that failed, or ChangedSinceStamp
    int backupError = 0;  // why the previous version could not be kept (the save went on)
    QString backupPath;   // where it is kept: "<file>.bak" beside the file written
    LockHolder holder;    // with EWOULDBLOCK: the writer that held the file
    std::optional<FileStamp> stamp;  // the file written, stamped under the lock
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
// old file stands as it was, and no two copies of the program write it at once (WriteLock):
// - A symbolic link is followed (also a dangling one) and the link kept; a link loop, and
//   anything that is not a regular file, is refused. So is a write-protected file.
// - Normally the bytes go to a temporary file beside it, which is synced and renamed over it.
// - Where that would change the file's owner or group or split its hard links, or the folder
//   allows no new file, the old bytes are first kept as the backup, then the file is written
//   in place (its space reserved first, the old bytes put back should writing fail) under a
//   SavingMark, so that a cut-off save is noticed by the next reader.
// With Backup::KeepPrevious the replaced version is kept as "<name>.bak" (one generation),
// replaced atomically; a backup that cannot be made does not stop the save but is reported.
// A version that carries the saving mark or is not whole never replaces the backup.
SaveOutcome saveOverFile(const QString& path, std::string_view data, FileSystemCalls& calls,
                         const SaveOptions& options = {});
// The same with the bytes produced piece by piece; produce may be run more than once.
SaveOutcome saveOverFile(const QString& path, const StreamedBytes& data, FileSystemCalls& calls,
                         const SaveOptions& options = {});

// The same, without a backup, for callers that only need to know whether it worked: 0 or
// errno.
inline int writeFileSafely(const QString& path, std::string_view data, FileSystemCalls& calls) {
    return saveOverFile(path, data, calls).error;
}

}  // namespace reelcase

#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace reelcase {

// What tells one version of a file from another without reading it: which file it is, its
// size and its last change to the nanosecond. Taken when a catalogue is read or written, it
// shows later whether another program has written the file since.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path (links followed) or of an open file; nothing when there is
// no such file.
std::optional<FileStamp> stampOf(const QString& path);
std::optional<FileStamp> stampOf(int fd);

// Whether the file at path is another version than the one stamped. A file that is gone has
// nothing to lose and counts as unchanged.
bool changedOnDisk(const FileStamp& stamp, const QString& path);

}  // namespace reelcase

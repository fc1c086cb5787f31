#pragma once

#include <sys/stat.h>

#include <QByteArray>

namespace reelcase {

// The file a save writes: the path with every symbolic link followed.
struct ResolvedPath {
    QByteArray path;
    bool exists = false;
    struct stat st {};
    int error = 0;  // ELOOP, ENAMETOOLONG or what lstat gave other than ENOENT
};

// Follows requested's links (also a dangling one, which names the file a save makes).
ResolvedPath resolvePath(const QByteArray& requested);

}  // namespace reelcase

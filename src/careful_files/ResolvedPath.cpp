#include "careful_files/ResolvedPath.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

#include "careful_files/TemporaryFiles.h"

namespace reelcase {

ResolvedPath resolvePath(const QByteArray& requested) {
    ResolvedPath target;
    QByteArray current = requested;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.constData(), &st) != 0) {
            if (errno == ENOENT) {
                target.path = current;  // a dangling link makes the file it names
            } else {
                target.error = errno;
            }
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.path = current;
            target.exists = true;
            target.st = st;
            return target;
        }
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(current.constData(), buffer, sizeof buffer);
        if (n < 0 || n == static_cast<ssize_t>(sizeof buffer)) {
            target.error = n < 0 ? errno : ENAMETOOLONG;
            return target;
        }
        const QByteArray link(buffer, n);
        current = link.startsWith('/') ? link : pathIn(folderOf(current), link);
    }
    target.error = ELOOP;
    return target;
}

}  // namespace reelcase

#include "catalogue/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include <QFile>
#include <QFileInfo>

namespace reelcase {

namespace {

// A symbolic link is followed, so the file it names is replaced and the link kept.
QByteArray resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty()) {
            return QFile::encodeName(target);
        }
    }
    return QFile::encodeName(path);
}

mode_t newFileMode(const char* target) {
    struct stat st {};
    if (::stat(target, &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int writeAll(FileSystemCalls& calls, int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = calls.write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return ENOSPC;  // no progress and no error: the device took nothing
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

void syncFolder(const QByteArray& target) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : target.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // the rename has happened; a failing folder sync has nothing to undo
        ::close(fd);
    }
}

// Keeps the file about to be replaced as target.bak: a second name for the same bytes where
// the file system allows it, a copy where it does not.
int keepBackup(const QByteArray& target, FileSystemCalls& calls) {
    struct stat st {};
    if (::stat(target.constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return 0;  // nothing to keep yet
    }
    const QByteArray backup = target + ".bak";
    if (::unlink(backup.constData()) != 0 && errno != ENOENT) {
        return errno;
    }
    if (calls.link(target.constData(), backup.constData()) == 0) {
        return 0;
    }
    QFile old(QFile::decodeName(target));
    if (!old.open(QIODevice::ReadOnly)) {
        return EIO;
    }
    const QByteArray bytes = old.readAll();
    return replaceFileAtomically(
        QFile::decodeName(backup),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), calls,
        Backup::None);
}

}  // namespace

int replaceFileAtomically(const QString& path, std::string_view data, FileSystemCalls& calls,
                          Backup backup) {
    const QByteArray target = resolvedTarget(path);
    if (target.isEmpty()) {
        return ENOENT;
    }
    if (target.endsWith('/')) {
        return EISDIR;
    }
    std::vector<char> temp(target.begin(), target.end());
    const std::string suffix = ".XXXXXX";
    temp.insert(temp.end(), suffix.begin(), suffix.end());
    temp.push_back('\0');

    const int fd = calls.makeTemporary(temp.data());
    if (fd < 0) {
        // The new file is made beside the target: missing there means the folder named in
        // the path does not exist, an invalid path rather than a missing file.
        return errno == ENOENT ? ENOTDIR : errno;
    }
    // A file system without permissions (a memory stick) refuses this; the save goes on.
    (void)::fchmod(fd, newFileMode(target.constData()));
    int error = writeAll(calls, fd, data);
    if (error == 0 && calls.fsync(fd) != 0) {
        error = errno;
    }
    if (calls.close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && backup == Backup::KeepPrevious) {
        error = keepBackup(target, calls);
    }
    if (error == 0 && calls.rename(temp.data(), target.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.data());
        return error;
    }
    syncFolder(target);
    return 0;
}

}  // namespace reelcase

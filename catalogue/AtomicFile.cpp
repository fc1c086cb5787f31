#include "catalogue/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include <QFile>

#include "catalogue/TemporaryFiles.h"

namespace reelcase {

namespace {

// The file a save writes: the path with every symbolic link followed.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat st {};
    int error = 0;
};

Target resolve(const QByteArray& requested) {
    Target target;
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

int writeAll(FileSystemCalls& calls, int fd, const StreamedBytes& data) {
    return data.produce(
        [&calls, fd](std::string_view piece) { return writeAll(calls, fd, piece); });
}

StreamedBytes whole(std::string_view bytes) {
    return {bytes.size(), [bytes](const StreamedBytes::Write& write) { return write(bytes); }};
}

int readAll(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    while (true) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return 0;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

void syncFolder(const QByteArray& target) {
    const int fd = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // the rename has happened; a failing folder sync has nothing to undo
        ::close(fd);
    }
}

// The process's file creation mask, read without setting it: umask() can only be read by
// changing it, and changing it races with every other thread that creates files.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok) {
                    return static_cast<mode_t>(mask);
                }
            }
        }
    }
    return 022;  // the usual mask, where the kernel does not say
}

mode_t modeFor(const Target& target) {
    if (target.exists) {
        return target.st.st_mode & 07777;
    }
    return 0666 & ~currentUmask();
}

// Gives the new file the old one's owner and group where this user may; false where not.
bool takesOwnerOf(int fd, const struct stat& old) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return false;
    }
    return (st.st_uid == old.st_uid && st.st_gid == old.st_gid) ||
           ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Writes bytes over the file open as fd from its start and cuts it to their length.
int overwrite(FileSystemCalls& calls, int fd, const StreamedBytes& bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return errno;
    }
    const int error = writeAll(calls, fd, bytes);
    if (error != 0) {
        return error;
    }
    return ::ftruncate(fd, static_cast<off_t>(bytes.size)) == 0 ? 0 : errno;
}

// Keeps bytes, the old file's, as its backup: a new file renamed over the old backup; where
// the folder allows no new file, an existing backup that may be written is written in place.
int writeBackupCopy(const Target& target, std::string_view bytes, FileSystemCalls& calls) {
    const QByteArray backup = target.path + ".bak";
    TemporaryFile copy;
    const int created = copy.create(target.path, calls);
    if (created != 0) {
        if (created != EACCES && created != EPERM && created != EROFS) {
            return created;
        }
        const int fd = ::open(backup.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) {
            return created;
        }
        struct stat st {};
        int error = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EACCES;
        if (error == 0) {
            error = overwrite(calls, fd, whole(bytes));
        }
        if (error == 0 && calls.fsync(fd) != 0) {
            error = errno;
        }
        ::close(fd);
        return error;
    }
    // No more readable than the file, and where this user may, owned as it is (or at least
    // in its group, which shares it).
    if (!takesOwnerOf(copy.fd(), target.st)) {
        (void)::fchown(copy.fd(), static_cast<uid_t>(-1), target.st.st_gid);
    }
    (void)::fchmod(copy.fd(), target.st.st_mode & 0777);
    int error = writeAll(calls, copy.fd(), bytes);
    if (error == 0 && calls.fsync(copy.fd()) != 0) {
        error = errno;
    }
    const int closed = copy.closeForWriting(calls);
    if (error == 0) {
        error = closed;
    }
    if (error == 0 && calls.rename(copy.name().constData(), backup.constData()) != 0) {
        error = errno;
    }
    if (error == 0) {
        copy.renamed();
    }
    return error;
}

// The file about to be replaced by a rename becomes the backup: a second name for it, renamed
// over the old backup so that one always stands; a copy where no second name can be made.
int keepBackupByLink(const Target& target, const TemporaryFile& temp, FileSystemCalls& calls) {
    const QByteArray second = temp.companionName();
    if (calls.link(target.path.constData(), second.constData()) == 0) {
        const int error =
            calls.rename(second.constData(), (target.path + ".bak").constData()) == 0 ? 0 : errno;
        ::unlink(second.constData());  // still there when both names were one file already
        return error;
    }
    const int fd = ::open(target.path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    std::string old;
    const int error = readAll(fd, old);
    ::close(fd);
    return error != 0 ? error : writeBackupCopy(target, old, calls);
}

void replaceByRename(const Target& target, TemporaryFile& temp, const StreamedBytes& data,
                     FileSystemCalls& calls, Backup backup, SaveOutcome& outcome) {
    // A file system without permissions (a memory stick) refuses this; the save goes on.
    (void)::fchmod(temp.fd(), modeFor(target));
    int error = writeAll(calls, temp.fd(), data);
    if (error == 0 && calls.fsync(temp.fd()) != 0) {
        error = errno;
    }
    const int closed = temp.closeForWriting(calls);
    if (error == 0) {
        error = closed;
    }
    if (error == 0 && backup == Backup::KeepPrevious && target.exists) {
        outcome.backupError = keepBackupByLink(target, temp, calls);
    }
    if (error == 0 && calls.rename(temp.name().constData(), target.path.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        outcome.error = error;
        return;  // the temporary goes with temp
    }
    temp.renamed();
    syncFolder(target.path);
}

void writeInPlace(const Target& target, const StreamedBytes& data, FileSystemCalls& calls,
                  Backup backup, SaveOutcome& outcome) {
    const int fd = ::open(target.path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        outcome.error = errno;
        return;
    }
    std::string old;
    int error = readAll(fd, old);
    if (error == 0 && backup == Backup::KeepPrevious) {
        outcome.backupError = writeBackupCopy(target, old, calls);
        if (outcome.backupError == 0) {
            syncFolder(target.path);
        }
    }
    // Space reserved first: a full disk is found before a byte of the old file is overwritten.
    if (error == 0 && data.size > old.size() &&
        ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(data.size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT)) {
        error = errno;
    }
    if (error == 0) {
        error = overwrite(calls, fd, data);
        if (error == 0 && calls.fsync(fd) != 0) {
            error = errno;
        }
        if (error != 0) {
            // The old bytes fit where they stood; the file is as it was.
            (void)overwrite(calls, fd, whole(old));
            (void)::fsync(fd);
        }
    }
    if (calls.close(fd) != 0 && error == 0) {
        error = errno;
    }
    outcome.error = error;
}

bool folderRefusesNewFiles(const QByteArray& target) {
    return ::faccessat(AT_FDCWD, folderOf(target).constData(), W_OK | X_OK, AT_EACCESS) != 0;
}

}  // namespace

SaveOutcome saveOverFile(const QString& path, std::string_view data, FileSystemCalls& calls,
                         Backup backup) {
    return saveOverFile(path, whole(data), calls, backup);
}

SaveOutcome saveOverFile(const QString& path, const StreamedBytes& data, FileSystemCalls& calls,
                         Backup backup) {
    SaveOutcome outcome;
    const QByteArray requested = QFile::encodeName(path);
    if (requested.isEmpty()) {
        outcome.error = ENOENT;
        return outcome;
    }
    if (requested.endsWith('/')) {
        outcome.error = EISDIR;
        return outcome;
    }
    Target target = resolve(requested);
    if (target.error != 0) {
        outcome.error = target.error;
        return outcome;
    }
    outcome.backupPath = QFile::decodeName(target.path + ".bak");
    struct stat folder {};
    if (!target.exists && ::stat(folderOf(target.path).constData(), &folder) != 0) {
        outcome.error = errno;
        return outcome;
    }
    if (target.exists) {
        if (!S_ISREG(target.st.st_mode)) {
            outcome.error = S_ISDIR(target.st.st_mode) ? EISDIR : EACCES;
            return outcome;
        }
        // Write-protected: refused also where this user could write it anyway.
        if ((target.st.st_mode & 0222) == 0 ||
            ::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0) {
            outcome.error = EACCES;
            return outcome;
        }
    }
    removeLeftoverTemporaries(target.path);
    // A killed save's second name, just removed, no longer counts as a hard link.
    if (target.exists && target.st.st_nlink > 1) {
        (void)::lstat(target.path.constData(), &target.st);
    }
    TemporaryFile temp;
    const int created = temp.create(target.path, calls);
    if (created != 0) {
        if (target.exists && folderRefusesNewFiles(target.path)) {
            writeInPlace(target, data, calls, backup, outcome);
        } else {
            outcome.error = created;
        }
        return outcome;
    }
    if (target.exists && (target.st.st_nlink > 1 || !takesOwnerOf(temp.fd(), target.st))) {
        temp.release();
        writeInPlace(target, data, calls, backup, outcome);
        return outcome;
    }
    replaceByRename(target, temp, data, calls, backup, outcome);
    return outcome;
}

}  // namespace reelcase

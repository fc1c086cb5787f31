#include "careful_files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include <QFile>

#include "careful_files/FileErrors.h"
#include "careful_files/FileNames.h"
#include "careful_files/ResolvedPath.h"
#include "careful_files/SavingMark.h"
#include "careful_files/TemporaryFiles.h"

namespace reelcase {

namespace {

using Target = ResolvedPath;

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

int readAll(FileSystemCalls& calls, int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    while (true) {
        const ssize_t n = calls.pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
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

void syncFolder(FileSystemCalls& calls, const QByteArray& target) {
    const int fd = calls.open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        calls.fsync(fd);  // the rename has happened; a failing folder sync has nothing to undo
        calls.close(fd);
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
bool takesOwnerOf(FileSystemCalls& calls, int fd, const struct stat& old) {
    struct stat st {};
    if (calls.fstat(fd, &st) != 0) {
        return false;
    }
    return (st.st_uid == old.st_uid && st.st_gid == old.st_gid) ||
           calls.fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Writes bytes over the file open as fd from its start and cuts it to their length.
int overwrite(FileSystemCalls& calls, int fd, const StreamedBytes& bytes) {
    if (calls.lseek(fd, 0, SEEK_SET) != 0) {
        return errno;
    }
    const int error = writeAll(calls, fd, bytes);
    if (error != 0) {
        return error;
    }
    return calls.ftruncate(fd, static_cast<off_t>(bytes.size)) == 0 ? 0 : errno;
}

// Writes data to a new temporary, syncs and closes it: 0, or the first step's errno.
int fillTemporary(FileSystemCalls& calls, TemporaryFile& temp, const StreamedBytes& data) {
    int error = writeAll(calls, temp.fd(), data);
    if (error == 0 && calls.fsync(temp.fd()) != 0) {
        error = errno;
    }
    const int closed = temp.closeForWriting(calls);
    return error != 0 ? error : closed;
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
        const int fd =
            calls.open(backup.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) {
            return created;
        }
        struct stat st {};
        int error = calls.fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EACCES;
        if (error == 0) {
            error = overwrite(calls, fd, whole(bytes));
        }
        if (error == 0 && calls.fsync(fd) != 0) {
            error = errno;
        }
        calls.close(fd);
        return error;
    }
    // No more readable than the file, and where this user may, owned as it is (or at least
    // in its group, which shares it).
    if (!takesOwnerOf(calls, copy.fd(), target.st)) {
        (void)calls.fchown(copy.fd(), static_cast<uid_t>(-1), target.st.st_gid);
    }
    (void)calls.fchmod(copy.fd(), target.st.st_mode & 0777);
    int error = fillTemporary(calls, copy, whole(bytes));
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
        calls.unlink(second.constData());  // still there when both names were one file already
        return error;
    }
    const int fd = calls.open(target.path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    std::string old;
    const int error = readAll(calls, fd, old);
    calls.close(fd);
    return error != 0 ? error : writeBackupCopy(target, old, calls);
}

// What a save knows of the file it replaces, learnt under the lock.
struct Replaced {
    bool keepsAsBackup = false;  // the backup is wanted and this version is whole
    bool marked = false;         // a save of it was cut off
};

void replaceByRename(const Target& target, TemporaryFile& temp, const StreamedBytes& data,
                     FileSystemCalls& calls, const Replaced& old, SaveOutcome& outcome) {
    // A file system without permissions (a memory stick) refuses this; the save goes on.
    (void)calls.fchmod(temp.fd(), modeFor(target));
    int error = fillTemporary(calls, temp, data);
    if (error == 0 && old.keepsAsBackup) {
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
    syncFolder(calls, target.path);
}

// Whether a mark that could not be made should stop the save: not where the file system keeps
// neither attributes nor a new file beside it (the save goes on unmarked, as before marks).
bool markIsMissingOnly(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == ENOTSUP;
}

void writeInPlace(const Target& target, const StreamedBytes& data, FileSystemCalls& calls,
                  const Replaced& replaced, SaveOutcome& outcome) {
    const int fd =
        calls.open(target.path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        outcome.error = errno;
        return;
    }
    std::string old;
    int error = readAll(calls, fd, old);
    if (error == 0 && replaced.keepsAsBackup) {
        outcome.backupError = writeBackupCopy(target, old, calls);
        if (outcome.backupError == 0) {
            syncFolder(calls, target.path);
        }
    }
    // Space reserved first: a full disk is found before a byte of the old file is overwritten.
    if (error == 0 && data.size > old.size() &&
        calls.fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(data.size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT)) {
        error = errno;
    }
    if (error == 0) {
        const int marked = setSavingMark(calls, fd, target.path);
        error = markIsMissingOnly(marked) ? 0 : marked;
        if (error != 0 && !replaced.marked) {
            // Perhaps made but not synced: no byte was overwritten, so no reader is warned.
            (void)clearSavingMark(calls, fd, target.path);
        }
    }
    if (error == 0) {
        error = overwrite(calls, fd, data);
        if (error == 0 && calls.fsync(fd) != 0) {
            error = errno;
        }
        if (error != 0) {
            // The old bytes fit where they stood; the file is as it was, and unmarked only
            // once that is on disk (a file marked before this save stays marked).
            if (overwrite(calls, fd, whole(old)) == 0 && calls.fsync(fd) == 0 && !replaced.marked) {
                (void)clearSavingMark(calls, fd, target.path);
            }
        } else if (clearSavingMark(calls, fd, target.path) == 0) {
            (void)calls.fsync(fd);  // else the next reader is warned for nothing
        }
    }
    // Without an error the new version is synced already: a failing close loses nothing of it,
    // and reporting one would leave the caller taking the file for the old version.
    (void)calls.close(fd);
    outcome.error = error;
}

bool folderRefusesNewFiles(const QByteArray& target) {
    return ::faccessat(AT_FDCWD, folderOf(target).constData(), W_OK | X_OK, AT_EACCESS) != 0;
}

// Refuses what no save may write over; 0 or the errno to report.
int refusal(const Target& target) {
    if (target.error != 0) {
        return target.error;
    }
    struct stat folder {};
    if (!target.exists && ::stat(folderOf(target.path).constData(), &folder) != 0) {
        return errno;
    }
    if (target.exists) {
        if (!S_ISREG(target.st.st_mode)) {
            return S_ISDIR(target.st.st_mode) ? EISDIR : EACCES;
        }
        // Write-protected: refused also where this user could write it anyway.
        if ((target.st.st_mode & 0222) == 0 ||
            ::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0) {
            return EACCES;
        }
    }
    return 0;
}

// Under the lock: the file as it stands now, whether it is still the version expected, and
// what becomes of it.
int lookAtLockedFile(Target& target, const WriteLock& lock, FileSystemCalls& calls,
                     const SaveOptions& options, Replaced& replaced) {
    if (lock.createdFile()) {
        target.exists = false;  // made empty for the lock: no earlier version to keep
    } else if (calls.fstat(lock.fd(), &target.st) != 0) {
        return errno;
    } else {
        target.exists = true;  // perhaps made by another writer since the path was looked at
    }
    if (options.expected) {
        const std::optional<FileStamp> now = target.exists ? stampOf(lock.fd()) : std::nullopt;
        if (now && *now != *options.expected) {
            return ChangedSinceStamp;
        }
    }
    if (target.exists) {
        replaced.marked = carriesSavingMark(lock.fd(), target.path);
        replaced.keepsAsBackup = options.backup == Backup::KeepPrevious && !replaced.marked &&
                                 (!options.wholeVersion || options.wholeVersion(target.st.st_size));
    }
    return 0;
}

// Whether the file has names that a rename would split from it. A killed save's second name
// (just removed with the leftovers) and its own backup (a save killed between making the old
// file the backup and renaming the new one in leaves both names on one file) do not count.
bool hasOtherNames(Target& target, FileSystemCalls& calls, int fd) {
    if (target.st.st_nlink <= 1 || calls.fstat(fd, &target.st) != 0) {
        return target.st.st_nlink > 1;
    }
    struct stat backup {};
    const bool backupIsIt = ::lstat((target.path + ".bak").constData(), &backup) == 0 &&
                            backup.st_dev == target.st.st_dev && backup.st_ino == target.st.st_ino;
    return target.st.st_nlink > (backupIsIt ? 2U : 1U);
}

void save(Target& target, const StreamedBytes& data, FileSystemCalls& calls, const WriteLock& lock,
          const SaveOptions& options, SaveOutcome& outcome) {
    Replaced replaced;
    if (const int error = lookAtLockedFile(target, lock, calls, options, replaced); error != 0) {
        outcome.error = error;
        return;
    }
    removeLeftoverTemporaries(target.path, calls);
    TemporaryFile temp;
    const int created = temp.create(target.path, calls);
    if (created != 0) {
        if (target.exists && folderRefusesNewFiles(target.path)) {
            writeInPlace(target, data, calls, replaced, outcome);
        } else {
            outcome.error = created;
        }
    } else if (target.exists && (hasOtherNames(target, calls, lock.fd()) ||
                                 !takesOwnerOf(calls, temp.fd(), target.st))) {
        temp.release();
        writeInPlace(target, data, calls, replaced, outcome);
    } else {
        replaceByRename(target, temp, data, calls, replaced, outcome);
        if (outcome.error == 0 && replaced.marked) {
            (void)clearSavingMark(calls, lock.fd(), target.path);  // a mark file beside it
        }
    }
    if (outcome.error == 0) {
        outcome.stamp = stampOf(fileNameFromBytes(target.path));
    }
}

}  // namespace

SaveOutcome saveOverFile(const QString& path, std::string_view data, FileSystemCalls& calls,
                         const SaveOptions& options) {
    return saveOverFile(path, whole(data), calls, options);
}

SaveOutcome saveOverFile(const QString& path, const StreamedBytes& data, FileSystemCalls& calls,
                         const SaveOptions& options) {
    SaveOutcome outcome;
    const QByteArray requested = fileNameBytes(path);
    if (requested.isEmpty()) {
        outcome.error = ENOENT;
        return outcome;
    }
    if (requested.endsWith('/')) {
        outcome.error = EISDIR;
        return outcome;
    }
    Target target = resolvePath(requested);
    outcome.error = refusal(target);
    if (outcome.error != 0) {
        return outcome;
    }
    outcome.backupPath = fileNameFromBytes(target.path + ".bak");
    if (options.heldLock != nullptr) {
        save(target, data, calls, *options.heldLock, options, outcome);
        return outcome;
    }
    WriteLock lock;
    outcome.error = lock.acquire(target.path, calls, options.lockWait);
    if (outcome.error != 0) {
        outcome.holder = lock.holder();
        return outcome;
    }
    save(target, data, calls, lock, options, outcome);
    return outcome;
}

}  // namespace reelcase

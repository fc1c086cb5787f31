#include "careful_files/SavingMark.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>

#include "careful_files/FileNames.h"
#include "careful_files/ResolvedPath.h"
#include "careful_files/TemporaryFiles.h"

namespace reelcase {

namespace {

QByteArray markFile(const QByteArray& target) {
    return target + ".saving";
}

bool noAttributesHere(int error) {
    return error == ENOTSUP || error == EOPNOTSUPP || error == EPERM;
}

}  // namespace

int setSavingMark(FileSystemCalls& calls, int fd, const QByteArray& target) {
    const char value[] = "1";
    if (calls.fsetxattr(fd, SavingMarkAttribute, value, 1) == 0) {
        return calls.fsync(fd) == 0 ? 0 : errno;
    }
    if (!noAttributesHere(errno)) {
        return errno;
    }
    const int mark =
        calls.open(markFile(target).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (mark < 0) {
        return errno;
    }
    int error = calls.fsync(mark) == 0 ? 0 : errno;
    calls.close(mark);
    if (error == 0) {
        // The mark file's name must be on disk too.
        const int folder =
            calls.open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            error = calls.fsync(folder) == 0 ? 0 : errno;
            calls.close(folder);
        }
    }
    return error;
}

int clearSavingMark(FileSystemCalls& calls, int fd, const QByteArray& target) {
    int error = 0;
    if (calls.fremovexattr(fd, SavingMarkAttribute) != 0 && errno != ENODATA &&
        !noAttributesHere(errno)) {
        error = errno;
    }
    if (calls.unlink(markFile(target).constData()) != 0 && errno != ENOENT && error == 0) {
        error = errno;
    }
    return error;
}

bool carriesSavingMark(int fd, const QByteArray& target) {
    char value[8];
    if (::fgetxattr(fd, SavingMarkAttribute, value, sizeof value) >= 0) {
        return true;
    }
    struct stat st {};
    return ::lstat(markFile(target).constData(), &st) == 0;
}

bool carriesSavingMark(const QString& path) {
    const ResolvedPath target = resolvePath(fileNameBytes(path));
    if (!target.exists) {
        return false;
    }
    const int fd = ::open(target.path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    const bool marked = carriesSavingMark(fd, target.path);
    ::close(fd);
    return marked;
}

// In the windows' language; the command line, which installs no translation, says it in English.
QString interruptedSaveText(const QString& path) {
    return QCoreApplication::translate(
               "SavingMark", "The last save of \"%1\" was interrupted: the file may be damaged.")
        .arg(path);
}

}  // namespace reelcase

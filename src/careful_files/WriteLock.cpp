#include "careful_files/WriteLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <thread>

#include <QCoreApplication>
#include <QFile>

namespace reelcase {

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

bool noLocksHere(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == EBADF;
}

}  // namespace

int WriteLock::openOrCreate() {
    created_ = false;
    const int fd = calls_->open(target_.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd >= 0 || errno != ENOENT) {
        return fd;
    }
    const int made =
        calls_->open(target_.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    created_ = made >= 0;
    return made;
}

int WriteLock::acquire(const QByteArray& target, FileSystemCalls& calls,
                       std::chrono::milliseconds wait) {
    release();
    calls_ = &calls;
    target_ = target;
    holder_ = {};
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    while (true) {
        const int fd = openOrCreate();
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;  // made by another writer between the two opens
            }
            return errno;
        }
        struct stat locked {};
        if (calls.fstat(fd, &locked) != 0) {
            const int error = errno;
            calls.close(fd);
            return error;
        }
        if (calls.flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (noLocksHere(error)) {
                fd_ = fd;
                locked_ = false;
                return 0;
            }
            calls.close(fd);
            if (error != EWOULDBLOCK) {
                return error;
            }
            holder_ = lockHolderOf(locked.st_dev, locked.st_ino);
            if (std::chrono::steady_clock::now() >= giveUp) {
                return EWOULDBLOCK;
            }
            std::this_thread::sleep_for(kPollInterval);
            continue;
        }
        // The name may lead to another file by now: the lock holder renamed a new one over it.
        struct stat named {};
        if (::stat(target.constData(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            fd_ = fd;
            locked_ = true;
            holder_ = {};
            return 0;
        }
        calls.close(fd);
    }
}

void WriteLock::release() {
    if (fd_ < 0) {
        return;
    }
    if (created_) {
        // Nothing was written to the file made for the lock: it goes again.
        struct stat mine {};
        struct stat named {};
        if (calls_->fstat(fd_, &mine) == 0 && mine.st_size == 0 &&
            ::stat(target_.constData(), &named) == 0 && named.st_ino == mine.st_ino &&
            named.st_dev == mine.st_dev) {
            calls_->unlink(target_.constData());
        }
    }
    calls_->close(fd_);  // lets the lock go
    fd_ = -1;
    created_ = false;
}

LockHolder lockHolderOf(dev_t device, ino_t inode) {
    LockHolder holder;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) {
        return holder;
    }
    // "1: FLOCK  ADVISORY  WRITE 4242 fd:01:123456 0 EOF"; waiters are marked "->".
    const QByteArray file = QByteArray::number(major(device), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(minor(device), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(static_cast<qulonglong>(inode));
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields.at(1) != "FLOCK" || fields.at(3) != "WRITE" ||
            fields.at(5) != file) {
            continue;
        }
        holder.pid = fields.at(4).toLong();
        QFile comm(QStringLiteral("/proc/%1/comm").arg(holder.pid));
        if (holder.pid > 0 && comm.open(QIODevice::ReadOnly)) {
            holder.program = QString::fromLocal8Bit(comm.readAll().trimmed());
        }
        break;
    }
    return holder;
}

// In the windows' language; the command line, which installs no translation, says it in English.
QString lockedByAnotherText(const LockHolder& holder) {
    QString who = QCoreApplication::translate("WriteLock", "another program");
    if (holder.pid > 0) {
        who = holder.program.isEmpty()
                  ? QCoreApplication::translate("WriteLock", "another program (process %1)")
                        .arg(holder.pid)
                  : QCoreApplication::translate("WriteLock", "%1 (process %2)")
                        .arg(holder.program)
                        .arg(holder.pid);
    }
    return QCoreApplication::translate(
               "WriteLock", "The file is being written by %1. Try again when it has finished.")
        .arg(who);
}

}  // namespace reelcase

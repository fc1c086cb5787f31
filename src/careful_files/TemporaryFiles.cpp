#include "careful_files/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace reelcase {

namespace {

constexpr int kRandomLength = 6;  // the XXXXXX of mkstemp

// ".rc" and a fixed hash of the saved file's name: the same in every run of the program.
QByteArray namePrefix(const QByteArray& target) {
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    std::uint32_t hash = 2166136261U;  // FNV-1a
    for (const char c : base) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return ".rc" + QByteArray::number(hash, 16).rightJustified(8, '0') + '.';
}

bool sameFile(const char* path, int fd) {
    struct stat byName {};
    struct stat byFd {};
    return ::stat(path, &byName) == 0 && ::fstat(fd, &byFd) == 0 && byName.st_dev == byFd.st_dev &&
           byName.st_ino == byFd.st_ino;
}

}  // namespace

QByteArray folderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : file.left(slash);
}

QByteArray pathIn(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

int TemporaryFile::create(const QByteArray& target, FileSystemCalls& calls) {
    release();
    calls_ = &calls;
    const QByteArray prefix = pathIn(folderOf(target), namePrefix(target));
    for (int attempt = 0; attempt < 8; ++attempt) {
        QByteArray path = prefix + QByteArray(kRandomLength, 'X');
        const int fd = calls.makeTemporary(path.data());
        if (fd < 0) {
            return errno;
        }
        // Another save's clean-up may lock and remove it before this lock is taken: then it
        // is no longer ours and another is made. A file system without locks saves unlocked.
        const bool locked = calls.flock(fd, LOCK_EX) == 0;
        if (!locked || sameFile(path.constData(), fd)) {
            fd_ = fd;
            lockFd_ = locked ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1;
            name_ = path;
            return 0;
        }
        calls.close(fd);
    }
    return EEXIST;
}

int TemporaryFile::closeForWriting(FileSystemCalls& calls) {
    const int fd = fd_;
    fd_ = -1;
    return calls.close(fd) == 0 ? 0 : errno;
}

void TemporaryFile::release() {
    if (fd_ >= 0) {
        calls_->close(fd_);
        fd_ = -1;
    }
    if (!name_.isEmpty()) {
        calls_->unlink(companionName().constData());
        calls_->unlink(name_.constData());
        name_.clear();
    }
    if (lockFd_ >= 0) {
        calls_->close(lockFd_);
        lockFd_ = -1;
    }
}

void removeLeftoverTemporaries(const QByteArray& target, FileSystemCalls& calls) {
    const QByteArray folder = folderOf(target);
    const QByteArray prefix = namePrefix(target);
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix)) {
            continue;
        }
        const QByteArray path = pathIn(folder, name);
        const qsizetype rest = name.size() - prefix.size();
        if (rest == kRandomLength + 1 && name.endsWith('b')) {
            // A companion lives only while its temporary does.
            struct stat st {};
            if (::lstat(path.chopped(1).constData(), &st) != 0 && errno == ENOENT) {
                calls.unlink(path.constData());
            }
            continue;
        }
        if (rest != kRandomLength) {
            continue;
        }
        const int fd = calls.open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        if (calls.fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            calls.flock(fd, LOCK_EX | LOCK_NB) == 0) {
            calls.unlink((path + 'b').constData());
            calls.unlink(path.constData());
        }
        calls.close(fd);
    }
    ::closedir(dir);
}

}  // namespace reelcase

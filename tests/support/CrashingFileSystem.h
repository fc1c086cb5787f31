#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>

#include "careful_files/FileSystemCalls.h"
#include "careful_files/SavingMark.h"

namespace reelcase::test {

// Real system calls, numbered in the order they are made and logged, so that a writer can be
// made to fail at any one of them, or be stopped right after one as if the program had been
// killed there or the power cut.
//
// What survives a power cut, as this models it: the bytes and the saving mark of a file as
// they were at its last fsync (or before this process first changed them); a duplicate of a
// descriptor each changed file was written through reaches it also once it is renamed over or
// removed. Folder changes (creating, renaming, linking and removing names) and mode changes
// count as on disk as soon as they are made, as a journalling file system with ordered
// metadata keeps them.
class CrashingFileSystem : public FileSystemCalls {
  public:
    enum class Call {
        MakeTemporary,
        Open,
        OpenCreate,  // open with O_CREAT
        Write,
        Pread,
        Lseek,
        Fstat,
        Fchown,
        Fchmod,
        Fallocate,
        Ftruncate,
        Fsync,
        Close,
        Flock,
        Rename,
        Link,
        Unlink,
        Fsetxattr,
        Fgetxattr,
        Fremovexattr,
    };
    static const char* nameOf(Call call) {
        static constexpr const char* names[] = {
            "makeTemporary", "open",   "open (creating)", "write",     "pread",
            "lseek",         "fstat",  "fchown",          "fchmod",    "fallocate",
            "ftruncate",     "fsync",  "close",           "flock",     "rename",
            "link",          "unlink", "fsetxattr",       "fgetxattr", "fremovexattr"};
        return names[static_cast<int>(call)];
    }
    struct Made {
        Call call;
        std::string subject;  // the file's name, for messages
    };

    std::vector<Made> log;
    std::size_t writeLimit = 1000;  // no write takes more, so that a file takes many writes
    int failAt = -1;                // this call fails with failWith (a close still closes)
    int failWith = 0;
    int stopAfter = -1;  // every call after this one fails with EIO and does nothing

    CrashingFileSystem() = default;
    CrashingFileSystem(const CrashingFileSystem&) = delete;
    CrashingFileSystem& operator=(const CrashingFileSystem&) = delete;
    ~CrashingFileSystem() override {
        for (const auto& [inode, file] : written_) {
            ::close(file.fd);
        }
    }

    // After a stop: every file written since its last sync goes back to what was synced, the
    // written bytes dropped, as by a power cut.
    void dropUnsyncedWrites() {
        for (auto& [inode, file] : written_) {
            if (!file.changed) {
                continue;
            }
            // Through a description of its own: the duplicate kept may be read-only.
            const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
            const int fd = ::open(self.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd >= 0) {
                (void)!::pwrite(fd, file.synced.data(), file.synced.size(), 0);
                (void)!::ftruncate(fd, static_cast<off_t>(file.synced.size()));
                ::close(fd);
            }
            if (file.syncedMark) {
                ::fsetxattr(file.fd, SavingMarkAttribute, file.syncedMark->data(),
                            file.syncedMark->size(), 0);
            } else {
                ::fremovexattr(file.fd, SavingMarkAttribute);
            }
            file.changed = false;
        }
    }

    int makeTemporary(char* pathTemplate) override {
        return through(Call::MakeTemporary, baseName(pathTemplate),
                       [&] { return FileSystemCalls::makeTemporary(pathTemplate); });
    }
    int open(const char* path, int flags, mode_t mode) override {
        return through((flags & O_CREAT) != 0 ? Call::OpenCreate : Call::Open, baseName(path),
                       [&] { return FileSystemCalls::open(path, flags, mode); });
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        size = std::min(size, writeLimit);
        return changing(Call::Write, fd, [&] { return FileSystemCalls::write(fd, data, size); });
    }
    ssize_t pread(int fd, void* data, std::size_t size, off_t offset) override {
        return through(Call::Pread, fileOf(fd),
                       [&] { return FileSystemCalls::pread(fd, data, size, offset); });
    }
    off_t lseek(int fd, off_t offset, int whence) override {
        return through(Call::Lseek, fileOf(fd),
                       [&] { return FileSystemCalls::lseek(fd, offset, whence); });
    }
    int fstat(int fd, struct stat* st) override {
        return through(Call::Fstat, fileOf(fd), [&] { return FileSystemCalls::fstat(fd, st); });
    }
    int fchown(int fd, uid_t owner, gid_t group) override {
        return through(Call::Fchown, fileOf(fd),
                       [&] { return FileSystemCalls::fchown(fd, owner, group); });
    }
    int fchmod(int fd, mode_t mode) override {
        return through(Call::Fchmod, fileOf(fd), [&] { return FileSystemCalls::fchmod(fd, mode); });
    }
    int fallocate(int fd, int mode, off_t offset, off_t length) override {
        return changing(Call::Fallocate, fd,
                        [&] { return FileSystemCalls::fallocate(fd, mode, offset, length); });
    }
    int ftruncate(int fd, off_t length) override {
        return changing(Call::Ftruncate, fd,
                        [&] { return FileSystemCalls::ftruncate(fd, length); });
    }
    int fsync(int fd) override {
        const int result =
            through(Call::Fsync, fileOf(fd), [&] { return FileSystemCalls::fsync(fd); });
        if (result == 0) {
            if (const auto file = written_.find(inodeOf(fd)); file != written_.end()) {
                remember(file->second);
            }
        }
        return result;
    }
    int close(int fd) override {
        return through(Call::Close, fileOf(fd), [&] { return FileSystemCalls::close(fd); });
    }
    int flock(int fd, int operation) override {
        return through(Call::Flock, fileOf(fd),
                       [&] { return FileSystemCalls::flock(fd, operation); });
    }
    int rename(const char* from, const char* to) override {
        return through(Call::Rename, baseName(from) + " -> " + baseName(to),
                       [&] { return FileSystemCalls::rename(from, to); });
    }
    int link(const char* from, const char* to) override {
        return through(Call::Link, baseName(from) + " -> " + baseName(to),
                       [&] { return FileSystemCalls::link(from, to); });
    }
    int unlink(const char* path) override {
        return through(Call::Unlink, baseName(path), [&] { return FileSystemCalls::unlink(path); });
    }
    int fsetxattr(int fd, const char* name, const void* value, std::size_t size) override {
        return changing(Call::Fsetxattr, fd,
                        [&] { return FileSystemCalls::fsetxattr(fd, name, value, size); });
    }
    ssize_t fgetxattr(int fd, const char* name, void* value, std::size_t size) override {
        return through(Call::Fgetxattr, fileOf(fd),
                       [&] { return FileSystemCalls::fgetxattr(fd, name, value, size); });
    }
    int fremovexattr(int fd, const char* name) override {
        return changing(Call::Fremovexattr, fd,
                        [&] { return FileSystemCalls::fremovexattr(fd, name); });
    }

  private:
    using Inode = std::pair<dev_t, ino_t>;
    struct Written {
        int fd = -1;  // a duplicate, which reaches the file also once it is renamed or removed
        std::string synced;
        std::optional<std::string> syncedMark;
        bool changed = false;
    };
    std::map<Inode, Written> written_;

    template <class Real>
    auto through(Call call, std::string subject, Real real) -> decltype(real()) {
        const int number = static_cast<int>(log.size());
        log.push_back({call, std::move(subject)});
        if (stopAfter >= 0 && number > stopAfter) {
            errno = EIO;  // the program is gone
            return -1;
        }
        if (number == failAt && call != Call::Close) {
            errno = failWith;
            return -1;
        }
        const auto result = real();
        if (number == failAt) {
            errno = failWith;  // Linux closes the descriptor whatever close reports
            return -1;
        }
        return result;
    }

    // A call that changes the file's bytes or mark: what was on disk before is noted first.
    template <class Real>
    auto changing(Call call, int fd, Real real) -> decltype(real()) {
        const Inode inode = inodeOf(fd);
        const bool known = written_.count(inode) != 0;
        Written before;
        if (!known) {
            before.fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            remember(before);
        }
        const auto result = through(call, fileOf(fd), real);
        if (result >= 0) {
            Written& file = known ? written_[inode] : (written_[inode] = std::move(before));
            file.changed = true;
        } else if (!known) {
            ::close(before.fd);
        }
        return result;
    }

    // Notes the file's bytes and mark as they are now, read through a description of its own
    // (the writer's may be write-only).
    static void remember(Written& file) {
        file.synced.clear();
        const int fd =
            ::open(("/proc/self/fd/" + std::to_string(file.fd)).c_str(), O_RDONLY | O_CLOEXEC);
        char buffer[65536];
        ssize_t n = 0;
        while (fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0) {
            file.synced.append(buffer, static_cast<std::size_t>(n));
        }
        if (fd >= 0) {
            ::close(fd);
        }
        char mark[64];
        const ssize_t size = ::fgetxattr(file.fd, SavingMarkAttribute, mark, sizeof mark);
        file.syncedMark = size >= 0
                              ? std::optional<std::string>(std::string(mark, std::size_t(size)))
                              : std::nullopt;
        file.changed = false;
    }

    static Inode inodeOf(int fd) {
        struct stat st {};
        ::fstat(fd, &st);
        return {st.st_dev, st.st_ino};
    }
    static std::string baseName(const char* path) {
        const std::string p(path);
        return p.substr(p.rfind('/') + 1);
    }
    static std::string fileOf(int fd) {
        char target[4096];
        const ssize_t n =
            ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
        return n > 0 ? baseName(std::string(target, static_cast<std::size_t>(n)).c_str())
                     : std::to_string(fd);
    }
};

// Closes every descriptor this process has open on a file in folder (also on one removed
// since), as the end of a process would; their locks go with them.
inline int closeFilesIn(const QByteArray& folder) {
    std::vector<int> found;
    const QByteArray prefix = folder + '/';
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(fds)) {
            char target[4096];
            const std::string self = std::string("/proc/self/fd/") + entry->d_name;
            const ssize_t n = ::readlink(self.c_str(), target, sizeof target - 1);
            if (n > 0 && QByteArray(target, n).startsWith(prefix)) {
                found.push_back(std::atoi(entry->d_name));
            }
        }
        ::closedir(fds);
    }
    for (const int fd : found) {
        ::close(fd);
    }
    return static_cast<int>(found.size());
}

}  // namespace reelcase::test

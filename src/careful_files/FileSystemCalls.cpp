#include "careful_files/FileSystemCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <cstdlib>

namespace reelcase {

int FileSystemCalls::makeTemporary(char* pathTemplate) {
    return ::mkostemp(pathTemplate, O_CLOEXEC);
}
int FileSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);  // NOLINT(cppcoreguidelines-pro-type-vararg)
}
ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
ssize_t FileSystemCalls::pread(int fd, void* data, std::size_t size, off_t offset) {
    return ::pread(fd, data, size, offset);
}
off_t FileSystemCalls::lseek(int fd, off_t offset, int whence) {
    return ::lseek(fd, offset, whence);
}
int FileSystemCalls::fstat(int fd, struct stat* st) {
    return ::fstat(fd, st);
}
int FileSystemCalls::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}
int FileSystemCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileSystemCalls::fallocate(int fd, int mode, off_t offset, off_t length) {
    return ::fallocate(fd, mode, offset, length);
}
int FileSystemCalls::ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}
int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileSystemCalls::close(int fd) {
    return ::close(fd);
}
int FileSystemCalls::flock(int fd, int operation) {
    return ::flock(fd, operation);
}
int FileSystemCalls::rename(const char* from, const char* to) {
    return std::rename(from, to);
}
int FileSystemCalls::link(const char* from, const char* to) {
    return ::link(from, to);
}
int FileSystemCalls::unlink(const char* path) {
    return ::unlink(path);
}
int FileSystemCalls::fsetxattr(int fd, const char* name, const void* value, std::size_t size) {
    return ::fsetxattr(fd, name, value, size, 0);
}
ssize_t FileSystemCalls::fgetxattr(int fd, const char* name, void* value, std::size_t size) {
    return ::fgetxattr(fd, name, value, size);
}
int FileSystemCalls::fremovexattr(int fd, const char* name) {
    return ::fremovexattr(fd, name);
}

FileSystemCalls& realFileSystem() {
    static FileSystemCalls calls;  // stateless: the plain system calls
    return calls;
}

void ignoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace reelcase

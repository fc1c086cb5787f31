#include "catalogue/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <cstdlib>

namespace reelcase {

int FileSystemCalls::makeTemporary(char* pathTemplate) {
    return ::mkostemp(pathTemplate, O_CLOEXEC);
}
ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileSystemCalls::close(int fd) {
    return ::close(fd);
}
int FileSystemCalls::rename(const char* from, const char* to) {
    return std::rename(from, to);
}
int FileSystemCalls::link(const char* from, const char* to) {
    return ::link(from, to);
}

FileSystemCalls& realFileSystem() {
    static FileSystemCalls calls;  // stateless: the plain system calls
    return calls;
}

void ignoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace reelcase

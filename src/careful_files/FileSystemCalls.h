#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace reelcase {

// Every system call a writer makes, behind one interface so that tests can make any of them
// fail, write short, or stop the program after it. Each returns what the system call returns
// and leaves the cause in errno.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    virtual int makeTemporary(char* pathTemplate);  // mkostemp, close-on-exec
    virtual int open(const char* path, int flags, mode_t mode = 0);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual ssize_t pread(int fd, void* data, std::size_t size, off_t offset);
    virtual off_t lseek(int fd, off_t offset, int whence);
    virtual int fstat(int fd, struct stat* st);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fallocate(int fd, int mode, off_t offset, off_t length);
    virtual int ftruncate(int fd, off_t length);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int flock(int fd, int operation);
    virtual int rename(const char* from, const char* to);
    virtual int link(const char* from, const char* to);
    virtual int unlink(const char* path);
    // Extended attributes of an open file (the interrupted-save mark).
    virtual int fsetxattr(int fd, const char* name, const void* value, std::size_t size);
    virtual ssize_t fgetxattr(int fd, const char* name, void* value, std::size_t size);
    virtual int fremovexattr(int fd, const char* name);
};

FileSystemCalls& realFileSystem();

// Writing beyond the process's file-size limit ends the program by a signal unless it is
// ignored; ignored, the write fails with EFBIG and the save reports it. Called at start.
void ignoreFileSizeLimitSignal();

}  // namespace reelcase

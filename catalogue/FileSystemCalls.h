#pragma once

#include <sys/types.h>

#include <cstddef>

namespace reelcase {

// The system calls a save makes, behind one interface so that tests can make any of them
// fail, or write short, at any point. Each returns what the system call returns and leaves
// the cause in errno.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    virtual int makeTemporary(char* pathTemplate);  // mkstemp
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int link(const char* from, const char* to);
};

FileSystemCalls& realFileSystem();

// Writing beyond the process's file-size limit ends the program by a signal unless it is
// ignored; ignored, the write fails with EFBIG and the save reports it. Called at start.
void ignoreFileSizeLimitSignal();

}  // namespace reelcase

#pragma once

#include <cerrno>
#include <functional>
#include <utility>

#include "careful_files/FileSystemCalls.h"

namespace reelcase::test {

// Real system calls, except that the chosen step fails with the chosen errno. Writes can
// also be made short, to check that a short write is never taken for the whole.
class FailingFileSystem : public FileSystemCalls {
  public:
    enum class Step { None, Create, Write, Fsync, Close, Rename, Link };
    Step failAt = Step::None;
    int failOnWriteNumber = 1;  // with Step::Write: which write call fails
    int error = ENOSPC;
    std::size_t shortWriteLimit = 0;  // when not 0, no write takes more than this
    int writes = 0;
    // Runs once, just before the first lock a save takes: another writer's moment.
    std::function<void()> beforeFirstLock;

    int makeTemporary(char* pathTemplate) override {
        return fails(Step::Create) ? -1 : FileSystemCalls::makeTemporary(pathTemplate);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        ++writes;
        if (failAt == Step::Write && writes == failOnWriteNumber) {
            errno = error;
            return -1;
        }
        if (shortWriteLimit != 0 && size > shortWriteLimit) {
            size = shortWriteLimit;
        }
        return FileSystemCalls::write(fd, data, size);
    }
    int fsync(int fd) override { return fails(Step::Fsync) ? -1 : FileSystemCalls::fsync(fd); }
    int close(int fd) override {
        const int result = FileSystemCalls::close(fd);
        return fails(Step::Close) ? -1 : result;
    }
    int rename(const char* from, const char* to) override {
        return fails(Step::Rename) ? -1 : FileSystemCalls::rename(from, to);
    }
    int flock(int fd, int operation) override {
        if (beforeFirstLock) {
            const auto other = std::exchange(beforeFirstLock, nullptr);
            other();
        }
        return FileSystemCalls::flock(fd, operation);
    }
    int link(const char* from, const char* to) override {
        return fails(Step::Link) ? -1 : FileSystemCalls::link(from, to);
    }

  private:
    bool fails(Step step) {
        if (failAt != step) {
            return false;
        }
        errno = error;
        return true;
    }
};

}  // namespace reelcase::test

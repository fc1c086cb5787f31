#pragma once

#include <chrono>

#include <QByteArray>
#include <QString>

#include "careful_files/FileSystemCalls.h"

namespace reelcase {

// Another writer's hold on a file, as far as the system tells: its process and program name.
struct LockHolder {
    long pid = 0;     // 0 where the system does not say
    QString program;  // the process's name, where it can be read
};

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds DefaultLockWait{5000};

// The lock every copy of the program takes on a file before it replaces it, and holds until
// the new version stands: an exclusive flock on the file itself. flock rather than a lock
// file beside it, because a catalogue may live in a folder this user cannot create files in
// (the in-place save exists for it), and a lock file left by a killed program would need
// cleaning up; flock rather than a POSIX record lock, because closing any descriptor of the
// file in the same process would silently drop a record lock. A save that renames a new file
// over the old one leaves waiters holding the old file's lock, so each taker checks, once it
// holds the lock, that the name still leads to the file it locked, and starts again if not.
// A file that does not exist yet is created empty to be locked, and removed again on release
// when nothing was written to it.
// Where the file system has no locks (some network file systems answer ENOLCK or
// EOPNOTSUPP), the writer goes on unlocked; the file's stamp, checked again before it is
// replaced, still tells of another writer.
class WriteLock {
  public:
    WriteLock() = default;
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock() { release(); }

    // Locks target (a path with its links already followed), waiting up to wait for another
    // writer. 0, EWOULDBLOCK when another holds it still (holder() says who), or the errno of
    // the open that failed.
    int acquire(const QByteArray& target, FileSystemCalls& calls,
                std::chrono::milliseconds wait = DefaultLockWait);
    void release();

    [[nodiscard]] bool held() const { return fd_ >= 0; }
    // The locked file, open for reading and writing.
    [[nodiscard]] int fd() const { return fd_; }
    // Whether the file system refused locks, so that the file is written unlocked.
    [[nodiscard]] bool unlocked() const { return !locked_; }
    // Whether acquire created the file (empty), so it holds no earlier version.
    [[nodiscard]] bool createdFile() const { return created_; }
    [[nodiscard]] const QByteArray& target() const { return target_; }
    [[nodiscard]] const LockHolder& holder() const { return holder_; }

  private:
    int openOrCreate();
    FileSystemCalls* calls_ = nullptr;
    QByteArray target_;
    int fd_ = -1;
    bool locked_ = false;
    bool created_ = false;
    LockHolder holder_;
};

// Who holds an exclusive flock on the file with this device and inode, from /proc/locks.
LockHolder lockHolderOf(dev_t device, ino_t inode);

// The message for a writer that gave up waiting: names the other program where it is known.
QString lockedByAnotherText(const LockHolder& holder);

}  // namespace reelcase

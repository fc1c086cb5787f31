#pragma once

#include <QByteArray>

#include "careful_files/FileSystemCalls.h"

namespace reelcase {

// A temporary file beside a file being saved. Its name is short whatever the saved file's
// name ("<folder>/.rc<8 hex digits>.<6 random characters>", the digits from the saved file's
// name), so a name at the length limit can still be saved. It stays locked from creation
// until it is released, so that a later save can tell one another program is still writing
// from one a killed save left behind.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { release(); }

    // Creates and locks a new temporary for target; 0 or errno.
    int create(const QByteArray& target, FileSystemCalls& calls);
    // The descriptor to write through; closing it (closeForWriting) keeps the lock.
    [[nodiscard]] int fd() const { return fd_; }
    int closeForWriting(FileSystemCalls& calls);
    [[nodiscard]] const QByteArray& name() const { return name_; }
    // A second name made beside this one, removed with it: "<name>b".
    [[nodiscard]] QByteArray companionName() const { return name_ + 'b'; }
    // After a rename the name is gone: only the lock is let go.
    void renamed() { name_.clear(); }
    // Unlocks; the file and its companion, when still there, are removed.
    void release();

  private:
    FileSystemCalls* calls_ = nullptr;
    int fd_ = -1;
    int lockFd_ = -1;
    QByteArray name_;
};

// The folder a file is in, as a path to it.
QByteArray folderOf(const QByteArray& file);
// name in folder.
QByteArray pathIn(const QByteArray& folder, const QByteArray& name);

// Removes what killed saves of target left beside it: temporaries of its naming that no
// running save holds locked, and their companions.
void removeLeftoverTemporaries(const QByteArray& target, FileSystemCalls& calls);

}  // namespace reelcase

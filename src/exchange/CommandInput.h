#pragma once

#include <unistd.h>

#include <QString>

namespace reelcase {

// What "-" stands for among a command's file names: standard input where a command reads,
// standard output where it writes.
inline bool isStandardStream(const QString& name) {
    return name == QLatin1String("-");
}

// The file a command reads: the one named, or standard input for "-". The readers take files
// by path and read regular files only (a file's size tells them what to expect), so standard
// input is first copied, through a small buffer, to a temporary file without a name, which
// they open through /proc/self/fd. It costs the disk and memory that reading the same bytes
// from a file costs, and nothing is left behind, even when the program is killed.
class CommandInput {
  public:
    CommandInput() = default;
    CommandInput(const CommandInput&) = delete;
    CommandInput& operator=(const CommandInput&) = delete;
    ~CommandInput();

    // Takes the file named by argument; for "-", copies standardInput to its end first.
    // 0 or an errno value.
    int take(const QString& argument, int standardInput = STDIN_FILENO);

    // The path the readers open.
    [[nodiscard]] const QString& path() const { return path_; }
    // The file as messages name it: the argument, or "standard input".
    [[nodiscard]] const QString& shown() const { return shown_; }
    [[nodiscard]] bool isStandardInput() const { return copy_ >= 0; }

  private:
    int copy_ = -1;
    QString path_;
    QString shown_;
};

}  // namespace reelcase

#include "exchange/CommandInput.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdlib>

#include <QByteArray>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

// The folder for temporary files.
QByteArray temporaryFolder() {
    const char* given = std::getenv("TMPDIR");
    return given != nullptr && given[0] == '/' ? given : "/tmp";
}

// A temporary file in folder that no name leads to; -1 with errno.
int namelessTemporary(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        return fd;
    }
    // A file system without O_TMPFILE: a named one, its name removed at once.
    QByteArray path = folder + "/reelcase-input-XXXXXX";
    const int named = ::mkostemp(path.data(), O_CLOEXEC);
    if (named >= 0) {
        ::unlink(path.constData());
    }
    return named;
}

// Copies from to the end into to; 0 or an errno value.
int copyAll(int from, int to) {
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t n =
                ::write(to, buffer + written, static_cast<std::size_t>(got - written));
            if (n < 0 && errno != EINTR) {
                return errno;
            }
            written += n > 0 ? n : 0;
        }
    }
}

}  // namespace

CommandInput::~CommandInput() {
    if (copy_ >= 0) {
        ::close(copy_);
    }
}

int CommandInput::take(const QString& argument, int standardInput) {
    if (!isStandardStream(argument)) {
        path_ = argument;
        shown_ = argument;
        return 0;
    }
    shown_ = QStringLiteral("standard input");
    if (copy_ >= 0) {
        ::close(copy_);
        copy_ = -1;
    }
    // Closed, it would be taken by the copy itself and read as empty.
    if (::fcntl(standardInput, F_GETFD) < 0) {
        return errno;
    }
    const QByteArray folder = temporaryFolder();
    copy_ = namelessTemporary(folder);
    if (copy_ < 0) {
        const int error = errno;
        shown_ =
            QStringLiteral("a temporary file for standard input in ") + fileNameFromBytes(folder);
        return error;
    }
    path_ = QStringLiteral("/proc/self/fd/%1").arg(copy_);
    return copyAll(standardInput, copy_);
}

}  // namespace reelcase

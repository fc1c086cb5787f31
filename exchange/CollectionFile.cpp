#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <QFile>

#include "exchange/Collection.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

// Opens path for reading when it is a regular file; 0 or an errno value.
int openRegularFile(const QString& path, int& fd, std::size_t& size) {
    if (path.isEmpty()) {
        return ENOENT;
    }
    // Non-blocking, so that a named pipe cannot hang the open; only regular files are read.
    fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    if (error != 0) {
        ::close(fd);
        return error;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    size = static_cast<std::size_t>(st.st_size);
    return 0;
}

// Reads into buffer from got on, at most most bytes; 0 at the end of the file, -1 with errno
// set on failure.
ssize_t readSome(int fd, std::string& buffer, std::size_t got,
                 std::size_t most = std::string::npos) {
    while (true) {
        const ssize_t n = ::read(fd, buffer.data() + got, std::min(most, buffer.size() - got));
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

}  // namespace

int readWholeFile(const QString& path, std::string& bytes, const WorkProgress* progress) {
    bytes.clear();
    int fd = -1;
    std::size_t size = 0;
    if (const int error = openRegularFile(path, fd, size); error != 0) {
        return error;
    }
    int error = 0;
    bytes.resize(size);
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size()) {
            bytes.resize(bytes.size() + 65536);  // a file that grows while read
        }
        // In pieces, so that a cancel is heard while a large file is read.
        constexpr std::size_t kPiece = std::size_t{4} << 20;
        if (progress != nullptr && progress->cancelled()) {
            error = ECANCELED;
            break;
        }
        const ssize_t n = readSome(fd, bytes, got, kPiece);
        if (n < 0) {
            error = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(error == 0 ? got : 0);
    ::close(fd);
    return error;
}

int readFileInPieces(const QString& path, std::size_t pieceSize,
                     const std::function<void(std::string_view)>& take) {
    int fd = -1;
    std::size_t size = 0;
    if (const int error = openRegularFile(path, fd, size); error != 0) {
        return error;
    }
    int error = 0;
    std::string buffer(pieceSize, '\0');
    std::size_t got = 0;
    while (true) {
        const ssize_t n = readSome(fd, buffer, got);
        if (n < 0) {
            error = errno;
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got == buffer.size() || (n == 0 && got > 0)) {
            take({buffer.data(), got});
            got = 0;
        }
        if (n == 0) {
            break;
        }
    }
    ::close(fd);
    return error;
}

Collection readCollectionFile(const QString& path, WorkProgress* progress, const EntrySink& sink) {
    std::string bytes;
    if (const int error = readWholeFile(path, bytes, progress); error != 0) {
        Collection failed;
        failed.error = error;
        return failed;
    }
    if (bytes.starts_with("PK\x03\x04")) {
        return readTellicoArchive(bytes, progress, sink);
    }
    std::string_view head(bytes.data(), std::min<std::size_t>(bytes.size(), 4096));
    if (head.starts_with("\xEF\xBB\xBF")) {
        head.remove_prefix(3);
    }
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && head.substr(first).starts_with("<?xml")) {
        if (head.find("<tellico") != std::string_view::npos) {
            return readTellicoXml(bytes, progress, sink);
        }
        return readGcstar(bytes, progress, sink);
    }
    return readCsv(bytes, progress, sink);
}

}  // namespace reelcase

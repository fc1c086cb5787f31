#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <QFile>

#include "careful_files/FileNames.h"
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
    fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
    const auto failed = [](int error) {
        Collection c;
        c.error = error;
        return c;
    };
    int fd = -1;
    std::size_t size = 0;
    if (const int error = openRegularFile(path, fd, size); error != 0) {
        return failed(error);
    }
    // The kind is told by the first bytes; comma-separated text, the usual kind and the one
    // that may be huge, is then read piece by piece.
    std::string head(4096, '\0');
    ssize_t n = -1;
    do {
        n = ::pread(fd, head.data(), head.size(), 0);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    head.resize(static_cast<std::size_t>(n));
    std::string_view start(head);
    if (start.starts_with("\xEF\xBB\xBF")) {
        start.remove_prefix(3);
    }
    const std::size_t first = start.find_first_not_of(" \t\r\n");
    const bool xml = first != std::string_view::npos && start.substr(first).starts_with("<?xml");
    if (!xml && !head.starts_with("PK\x03\x04")) {
        Collection csv = readCsvFile(fd, size, progress, sink);
        ::close(fd);
        return csv;
    }
    if (xml) {
        // Read as it comes, as comma-separated text is.
        QFile file;
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return failed(EIO);
        }
        return readXmlCollection(file, static_cast<qint64>(size),
                                 start.find("<tellico") != std::string_view::npos, progress, sink);
    }
    return readTellicoArchiveFile(fd, progress, sink);
}

}  // namespace reelcase

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "exchange/Collection.h"

namespace reelcase {

int readWholeFile(const QString& path, std::string& bytes) {
    bytes.clear();
    if (path.isEmpty()) {
        return ENOENT;
    }
    // Non-blocking, so that a named pipe cannot hang the open; only regular files are read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0) {
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        }
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (true) {
            if (got == bytes.size()) {
                bytes.resize(bytes.size() + 65536);  // a file that grows while read
            }
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error = errno;
                break;
            }
            if (n == 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    return error;
}

Collection readCollectionFile(const QString& path) {
    std::string bytes;
    if (const int error = readWholeFile(path, bytes); error != 0) {
        Collection failed;
        failed.error = error;
        return failed;
    }
    if (bytes.starts_with("PK\x03\x04")) {
        return readTellicoArchive(bytes);
    }
    std::string_view head(bytes.data(), std::min<std::size_t>(bytes.size(), 4096));
    if (head.starts_with("\xEF\xBB\xBF")) {
        head.remove_prefix(3);
    }
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && head.substr(first).starts_with("<?xml")) {
        if (head.find("<tellico") != std::string_view::npos) {
            return readTellicoXml(bytes);
        }
        return readGcstar(bytes);
    }
    return readCsv(bytes);
}

}  // namespace reelcase

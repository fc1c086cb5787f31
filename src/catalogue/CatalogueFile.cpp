#include "catalogue/CatalogueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "careful_files/AtomicFile.h"
#include "careful_files/FileErrors.h"
#include "careful_files/FileNames.h"
#include "catalogue/NameCollation.h"
#include "catalogue/SlotChains.h"
#include "catalogue/TakeIn.h"

namespace reelcase {

namespace {

class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const QString& path)
        // Non-blocking, so that a named pipe cannot hang the open; only regular files are read.
        : fd_(::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int fd() const { return fd_; }

  private:
    int fd_;
};

// Fills buffer as far as the file allows; returns the bytes read, or -1 with errno set.
ssize_t readFully(int fd, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

}  // namespace

OpenOutcome readCatalogueFile(const QString& path, Catalogue& catalogue, MovieList& list) {
    if (path.isEmpty()) {
        return {ENOENT, 0, std::nullopt};
    }
    ReadOnlyFile file(path);
    if (file.fd() < 0) {
        return {errno, 0, std::nullopt};
    }
    return readCatalogueFd(file.fd(), catalogue, list);
}

OpenOutcome readCatalogueFd(int fd, Catalogue& catalogue, MovieList& list) {
    OpenOutcome outcome;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        outcome.error = errno;
        return outcome;
    }
    if (!S_ISREG(st.st_mode)) {
        // A folder, a device or a pipe: nothing a catalogue can be read from.
        outcome.error = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
        return outcome;
    }
    outcome.stamp = stampOf(fd);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }

    const auto fileRecords = static_cast<std::size_t>(st.st_size) / RecordSize;
    TakeIn takeIn(catalogue, list, fileRecords);
    // The file is read straight into the free slots. A read asks for no more records than
    // the file holds (and at least one, which finds its end), so no slot past them is
    // touched; once the table is full, the rest is read aside only to be counted.
    constexpr std::size_t kChunkRecords = 256;
    std::vector<MovieRecord> aside;
    std::size_t unread = fileRecords;
    while (true) {
        std::span<MovieRecord> chunk =
            takeIn.room(std::min(kChunkRecords, std::max<std::size_t>(unread, 1)));
        if (chunk.empty()) {
            aside.resize(kChunkRecords);
            chunk = aside;
        }
        const ssize_t got =
            readFully(fd, reinterpret_cast<char*>(chunk.data()), chunk.size_bytes());
        if (got < 0) {
            outcome.error = errno;
            break;
        }
        const std::size_t whole = static_cast<std::size_t>(got) / RecordSize;
        unread -= std::min(unread, whole);
        for (std::size_t r = 0; r < whole; ++r) {
            takeIn.gather(chunk[r]);
        }
        if (static_cast<std::size_t>(got) < chunk.size_bytes()) {
            if (static_cast<std::size_t>(got) % RecordSize != 0) {
                outcome.error = ReadBeyondEndOfFile;
            }
            break;
        }
    }
    outcome.leftOut = takeIn.finish(TakeIn::Marks::Nothing).leftOut;
    return outcome;
}

std::string catalogueFileBytes(const Catalogue& catalogue, const MovieList& list) {
    const StreamedBytes stream = catalogueFileStream(catalogue, list);
    std::string bytes;
    bytes.reserve(stream.size);
    stream.produce([&bytes](std::string_view piece) {
        bytes.append(piece);
        return 0;
    });
    return bytes;
}

StreamedBytes catalogueFileStream(const Catalogue& catalogue, const MovieList& list) {
    // The slots in the order they are written, found once: the size is known before a byte is
    // written.
    auto slots = std::make_shared<std::vector<int>>();
    slots->reserve(static_cast<std::size_t>(catalogue.movieCount()));
    forEachListedSlot(catalogue, list, [&slots](int /*position*/, int slot) {
        slots->push_back(slot);
        return true;
    });
    return {slots->size() * RecordSize, [&catalogue, slots](const StreamedBytes::Write& write) {
                constexpr std::size_t kPieceRecords = 960;  // 261,120 bytes
                std::vector<char> piece(kPieceRecords * RecordSize);
                std::size_t filled = 0;
                for (const int n : *slots) {
                    std::memcpy(piece.data() + filled, &catalogue.slot(n), RecordSize);
                    filled += RecordSize;
                    if (filled == piece.size()) {
                        if (const int error = write({piece.data(), filled}); error != 0) {
                            return error;
                        }
                        filled = 0;
                    }
                }
                return filled == 0 ? 0 : write({piece.data(), filled});
            }};
}

bool isWholeCatalogueSize(std::int64_t size) {
    return size >= 0 && size % static_cast<std::int64_t>(RecordSize) == 0;
}

SaveOutcome saveCatalogueFile(const QString& path, const Catalogue& catalogue,
                              const MovieList& list, FileSystemCalls& calls, SaveOptions options) {
    options.backup = Backup::KeepPrevious;
    options.wholeVersion = isWholeCatalogueSize;
    return saveOverFile(path, catalogueFileStream(catalogue, list), calls, options);
}

int writeCatalogueFile(const QString& path, const Catalogue& catalogue, const MovieList& list,
                       FileSystemCalls& calls) {
    return saveCatalogueFile(path, catalogue, list, calls).error;
}

}  // namespace reelcase

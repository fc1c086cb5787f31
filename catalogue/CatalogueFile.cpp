#include "catalogue/CatalogueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include <QFile>

#include "catalogue/AtomicFile.h"
#include "catalogue/FileErrors.h"
#include "catalogue/NameCollation.h"
#include "catalogue/NameIndex.h"
#include "catalogue/SlotChains.h"

namespace reelcase {

namespace {

class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const QString& path)
        // Non-blocking, so that a named pipe cannot hang the open; only regular files are read.
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
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

// What the full table could not take in: the records from `from` in the buffer and the rest
// of the file whose name is not listed yet, each name once, as an open with room would have
// added them. Names met are told apart by a 64-bit hash, which keeps a huge file small.
long long countNotTakenIn(int fd, std::vector<char>& buffer, std::size_t from, std::size_t whole,
                          const NameIndex& listed) {
    std::vector<std::size_t> met;
    const auto note = [&](std::size_t first, std::size_t end) {
        for (std::size_t r = first; r < end; ++r) {
            MovieRecord record;
            std::memcpy(&record, buffer.data() + r * RecordSize, RecordSize);
            const std::string_view name = nameOf(record);
            if (listed.find(name) == nullptr) {
                met.push_back(std::hash<std::string_view>{}(name));
            }
        }
    };
    note(from, whole);
    if (whole * RecordSize == buffer.size()) {
        while (true) {
            const ssize_t got = readFully(fd, buffer.data(), buffer.size());
            if (got <= 0) {
                break;
            }
            note(0, static_cast<std::size_t>(got) / RecordSize);
            if (static_cast<std::size_t>(got) < buffer.size()) {
                break;
            }
        }
    }
    std::sort(met.begin(), met.end());
    return static_cast<long long>(std::unique(met.begin(), met.end()) - met.begin());
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

    // Views into the list and into slots taken in, neither of which moves while reading.
    const auto fileRecords = static_cast<std::size_t>(st.st_size) / RecordSize;
    const int firstTaken = catalogue.movieCount() + 1;
    // Into an empty list, while the file's names rise strictly in list order (as this program
    // saves them), none can repeat one before it: the names are indexed only once they stop
    // rising, which spares a catalogue of our own every lookup.
    bool rising = list.empty();
    CollationKey lastKey{};
    lastKey.size = 0;
    bool anyTaken = false;
    NameIndex listed(rising ? 16
                            : static_cast<std::size_t>(list.size()) +
                                  std::min<std::size_t>(fileRecords, CatalogueCapacity));
    for (int i = 0; i < list.size(); ++i) {
        listed.insert(list.at(i), 0);
    }
    const auto stopRising = [&](int nextSlot) {
        rising = false;
        listed = NameIndex(std::min<std::size_t>(fileRecords, CatalogueCapacity));
        for (int n = firstTaken; n < nextSlot; ++n) {
            listed.insert(nameOf(catalogue.slot(n)), n);
        }
    };
    // Room for every record the file can add, taken at once: growing would touch fresh memory
    // again at each step.
    LargeVector<std::string_view> added;
    added.reserve(std::min<std::size_t>(fileRecords, CatalogueCapacity));
    int next = catalogue.movieCount() + 1;

    constexpr std::size_t kChunkRecords = 256;
    std::vector<char> buffer(kChunkRecords * RecordSize);
    while (true) {
        const ssize_t got = readFully(fd, buffer.data(), buffer.size());
        if (got < 0) {
            outcome.error = errno;
            break;
        }
        const auto whole = static_cast<std::size_t>(got) / RecordSize;
        std::size_t r = 0;
        for (; r < whole && next <= CatalogueCapacity; ++r) {
            MovieRecord& slot = catalogue.freeSlot(next);
            std::memcpy(&slot, buffer.data() + r * RecordSize, RecordSize);
            const std::string_view name = nameOf(slot);
            if (rising) {
                const CollationKey key = collationKey(name);
                if (!anyTaken || lastKey < key) {
                    lastKey = key;
                    anyTaken = true;
                    added.push_back(name);
                    ++next;
                    continue;
                }
                stopRising(next);
            }
            if (listed.insert(name, next).second) {
                added.push_back(name);
                ++next;
            }
        }
        if (r < whole) {
            if (rising) {
                stopRising(next);
            }
            outcome.leftOut = countNotTakenIn(fd, buffer, r, whole, listed);
            break;
        }
        if (static_cast<std::size_t>(got) < buffer.size()) {
            if (static_cast<std::size_t>(got) % RecordSize != 0) {
                outcome.error = ReadBeyondEndOfFile;
            }
            break;
        }
    }
    catalogue.takeIntoUse(next - 1);
    list.addAll(added);
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
    // Slots in list order are written as they lie, straight from the table.
    if (slotsInListOrder(catalogue, list)) {
        const auto count = static_cast<std::size_t>(catalogue.movieCount());
        return {count * RecordSize, [&catalogue, count](const StreamedBytes::Write& write) {
                    constexpr std::size_t kPieceRecords = 960;
                    for (std::size_t done = 0; done < count; done += kPieceRecords) {
                        const std::size_t records = std::min(kPieceRecords, count - done);
                        const auto* first = reinterpret_cast<const char*>(
                            &catalogue.slot(static_cast<int>(done) + 1));
                        if (const int error = write({first, records * RecordSize}); error != 0) {
                            return error;
                        }
                    }
                    return 0;
                }};
    }
    // Each entry's first slot, looked up once: the size is known before a byte is written.
    auto chains = std::make_shared<const SlotChains>(catalogue);
    auto firsts = std::make_shared<std::vector<int>>(static_cast<std::size_t>(list.size()));
    std::size_t records = 0;
    for (int i = 0; i < list.size(); ++i) {
        const int first = chains->first(list.at(i));
        (*firsts)[static_cast<std::size_t>(i)] = first;
        for (int n = first; n != 0; n = chains->next(n)) {
            ++records;
        }
    }
    return {records * RecordSize, [&catalogue, chains, firsts](const StreamedBytes::Write& write) {
                constexpr std::size_t kPieceRecords = 960;  // 261,120 bytes
                std::vector<char> piece(kPieceRecords * RecordSize);
                std::size_t filled = 0;
                for (const int first : *firsts) {
                    for (int n = first; n != 0; n = chains->next(n)) {
                        std::memcpy(piece.data() + filled, &catalogue.slot(n), RecordSize);
                        filled += RecordSize;
                        if (filled == piece.size()) {
                            if (const int error = write({piece.data(), filled}); error != 0) {
                                return error;
                            }
                            filled = 0;
                        }
                    }
                }
                return filled == 0 ? 0 : write({piece.data(), filled});
            }};
}

SaveOutcome saveCatalogueFile(const QString& path, const Catalogue& catalogue,
                              const MovieList& list, FileSystemCalls& calls) {
    return saveOverFile(path, catalogueFileStream(catalogue, list), calls, Backup::KeepPrevious);
}

int writeCatalogueFile(const QString& path, const Catalogue& catalogue, const MovieList& list,
                       FileSystemCalls& calls) {
    return saveCatalogueFile(path, catalogue, list, calls).error;
}

}  // namespace reelcase

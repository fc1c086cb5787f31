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
#include "catalogue/NameIndex.h"
#include "catalogue/SlotChains.h"

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

// What the full table could not take in: of the rest of the file, each name that is not
// listed yet, counted once, as an open with room would have added them; and whether the file
// ends in part of a record. Names met are told apart by a 64-bit hash, which keeps a huge
// file small.
struct NotTakenIn {
    long long names = 0;
    bool brokenEnd = false;
};
// The names listed are looked up only if the file goes on: listed makes them into an index.
NotTakenIn countNotTakenIn(int fd, const std::function<const NameIndex&()>& listed) {
    constexpr std::size_t kChunkRecords = 256;
    std::vector<MovieRecord> buffer(kChunkRecords);
    std::vector<std::size_t> met;
    NotTakenIn result;
    while (true) {
        const ssize_t got =
            readFully(fd, reinterpret_cast<char*>(buffer.data()), buffer.size() * RecordSize);
        const std::size_t whole = got > 0 ? static_cast<std::size_t>(got) / RecordSize : 0;
        for (std::size_t r = 0; r < whole; ++r) {
            const std::string_view name = nameOf(buffer[r]);
            if (listed().find(name) == nullptr) {
                met.push_back(std::hash<std::string_view>{}(name));
            }
        }
        if (whole < buffer.size()) {
            result.brokenEnd = got > 0 && static_cast<std::size_t>(got) % RecordSize != 0;
            break;
        }
    }
    std::sort(met.begin(), met.end());
    result.names = static_cast<long long>(std::unique(met.begin(), met.end()) - met.begin());
    return result;
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

void prepareToRead(const QString& path, Catalogue& catalogue) {
    if (path.isEmpty()) {
        return;
    }
    const ReadOnlyFile file(path);
    struct stat st {};
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return;
    }
    // Only advice: a file on a disk starts coming into the page cache now.
    (void)::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_WILLNEED);
    catalogue.expectToTakeIn(static_cast<int>(
        std::min<off_t>(st.st_size / static_cast<off_t>(RecordSize), CatalogueCapacity)));
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

    // Names of slots taken in, which do not move while reading, are indexed by view.
    const auto fileRecords = static_cast<std::size_t>(st.st_size) / RecordSize;
    const auto expected = std::min<std::size_t>(fileRecords, CatalogueCapacity);
    const int firstTaken = catalogue.movieCount() + 1;
    // Into an empty list, while the file's names rise strictly in list order (as this program
    // saves them), none can repeat one before it: they are listed as they come, and indexed
    // only once they stop rising, which spares a catalogue of our own every lookup and sort.
    std::optional<MovieList::RisingNames> rising;
    if (list.empty()) {
        rising.emplace(expected);
    }
    NameIndex listed(rising ? 16 : static_cast<std::size_t>(list.size()) + expected);
    for (int i = 0; i < list.size(); ++i) {
        listed.insert(list.at(i), 0);
    }
    const auto stopRising = [&](int nextSlot) {
        rising.reset();
        listed = NameIndex(expected);
        for (int n = firstTaken; n < nextSlot; ++n) {
            listed.insert(nameOf(catalogue.slot(n)), n);
        }
    };

    // The file is read straight into the free slots; a record whose name is listed already
    // is overwritten by the ones after it. A read asks for no more records than the file
    // holds (and at least one, which finds its end), so no slot past them is touched.
    constexpr std::size_t kChunkRecords = 256;
    std::size_t unread = fileRecords;
    int next = firstTaken;
    while (true) {
        if (next > CatalogueCapacity) {
            const NotTakenIn rest = countNotTakenIn(fd, [&]() -> const NameIndex& {
                if (rising) {
                    stopRising(next);
                }
                return listed;
            });
            outcome.leftOut = rest.names;
            if (rest.brokenEnd) {
                outcome.error = ReadBeyondEndOfFile;
            }
            break;
        }
        const int room = CatalogueCapacity - next + 1;
        const std::size_t wanted = std::min(
            {kChunkRecords, static_cast<std::size_t>(room), std::max<std::size_t>(unread, 1)});
        const std::span<MovieRecord> chunk = catalogue.freeSlots(next, static_cast<int>(wanted));
        auto* const bytes = reinterpret_cast<char*>(chunk.data());
        const ssize_t got = readFully(fd, bytes, chunk.size_bytes());
        if (got < 0) {
            outcome.error = errno;
        }
        const std::size_t whole = got > 0 ? static_cast<std::size_t>(got) / RecordSize : 0;
        unread -= std::min(unread, whole);
        std::size_t kept = 0;
        for (std::size_t r = 0; r < whole; ++r) {
            if (r != kept) {
                chunk[kept] = chunk[r];
            }
            const std::string_view name = nameOf(chunk[kept]);
            const int number = next + static_cast<int>(kept);
            if (rising && rising->take(name)) {
                ++kept;
                continue;
            }
            if (rising) {
                stopRising(number);
            }
            if (listed.insert(name, number).second) {
                ++kept;
            }
        }
        // Slots not taken into use keep no bytes of the file (a failed read may have left
        // some anywhere in the chunk).
        const std::size_t written = got < 0 ? chunk.size_bytes() : static_cast<std::size_t>(got);
        std::memset(bytes + kept * RecordSize, 0, written - kept * RecordSize);
        next += static_cast<int>(kept);
        if (got < 0) {
            break;
        }
        if (static_cast<std::size_t>(got) < chunk.size_bytes()) {
            if (static_cast<std::size_t>(got) % RecordSize != 0) {
                outcome.error = ReadBeyondEndOfFile;
            }
            break;
        }
    }
    catalogue.takeIntoUse(next - 1);
    if (rising) {
        list.addAll(std::move(*rising));
    } else {
        LargeVector<std::string_view> added;
        added.reserve(static_cast<std::size_t>(next - firstTaken));
        for (int n = firstTaken; n < next; ++n) {
            added.push_back(nameOf(catalogue.slot(n)));
        }
        list.addAll(added);
    }
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

#include "careful_files/FileStamp.h"

#include <sys/stat.h>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

FileStamp fromStat(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
            static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

}  // namespace

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat st {};
    if (::stat(fileNameBytes(path).constData(), &st) != 0) {
        return std::nullopt;
    }
    return fromStat(st);
}

std::optional<FileStamp> stampOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return std::nullopt;
    }
    return fromStat(st);
}

bool changedOnDisk(const FileStamp& stamp, const QString& path) {
    const std::optional<FileStamp> now = stampOf(path);
    return now && *now != stamp;
}

}  // namespace reelcase

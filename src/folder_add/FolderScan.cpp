#include "folder_add/FolderScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <set>
#include <utility>

#include <QCoreApplication>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

struct Extension {
    const char* text;
    int format;
};

// Formats by their index in the catalogue's vocabulary: AVI, ASF, MPG, DVD, RM.
constexpr Extension kExtensions[] = {
    {"avi", 0},
    {"asf", 1},
    {"wmv", 1},
    {"mpg", 2},
    {"mpeg", 2},
    {"mpe", 2},
    {"vob", 3},
    {"rm", 4},
    {"rmvb", 4},
    {"mkv", FormatToChoose},
    {"mp4", FormatToChoose},
    {"m4v", FormatToChoose},
    {"mov", FormatToChoose},
    {"ts", FormatToChoose},
    {"webm", FormatToChoose},
    {"ogv", FormatToChoose},
    {"flv", FormatToChoose},
};

using FolderId = std::pair<dev_t, ino_t>;

class Scanner {
  public:
    explicit Scanner(const std::atomic<bool>& stop) : stop_(stop) {}

    ScanResult run(const QString& folder) {
        struct stat st {};
        const QByteArray root = fileNameBytes(folder);
        if (::stat(root.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            ++result_.skipped.unreadableFolders;
            return std::move(result_);
        }
        visited_.insert({st.st_dev, st.st_ino});
        pending_.push_back(root);
        // Depth first with a stack of its own: no depth of folders can overflow the call stack.
        while (!pending_.empty()) {
            if (stop_.load(std::memory_order_relaxed)) {
                result_.stopped = true;
                break;
            }
            const QByteArray next = std::move(pending_.back());
            pending_.pop_back();
            list(next);
        }
        std::sort(result_.files.begin(), result_.files.end(),
                  [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });
        return std::move(result_);
    }

  private:
    void list(const QByteArray& folder) {
        DIR* dir = ::opendir(folder.constData());
        if (dir == nullptr) {
            ++result_.skipped.unreadableFolders;
            return;
        }
        errno = 0;
        while (const dirent* entry = ::readdir(dir)) {
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) {
                continue;
            }
            take(folder, name, entry->d_type);
            if (stop_.load(std::memory_order_relaxed)) {
                break;
            }
        }
        ::closedir(dir);
    }

    void take(const QByteArray& folder, const char* name, unsigned char type) {
        QByteArray path = folder;
        if (!path.endsWith('/')) {
            path += '/';
        }
        path += name;
        if (type == DT_REG) {
            addFile(path);
            return;
        }
        if (type == DT_FIFO || type == DT_CHR || type == DT_BLK || type == DT_SOCK) {
            ++result_.skipped.specialFiles;
            return;
        }
        struct stat st {};
        if (::stat(path.constData(), &st) != 0) {
            if (errno == ELOOP) {
                ++result_.skipped.linkLoops;
            } else if (errno == ENOENT) {
                ++result_.skipped.brokenLinks;
            } else if (type == DT_DIR) {
                ++result_.skipped.unreadableFolders;
            }
            return;
        }
        if (S_ISREG(st.st_mode)) {
            addFile(path);
        } else if (S_ISDIR(st.st_mode)) {
            if (visited_.insert({st.st_dev, st.st_ino}).second) {
                pending_.push_back(std::move(path));
            } else {
                ++result_.skipped.linkLoops;
            }
        } else {
            ++result_.skipped.specialFiles;
        }
    }

    void addFile(const QByteArray& path) {
        const qsizetype dot = path.lastIndexOf('.');
        if (dot < 0 || path.indexOf('/', dot) >= 0) {
            return;
        }
        const QString extension = fileNameFromBytes(path.mid(dot + 1));
        if (const auto format = movieFormatOfExtension(extension)) {
            result_.files.push_back({fileNameFromBytes(path), *format});
        }
    }

    const std::atomic<bool>& stop_;
    ScanResult result_;
    std::set<FolderId> visited_;
    std::vector<QByteArray> pending_;
};

}  // namespace

QString skippedText(const SkippedCounts& skipped) {
    const auto counted = [](int count, const char* one, const char* many) {
        return QCoreApplication::translate("FolderScan", count == 1 ? one : many).arg(count);
    };
    QStringList parts;
    if (skipped.linkLoops > 0) {
        parts << counted(skipped.linkLoops, QT_TRANSLATE_NOOP("FolderScan", "%1 link that loops"),
                         QT_TRANSLATE_NOOP("FolderScan", "%1 links that loop"));
    }
    if (skipped.brokenLinks > 0) {
        parts << counted(skipped.brokenLinks, QT_TRANSLATE_NOOP("FolderScan", "%1 broken link"),
                         QT_TRANSLATE_NOOP("FolderScan", "%1 broken links"));
    }
    if (skipped.unreadableFolders > 0) {
        parts << counted(skipped.unreadableFolders,
                         QT_TRANSLATE_NOOP("FolderScan", "%1 unreadable folder"),
                         QT_TRANSLATE_NOOP("FolderScan", "%1 unreadable folders"));
    }
    if (skipped.specialFiles > 0) {
        parts << counted(skipped.specialFiles, QT_TRANSLATE_NOOP("FolderScan", "%1 pipe or device"),
                         QT_TRANSLATE_NOOP("FolderScan", "%1 pipes or devices"));
    }
    return parts.join(QStringLiteral(", "));
}

std::optional<int> movieFormatOfExtension(QStringView extension) {
    for (const Extension& e : kExtensions) {
        if (extension.compare(QLatin1String(e.text), Qt::CaseInsensitive) == 0) {
            return e.format;
        }
    }
    return std::nullopt;
}

ScanResult scanFolder(const QString& folder, const std::atomic<bool>& stop) {
    return Scanner(stop).run(folder);
}

ScanResult scanFolders(const QStringList& folders, const std::atomic<bool>& stop) {
    ScanResult all;
    for (const QString& folder : folders) {
        ScanResult one = scanFolder(folder, stop);
        all.files.insert(all.files.end(), std::make_move_iterator(one.files.begin()),
                         std::make_move_iterator(one.files.end()));
        all.skipped.linkLoops += one.skipped.linkLoops;
        all.skipped.brokenLinks += one.skipped.brokenLinks;
        all.skipped.unreadableFolders += one.skipped.unreadableFolders;
        all.skipped.specialFiles += one.skipped.specialFiles;
        if (one.stopped) {
            all.stopped = true;
            break;
        }
    }
    const auto byPath = [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; };
    std::sort(all.files.begin(), all.files.end(), byPath);
    const auto samePath = [](const FoundFile& a, const FoundFile& b) { return a.path == b.path; };
    all.files.erase(std::unique(all.files.begin(), all.files.end(), samePath), all.files.end());
    return all;
}

}  // namespace reelcase

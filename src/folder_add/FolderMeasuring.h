#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <QString>
#include <QThreadPool>

#include "folder_add/PartGrouping.h"
#include "seams/MediaDevice.h"

namespace reelcase {

// One file as measuring found it: its size and its playing time, or why it gave none.
struct FileMeasure {
    std::optional<std::int64_t> bytes;
    std::optional<std::int32_t> milliseconds;
    QString failure;
    bool measured() const { return bytes && milliseconds; }
};

// Measures one file as the "Analyse File(s)" button does: the size of the file opened for
// reading, then the device's playing time in milliseconds.
FileMeasure measureMovieFile(const QString& path, MediaDevice& device);

// One file of the movies a scan found: a movie's index and the file's index among its files.
struct PartRef {
    int movie = 0;
    int part = 0;
};

// A movie's files measured together as "Analyse File(s)" sums them: whole minutes and whole
// megabytes per file, summed, and the quality item from the last file's megabytes; or the
// first failure, named by its file where the movie has several.
struct MovieMeasure {
    std::int64_t minutes = 0;
    std::int64_t megabytes = 0;
    int quality = -1;
    QString failure;
};
// parts: one measure for each of files, in the same order.
MovieMeasure sumParts(const QStringList& files, const std::vector<FileMeasure>& parts);

struct MeasuredPart {
    int movie = 0;  // index into the movies
    int part = 0;   // index into the movie's files
    FileMeasure measure;
};

// Scans a folder and measures its movie files on a pool of worker threads, each file with a
// device of its own (FFmpeg contexts belong to one thread). The window's thread takes the
// results in batches; nothing here touches a window or the catalogue.
class FolderMeasuring {
  public:
    // Makes a device whose work ends soon after stop turns true.
    using DeviceFactory =
        std::function<std::unique_ptr<MediaDevice>(const std::atomic<bool>& stop)>;

    // Chooses, on the scanning thread once the movies are grouped, which of their files are
    // measured; it ends soon after stop turns true.
    using Selection = std::function<std::vector<PartRef>(const std::vector<FolderMovie>& movies,
                                                         const std::atomic<bool>& stop)>;

    explicit FolderMeasuring(DeviceFactory makeDevice, int threads = 0);
    ~FolderMeasuring();
    FolderMeasuring(const FolderMeasuring&) = delete;
    FolderMeasuring& operator=(const FolderMeasuring&) = delete;

    // Measures every file of folder.
    void start(const QString& folder);
    // Measures the files of folders that select chooses.
    void start(const QStringList& folders, Selection select);
    // Ends the scan and the measuring: queued files are dropped, running ones interrupted;
    // returns once no worker runs any more.
    void stop();

    struct Progress {
        bool scanned = false;
        int filesFound = 0;  // the files to measure
        int filesDone = 0;
        SkippedCounts skipped;
        bool finished() const { return scanned && filesDone == filesFound; }
    };
    // Returns once the scan and every measuring has ended, for a caller without a window.
    void waitUntilDone();

    Progress progress() const;
    // The movies, once after the scan has ended.
    std::optional<std::vector<FolderMovie>> takeMovies();
    // The parts measured since the last call.
    std::vector<MeasuredPart> takeMeasured();

  private:
    void scan(const QStringList& folders, const Selection& select);
    void measure(int movie, int part, const QString& path);

    DeviceFactory makeDevice_;
    QThreadPool pool_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    Progress progress_;
    std::optional<std::vector<FolderMovie>> movies_;
    std::vector<MeasuredPart> measured_;
};

}  // namespace reelcase

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

    explicit FolderMeasuring(DeviceFactory makeDevice, int threads = 0);
    ~FolderMeasuring();
    FolderMeasuring(const FolderMeasuring&) = delete;
    FolderMeasuring& operator=(const FolderMeasuring&) = delete;

    void start(const QString& folder);
    // Ends the scan and the measuring: queued files are dropped, running ones interrupted;
    // returns once no worker runs any more.
    void stop();

    struct Progress {
        bool scanned = false;
        int filesFound = 0;
        int filesDone = 0;
        SkippedCounts skipped;
        bool finished() const { return scanned && filesDone == filesFound; }
    };
    Progress progress() const;
    // The movies, once after the scan has ended.
    std::optional<std::vector<FolderMovie>> takeMovies();
    // The parts measured since the last call.
    std::vector<MeasuredPart> takeMeasured();

  private:
    void scan(const QString& folder);
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

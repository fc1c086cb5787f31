#include "folder_add/FolderMeasuring.h"

#include <QThread>

#include "editing/FileAnalysis.h"

namespace reelcase {

FileMeasure measureMovieFile(const QString& path, MediaDevice& device) {
    FileMeasure result;
    result.bytes = movieFileSize(path);
    if (!result.bytes) {
        result.failure = QStringLiteral("the file cannot be opened for reading");
        return result;
    }
    if (!device.open(path)) {
        result.failure = device.failureReason();
        if (result.failure.isEmpty()) {
            result.failure = QStringLiteral("no movie the reader can time");
        }
        return result;
    }
    device.setTimeFormatMilliseconds();
    result.milliseconds = device.length();
    device.stop();
    device.close();
    return result;
}

FolderMeasuring::FolderMeasuring(DeviceFactory makeDevice, int threads)
    : makeDevice_(std::move(makeDevice)) {
    pool_.setMaxThreadCount(threads > 0 ? threads : QThread::idealThreadCount());
}

FolderMeasuring::~FolderMeasuring() {
    stop();
}

void FolderMeasuring::start(const QString& folder) {
    pool_.start([this, folder] { scan(folder); });
}

void FolderMeasuring::stop() {
    stop_ = true;
    pool_.clear();
    pool_.waitForDone();
}

FolderMeasuring::Progress FolderMeasuring::progress() const {
    const std::lock_guard lock(mutex_);
    return progress_;
}

std::optional<std::vector<FolderMovie>> FolderMeasuring::takeMovies() {
    const std::lock_guard lock(mutex_);
    std::optional<std::vector<FolderMovie>> movies = std::move(movies_);
    movies_.reset();
    return movies;
}

std::vector<MeasuredPart> FolderMeasuring::takeMeasured() {
    const std::lock_guard lock(mutex_);
    std::vector<MeasuredPart> taken;
    taken.swap(measured_);
    return taken;
}

void FolderMeasuring::scan(const QString& folder) {
    const ScanResult found = scanFolder(folder, stop_);
    std::vector<FolderMovie> movies = groupParts(found.files);
    std::vector<std::pair<std::pair<int, int>, QString>> files;
    for (std::size_t m = 0; m < movies.size(); ++m) {
        for (qsizetype p = 0; p < movies[m].files.size(); ++p) {
            files.push_back({{static_cast<int>(m), static_cast<int>(p)}, movies[m].files.at(p)});
        }
    }
    {
        const std::lock_guard lock(mutex_);
        progress_.skipped = found.skipped;
        progress_.filesFound = static_cast<int>(files.size());
        progress_.scanned = true;
        movies_ = std::move(movies);
    }
    for (const auto& file : files) {
        if (stop_) {
            return;
        }
        const int movie = file.first.first;
        const int part = file.first.second;
        const QString path = file.second;
        pool_.start([this, movie, part, path] { measure(movie, part, path); });
    }
}

void FolderMeasuring::measure(int movie, int part, const QString& path) {
    if (stop_) {
        return;
    }
    const std::unique_ptr<MediaDevice> device = makeDevice_(stop_);
    FileMeasure measure = measureMovieFile(path, *device);
    if (stop_) {
        return;
    }
    const std::lock_guard lock(mutex_);
    measured_.push_back({movie, part, std::move(measure)});
    ++progress_.filesDone;
}

}  // namespace reelcase

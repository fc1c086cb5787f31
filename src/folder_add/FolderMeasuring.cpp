#include "folder_add/FolderMeasuring.h"

#include <QThread>

#include "catalogue/EnteredPath.h"
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

MovieMeasure sumParts(const QStringList& files, const std::vector<FileMeasure>& parts) {
    MovieMeasure sum;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const FileMeasure& m = parts[p];
        if (!m.measured()) {
            sum.failure = parts.size() > 1 ? fileNameOf(files.value(static_cast<qsizetype>(p))) +
                                                 QStringLiteral(": ") + m.failure
                                           : m.failure;
            return sum;
        }
        const std::int64_t mb = *m.bytes / BytesPerMegabyte;
        sum.minutes += *m.milliseconds / MillisecondsPerMinute;
        sum.megabytes += mb;
        sum.quality = qualityForMegabytes(mb);
    }
    return sum;
}

FolderMeasuring::FolderMeasuring(DeviceFactory makeDevice, int threads)
    : makeDevice_(std::move(makeDevice)) {
    pool_.setMaxThreadCount(threads > 0 ? threads : QThread::idealThreadCount());
}

FolderMeasuring::~FolderMeasuring() {
    stop();
}

void FolderMeasuring::start(const QString& folder) {
    start(QStringList{folder}, {});
}

void FolderMeasuring::start(const QStringList& folders, Selection select) {
    pool_.start([this, folders, select = std::move(select)] { scan(folders, select); });
}

void FolderMeasuring::waitUntilDone() {
    // The scan queues the measuring before it returns, so the pool is idle only at the end.
    pool_.waitForDone();
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

void FolderMeasuring::scan(const QStringList& folders, const Selection& select) {
    const ScanResult found = scanFolders(folders, stop_);
    std::vector<FolderMovie> movies = groupParts(found.files);
    std::vector<PartRef> chosen;
    if (select) {
        chosen = select(movies, stop_);
    } else {
        for (std::size_t m = 0; m < movies.size(); ++m) {
            for (qsizetype p = 0; p < movies[m].files.size(); ++p) {
                chosen.push_back({static_cast<int>(m), static_cast<int>(p)});
            }
        }
    }
    std::vector<std::pair<PartRef, QString>> files;
    files.reserve(chosen.size());
    for (const PartRef& ref : chosen) {
        files.emplace_back(ref, movies[static_cast<std::size_t>(ref.movie)].files.at(ref.part));
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
        const int movie = file.first.movie;
        const int part = file.first.part;
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

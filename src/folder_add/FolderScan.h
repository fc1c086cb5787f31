#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>
#include <QStringView>

namespace reelcase {

// What a file's extension makes of it: a movie of a catalogue format (its index in
// FormatNames), a video file whose format the user chooses (-1), or nothing (no value).
std::optional<int> movieFormatOfExtension(QStringView extension);
inline constexpr int FormatToChoose = -1;

struct FoundFile {
    QString path;  // absolute
    int format = FormatToChoose;
};

// What a scan passed over without following or opening it.
struct SkippedCounts {
    int linkLoops = 0;          // links back into a folder already scanned, or circular links
    int brokenLinks = 0;        // links that lead nowhere
    int unreadableFolders = 0;  // folders that cannot be listed
    int specialFiles = 0;       // named pipes, devices, sockets
    bool operator==(const SkippedCounts&) const = default;
};

// What was passed over as people read it ("2 links that loop, 1 pipe or device"); empty when
// nothing was.
QString skippedText(const SkippedCounts& skipped);

struct ScanResult {
    std::vector<FoundFile> files;  // sorted by path
    SkippedCounts skipped;
    bool stopped = false;
};

// Lists the movie files in folder and every folder below it. Links are followed, each folder
// is listed once (so a link loop ends), nothing is opened but folders, and the scan ends
// soon after stop turns true.
ScanResult scanFolder(const QString& folder, const std::atomic<bool>& stop);

// The same for several folders at once: their files together, sorted by path, each path once
// (a folder given inside another one is listed once), and what every scan passed over.
ScanResult scanFolders(const QStringList& folders, const std::atomic<bool>& stop);

}  // namespace reelcase

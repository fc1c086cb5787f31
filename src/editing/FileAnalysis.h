#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "seams/MediaDevice.h"
#include "seams/UserDialogs.h"
#include "seams/WaitDisplay.h"

namespace reelcase {

// The wait bar's two fixed runs: 100,000 updates from 0 to 50, then 50,001 from 50 to 100.
template <typename SetPosition>
void runFirstHalf(SetPosition setPosition) {
    for (int i = 1; i <= 100000; ++i) {
        setPosition(i / 2000);
    }
}
template <typename SetPosition>
void runSecondHalf(SetPosition setPosition) {
    for (int i = 50000; i <= 100000; ++i) {
        setPosition(i / 1000);
    }
}

// The add/modify dialog's fields that measuring files fills in.
struct AnalysedFields {
    QString name;
    QString lengthText;
    QString sizeText;
    int quality = -1;  // -1: none selected
    int format = -1;
};

inline constexpr std::int64_t BytesPerMegabyte = 1048576;
inline constexpr std::int64_t MillisecondsPerMinute = 60000;

// A movie file's size in bytes, from the file opened for reading only; nothing for what is
// not a regular file or cannot be opened.
std::optional<std::int64_t> movieFileSize(const QString& path);

// The quality item for one file's megabytes: 200, 300, 400 and 700 are the steps.
int qualityForMegabytes(std::int64_t megabytes);

// A file's name without folders and extension, as shownFileName reads it, and its extension
// in capitals (a-z only), after the last dot; a name without a dot has no extension.
struct NameAndExtension {
    QString name;
    QString extension;
};
NameAndExtension splitMovieFileName(const QString& path);

// Measures one to three files (parts), asking for each in turn, and fills fields as the
// "Analyse File(s)" button does. Cancelling a file dialog ends the run with what earlier
// files gave; a file that cannot be measured is reported and the run goes on.
void analyseMovieFiles(int parts, AnalysedFields& fields, UserDialogs& dialogs, MediaDevice& device,
                       WaitDisplay& wait);

}  // namespace reelcase

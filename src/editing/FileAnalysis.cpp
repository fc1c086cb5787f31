#include "editing/FileAnalysis.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include <QCoreApplication>

#include "careful_files/FileNames.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

QString plus(const QString& total, std::int64_t amount) {
    return QString::number(total.toLongLong() + amount);
}

}  // namespace

// Read as a 64-bit count. Only a regular file has a size; opening without blocking keeps a
// named pipe from hanging.
std::optional<std::int64_t> movieFileSize(const QString& path) {
    const int fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!sized) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(st.st_size);
}

int qualityForMegabytes(std::int64_t megabytes) {
    if (megabytes < 200) {
        return 0;
    }
    if (megabytes < 300) {
        return 1;
    }
    if (megabytes < 400) {
        return 2;
    }
    if (megabytes < 700) {
        return 3;
    }
    return 4;
}

NameAndExtension splitMovieFileName(const QString& path) {
    QString file = shownFileName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    // A tab or a line break in a file name separates words; in a movie's name it would break
    // every list and export the name goes to.
    bool controls = false;
    for (QChar& c : file) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
            c = QLatin1Char(' ');
            controls = true;
        }
    }
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        return {controls ? file.simplified() : file, {}};
    }
    QString extension = file.mid(dot + 1);
    for (QChar& c : extension) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return {controls ? file.left(dot).simplified() : file.left(dot), extension};
}

void analyseMovieFiles(int parts, AnalysedFields& fields, UserDialogs& dialogs, MediaDevice& device,
                       WaitDisplay& wait) {
    fields.name.clear();
    fields.lengthText.clear();
    fields.sizeText.clear();
    const FileDialogRequest request{
        QCoreApplication::translate("FileAnalysis", "All Movie Files! (*.AVI *.ASF *.MPG *.RM)"),
        QStringLiteral("*.AVI *.ASF *.MPG *.RM"),
        {},
        {}};
    std::optional<std::int64_t> megabytes;
    NameAndExtension collected;
    for (int part = 1; part <= parts; ++part) {
        const auto chosen = dialogs.chooseFileToOpen(request);
        if (!chosen) {
            return;
        }
        const QString& path = *chosen;
        bool measured = false;
        if (const auto size = movieFileSize(path)) {
            megabytes = *size / BytesPerMegabyte;
            wait.showNow();
            wait.ProgressFirstHalf();
            if (device.open(path)) {
                wait.ProgressSecondHalf();
                wait.hideNow();
                device.setTimeFormatMilliseconds();
                const std::int64_t minutes = device.length() / MillisecondsPerMinute;
                if (fields.lengthText.isEmpty()) {
                    fields.lengthText = QString::number(minutes);
                    fields.sizeText = QString::number(*megabytes);
                } else {
                    fields.lengthText = plus(fields.lengthText, minutes);
                    fields.sizeText = plus(fields.sizeText, *megabytes);
                }
                device.stop();
                device.close();
                measured = true;
            } else {
                wait.hideNow();
            }
        }
        if (!measured) {
            dialogs.showMessage(QCoreApplication::translate(
                "FileAnalysis", "There Went Something Wrong With Opening!"));
        }
        // With no size read yet there is no quality to give.
        if (megabytes) {
            fields.quality = qualityForMegabytes(*megabytes);
        }
        if (part == 1) {
            collected = splitMovieFileName(path);
        }
        for (std::size_t i = 0; i + 1 < FormatNames.size(); ++i) {
            if (!collected.extension.isEmpty() &&
                collected.extension == fromCatalogueText(FormatNames[i])) {
                fields.format = static_cast<int>(i);
            }
        }
        fields.name = collected.name;
    }
}

}  // namespace reelcase

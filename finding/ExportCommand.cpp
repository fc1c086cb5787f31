// The "Movie List" menu: the listed movies exported into a text file or printed.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "finding/ExportRows.h"
#include "finding/PrintLayout.h"
#include "main_window/MainWindowLogic.h"

namespace reelcase {

namespace {

const QString kNoMovies = QStringLiteral("Please make sure you have some Movies in your database");
const QString kExportFailed = QStringLiteral("There went something wrong with exporting!");
const QString kPrintFailed = QStringLiteral("There went something wrong with printing!");

// Creates the file at path, or empties the one there, and writes data into it. Returns 0 or
// the errno value of the step that failed; a partly written file stays.
int writeFileInPlace(const QString& path, std::string_view data, FileSystemCalls& calls) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    while (!data.empty()) {
        const ssize_t written = calls.write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = written < 0 ? errno : EIO;
            break;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    if (calls.close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

QString withoutFolders(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace

void MainWindowLogic::MenuExportListClick(ListMenuItem sender) {
    if (list_.empty()) {
        dialogs_.showMessage(kNoMovies);
        return;
    }
    if (sender == ListMenuItem::MenuExportList) {
        exportList();
    } else {
        printList();
    }
}

void MainWindowLogic::exportList() {
    const FileDialogRequest request{QStringLiteral("Movie List (Textfile)"),
                                    QStringLiteral("*.txt"), QStringLiteral("txt"),
                                    lastExportName_};
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(request);
    if (!chosen) {
        return;
    }
    lastExportName_ = *chosen;
    if (writeFileInPlace(*chosen, listExportBytes(catalogue_, list_), fileSystem_) != 0) {
        dialogs_.showMessage(kExportFailed);
        return;
    }
    dialogs_.showMessage(
        QStringLiteral("The file: \"%1\" is succesfully created with all the Movies!")
            .arg(withoutFolders(*chosen)));
}

void MainWindowLogic::printList() {
    if (printDevice_ == nullptr) {
        dialogs_.showMessage(kPrintFailed);
        return;
    }
    PrintDevice& device = *printDevice_;
    device.setStyle(PrintStyle::BoldUnderlined);
    if (!device.beginDocument()) {
        dialogs_.showMessage(kPrintFailed);
        return;
    }
    PrintedList output(device);
    if (!writeListLines(catalogue_, list_, output)) {
        device.abortDocument();
        dialogs_.showMessage(kPrintFailed);
        return;
    }
    if (!device.endDocument()) {
        dialogs_.showMessage(kPrintFailed);
        return;
    }
    dialogs_.showMessage(QStringLiteral("The device \"%1\" is now printing your movie database!")
                             .arg(device.printerName()));
}

}  // namespace reelcase

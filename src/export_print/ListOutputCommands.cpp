// The "Movie List" menu: the listed movies exported into a text file or printed.
#include "export_print/ListOutputCommands.h"

#include <QCoreApplication>

#include "careful_files/AtomicFile.h"
#include "catalogue/EnteredPath.h"
#include "export_print/ExportRows.h"
#include "export_print/PrintLayout.h"

namespace reelcase {

namespace {

const char* const kNoMovies = QT_TRANSLATE_NOOP(
    "ListOutputCommands", "Please make sure you have some Movies in your database");
const char* const kExportFailed =
    QT_TRANSLATE_NOOP("ListOutputCommands", "There went something wrong with exporting!");
const char* const kPrintFailed =
    QT_TRANSLATE_NOOP("ListOutputCommands", "There went something wrong with printing!");

QString shown(const char* text) {
    return QCoreApplication::translate("ListOutputCommands", text);
}

}  // namespace

void tellExportOutcome(UserDialogs& dialogs, bool written, const QString& path) {
    if (!written) {
        dialogs.showMessage(shown(kExportFailed));
        return;
    }
    dialogs.showMessage(
        QCoreApplication::translate("ListOutputCommands",
                                    "The file: \"%1\" is succesfully created with all the Movies!")
            .arg(fileNameOf(path)));
}

ListOutputCommands::ListOutputCommands(ProgramState& state, UserDialogs& dialogs,
                                       FileSystemCalls& fileSystem, PrintDevice& printDevice)
    : catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      fileSystem_(fileSystem),
      printDevice_(printDevice) {}

void ListOutputCommands::outputList(ListMenuItem sender) {
    if (list_.empty()) {
        dialogs_.showMessage(shown(kNoMovies));
        return;
    }
    if (sender == ListMenuItem::MenuExportList) {
        exportList();
    } else {
        printList();
    }
}

void ListOutputCommands::exportList() {
    const FileDialogRequest request{
        QCoreApplication::translate("ListOutputCommands", "Movie List (Textfile)"),
        QStringLiteral("*.txt"), QStringLiteral("txt"), lastExportName_};
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(request);
    if (!chosen) {
        return;
    }
    lastExportName_ = *chosen;
    // Saved over as a catalogue is, without a backup: a failed export leaves the old file.
    tellExportOutcome(
        dialogs_, writeFileSafely(*chosen, listExportBytes(catalogue_, list_), fileSystem_) == 0,
        *chosen);
}

void ListOutputCommands::printList() {
    PrintDevice& device = printDevice_;
    device.setStyle(PrintStyle::BoldUnderlined);
    if (!device.beginDocument()) {
        dialogs_.showMessage(shown(kPrintFailed));
        return;
    }
    PrintedList output(device);
    if (!writeListLines(catalogue_, list_, output)) {
        device.abortDocument();
        dialogs_.showMessage(shown(kPrintFailed));
        return;
    }
    if (!device.endDocument()) {
        dialogs_.showMessage(shown(kPrintFailed));
        return;
    }
    dialogs_.showMessage(
        QCoreApplication::translate("ListOutputCommands",
                                    "The device \"%1\" is now printing your movie database!")
            .arg(device.printerName()));
}

}  // namespace reelcase

// The main window's commands that bring movies in and take them out in other programs' forms.
#include "exchange/ExchangeCommands.h"

#include <QCoreApplication>

#include "careful_files/AtomicFile.h"
#include "careful_files/FileErrors.h"
#include "catalogue/EnteredPath.h"
#include "exchange/ByteTable.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/ListExports.h"
#include "export_print/ListOutputCommands.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

const char* const kNoMovies =
    QT_TRANSLATE_NOOP("ExchangeCommands", "Please make sure you have some Movies in your database");
// Detail lines under each heading of the report box; the command line shows them all.
constexpr int kReportDetails = 10;

}  // namespace

ExchangeCommands::ExchangeCommands(ProgramState& state, UserDialogs& dialogs,
                                   FileSystemCalls& fileSystem, BackgroundWork& work)
    : state_(state),
      catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      fileSystem_(fileSystem),
      work_(work) {}

void ExchangeCommands::exportCsv() {
    exportListFile(ListFileKind::Csv);
}

void ExchangeCommands::exportWebPage() {
    exportListFile(ListFileKind::WebPage);
}

void ExchangeCommands::exportListFile(ListFileKind kind) {
    if (list_.empty()) {
        dialogs_.showMessage(QCoreApplication::translate("ExchangeCommands", kNoMovies));
        return;
    }
    const bool csv = kind == ListFileKind::Csv;
    QString& lastName = csv ? lastCsvName_ : lastWebPageName_;
    const FileDialogRequest request =
        csv ? FileDialogRequest{QCoreApplication::translate("ExchangeCommands",
                                                            "Movie List (Comma-separated)"),
                                QStringLiteral("*.csv"), QStringLiteral("csv"), lastName}
            : FileDialogRequest{
                  QCoreApplication::translate("ExchangeCommands", "Movie List (Web Page)"),
                  QStringLiteral("*.html *.htm"), QStringLiteral("html"), lastName};
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(request);
    if (!chosen) {
        return;
    }
    lastName = *chosen;
    // Made and written off the window's thread; the catalogue and the list only read there,
    // and nothing changes them while the progress window keeps the others from input.
    bool written = false;
    int error = 0;
    BackgroundWork& work = work_;
    work.run(QCoreApplication::translate("ExchangeCommands", "Exporting \"%1\"...")
                 .arg(fileNameOf(*chosen)),
             [&](WorkProgress& progress) {
                 const ByteTable& table = ByteTable::shared();
                 // Each is written from the string it was made in: a copy would be another
                 // pass over every row.
                 const LargeString csvBytes =
                     csv ? listCsvBytes(catalogue_, list_, table, &progress) : LargeString();
                 const std::string htmlBytes =
                     csv ? std::string() : listHtmlBytes(catalogue_, list_, table, &progress);
                 if (progress.cancelled()) {
                     return;
                 }
                 // Once begun, the writing ends: the file is either whole or as it was.
                 error = writeFileSafely(
                     *chosen, csv ? std::string_view(csvBytes) : std::string_view(htmlBytes),
                     fileSystem_);
                 written = true;
             });
    if (!written) {
        return;  // cancelled: no file written
    }
    tellExportOutcome(dialogs_, error == 0, *chosen);
}

void ExchangeCommands::importCollection() {
    state_.RefreshMovieList();
    const std::optional<QString> chosen = dialogs_.chooseFileToOpen(
        {QCoreApplication::translate("ExchangeCommands", "Movie collections (*.csv *.tc *.gcs)"),
         QStringLiteral("*.csv *.tc *.gcs"), QString(), QString()});
    if (!chosen) {
        return;
    }
    // Read and converted off the window's thread; taken in here, as one step.
    MappedCollection mapped;
    BackgroundWork& work = work_;
    if (!work.run(
            QCoreApplication::translate("ExchangeCommands", "Importing \"%1\"...")
                .arg(fileNameOf(*chosen)),
            [&](WorkProgress& progress) { mapped = readAndMapCollection(*chosen, &progress); })) {
        return;  // cancelled: nothing taken in
    }
    if (mapped.error != 0) {
        dialogs_.showError(fileErrorText(mapped.error));
        return;
    }
    if (!mapped.problem.isEmpty()) {
        dialogs_.showError(
            QCoreApplication::translate("ExchangeCommands", "\"%1\" cannot be imported: %2.")
                .arg(fileNameOf(*chosen), mapped.problem));
        return;
    }
    ImportReport report;
    {
        const CatalogueStepScope step(
            catalogue_, QCoreApplication::translate("ExchangeCommands", "Import \"%1\"")
                            .arg(fileNameOf(*chosen)));
        report = takeInMapped(mapped, catalogue_, list_);
    }
    state_.requestSearchFocus();
    state_.stateChanged();
    // The report's lines are those "reelcase import" prints for scripts, and stay English.
    dialogs_.showMessage(QCoreApplication::translate("ExchangeCommands", "Import of \"%1\"\n\n%2")
                             .arg(fileNameOf(*chosen), report.text(kReportDetails).trimmed()));
}

}  // namespace reelcase

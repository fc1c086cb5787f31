// The main window's commands that bring movies in and take them out in other programs' forms.
#include "catalogue/AtomicFile.h"
#include "catalogue/FileErrors.h"
#include "exchange/ByteTable.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/ListExports.h"
#include "exchange/ExchangeCommands.h"

namespace reelcase {

namespace {

const QString kNoMovies = QStringLiteral("Please make sure you have some Movies in your database");
const QString kExportFailed = QStringLiteral("There went something wrong with exporting!");
// Detail lines under each heading of the report box; the command line shows them all.
constexpr int kReportDetails = 10;

QString withoutFolders(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace

ExchangeCommands::ExchangeCommands(ProgramState& state, UserDialogs& dialogs,
                                   FileSystemCalls& fileSystem)
    : state_(state),
      catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      fileSystem_(fileSystem) {}

void ExchangeCommands::MenuExportCsvClick() {
    exportListFile(ListFileKind::Csv);
}

void ExchangeCommands::MenuExportWebPageClick() {
    exportListFile(ListFileKind::WebPage);
}

void ExchangeCommands::exportListFile(ListFileKind kind) {
    if (list_.empty()) {
        dialogs_.showMessage(kNoMovies);
        return;
    }
    const bool csv = kind == ListFileKind::Csv;
    QString& lastName = csv ? lastCsvName_ : lastWebPageName_;
    const FileDialogRequest request =
        csv ? FileDialogRequest{QStringLiteral("Movie List (Comma-separated)"),
                                QStringLiteral("*.csv"), QStringLiteral("csv"), lastName}
            : FileDialogRequest{QStringLiteral("Movie List (Web Page)"),
                                QStringLiteral("*.html *.htm"), QStringLiteral("html"), lastName};
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(request);
    if (!chosen) {
        return;
    }
    lastName = *chosen;
    const ByteTable table;
    const std::string bytes =
        csv ? listCsvBytes(catalogue_, list_, table) : listHtmlBytes(catalogue_, list_, table);
    if (writeFileSafely(*chosen, bytes, fileSystem_) != 0) {
        dialogs_.showMessage(kExportFailed);
        return;
    }
    dialogs_.showMessage(
        QStringLiteral("The file: \"%1\" is succesfully created with all the Movies!")
            .arg(withoutFolders(*chosen)));
}

void ExchangeCommands::MenuImportClick() {
    state_.RefreshMovieList();
    const std::optional<QString> chosen =
        dialogs_.chooseFileToOpen({QStringLiteral("Movie collections (*.csv *.tc *.gcs)"),
                                   QStringLiteral("*.csv *.tc *.gcs"), QString(), QString()});
    if (!chosen) {
        return;
    }
    const Collection collection = readCollectionFile(*chosen);
    if (collection.error != 0) {
        dialogs_.showError(fileErrorText(collection.error));
        return;
    }
    if (!collection.problem.isEmpty()) {
        dialogs_.showError(QStringLiteral("\"%1\" cannot be imported: %2.")
                               .arg(withoutFolders(*chosen), collection.problem));
        return;
    }
    ImportReport report;
    {
        const CatalogueStepScope step(catalogue_,
                                      QStringLiteral("Import \"%1\"").arg(withoutFolders(*chosen)));
        report = importCollection(collection, catalogue_, list_);
    }
    state_.requestSearchFocus();
    state_.stateChanged();
    dialogs_.showMessage(QStringLiteral("Import of \"%1\"\n\n%2")
                             .arg(withoutFolders(*chosen), report.text(kReportDetails).trimmed()));
}

}  // namespace reelcase

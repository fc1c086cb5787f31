// The File menu's catalogue commands: New, Open, Save and Save As.
#include "catalogue/CatalogueFile.h"
#include "catalogue/FileErrors.h"
#include "main_window/MainWindowLogic.h"

namespace reelcase {

namespace {

FileDialogRequest catalogueDialog() {
    return {QStringLiteral("Reelcase Files (*.rcb)"), QStringLiteral("*.rcb"), {}, {}};
}

const QString kEmptyListText =
    QStringLiteral("Please make sure you have some Movies in your database!");

}  // namespace

void MainWindowLogic::New1Click() {
    if (!dialogs_.confirm(QStringLiteral("Do you want to start a new Movie-database?"))) {
        return;
    }
    catalogue_.MovieCount = 0;
    fullListing_ = false;
    // Forgetting the file keeps the next Save from writing the new catalogue over the old one.
    catalogue_.CurrentFileName.clear();
    RefreshMovieList();
}

void MainWindowLogic::MenuOpenDatabaseClick() {
    RefreshMovieList();
    QString path;
    if (catalogue_.OpenPending) {
        path = catalogue_.PendingFileName;
        catalogue_.OpenPending = false;
    } else {
        const auto chosen = dialogs_.chooseFileToOpen(catalogueDialog());
        if (!chosen) {
            return;
        }
        path = *chosen;
    }
    const OpenOutcome outcome = readCatalogueFile(path, catalogue_, list_);
    // An empty-named record is listed by Open but never by a refresh.
    if (!list_.empty() && list_.at(0).empty()) {
        fullListing_ = false;
    }
    if (outcome.leftOut > 0) {
        dialogs_.showMessage(
            QStringLiteral("The catalogue is full (%1 movies). %2 movies of this file could not "
                           "be taken in.")
                .arg(CatalogueCapacity)
                .arg(outcome.leftOut));
    }
    if (outcome.error != 0) {
        dialogs_.showError(fileErrorText(outcome.error));
        return;
    }
    // A file only partly taken in is not made current, so that Save cannot shorten it.
    if (outcome.leftOut == 0) {
        catalogue_.CurrentFileName = path;
        stampedFile_ = path;
        stamp_ = outcome.stamp;
    }
}

bool MainWindowLogic::mayWriteOver(const QString& path) {
    return path != stampedFile_ || !stamp_ || !changedOnDisk(*stamp_, path) ||
           dialogs_.confirm(
               QStringLiteral("The catalogue file has been changed by another program since it "
                              "was opened. Save over it anyway?"));
}

bool MainWindowLogic::saveTo(const QString& path) {
    if (!mayWriteOver(path)) {
        return false;
    }
    const SaveOutcome saved = saveCatalogueFile(path, catalogue_, list_, fileSystem_);
    if (saved.error != 0) {
        dialogs_.showError(fileErrorText(saved.error));
        return false;
    }
    dialogs_.showMessage(
        QStringLiteral("The %1 MOVIES Are Now Succesfully Saved!").arg(list_.size()));
    if (saved.backupError != 0) {
        dialogs_.showMessage(
            QStringLiteral("The catalogue was saved without a backup of its previous version: "
                           "\"%1\" could not be written. %2")
                .arg(saved.backupPath, fileErrorText(saved.backupError)));
    }
    catalogue_.UnsavedChanges = false;
    stampedFile_ = path;
    stamp_ = stampOf(path);
    return true;
}

void MainWindowLogic::MenuSaveAsDatabaseClick() {
    if (list_.empty()) {
        dialogs_.showMessage(kEmptyListText);
        requestSearchFocus();
        return;
    }
    RefreshMovieList();
    FileDialogRequest request = catalogueDialog();
    request.defaultSuffix = QStringLiteral("rcb");
    request.fileName = catalogue_.CurrentFileName;
    const auto chosen = dialogs_.chooseFileToSave(request);
    if (chosen && saveTo(*chosen)) {
        catalogue_.CurrentFileName = *chosen;
    }
    requestSearchFocus();
}

void MainWindowLogic::MenuSaveDatabaseClick() {
    const QString& current = catalogue_.CurrentFileName;
    if (current.isEmpty() || current == QStringLiteral(".")) {
        MenuSaveAsDatabaseClick();
        return;
    }
    if (list_.empty()) {
        dialogs_.showMessage(kEmptyListText);
        requestSearchFocus();
        return;
    }
    RefreshMovieList();
    saveTo(current);
    requestSearchFocus();
}

}  // namespace reelcase

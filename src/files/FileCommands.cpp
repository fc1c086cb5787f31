// The File menu's catalogue commands: New, Open, Save and Save As.
#include <cerrno>

#include <QCoreApplication>

#include "careful_files/FileErrors.h"
#include "careful_files/FileStamp.h"
#include "careful_files/SavingMark.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/EnteredPath.h"
#include "files/FileCommands.h"
#include "settings/StoredSettings.h"

namespace reelcase {

namespace {

FileDialogRequest catalogueDialog() {
    return {QCoreApplication::translate("FileCommands", "Reelcase Files (*.rcb)"),
            QStringLiteral("*.rcb"),
            {},
            {}};
}

const char* const kEmptyListText =
    QT_TRANSLATE_NOOP("FileCommands", "Please make sure you have some Movies in your database!");

}  // namespace

FileCommands::FileCommands(ProgramState& state, UserDialogs& dialogs, FileSystemCalls& fileSystem,
                           RegistryBackend& settings)
    : state_(state),
      catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      fileSystem_(fileSystem),
      settings_(settings) {}

QString catalogueOpenedAtStart(const QString& firstArgument, RegistryBackend& settings) {
    return enteredPath(firstArgument.isEmpty() ? lastFileToReopenQuietly(settings) : firstArgument);
}

void FileCommands::FormCreate(const QString& firstArgument, CatalogueReadAhead* readAhead) {
    state_.setFilters(FilterChoice{});
    if (!firstArgument.isEmpty()) {
        openCatalogue(enteredPath(firstArgument), OpenOrigin::CommandLine, readAhead);
        return;
    }
    const QString last = lastFileToReopen(settings_, dialogs_);
    if (!last.isEmpty()) {
        openCatalogue(enteredPath(last), OpenOrigin::LastFile, readAhead);
    }
}

bool FileCommands::FormCloseQuery() {
    rememberLastFile(settings_, dialogs_, catalogue_.currentFileName());
    if (catalogue_.unsavedChanges() && !list_.empty()) {
        switch (dialogs_.confirmWithCancel(
            QCoreApplication::translate("FileCommands", "Exiting, Do You Want To Save First!"))) {
            case Answer::Yes:
                saveCatalogue();
                return !catalogue_.unsavedChanges();
            case Answer::No:
                return true;
            case Answer::Cancel:
                return false;
        }
    }
    const bool ask = asksBeforeQuitting(settings_, dialogs_);
    return !ask || dialogs_.confirm(
                       QCoreApplication::translate("FileCommands", "Do You Really Want To Exit!"));
}

void FileCommands::startNewCatalogue() {
    state_.requestSearchFocus();
    if (!dialogs_.confirm(QCoreApplication::translate(
            "FileCommands", "Do you want to start a new Movie-database?"))) {
        return;
    }
    {
        const CatalogueStepScope step(
            catalogue_, QCoreApplication::translate("FileCommands", "New", "undo step"));
        catalogue_.startNew();
    }
    state_.listNoLongerFull();
    state_.RefreshMovieList();
}

void FileCommands::openCatalogue() {
    state_.requestSearchFocus();
    state_.RefreshMovieList();
    const auto chosen = dialogs_.chooseFileToOpen(catalogueDialog());
    if (!chosen) {
        return;
    }
    openCatalogue(enteredPath(*chosen), OpenOrigin::Chosen);
}

void FileCommands::openCatalogue(const QString& path, OpenOrigin origin,
                                 CatalogueReadAhead* readAhead) {
    if (origin != OpenOrigin::Chosen) {
        state_.RefreshMovieList();
    }
    // A save cut off while it wrote the file in place may have torn it: its backup is whole.
    QString readFrom = path;
    if (carriesSavingMark(path)) {
        const QString backup = path + QStringLiteral(".bak");
        if (!stampOf(backup)) {
            dialogs_.showMessage(interruptedSaveText(path));
        } else if (dialogs_.confirm(
                       interruptedSaveText(path) +
                       QCoreApplication::translate(
                           "FileCommands",
                           " Its previous version is kept in \"%1\". Open that instead?")
                           .arg(backup))) {
            readFrom = backup;
        }
    }
    OpenOutcome outcome;
    {
        // The merge and the current file it sets are one step, closed before any message.
        const CatalogueStepScope step(
            catalogue_,
            QCoreApplication::translate("FileCommands", "Open \"%1\"").arg(fileNameOf(path)));
        std::optional<OpenOutcome> readBefore;
        if (readAhead != nullptr) {
            readBefore = readAhead->takeOver(readFrom, catalogue_, list_);
        }
        outcome = readBefore ? *readBefore : readCatalogueFile(readFrom, catalogue_, list_);
        if (outcome.leftOut > 0) {
            // Saving the part taken in over the file would lose the rest of it.
            catalogue_.forgetCurrentFileName();
        } else if (outcome.error == 0) {
            // Taken from the backup, a save puts it back over the damaged file.
            catalogue_.setCurrentFileName(path);
            stampedFile_ = path;
            stamp_ = readFrom == path ? outcome.stamp : stampOf(path);
        } else if (origin == OpenOrigin::LastFile && outcome.error == ENOENT) {
            // A catalogue missing at start can be saved under its name: nothing there is lost.
            catalogue_.setCurrentFileName(path);
        }
    }
    // An empty-named record is listed by Open but never by a refresh.
    if (!list_.empty() && list_.at(0).empty()) {
        state_.listNoLongerFull();
    }
    if (outcome.leftOut > 0) {
        dialogs_.showMessage(
            QCoreApplication::translate(
                "FileCommands",
                "The catalogue is full (%1 movies). %2 movies of this file could not "
                "be taken in.")
                .arg(CatalogueCapacity)
                .arg(outcome.leftOut));
    }
    if (outcome.error != 0) {
        dialogs_.showError(fileErrorText(outcome.error));
    }
}

bool FileCommands::saveTo(const QString& path) {
    SaveOptions options;
    if (path == stampedFile_) {
        options.expected = stamp_;  // checked again under the lock, just before replacing it
    }
    SaveOutcome saved = saveCatalogueFile(path, catalogue_, list_, fileSystem_, options);
    if (saved.error == ChangedSinceStamp) {
        if (!dialogs_.confirm(QCoreApplication::translate(
                "FileCommands",
                "The catalogue file has been changed by another program since it "
                "was opened. Save over it anyway?"))) {
            return false;
        }
        options.expected.reset();
        saved = saveCatalogueFile(path, catalogue_, list_, fileSystem_, options);
    }
    if (saved.error == EWOULDBLOCK) {
        dialogs_.showError(lockedByAnotherText(saved.holder));
        return false;
    }
    if (saved.error != 0) {
        // A save creates its file: missing there means the folder named in the path does not
        // exist, an invalid path rather than a missing file.
        dialogs_.showError(fileErrorText(saved.error == ENOENT ? ENOTDIR : saved.error));
        return false;
    }
    catalogue_.markSaved();
    stampedFile_ = path;
    stamp_ = saved.stamp;
    dialogs_.showMessage(
        QCoreApplication::translate("FileCommands", "The %1 MOVIES Are Now Succesfully Saved!")
            .arg(list_.size()));
    if (saved.backupError != 0) {
        dialogs_.showMessage(
            QCoreApplication::translate(
                "FileCommands",
                "The catalogue was saved without a backup of its previous version: "
                "\"%1\" could not be written. %2")
                .arg(saved.backupPath, fileErrorText(saved.backupError)));
    }
    return true;
}

void FileCommands::saveCatalogueAs() {
    if (list_.empty()) {
        dialogs_.showMessage(QCoreApplication::translate("FileCommands", kEmptyListText));
        state_.requestSearchFocus();
        return;
    }
    state_.RefreshMovieList();
    FileDialogRequest request = catalogueDialog();
    request.defaultSuffix = QStringLiteral("rcb");
    request.fileName = catalogue_.currentFileName();
    const auto chosen = dialogs_.chooseFileToSave(request);
    if (chosen) {
        const QString path = enteredPath(*chosen);
        if (saveTo(path)) {
            catalogue_.setCurrentFileName(path);
        }
    }
    state_.requestSearchFocus();
}

void FileCommands::saveCatalogue() {
    const QString current = catalogue_.currentFileName();
    if (current.isEmpty()) {
        saveCatalogueAs();
        return;
    }
    if (list_.empty()) {
        dialogs_.showMessage(QCoreApplication::translate("FileCommands", kEmptyListText));
        state_.requestSearchFocus();
        return;
    }
    state_.RefreshMovieList();
    saveTo(current);
    state_.requestSearchFocus();
}

}  // namespace reelcase

// The Movie Database menu's "Add Movies from Folder...".
#include "folder_add/FolderAdding.h"
#include "main_window/MainWindowLogic.h"

namespace reelcase {

void MainWindowLogic::MenuAddFromFolderClick() {
    if (catalogue_.full()) {
        dialogs_.showMessage(
            QStringLiteral("The database is full: it cannot hold more than %1 Movies!")
                .arg(CatalogueCapacity));
        requestSearchFocus();
        return;
    }
    const std::optional<QString> folder =
        dialogs_.chooseFolder(QStringLiteral("Add Movies from Folder"));
    if (!folder || folderAddDialog_ == nullptr) {
        requestSearchFocus();
        return;
    }
    // As Add does: the whole list shown, so the new names go in at their places.
    RefreshMovieList();
    stateChanged();
    const std::optional<std::vector<MovieForm>> chosen = folderAddDialog_->ShowFolderAdd(*folder);
    if (!chosen || chosen->empty()) {
        requestSearchFocus();
        return;
    }
    if (list_.size() != catalogue_.movieCount()) {
        // Something inside the window changed the list: start again from the whole catalogue.
        RefreshMovieList();
    }
    const FolderAddOutcome outcome = addFolderMovies(*chosen, catalogue_, list_, dialogs_);
    requestSearchFocus();
    stateChanged();
    if (const QString report = folderAddReport(outcome); !report.isEmpty()) {
        dialogs_.showMessage(report);
    }
}

}  // namespace reelcase

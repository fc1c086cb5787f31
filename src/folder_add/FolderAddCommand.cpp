// The Movie Database menu's "Add Movies from Folder...".
#include "folder_add/FolderAddCommand.h"

#include <QCoreApplication>

#include "editing/EditingCommands.h"

namespace reelcase {

FolderAddCommand::FolderAddCommand(ProgramState& state, UserDialogs& dialogs,
                                   FolderAddDialog& window)
    : state_(state),
      catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      window_(window) {}

void FolderAddCommand::addFromFolder() {
    if (refusedAsFull(state_, dialogs_)) {
        return;
    }
    const std::optional<QString> folder = dialogs_.chooseFolder(
        QCoreApplication::translate("FolderAddCommand", "Add Movies from Folder"));
    if (!folder) {
        state_.requestSearchFocus();
        return;
    }
    // As Add does: the whole list shown, so the new names go in at their places.
    state_.RefreshMovieList();
    state_.stateChanged();
    const std::optional<std::vector<MovieForm>> chosen = window_.ShowFolderAdd(*folder);
    if (!chosen || chosen->empty()) {
        state_.requestSearchFocus();
        return;
    }
    if (!state_.fullListing()) {
        // Something inside the window changed the list: start again from the whole catalogue.
        state_.RefreshMovieList();
    }
    const FolderAddOutcome outcome = addFolderMovies(*chosen, catalogue_, list_, dialogs_);
    state_.requestSearchFocus();
    state_.stateChanged();
    if (const QString report = folderAddReport(outcome); !report.isEmpty()) {
        dialogs_.showMessage(report);
    }
}

}  // namespace reelcase

// The Movie Database menu's "Check Against Folders...".
#include "disk_check/CheckCommand.h"

#include <QCoreApplication>

#include "careful_files/FileNames.h"

namespace reelcase {

DiskCheckCommand::DiskCheckCommand(ProgramState& state, UserDialogs& dialogs,
                                   RegistryBackend& settings, DiskCheckDialog& window)
    : state_(state), dialogs_(dialogs), settings_(settings), window_(window) {}

void DiskCheckCommand::checkAgainstFolders() {
    const std::optional<CheckRequest> request =
        window_.ChooseCheckFolders(rememberedCheck(settings_));
    if (!request || request->folders.isEmpty()) {
        state_.requestSearchFocus();
        return;
    }
    // Remembered also when a folder turns out missing: the disk may be mounted next time.
    rememberCheck(settings_, *request);
    for (const QString& folder : request->folders) {
        if (const QString problem = folderProblem(folder); !problem.isEmpty()) {
            dialogs_.showError(QCoreApplication::translate("DiskCheckCommand",
                                                           "The folder \"%1\" cannot be checked: "
                                                           "%2.\nNothing was checked.")
                                   .arg(shownFileName(folder), problem));
            state_.requestSearchFocus();
            return;
        }
    }
    // As Add does: the whole list shown, so that new names go in at their places.
    state_.RefreshMovieList();
    state_.stateChanged();
    const std::optional<CheckChoices> chosen = window_.ShowCheck(*request);
    if (!chosen || chosen->empty()) {
        state_.requestSearchFocus();
        return;
    }
    if (!state_.fullListing()) {
        // Something inside the window changed the list: start again from the whole catalogue.
        state_.RefreshMovieList();
    }
    const CheckOutcome outcome = applyCheck(*chosen, state_, dialogs_);
    state_.requestSearchFocus();
    state_.stateChanged();
    if (const QString report = folderAddReport(outcome.added); !report.isEmpty()) {
        dialogs_.showMessage(report);
    }
}

}  // namespace reelcase

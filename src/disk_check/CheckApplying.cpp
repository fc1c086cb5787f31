#include "disk_check/CheckApplying.h"

#include <QCoreApplication>

namespace reelcase {

namespace {

bool stillNamed(const Catalogue& catalogue, int slot, std::string_view name) {
    return slot >= 1 && slot <= catalogue.movieCount() && !name.empty() &&
           nameOf(catalogue.slot(slot)) == name;
}

}  // namespace

QString applyButtonText(int deletions) {
    if (deletions <= 0) {
        return QCoreApplication::translate("CheckApplying", "Apply");
    }
    return deletions == 1
               ? QCoreApplication::translate("CheckApplying", "Apply and Delete 1 movie")
               : QCoreApplication::translate("CheckApplying", "Apply and Delete %1 movies")
                     .arg(deletions);
}

CheckOutcome applyCheck(const CheckChoices& choices, ProgramState& state, UserDialogs& dialogs) {
    Catalogue& catalogue = state.catalogue();
    CheckOutcome outcome;
    // The undo step's name, shown in the Edit menu.
    const CatalogueStepScope step(
        catalogue, QCoreApplication::translate("CheckApplying", "Check Against Folders"));
    for (const auto& [slot, record] : choices.updates) {
        if (stillNamed(catalogue, slot, nameOf(record))) {
            catalogue.replaceMovie(slot, record);
            ++outcome.updated;
        }
    }
    for (const int slot : choices.deletions) {
        if (slot >= 1 && slot <= catalogue.movieCount() && !nameOf(catalogue.slot(slot)).empty()) {
            catalogue.deleteMovie(slot);
            ++outcome.deleted;
        }
    }
    if (outcome.deleted > 0) {
        // Taking the new files in needs the whole catalogue listed, without the deleted ones.
        state.rebuildFullListing();
    }
    outcome.added = takeInFolderMovies(choices.additions, catalogue, state.list(), dialogs);
    state.list().select(-1);
    state.clearDetails();
    state.clearSearchRows();
    return outcome;
}

}  // namespace reelcase

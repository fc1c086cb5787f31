// The Movie Database menu's commands: add, modify and delete a movie.
#include "catalogue/TextCodec.h"
#include "main_window/MainWindowLogic.h"

namespace reelcase {

void MainWindowLogic::MenuAddNewMovieClick() {
    if (catalogue_.MovieCount >= CatalogueCapacity) {
        dialogs_.showMessage(
            QStringLiteral("The database is full: it cannot hold more than %1 Movies!")
                .arg(CatalogueCapacity));
        requestSearchFocus();
        return;
    }
    RefreshMovieList();
    ++catalogue_.MovieCount;
    const int editSlot = catalogue_.MovieCount;
    if (movieDialog_ == nullptr || !movieDialog_->ShowMovieDialog(editSlot - 1)) {
        --catalogue_.MovieCount;
        requestSearchFocus();
        return;
    }
    const std::string_view name = nameOf(catalogue_.slot(editSlot));
    for (int n = 1; n < editSlot; ++n) {
        if (nameOf(catalogue_.slot(n)) == name) {
            dialogs_.showMessage(QStringLiteral("That Movie Already Exist!"));
            --catalogue_.MovieCount;
            requestSearchFocus();
            return;
        }
    }
    list_.add(name);
    catalogue_.UnsavedChanges = true;
    requestSearchFocus();
}

void MainWindowLogic::MenuModifyaMovieClick() {
    if (!list_.hasSelection()) {
        dialogs_.showMessage(QStringLiteral("Select a movie before you try to modify!"));
        requestSearchFocus();
        return;
    }
    const int position = list_.selected();
    const int slot = catalogue_.findByName(list_.at(position));
    if (slot == 0 || movieDialog_ == nullptr) {
        requestSearchFocus();
        return;
    }
    const int slotsInUse = catalogue_.MovieCount;
    catalogue_.ModifyMode = true;
    catalogue_.MovieCount = slot;
    const bool accepted = movieDialog_->ShowMovieDialog(slotsInUse);
    catalogue_.ModifyMode = false;
    catalogue_.MovieCount = slotsInUse;
    if (accepted) {
        // The entry keeps its place until the list is next refilled.
        list_.replaceAt(position, nameOf(catalogue_.slot(slot)));
        fullListing_ = false;
        list_.select(-1);
        clearDetails();
        catalogue_.UnsavedChanges = true;
    }
    requestSearchFocus();
}

void MainWindowLogic::MenuDeleteMovieClick() {
    if (!list_.hasSelection()) {
        dialogs_.showMessage(QStringLiteral("Select a movie before you try to delete!"));
        requestSearchFocus();
        return;
    }
    const int position = list_.selected();
    const std::string name(list_.at(position));
    const QString question = QStringLiteral("Are you sure you want to Delete the Movie: \"%1\"")
                                 .arg(fromCatalogueText(name));
    if (!dialogs_.confirm(question)) {
        requestSearchFocus();
        return;
    }
    const int slot = catalogue_.findByName(name);
    if (slot == 0) {
        requestSearchFocus();
        return;
    }
    MovieRecord& r = catalogue_.slot(slot);
    r.Name[0] = 0;
    r.Genre[0] = 0;
    list_.removeAt(position);
    clearDetails();
    clearSearchRows();
    catalogue_.UnsavedChanges = true;
    stateChanged();
    dialogs_.showMessage(QStringLiteral("The Movie is Succesfully Deleted From The Database"));
    requestSearchFocus();
}

}  // namespace reelcase

// The Movie Database menu's commands: add, modify and delete a movie.
#include "editing/EditingCommands.h"

#include <QCoreApplication>

#include "catalogue/TextCodec.h"

namespace reelcase {

EditingCommands::EditingCommands(ProgramState& state, UserDialogs& dialogs,
                                 MovieDialog& movieDialog)
    : state_(state),
      catalogue_(state.catalogue()),
      list_(state.list()),
      dialogs_(dialogs),
      movieDialog_(movieDialog) {}

namespace {

// An undo step's name: the command and the movie, as "Delete "Alien"". Shown in the Edit menu,
// so in the windows' language.
QString stepText(const char* command, std::string_view name) {
    return QCoreApplication::translate("EditingCommands", command).arg(fromCatalogueText(name));
}

}  // namespace

bool refusedAsFull(ProgramState& state, UserDialogs& dialogs) {
    if (!state.catalogue().full()) {
        return false;
    }
    dialogs.showMessage(
        QCoreApplication::translate("EditingCommands",
                                    "The database is full: it cannot hold more than %1 Movies!")
            .arg(CatalogueCapacity));
    state.requestSearchFocus();
    return true;
}

void EditingCommands::addMovie() {
    if (refusedAsFull(state_, dialogs_)) {
        return;
    }
    state_.RefreshMovieList();
    MovieEditRequest request;
    request.kind = MovieEditRequest::Kind::Add;
    request.slot = catalogue_.movieCount() + 1;
    request.record = catalogue_.slot(request.slot);
    const std::optional<MovieRecord> added = movieDialog_.ShowMovieDialog(request);
    // A command run inside the dialog (a save at the session's end) changes no movie, but the
    // table is checked again all the same.
    if (!added || catalogue_.full()) {
        state_.requestSearchFocus();
        return;
    }
    const std::string_view name = nameOf(*added);
    if (catalogue_.findByName(name) != 0) {
        dialogs_.showMessage(
            QCoreApplication::translate("EditingCommands", "That Movie Already Exist!"));
        state_.requestSearchFocus();
        return;
    }
    const CatalogueStepScope step(
        catalogue_, stepText(QT_TRANSLATE_NOOP("EditingCommands", "Add \"%1\""), name));
    const int slot = catalogue_.addMovie(*added);
    list_.add(nameOf(catalogue_.slot(slot)));
    state_.requestSearchFocus();
}

void EditingCommands::modifySelectedMovie() {
    if (!list_.hasSelection()) {
        dialogs_.showMessage(QCoreApplication::translate(
            "EditingCommands", "Select a movie before you try to modify!"));
        state_.requestSearchFocus();
        return;
    }
    const int position = list_.selected();
    const int slot = catalogue_.findByName(list_.at(position));
    if (slot == 0) {
        state_.requestSearchFocus();
        return;
    }
    MovieEditRequest request;
    request.kind = MovieEditRequest::Kind::Modify;
    request.slot = slot;
    request.record = catalogue_.slot(slot);
    const std::uint64_t listBefore = list_.revision();
    const std::optional<MovieRecord> modified = movieDialog_.ShowMovieDialog(request);
    if (modified) {
        const CatalogueStepScope step(
            catalogue_,
            stepText(QT_TRANSLATE_NOOP("EditingCommands", "Modify \"%1\""), nameOf(*modified)));
        catalogue_.replaceMovie(slot, *modified);
        if (list_.revision() == listBefore) {
            // The entry keeps its place until the list is next refilled.
            list_.replaceAt(position, nameOf(catalogue_.slot(slot)));
            state_.listNoLongerFull();
        } else {
            // Something inside the dialog refilled the list: the position is stale.
            state_.rebuildFullListing();
            state_.setFilters(FilterChoice{});
        }
        list_.select(-1);
        state_.clearDetails();
    }
    state_.requestSearchFocus();
}

void EditingCommands::deleteSelectedMovie() {
    if (!list_.hasSelection()) {
        dialogs_.showMessage(QCoreApplication::translate(
            "EditingCommands", "Select a movie before you try to delete!"));
        state_.requestSearchFocus();
        return;
    }
    const int position = list_.selected();
    const std::string name(list_.at(position));
    const std::uint64_t listBefore = list_.revision();
    const QString question =
        QCoreApplication::translate("EditingCommands",
                                    "Are you sure you want to Delete the Movie: \"%1\"")
            .arg(fromCatalogueText(name));
    if (!dialogs_.confirm(question)) {
        state_.requestSearchFocus();
        return;
    }
    const int slot = catalogue_.findByName(name);
    if (slot == 0) {
        state_.requestSearchFocus();
        return;
    }
    {
        const CatalogueStepScope step(
            catalogue_, stepText(QT_TRANSLATE_NOOP("EditingCommands", "Delete \"%1\""), name));
        catalogue_.deleteMovie(slot);
    }
    if (list_.revision() == listBefore) {
        list_.removeAt(position);
    } else {
        // Something inside the question refilled the list: the position is stale.
        state_.rebuildFullListing();
        state_.setFilters(FilterChoice{});
    }
    state_.clearDetails();
    state_.clearSearchRows();
    state_.stateChanged();
    dialogs_.showMessage(QCoreApplication::translate(
        "EditingCommands", "The Movie is Succesfully Deleted From The Database"));
    state_.requestSearchFocus();
}

}  // namespace reelcase

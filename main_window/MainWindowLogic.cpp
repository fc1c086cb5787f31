#include "main_window/MainWindowLogic.h"

#include "main_window/DetailsText.h"

namespace reelcase {

MainWindowLogic::MainWindowLogic(Catalogue& catalogue, UserDialogs& dialogs,
                                 FileSystemCalls& fileSystem)
    : catalogue_(catalogue), dialogs_(dialogs), fileSystem_(fileSystem) {}

bool MainWindowLogic::takeSearchFocusRequest() {
    const bool requested = searchFocusRequested_;
    searchFocusRequested_ = false;
    return requested;
}

void MainWindowLogic::FormCreate(const QString& firstArgument) {
    catalogue_.CurrentFileName.clear();
    catalogue_.UnsavedChanges = false;
    filters_ = FilterChoice{};
    catalogue_.OpenPending = false;
    if (!firstArgument.isEmpty()) {
        catalogue_.PendingFileName = firstArgument;
        catalogue_.OpenPending = true;
        MenuOpenDatabaseClick();
    }
}

bool MainWindowLogic::takeSelectSearchTextRequest() {
    const bool requested = selectSearchTextRequested_;
    selectSearchTextRequested_ = false;
    return requested;
}

void MainWindowLogic::RefreshMovieList() {
    clearDetails();
    if (fullListing_) {
        list_.select(-1);
    } else {
        rebuildFullListing();
    }
    filters_ = FilterChoice{};
    stateChanged();
}

void MainWindowLogic::rebuildFullListing() {
    std::vector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(catalogue_.MovieCount));
    for (int n = 1; n <= catalogue_.MovieCount; ++n) {
        const std::string_view name = nameOf(catalogue_.slot(n));
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    list_.clear();
    list_.addAll(names);
    fullListing_ = true;
}

void MainWindowLogic::clearDetails() {
    details_.clear();
}

void MainWindowLogic::selectEntry(int position) {
    list_.select(position);
    lbxMovieClick();
}

void MainWindowLogic::lbxMovieClick() {
    clearDetails();
    if (!list_.hasSelection()) {
        return;
    }
    const int slot = catalogue_.findByName(list_.at(list_.selected()));
    if (slot != 0) {
        details_ = detailsText(catalogue_.slot(slot));
    }
}

}  // namespace reelcase

#include "main_window/MainWindowLogic.h"

#include "catalogue/EnteredPath.h"
#include "main_window/DetailsText.h"
#include "settings/StoredSettings.h"

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
    filters_ = FilterChoice{};
    if (!firstArgument.isEmpty()) {
        openCatalogue(enteredPath(firstArgument), OpenOrigin::CommandLine);
        return;
    }
    const QString last = settings_ != nullptr ? lastFileToReopen(*settings_, dialogs_) : QString();
    if (!last.isEmpty()) {
        openCatalogue(enteredPath(last), OpenOrigin::LastFile);
    }
}

bool MainWindowLogic::FormCloseQuery() {
    if (settings_ != nullptr) {
        rememberLastFile(*settings_, dialogs_, catalogue_.currentFileName());
    }
    if (catalogue_.unsavedChanges() && !list_.empty()) {
        switch (dialogs_.confirmWithCancel(QStringLiteral("Exiting, Do You Want To Save First!"))) {
            case Answer::Yes:
                MenuSaveDatabaseClick();
                return !catalogue_.unsavedChanges();
            case Answer::No:
                return true;
            case Answer::Cancel:
                return false;
        }
    }
    const bool ask = settings_ == nullptr || asksBeforeQuitting(*settings_, dialogs_);
    return !ask || dialogs_.confirm(QStringLiteral("Do You Really Want To Exit!"));
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
    fullListing_ = true;
    if (!keptFullListing_.entries.empty() && keptRevision_ == catalogue_.revision()) {
        list_.restore(keptFullListing_);
        return;
    }
    keptFullListing_ = {};
    std::vector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(catalogue_.movieCount()));
    for (int n = 1; n <= catalogue_.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue_.slot(n));
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    list_.replaceAll(names);
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

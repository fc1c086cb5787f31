#include "main_window/WindowsOnFirstUse.h"

#include "disk_check/ui/CheckWindow.h"
#include "editing/ui/untAddModifyMovie.h"
#include "folder_add/ui/FolderAddWindow.h"
#include "statistics/ui/StatisticsWindow.h"

namespace reelcase {

namespace {

// Made without a parent and then given to the owner with its own window flags, so that it
// stays a window of its own above the owner rather than becoming a control inside it.
template <typename Window, typename... Arguments>
Window* made(QWidget* owner, Arguments&&... arguments) {
    auto* window = new Window(std::forward<Arguments>(arguments)...);
    window->setParent(owner, window->windowFlags());
    return window;
}

}  // namespace

TfrmAdd& WindowsOnFirstUse::addWindow() {
    if (add_ == nullptr) {
        add_ = made<TfrmAdd>(owner_, needs_.catalogue, needs_.dialogs, needs_.mediaDevice);
    }
    return *add_;
}

TfrmFolderAdd& WindowsOnFirstUse::folderWindow() {
    if (folder_ == nullptr) {
        folder_ = made<TfrmFolderAdd>(owner_, needs_.catalogue, needs_.measuring);
    }
    return *folder_;
}

TfrmCheck& WindowsOnFirstUse::checkWindow() {
    if (check_ == nullptr) {
        check_ = made<TfrmCheck>(owner_, needs_.catalogue, needs_.dialogs, needs_.measuring);
    }
    return *check_;
}

TfrmStatistics& WindowsOnFirstUse::statisticsWindow() {
    if (statistics_ == nullptr) {
        statistics_ = made<TfrmStatistics>(owner_, needs_.dialogs);
    }
    return *statistics_;
}

std::optional<MovieRecord> WindowsOnFirstUse::ShowMovieDialog(const MovieEditRequest& request) {
    return addWindow().ShowMovieDialog(request);
}

std::optional<std::vector<MovieForm>> WindowsOnFirstUse::ShowFolderAdd(const QString& folder) {
    return folderWindow().ShowFolderAdd(folder);
}

std::optional<CheckRequest> WindowsOnFirstUse::ChooseCheckFolders(const CheckRequest& last) {
    return checkWindow().ChooseCheckFolders(last);
}

std::optional<CheckChoices> WindowsOnFirstUse::ShowCheck(const CheckRequest& request) {
    return checkWindow().ShowCheck(request);
}

void WindowsOnFirstUse::ShowStatistics(const MovieStatistics& statistics, const QString& title,
                                       ItemChosen chosen) {
    statisticsWindow().ShowStatistics(statistics, title, std::move(chosen));
}

int WindowsOnFirstUse::madeCount() const {
    return static_cast<int>(add_ != nullptr) + static_cast<int>(folder_ != nullptr) +
           static_cast<int>(check_ != nullptr) + static_cast<int>(statistics_ != nullptr);
}

}  // namespace reelcase

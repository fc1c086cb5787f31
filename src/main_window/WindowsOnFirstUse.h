#pragma once

#include "disk_check/CheckCommand.h"
#include "folder_add/FolderMeasuring.h"
#include "seams/FolderAddDialog.h"
#include "seams/MediaDevice.h"
#include "seams/MovieDialog.h"
#include "seams/UserDialogs.h"
#include "statistics/StatisticsCommand.h"

class QWidget;

namespace reelcase {

class Catalogue;
class TfrmAdd;
class TfrmCheck;
class TfrmFolderAdd;
class TfrmStatistics;

// The windows the commands open, each made the first time a command asks for it and kept
// from then on: made all at start, they cost a fifth of the start, for windows most runs
// never show. Each becomes the owner's child as it is made, as if made at start.
class WindowsOnFirstUse : public MovieDialog,
                          public FolderAddDialog,
                          public DiskCheckDialog,
                          public StatisticsDialog {
  public:
    struct Needs {
        const Catalogue& catalogue;
        UserDialogs& dialogs;
        MediaDevice& mediaDevice;                  // for the add window's File Info
        FolderMeasuring::DeviceFactory measuring;  // for the folder windows' threads
    };

    explicit WindowsOnFirstUse(Needs needs) : needs_(std::move(needs)) {}

    // The window that owns each window made (and deletes it); set before any is asked for.
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<MovieRecord> ShowMovieDialog(const MovieEditRequest& request) override;
    std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) override;
    std::optional<CheckRequest> ChooseCheckFolders(const CheckRequest& last) override;
    std::optional<CheckChoices> ShowCheck(const CheckRequest& request) override;
    void ShowStatistics(const MovieStatistics& statistics, const QString& title,
                        ItemChosen chosen) override;

    // How many windows have been made so far.
    [[nodiscard]] int madeCount() const;

  private:
    TfrmAdd& addWindow();
    TfrmFolderAdd& folderWindow();
    TfrmCheck& checkWindow();
    TfrmStatistics& statisticsWindow();

    Needs needs_;
    QWidget* owner_ = nullptr;
    TfrmAdd* add_ = nullptr;  // each owned by owner_ once made
    TfrmFolderAdd* folder_ = nullptr;
    TfrmCheck* check_ = nullptr;
    TfrmStatistics* statistics_ = nullptr;
};

}  // namespace reelcase

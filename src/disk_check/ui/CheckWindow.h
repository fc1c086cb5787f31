#pragma once

#include <memory>

#include "disk_check/CheckCommand.h"
#include "disk_check/CheckRun.h"
#include "disk_check/ui/CheckModels.h"
#include "folder_add/ui/FolderMeasuringWindow.h"

class QLabel;
class QPushButton;
class QTableView;

namespace reelcase {

class TfrmCheckFolders;

// "Check Against Folders": the folders' files matched and measured in the background, shown
// in four groups (Changed, Not found, New files, In step) to choose from before applying.
class TfrmCheck : public FolderMeasuringWindow, public DiskCheckDialog {
    Q_OBJECT

  public:
    TfrmCheck(const Catalogue& catalogue, UserDialogs& dialogs,
              FolderMeasuring::DeviceFactory makeDevice, QWidget* parent = nullptr);
    ~TfrmCheck() override;

    std::optional<CheckRequest> ChooseCheckFolders(const CheckRequest& last) override;
    std::optional<CheckChoices> ShowCheck(const CheckRequest& request) override;

  private:
    void poll() override;
    void stopMeasuring() override;
    void showCounts();

    std::unique_ptr<CheckTable> table_;
    std::unique_ptr<CheckRun> run_;
    bool planShown_ = false;

    TfrmCheckFolders* frmFolders = nullptr;
    QLabel* lblFolders = nullptr;
    QLabel* lblChanged = nullptr;
    QTableView* tblChanged = nullptr;
    ChangedModel* changedModel_ = nullptr;
    QLabel* lblMissing = nullptr;
    QTableView* tblMissing = nullptr;
    MissingModel* missingModel_ = nullptr;
    QLabel* lblNew = nullptr;
    QLabel* lblInStep = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace reelcase

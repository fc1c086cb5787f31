#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "disk_check/CheckCommand.h"
#include "disk_check/CheckRun.h"
#include "disk_check/ui/CheckModels.h"
#include "folder_add/ui/FolderAddModel.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace reelcase {

class TfrmCheckFolders;

// "Check Against Folders": the folders' files matched and measured in the background, shown
// in four groups (Changed, Not found, New files, In step) to choose from before applying.
class TfrmCheck : public QDialog, public DiskCheckDialog {
    Q_OBJECT

  public:
    TfrmCheck(const Catalogue& catalogue, UserDialogs& dialogs,
              FolderMeasuring::DeviceFactory makeDevice, QWidget* parent = nullptr);
    ~TfrmCheck() override;

    std::optional<CheckRequest> ChooseCheckFolders(const CheckRequest& last) override;
    std::optional<CheckChoices> ShowCheck(const CheckRequest& request) override;

    // Measuring threads; 0: one per core.
    void setThreadCount(int threads) { threads_ = threads; }
    // Called on every poll of the check, after the window shows its results.
    void setPollListener(std::function<void()> listener) { pollListener_ = std::move(listener); }

    void reject() override;

  private:
    void poll();
    void showCounts();
    void openFormatBoxes();

    const Catalogue& catalogue_;
    FolderMeasuring::DeviceFactory makeDevice_;
    int threads_ = 0;
    std::unique_ptr<CheckTable> table_;
    std::unique_ptr<CheckRun> run_;
    bool planShown_ = false;
    SkippedCounts skipped_;
    std::function<void()> pollListener_;

    TfrmCheckFolders* frmFolders = nullptr;
    QLabel* lblFolders = nullptr;
    QProgressBar* barFiles = nullptr;
    QLabel* lblChanged = nullptr;
    QTableView* tblChanged = nullptr;
    ChangedModel* changedModel_ = nullptr;
    QLabel* lblMissing = nullptr;
    QTableView* tblMissing = nullptr;
    MissingModel* missingModel_ = nullptr;
    QLabel* lblNew = nullptr;
    QComboBox* comboBatchGenre = nullptr;
    QComboBox* comboBatchRating = nullptr;
    QTableView* tblNew = nullptr;
    FolderAddModel* newModel_ = nullptr;
    QLabel* lblInStep = nullptr;
    QLabel* lblSkipped = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* pollTimer_ = nullptr;
};

}  // namespace reelcase

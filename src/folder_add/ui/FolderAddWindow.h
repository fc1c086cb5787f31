#pragma once

#include <memory>

#include <QDialog>

#include "folder_add/FolderAdding.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/ui/FolderAddModel.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace reelcase {

// "Add Movies from Folder": the folder's movies measured in the background and shown in a
// table to check, name and classify before they are added.
class TfrmFolderAdd : public QDialog, public FolderAddDialog {
    Q_OBJECT
  public:
    TfrmFolderAdd(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                  QWidget* parent = nullptr);
    ~TfrmFolderAdd() override;

    std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) override;

    // Measuring threads; 0: one per core.
    void setThreadCount(int threads) { threads_ = threads; }
    // Called on every poll of the measuring, after the window shows its results.
    void setPollListener(std::function<void()> listener) { pollListener_ = std::move(listener); }

    void reject() override;

  private:
    void poll();
    // Rows, checked rows and what the scan passed over.
    void showSummary();
    void openFormatBoxes();

    const Catalogue& catalogue_;
    FolderMeasuring::DeviceFactory makeDevice_;
    int threads_ = 0;
    std::unique_ptr<FolderAddTable> table_;
    std::unique_ptr<FolderMeasuring> measuring_;
    bool moviesShown_ = false;
    SkippedCounts skipped_;
    std::function<void()> pollListener_;

    QLabel* lblFolder = nullptr;
    QComboBox* comboBatchGenre = nullptr;
    QComboBox* comboBatchRating = nullptr;
    QProgressBar* barFiles = nullptr;
    QLabel* lblSkipped = nullptr;
    QTableView* tblMovies = nullptr;
    FolderAddModel* model_ = nullptr;
    QPushButton* btnAddChecked = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* pollTimer_ = nullptr;
};

}  // namespace reelcase

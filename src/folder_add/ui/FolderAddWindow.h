#pragma once

#include <memory>

#include "folder_add/FolderAdding.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/ui/FolderMeasuringWindow.h"

class QLabel;
class QPushButton;

namespace reelcase {

// "Add Movies from Folder": the folder's movies measured in the background and shown in a
// table to check, name and classify before they are added.
class TfrmFolderAdd : public FolderMeasuringWindow, public FolderAddDialog {
    Q_OBJECT
  public:
    TfrmFolderAdd(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                  QWidget* parent = nullptr);
    ~TfrmFolderAdd() override;

    std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) override;

  private:
    void poll() override;
    void stopMeasuring() override;
    // Rows, checked rows and what the scan passed over.
    void showSummary();

    std::unique_ptr<FolderAddTable> table_;
    std::unique_ptr<FolderMeasuring> measuring_;
    bool moviesShown_ = false;

    QLabel* lblFolder = nullptr;
    QPushButton* btnAddChecked = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace reelcase

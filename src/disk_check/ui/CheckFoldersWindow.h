#pragma once

#include <optional>

#include <QDialog>

#include "disk_check/CheckFolders.h"
#include "seams/UserDialogs.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace reelcase {

// The folders a check runs over: a list to add folders to and take them from, and whether
// every file is measured.
class TfrmCheckFolders : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmCheckFolders(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window over last; the request when the user pressed Check.
    std::optional<CheckRequest> choose(const CheckRequest& last);

  private:
    void btnAddFolderClick();
    void btnRemoveFolderClick();
    void enableButtons();

    UserDialogs& dialogs_;
    QListWidget* lstFolders = nullptr;
    QPushButton* btnAddFolder = nullptr;
    QPushButton* btnRemoveFolder = nullptr;
    QCheckBox* chkMeasureAll = nullptr;
    QPushButton* btnCheck = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace reelcase

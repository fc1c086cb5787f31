#pragma once

#include "seams/UserDialogs.h"

class QWidget;

namespace reelcase {

// The real dialogs: Qt message boxes and file dialogs, owned by the window given.
class QtUserDialogs : public UserDialogs {
  public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    Answer confirmWithCancel(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title) override;
    bool chooseFont(QFont& font) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace reelcase

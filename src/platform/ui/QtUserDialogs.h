#pragma once

#include "seams/UserDialogs.h"

namespace reelcase {

// The real dialogs: Qt message boxes and file dialogs, each owned by the window the user
// works in when it opens (the main window, or the dialog a question comes from).
class QtUserDialogs : public UserDialogs {
  public:
    void showMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    Answer confirmWithCancel(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title) override;
    bool chooseFont(QFont& font) override;
};

}  // namespace reelcase

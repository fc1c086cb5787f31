#pragma once

#include <optional>

#include <QString>

class QFont;

namespace reelcase {

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
    QString filterDescription;  // e.g. "Reelcase Files (*.rcb)"
    QString pattern;            // e.g. "*.rcb"; matched whatever the letter case
    QString defaultSuffix;      // added to a name typed without one
    QString fileName;           // offered at the start
};

// Everything the program asks or tells the user through a standard dialog. Commands take it
// as an argument, so tests run them with a double that answers from a queue.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // Title "Reel-Case Database", no icon, "OK".
    virtual void showMessage(const QString& text) = 0;
    // Title "Confirm", question icon, "&Yes" and "&No"; true only on Yes.
    virtual bool confirm(const QString& text) = 0;
    // Title "Confirm", question icon, "&Yes", "&No" and "Cancel".
    virtual Answer confirmWithCancel(const QString& text) = 0;
    // Title "Reel-Case Database", error icon, "OK".
    virtual void showError(const QString& text) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) = 0;
    // Asks before an existing file is replaced.
    virtual std::optional<QString> chooseFileToSave(const FileDialogRequest& request) = 0;
    // A folder, chosen in a dialog with the given title; nothing when the user cancels.
    virtual std::optional<QString> chooseFolder(const QString& title) = 0;
    // The font dialog, offering face, style and size only; starts at font and, when the user
    // accepts, leaves the choice in it and returns true.
    virtual bool chooseFont(QFont& font) = 0;
};

}  // namespace reelcase

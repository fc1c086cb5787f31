#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "seams/UserDialogs.h"

namespace reelcase::test {

// Answers every dialog from queues the test fills, and records each message shown. An
// unexpected question (an empty queue) counts as a failure the test can check.
class FakeUserDialogs : public UserDialogs {
  public:
    enum class Kind {
        Message,
        Confirm,
        ConfirmWithCancel,
        Error,
        OpenDialog,
        SaveDialog,
        FolderDialog,
        FontDialog
    };
    struct Shown {
        Kind kind;
        QString text;
    };

    std::deque<bool> confirmAnswers;
    std::deque<Answer> cancelAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    // Each changes the offered font as the user would and says whether OK was pressed.
    std::deque<std::function<bool(QFont&)>> fontAnswers;
    std::vector<Shown> shown;
    std::vector<FileDialogRequest> fileRequests;
    int unexpected = 0;
    // Runs as each dialog appears, to look at the windows behind it.
    std::function<void()> onShow;

    void showMessage(const QString& text) override { record(Kind::Message, text); }
    bool confirm(const QString& text) override {
        record(Kind::Confirm, text);
        return take(confirmAnswers, false);
    }
    Answer confirmWithCancel(const QString& text) override {
        record(Kind::ConfirmWithCancel, text);
        return take(cancelAnswers, Answer::Cancel);
    }
    void showError(const QString& text) override { record(Kind::Error, text); }
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override {
        record(Kind::OpenDialog, {});
        fileRequests.push_back(request);
        return take(fileAnswers, std::optional<QString>{});
    }
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override {
        record(Kind::SaveDialog, {});
        fileRequests.push_back(request);
        return take(fileAnswers, std::optional<QString>{});
    }
    std::optional<QString> chooseFolder(const QString& title) override {
        record(Kind::FolderDialog, title);
        return take(folderAnswers, std::optional<QString>{});
    }

    bool chooseFont(QFont& font) override {
        record(Kind::FontDialog, {});
        if (fontAnswers.empty()) {
            ++unexpected;
            return false;
        }
        const auto answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer(font);
    }

    // The texts of the messages and errors shown, in order.
    QStringList texts() const {
        QStringList result;
        for (const auto& s : shown) {
            if (s.kind == Kind::Message || s.kind == Kind::Error) {
                result << s.text;
            }
        }
        return result;
    }
    QStringList errors() const {
        QStringList result;
        for (const auto& s : shown) {
            if (s.kind == Kind::Error) {
                result << s.text;
            }
        }
        return result;
    }
    void clear() {
        shown.clear();
        fileRequests.clear();
    }

  private:
    void record(Kind kind, const QString& text) {
        shown.push_back({kind, text});
        if (onShow) {
            onShow();
        }
    }
    template <typename T>
    T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            ++unexpected;
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace reelcase::test

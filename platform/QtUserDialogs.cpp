#include "platform/QtUserDialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

namespace reelcase {

namespace {

const QString kTitle = QStringLiteral("Reel-Case Database");

// Qt's own dialog matches patterns whatever the letter case, so HOLIDAY.RCB shows as well.
// The pattern goes in brackets behind the description unless it stands there already; a
// description may have brackets of its own, as "Movie List (Textfile)" does.
QString dialogFilter(const FileDialogRequest& request) {
    const QString bracketed = QStringLiteral("(") + request.pattern + QLatin1Char(')');
    if (request.filterDescription.contains(bracketed)) {
        return request.filterDescription;
    }
    return request.filterDescription + QLatin1Char(' ') + bracketed;
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(dialogFilter(request));
    if (!request.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
}

// Message box buttons carry words only.
int run(QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
    return box.exec();
}

Answer ask(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* cancel =
        withCancel ? box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(withCancel ? cancel : no);
    run(box);
    if (box.clickedButton() == yes) {
        return Answer::Yes;
    }
    if (box.clickedButton() == no) {
        return Answer::No;
    }
    return Answer::Cancel;
}

}  // namespace

void QtUserDialogs::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent_);
    run(box);
}

bool QtUserDialogs::confirm(const QString& text) {
    return ask(parent_, text, false) == Answer::Yes;
}

Answer QtUserDialogs::confirmWithCancel(const QString& text) {
    return ask(parent_, text, true);
}

void QtUserDialogs::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, parent_);
    run(box);
}

std::optional<QString> QtUserDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserDialogs::chooseFileToSave(const FileDialogRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace reelcase

namespace reelcase {

bool QtUserDialogs::chooseFont(QFont& font) {
    QFontDialog dialog(font, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // Face, style and size only: no effects.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->title().contains(QStringLiteral("Effects"))) {
            group->hide();
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    font = dialog.selectedFont();
    return true;
}

}  // namespace reelcase

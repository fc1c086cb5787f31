#include "platform/QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace reelcase {

namespace {

const QString kTitle = QStringLiteral("Reel-Case Database");

// The same pattern in both letter cases, since Linux file names are case-sensitive and a
// collector's files come from everywhere.
QString dialogFilter(const FileDialogRequest& request) {
    const QString pattern = request.pattern;
    QString patterns = pattern;
    if (pattern.toUpper() != pattern) {
        patterns += QLatin1Char(' ') + pattern.toUpper();
    }
    const qsizetype open = request.filterDescription.indexOf(QLatin1Char('('));
    const QString description =
        (open > 0 ? request.filterDescription.left(open) : request.filterDescription).trimmed();
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
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

Answer ask(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* cancel =
        withCancel ? box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(withCancel ? cancel : no);
    box.exec();
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
    box.exec();
}

bool QtUserDialogs::confirm(const QString& text) {
    return ask(parent_, text, false) == Answer::Yes;
}

Answer QtUserDialogs::confirmWithCancel(const QString& text) {
    return ask(parent_, text, true);
}

void QtUserDialogs::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, parent_);
    box.exec();
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

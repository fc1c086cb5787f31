#include "platform/ui/QtUserDialogs.h"
#include "platform/ui/WindowInUse.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace reelcase {

namespace {

// The program's name, the same in every language.
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

// Qt's own dialog lists only names that are UTF-8 (its directory iterator passes over the
// rest), so a path it hands back turns into the same bytes again; files with other names are
// reached through the command line and the folder scan, which read names as bytes.
void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(dialogFilter(request));
    // A pattern added behind the description filters the list but is not part of the
    // designed text of the type box.
    dialog.setOption(QFileDialog::HideNameFilterDetails,
                     dialogFilter(request) != request.filterDescription);
    if (!request.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
}

// Message box buttons carry words only. A movie or file name in the text is shown as typed,
// though it looks like markup.
int run(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
    return box.exec();
}

Answer ask(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("UserDialogs", "Confirm"),
                    text, QMessageBox::NoButton, parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("UserDialogs", "&Yes"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("UserDialogs", "&No"), QMessageBox::NoRole);
    QPushButton* cancel = withCancel
                              ? box.addButton(QCoreApplication::translate("UserDialogs", "Cancel"),
                                              QMessageBox::RejectRole)
                              : nullptr;
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
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, windowInUse());
    run(box);
}

bool QtUserDialogs::confirm(const QString& text) {
    return ask(windowInUse(), text, false) == Answer::Yes;
}

Answer QtUserDialogs::confirmWithCancel(const QString& text) {
    return ask(windowInUse(), text, true);
}

void QtUserDialogs::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, windowInUse());
    run(box);
}

std::optional<QString> QtUserDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    QFileDialog dialog(windowInUse());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserDialogs::chooseFolder(const QString& title) {
    QFileDialog dialog(windowInUse(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserDialogs::chooseFileToSave(const FileDialogRequest& request) {
    QFileDialog dialog(windowInUse());
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

namespace {

// The dialog lists installed faces and sizes in points. A designed face that stands for
// another ("MS Sans Serif") or a size given in pixels would find no entry there and leave the
// dialog on the first face of its list: start it on the face and size that are drawn.
const char* const kEffectsGroup = "Effects";

QFont startingFont(const QFont& font) {
    const QFontInfo drawn(font);
    QFont start(font);
    start.setFamily(drawn.family());
    if (font.pointSizeF() <= 0) {
        start.setPointSize(qRound(drawn.pointSizeF()));
    }
    return start;
}

}  // namespace

bool QtUserDialogs::chooseFont(QFont& font) {
    QFontDialog dialog(startingFont(font), windowInUse());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // Face, style and size only: no effects.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        // Found by Qt's own title for the group, which Qt's translation translates (a name
        // the program's own translation does not carry).
        if (group->title().contains(QFontDialog::tr(kEffectsGroup))) {
            group->hide();
        }
    }
    // The sample shared its height with the effects; alone it needs room of its own.
    for (QLineEdit* sample : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<QGroupBox*>(sample->parentWidget()) != nullptr) {
            sample->setMinimumHeight(4 * sample->fontMetrics().height());
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    font = dialog.selectedFont();
    return true;
}

}  // namespace reelcase

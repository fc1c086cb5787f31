#include "disk_check/ui/CheckFoldersWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "careful_files/FileNames.h"
#include "catalogue/EnteredPath.h"
#include "look/ui/WindowPlacement.h"

namespace reelcase {

namespace {

// The path an item stands for; its text is the path as people read it.
constexpr int kPathRole = Qt::UserRole;

}  // namespace

TfrmCheckFolders::TfrmCheckFolders(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmCheckFolders"));
    setWindowTitle(tr("Check Against Folders"));
    resize(560, 320);

    auto* label = new QLabel(tr("&Folders to check, with every folder below them:"), this);
    lstFolders = new QListWidget(this);
    lstFolders->setObjectName(QStringLiteral("lstFolders"));
    lstFolders->setSelectionMode(QAbstractItemView::ExtendedSelection);
    label->setBuddy(lstFolders);
    btnAddFolder = new QPushButton(tr("&Add Folder..."), this);
    btnAddFolder->setObjectName(QStringLiteral("btnAddFolder"));
    btnRemoveFolder = new QPushButton(tr("&Remove"), this);
    btnRemoveFolder->setObjectName(QStringLiteral("btnRemoveFolder"));
    chkMeasureAll =
        new QCheckBox(tr("&Measure every file (slower: otherwise a file of the stored size is "
                         "taken as it is)"),
                      this);
    chkMeasureAll->setObjectName(QStringLiteral("chkMeasureAll"));
    btnCheck = new QPushButton(tr("&Check"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* side = new QVBoxLayout;
    side->addWidget(btnAddFolder);
    side->addWidget(btnRemoveFolder);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(lstFolders, 1);
    middle->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCheck);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(middle, 1);
    layout->addWidget(chkMeasureAll);
    layout->addLayout(buttons);

    connect(btnAddFolder, &QPushButton::clicked, this, &TfrmCheckFolders::btnAddFolderClick);
    connect(btnRemoveFolder, &QPushButton::clicked, this, &TfrmCheckFolders::btnRemoveFolderClick);
    connect(lstFolders, &QListWidget::itemSelectionChanged, this, &TfrmCheckFolders::enableButtons);
    connect(btnCheck, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    centreWhenShown(*this);
}

std::optional<CheckRequest> TfrmCheckFolders::choose(const CheckRequest& last) {
    lstFolders->clear();
    for (const QString& folder : last.folders) {
        auto* item = new QListWidgetItem(shownFileName(folder), lstFolders);
        item->setData(kPathRole, folder);
    }
    chkMeasureAll->setChecked(last.measureAll);
    enableButtons();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    CheckRequest request;
    for (int i = 0; i < lstFolders->count(); ++i) {
        request.folders << lstFolders->item(i)->data(kPathRole).toString();
    }
    request.measureAll = chkMeasureAll->isChecked();
    return request;
}

void TfrmCheckFolders::btnAddFolderClick() {
    const std::optional<QString> chosen = dialogs_.chooseFolder(windowTitle());
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    const QString folder = enteredPath(*chosen);
    for (int i = 0; i < lstFolders->count(); ++i) {
        if (lstFolders->item(i)->data(kPathRole).toString() == folder) {
            lstFolders->setCurrentRow(i);
            return;
        }
    }
    auto* item = new QListWidgetItem(shownFileName(folder), lstFolders);
    item->setData(kPathRole, folder);
    lstFolders->setCurrentItem(item);
    enableButtons();
}

void TfrmCheckFolders::btnRemoveFolderClick() {
    qDeleteAll(lstFolders->selectedItems());
    enableButtons();
}

void TfrmCheckFolders::enableButtons() {
    btnRemoveFolder->setEnabled(!lstFolders->selectedItems().isEmpty());
    btnCheck->setEnabled(lstFolders->count() > 0);
}

}  // namespace reelcase

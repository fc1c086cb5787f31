#include "settings/ui/untReelcasePreferences.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "look/ui/ClassicLook.h"
#include "look/ui/Pictures.h"
#include "look/ui/WindowPlacement.h"
#include "settings/StoredSettings.h"

namespace reelcase {

namespace {

// Where each skin's thumbnail stands: the row is not in the skins' order.
constexpr std::array<int, 10> kThumbnailLeft = {16, 48, 240, 208, 176, 80, 112, 144, 272, 304};

QLabel* label(const QString& text, QWidget* parent, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(left, top);
    fitCaption(*l, parent->width() - left - 6);  // clear of the group's border
    return l;
}

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent, const QRect& place) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    // The twin font runs a little wider than the designed one: let the caption show whole.
    const int room = parent->width() - place.x() - 8;
    box->resize(std::clamp(box->sizeHint().width(), place.width(), std::max(room, place.width())),
                place.height());
    return box;
}

QPixmap arrowPicture() {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(212, 208, 200));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(220, 0, 0));
    const QPointF arrow[] = {{1, 8}, {8, 2}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 14}};
    p.drawPolygon(arrow, 7);
    return pixmap;
}

QFont designFont() {
    return pixelFont(QStringLiteral("MS Sans Serif"), 11);
}

}  // namespace

TfrmPreferences::TfrmPreferences(AppearanceChoices& choices, RegistryBackend& settings,
                                 UserDialogs& dialogs, const Catalogue& catalogue,
                                 FileTypeRegistration& fileTypes, QString programPath,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      choices_(choices),
      settings_(settings),
      dialogs_(dialogs),
      catalogue_(catalogue),
      programPath_(std::move(programPath)),
      fileTypes_(fileTypes),
      lastAcceptedFont_(designFont()) {
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Preferences"));
    setFixedSize(361, 340);
    setFont(designFont());
    setStyleSheet(classicGroupBoxStyle());
    for (std::size_t i = 0; i < skins_.size(); ++i) {
        skins_[i] = rampPixmap(kSkins[i], 200);
    }
    createControls();
    centreWhenShown(*this);
}

void TfrmPreferences::createControls() {
    auto* graphics = new QGroupBox(tr("Graphical Settings"), this);
    graphics->setObjectName(QStringLiteral("GroupBox1"));
    graphics->setGeometry(8, 5, 345, 193);
    label(tr("Pick here the background skin you want to use in the main program."), graphics, 8,
          16);
    for (std::size_t i = 0; i < thumbnails_.size(); ++i) {
        auto* thumb = new QLabel(graphics);
        thumb->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        thumb->setGeometry(kThumbnailLeft[i], 40, 25, 25);
        thumb->setScaledContents(true);
        thumb->setPixmap(skins_[i]);
        thumb->setCursor(Qt::PointingHandCursor);
        thumb->installEventFilter(this);
        thumbnails_[i] = thumb;
    }
    label(tr("Your current background skin is:"), graphics, 24, 80);
    Image11 = new QLabel(graphics);
    Image11->setObjectName(QStringLiteral("Image11"));
    Image11->setGeometry(184, 72, 25, 25);
    Image11->setScaledContents(true);
    NoSkinCheckBox =
        checkBox("NoSkinCheckBox", tr("No background skin"), graphics, {216, 80, 121, 17});
    auto* bevel = new QFrame(graphics);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(8, 104, 329, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    QLabel* fontCaption =
        label(tr("Which font would you like to use in the windows of the main program."), graphics,
              8, 112);
    lstbxExample = new QListWidget(graphics);
    // Named by its caption rather than by the group's; a list takes no name from a buddy.
    fontCaption->setBuddy(lstbxExample);
    lstbxExample->setAccessibleName(fontCaption->text());
    lstbxExample->setObjectName(QStringLiteral("lstbxExample"));
    lstbxExample->setGeometry(8, 128, 241, 57);
    lstbxExample->addItems({QStringLiteral("2010 The Year We Made Contact"),
                            QStringLiteral("American Pie"), QStringLiteral("The Sixth Sense")});
    lstbxExample->setFont(lastAcceptedFont_);
    Button1 = new QPushButton(tr("Fonts"), graphics);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(256, 128, 81, 25);
    Button1->setAutoDefault(false);
    auto* arrow = new QLabel(graphics);
    arrow->setObjectName(QStringLiteral("Image12"));
    arrow->setGeometry(256, 152, 33, 33);
    arrow->setScaledContents(true);
    arrow->setPixmap(arrowPicture());
    label(tr("Example"), graphics, 293, 162);

    auto* general = new QGroupBox(tr("General Settings"), this);
    general->setObjectName(QStringLiteral("GroupBox2"));
    general->setGeometry(8, 200, 345, 101);
    SaveSettingsCheckBox =
        checkBox("SaveSettingsCheckBox", tr("Save all the settings in the registery."), general,
                 {16, 16, 193, 17});
    AskQuitProgramCheckBox =
        checkBox("AskQuitProgramCheckBox", tr("Ask me if I really want to quit the program."),
                 general, {16, 36, 217, 17});
    OpenLastFileCheckbox =
        checkBox("OpenLastFileCheckbox", tr("Open the program with the last opened database file."),
                 general, {16, 56, 273, 17});
    AssociateFilesCheckBox =
        checkBox("AssociateFilesCheckBox",
                 tr("Associate this program to all the files with the extension: *.rcb"), general,
                 {16, 76, 313, 17});
    for (QCheckBox* box : {SaveSettingsCheckBox, AskQuitProgramCheckBox, OpenLastFileCheckbox,
                           AssociateFilesCheckBox}) {
        box->setChecked(true);
    }

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(200, 308, 75, 25);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(280, 308, 75, 25);
    btnCancel->setAutoDefault(false);

    setTabOrder(NoSkinCheckBox, lstbxExample);
    setTabOrder(lstbxExample, Button1);
    setTabOrder(Button1, btnOk);
    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, AssociateFilesCheckBox);
    setTabOrder(AssociateFilesCheckBox, SaveSettingsCheckBox);
    setTabOrder(SaveSettingsCheckBox, AskQuitProgramCheckBox);
    setTabOrder(AskQuitProgramCheckBox, OpenLastFileCheckbox);

    // toggled, not clicked: a state changed by the program runs the handler too, and setting
    // the state a box already has runs nothing.
    connect(NoSkinCheckBox, &QCheckBox::toggled, this, &TfrmPreferences::NoSkinCheckBoxClick);
    connect(SaveSettingsCheckBox, &QCheckBox::toggled, this,
            &TfrmPreferences::SaveSettingsCheckBoxClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmPreferences::Button1Click);
    connect(btnOk, &QPushButton::clicked, this, &TfrmPreferences::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmPreferences::btnCancelClick);
}

bool TfrmPreferences::ShowPreferences() {
    return exec() == QDialog::Accepted;
}

void TfrmPreferences::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TfrmPreferences::showPreview() {
    if (choices_.SelectedSkin != nullptr) {
        Image11->setPixmap(*choices_.SelectedSkin);
    } else {
        Image11->clear();
    }
}

void TfrmPreferences::FormActivate() {
    NoSkinCheckBox->setChecked(choices_.SelectedSkin == nullptr);
    if (!NoSkinCheckBox->isChecked()) {
        showPreview();
    }
    const GeneralSettings stored = readGeneralSettings(settings_, dialogs_);
    SaveSettingsCheckBox->setChecked(stored.saveSettings);
    AskQuitProgramCheckBox->setChecked(stored.askBeforeQuitting);
    OpenLastFileCheckbox->setChecked(stored.openLastFile);
    AssociateFilesCheckBox->setChecked(stored.associateFiles);
    btnOk->setFocus();
}

void TfrmPreferences::ImageClick(int skin) {
    choices_.SelectedSkin = &skins_[static_cast<std::size_t>(skin)];
    FormActivate();
}

void TfrmPreferences::NoSkinCheckBoxClick(bool ticked) {
    if (ticked) {
        Image11->clear();
        return;
    }
    if (choices_.SelectedSkin == nullptr) {
        choices_.SelectedSkin = &skins_.front();
    }
    showPreview();
}

void TfrmPreferences::SaveSettingsCheckBoxClick(bool ticked) {
    for (QCheckBox* box : {AskQuitProgramCheckBox, OpenLastFileCheckbox, AssociateFilesCheckBox}) {
        box->setEnabled(ticked);
        box->setChecked(ticked);
    }
}

void TfrmPreferences::Button1Click() {
    QFont font = lastAcceptedFont_;
    if (dialogs_.chooseFont(font)) {
        lastAcceptedFont_ = font;
    }
    lstbxExample->setFont(lastAcceptedFont_);
}

void TfrmPreferences::btnOkClick() {
    if (NoSkinCheckBox->isChecked()) {
        choices_.SelectedSkin = nullptr;
    }
    const GeneralSettings chosen{
        SaveSettingsCheckBox->isChecked(), AskQuitProgramCheckBox->isChecked(),
        OpenLastFileCheckbox->isChecked(), AssociateFilesCheckBox->isChecked()};
    const bool saved =
        saveGeneralSettings(settings_, chosen, catalogue_.currentFileName(), programPath_);
    // The desktop's side of the association is written only after the settings were; taking
    // it away needs nothing else to have worked.
    bool associated = true;
    if (!chosen.saveSettings || !chosen.associateFiles) {
        associated = fileTypes_.unregisterCatalogueType();
    } else if (saved) {
        associated = fileTypes_.registerCatalogueType(programPath_);
    }
    if (!saved || !associated) {
        dialogs_.showMessage(tr("There went something wrong with writing to the register"));
    }
    choices_.SelectedFont = lstbxExample->font();
    accept();
}

void TfrmPreferences::btnCancelClick() {
    reject();
}

bool TfrmPreferences::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < thumbnails_.size(); ++i) {
            if (watched == thumbnails_[i]) {
                ImageClick(static_cast<int>(i));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace reelcase

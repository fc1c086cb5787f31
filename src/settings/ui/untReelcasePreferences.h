#pragma once

#include <array>
#include <optional>

#include <QDialog>
#include <QFont>
#include <QPixmap>

#include "catalogue/Catalogue.h"
#include "seams/FileTypeRegistration.h"
#include "seams/UserDialogs.h"
#include "settings/FileRegistryBackend.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace reelcase {

// What the preferences hand to the main window, for this run only.
struct AppearanceChoices {
    // A picture owned by a window (the main window's background or a thumbnail), or none.
    const QPixmap* SelectedSkin = nullptr;
    // Unset until the preferences are first accepted.
    std::optional<QFont> SelectedFont;
};

// The preferences window: background skin, list font and the four general settings.
class TfrmPreferences : public QDialog {
    Q_OBJECT
  public:
    TfrmPreferences(AppearanceChoices& choices, RegistryBackend& settings, UserDialogs& dialogs,
                    const Catalogue& catalogue, FileTypeRegistration& fileTypes,
                    QString programPath, QWidget* parent = nullptr);

    // Shows the window modally; true when closed with OK.
    bool ShowPreferences();

    void FormActivate();
    void ImageClick(int skin);  // Image1Click .. Image10Click, skin 0..9
    void NoSkinCheckBoxClick(bool ticked);
    void SaveSettingsCheckBoxClick(bool ticked);
    void Button1Click();
    void btnOkClick();
    void btnCancelClick();

    const QPixmap& skinPicture(int skin) const { return skins_[static_cast<std::size_t>(skin)]; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void showPreview();

    AppearanceChoices& choices_;
    RegistryBackend& settings_;
    UserDialogs& dialogs_;
    const Catalogue& catalogue_;
    QString programPath_;
    // Registers catalogue files with the desktop when the association is saved.
    FileTypeRegistration& fileTypes_;
    std::array<QPixmap, 10> skins_;
    QFont lastAcceptedFont_;

    std::array<QLabel*, 10> thumbnails_{};
    QLabel* Image11 = nullptr;
    QCheckBox* NoSkinCheckBox = nullptr;
    QListWidget* lstbxExample = nullptr;
    QPushButton* Button1 = nullptr;
    QCheckBox* SaveSettingsCheckBox = nullptr;
    QCheckBox* AskQuitProgramCheckBox = nullptr;
    QCheckBox* OpenLastFileCheckbox = nullptr;
    QCheckBox* AssociateFilesCheckBox = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace reelcase

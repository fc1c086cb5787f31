#pragma once

#include <functional>

#include <QMainWindow>

#include "main_window/MainWindowLogic.h"
#include "settings/ui/untReelcasePreferences.h"

class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeView;

namespace reelcase {

class MovieListModel;
class SearchResultModel;

// The main window. Its handlers pass each event to MainWindowLogic and then show that
// logic's state; the controls keep their designed names, places and looks.
class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    TfrmMain(MainWindowLogic& logic, AppearanceChoices& choices, const OwnedWindowSeams& seams,
             QWidget* parent = nullptr);
    ~TfrmMain() override;
    TfrmMain(const TfrmMain&) = delete;
    TfrmMain& operator=(const TfrmMain&) = delete;

    // Runs once after creation, before the window is shown; takes over what readAhead read.
    void FormCreate(const QString& firstArgument, CatalogueReadAhead* readAhead = nullptr);
    void MenuPreferencesClick();
    // The preferences and about windows, made the first time they are asked for (most runs
    // never show them) and owned by this window from then on.
    TfrmPreferences& preferencesWindow();
    QDialog& aboutWindow();

    // The client area (below the menu) at the designed size.
    static constexpr int DesignClientWidth = 580;
    static constexpr int DesignClientHeight = 465;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void createMenus();
    void createToolbar();
    void setTabOrderAsDesigned();
    void connectHandlers();
    // Shows the logic's state: details, filter boxes, selection, focus.
    void showState();
    void moveFocusTo(QWidget* widget);
    // Runs a command that changes the list, then shows the state it left.
    void withListChanging(const std::function<void()>& command);

    void FormResize();
    void New1Click();
    void MenuOpenDatabaseClick();
    void MenuSaveDatabaseClick();
    void MenuSaveAsDatabaseClick();
    void MenuExitClick();
    void MenuAddNewMovieClick();
    void MenuModifyaMovieClick();
    void MenuDeleteMovieClick();
    // Serves MenuPrintList and MenuExportList; sender tells them apart.
    void MenuExportListClick(const QAction* sender);
    void comboGenreListChange(int index);
    void comboRatingChange(int index);
    void comboFormatChange(int index);
    void comboQualityChange(int index);
    void btnSearchClick();
    void btnClearSearchClick();
    void edtMovieClick();
    void lstvwMovieSearchClick();
    void lbxMovieClick();
    void imgBackgroundMouseMove();
    void btnSearchMouseMove();
    void btnClearSearchMouseMove();
    void lbxMovieDblClick();
    void CheckforUpdate1Click();
    void MenuAboutClick();

    MainWindowLogic& logic_;
    AppearanceChoices& choices_;
    QPixmap background_;            // the picture imgBackground shows, or none
    const OwnedWindowSeams seams_;  // what the preferences window is made with
    TfrmPreferences* frmPreferences_ = nullptr;
    QDialog* frmAbout_ = nullptr;
    MovieListModel* listModel_ = nullptr;
    bool showingState_ = false;
    std::string shownDetails_;

    QWidget* client_ = nullptr;
    QFrame* ToolBar = nullptr;
    QLabel* imgBackground = nullptr;
    QListView* lbxMovie = nullptr;
    QLineEdit* edtMovie = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnClearSearch = nullptr;
    QTreeView* lstvwMovieSearch = nullptr;
    SearchResultModel* searchModel_ = nullptr;
    int shownSearchRevision_ = 0;
    QPlainTextEdit* memMovieInfo = nullptr;
    QComboBox* comboGenreList = nullptr;
    QComboBox* comboRating = nullptr;
    QComboBox* comboFormat = nullptr;
    QComboBox* comboQuality = nullptr;

    QToolButton* OpenDatabaseToolbutton = nullptr;
    QToolButton* SaveDatabaseToolbutton = nullptr;
    QToolButton* PrintDatabaseToolbutton = nullptr;
    QToolButton* ExportDatabaseToolbutton = nullptr;
    QToolButton* AddMovieToolButton = nullptr;
    QToolButton* ModifyMovieToolButton = nullptr;
    QToolButton* DeleteMovieToolButton = nullptr;

    QAction* New1 = nullptr;
    QAction* MenuOpenDatabase = nullptr;
    QAction* MenuSaveDatabase = nullptr;
    QAction* MenuSaveAsDatabase = nullptr;
    QAction* MenuPreferences = nullptr;
    QAction* MenuExit = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    QAction* MenuAddNewMovie = nullptr;
    QAction* MenuModifyaMovie = nullptr;
    QAction* MenuDeleteMovie = nullptr;
    QAction* MenuAddFromFolder = nullptr;
    QAction* MenuCheckAgainstFolders = nullptr;
    QAction* MenuStatistics = nullptr;
    QAction* CheckInternet1 = nullptr;
    QAction* MenuPrintList = nullptr;
    QAction* MenuExportList = nullptr;
    QAction* MenuImport = nullptr;
    QAction* MenuExportCsv = nullptr;
    QAction* MenuExportWebPage = nullptr;
    QAction* CheckforUpdate1 = nullptr;
    QAction* MenuAbout = nullptr;
};

}  // namespace reelcase

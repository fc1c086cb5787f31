#include "main_window/ReelcaseProgram.h"

#include <cmath>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeView>

#include "about_web/WebLookups.h"
#include "about_web/ui/frmAboutBox.h"
#include "catalogue/TextCodec.h"
#include "editing/ui/StorableTextInput.h"
#include "look/ui/ClassicLook.h"
#include "look/ui/Pictures.h"
#include "look/ui/WindowPlacement.h"
#include "main_window/MovieListModel.h"
#include "main_window/SearchResultModel.h"
#include "main_window/ToolbarNavigation.h"

namespace reelcase {

TfrmMain::TfrmMain(MainWindowLogic& logic, AppearanceChoices& choices,
                   const OwnedWindowSeams& seams, QWidget* parent)
    : QMainWindow(parent), logic_(logic), choices_(choices), seams_(seams) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Reel-Case Database - Version 1.21 - VANO"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("reel-case"), programIcon()));
    createControls();
    createToolbar();
    createMenus();
    setTabOrderAsDesigned();
    connectHandlers();
    logic_.state.setStateListener([this] { showState(); });

    const QSize client(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(client);
    resize(client);
    centreWhenShown(*this);
}

TfrmPreferences& TfrmMain::preferencesWindow() {
    if (frmPreferences_ == nullptr) {
        frmPreferences_ =
            new TfrmPreferences(choices_, seams_.settings, seams_.dialogs, logic_.state.catalogue(),
                                seams_.fileTypes, seams_.programPath, this);
    }
    return *frmPreferences_;
}

QDialog& TfrmMain::aboutWindow() {
    if (frmAbout_ == nullptr) {
        frmAbout_ = new TfrmAbout(this);
    }
    return *frmAbout_;
}

TfrmMain::~TfrmMain() {
    logic_.state.setStateListener({});
}

void TfrmMain::FormCreate(const QString& firstArgument, CatalogueReadAhead* readAhead) {
    choices_.SelectedSkin = &background_;
    logic_.files.FormCreate(firstArgument, readAhead);
    showState();
}

void TfrmMain::MenuPreferencesClick() {
    const QPixmap* remembered = choices_.SelectedSkin;
    if (choices_.SelectedSkin != nullptr) {
        choices_.SelectedSkin = &background_;
    }
    if (!preferencesWindow().ShowPreferences()) {
        choices_.SelectedSkin = remembered;
        return;
    }
    // A copy: the thumbnail stays the preferences window's own.
    background_ = choices_.SelectedSkin != nullptr ? QPixmap(*choices_.SelectedSkin) : QPixmap();
    choices_.SelectedSkin = choices_.SelectedSkin != nullptr ? &background_ : nullptr;
    imgBackground->setPixmap(background_);
    imgBackground->setVisible(!background_.isNull());
    if (choices_.SelectedFont) {
        lbxMovie->setFont(*choices_.SelectedFont);
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (logic_.files.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
    showState();
}

void TfrmMain::showState() {
    showingState_ = true;
    if (shownDetails_ != logic_.state.details()) {
        shownDetails_ = logic_.state.details();
        memMovieInfo->setPlainText(shownPanelText(shownDetails_));
    }
    const FilterChoice& filters = logic_.state.filters();
    comboGenreList->setCurrentIndex(filters.genre);
    comboRating->setCurrentIndex(filters.rating);
    comboFormat->setCurrentIndex(filters.format);
    comboQuality->setCurrentIndex(filters.quality);

    const int selected = logic_.state.list().hasSelection() ? logic_.state.list().selected() : -1;
    const QModelIndex current = lbxMovie->currentIndex();
    const bool viewSelected = lbxMovie->selectionModel()->hasSelection();
    if (selected < 0 && viewSelected) {
        lbxMovie->selectionModel()->clearSelection();
    } else if (selected >= 0 && (!viewSelected || current.row() != selected)) {
        lbxMovie->selectionModel()->setCurrentIndex(listModel_->index(selected),
                                                    QItemSelectionModel::ClearAndSelect);
        lbxMovie->scrollTo(listModel_->index(selected));
    }
    MenuUndo->setText(logic_.undo.undoCaption());
    MenuUndo->setEnabled(logic_.state.catalogue().history().canUndo());
    MenuRedo->setText(logic_.undo.redoCaption());
    MenuRedo->setEnabled(logic_.state.catalogue().history().canRedo());
    if (shownSearchRevision_ != logic_.state.searchRevision()) {
        shownSearchRevision_ = logic_.state.searchRevision();
        searchModel_->reset(logic_.state.searchRows());
    }
    if (logic_.state.takeSearchFocusRequest()) {
        moveFocusTo(edtMovie);
    }
    if (logic_.state.takeSelectSearchTextRequest()) {
        edtMovie->selectAll();
    }
    showingState_ = false;
}

// Qt tells screen readers of a focus change only in the active window. A command that asked a
// question moves the focus as the question box closes, before the window manager hands the
// window the keyboard back (without one, it never does): Qt then only notes the widget as the
// window's focus, keys typed reach it, and a screen reader would go on naming what had the focus
// before the question. It is told here instead.
void TfrmMain::moveFocusTo(QWidget* widget) {
    const QWidget* before = focusWidget();
    widget->setFocus();
    if (widget != before && focusWidget() == widget && QApplication::focusWidget() != widget) {
        QAccessibleEvent event(widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TfrmMain::lbxMovieClick() {
    if (showingState_) {
        return;
    }
    const QModelIndexList rows = lbxMovie->selectionModel()->selectedRows();
    logic_.state.selectEntry(rows.isEmpty() ? -1 : rows.constFirst().row());
    showState();
}

void TfrmMain::FormResize() {
    const int w = client_->width();
    const int h = client_->height();
    lbxMovie->resize(lbxMovie->width(), h - 85);
    memMovieInfo->resize(w - 291, h - 237);
    lstvwMovieSearch->resize(w - 291, lstvwMovieSearch->height());
    imgBackground->resize(w, h - 24);
    ToolBar->resize(w, ToolBar->height());  // the toolbar spans the window
    for (QComboBox* box : {comboGenreList, comboRating, comboFormat, comboQuality}) {
        box->move(box->x(), h - 33);
    }
}

void TfrmMain::New1Click() {
    logic_.files.startNewCatalogue();
    showState();
}

void TfrmMain::MenuOpenDatabaseClick() {
    logic_.files.openCatalogue();
    showState();
}

void TfrmMain::MenuSaveDatabaseClick() {
    logic_.files.saveCatalogue();
    showState();
}

void TfrmMain::MenuSaveAsDatabaseClick() {
    logic_.files.saveCatalogueAs();
    showState();
}

void TfrmMain::MenuExitClick() {
    close();
}

void TfrmMain::MenuAddNewMovieClick() {
    logic_.editing.addMovie();
    showState();
}

void TfrmMain::MenuModifyaMovieClick() {
    logic_.editing.modifySelectedMovie();
    showState();
}

void TfrmMain::MenuDeleteMovieClick() {
    withListChanging([this] { logic_.editing.deleteSelectedMovie(); });
}

void TfrmMain::withListChanging(const std::function<void()>& command) {
    {
        // Rows taken out of or put into the list move the view's selection by themselves;
        // the command, not the view, says what is selected.
        const QSignalBlocker block(lbxMovie->selectionModel());
        command();
    }
    showState();
}

void TfrmMain::MenuExportListClick(const QAction* sender) {
    logic_.output.outputList(sender == MenuExportList ? ListMenuItem::MenuExportList
                                                      : ListMenuItem::MenuPrintList);
    showState();
}

void TfrmMain::comboGenreListChange(int index) {
    logic_.finding.filterChanged(FilterBox::Genre, index);
    showState();
}

void TfrmMain::comboRatingChange(int index) {
    logic_.finding.filterChanged(FilterBox::Rating, index);
    showState();
}

void TfrmMain::comboFormatChange(int index) {
    logic_.finding.filterChanged(FilterBox::Format, index);
    showState();
}

void TfrmMain::comboQualityChange(int index) {
    logic_.finding.filterChanged(FilterBox::Quality, index);
    showState();
}

void TfrmMain::btnSearchClick() {
    logic_.finding.searchByName(toCatalogueText(edtMovie->text()));
    showState();
}

void TfrmMain::btnClearSearchClick() {
    edtMovie->clear();
    logic_.finding.clearSearch();
    showState();
}

void TfrmMain::edtMovieClick() {
    edtMovie->selectAll();
}

void TfrmMain::lstvwMovieSearchClick() {
    const QModelIndexList rows = lstvwMovieSearch->selectionModel()->selectedRows();
    logic_.finding.selectSearchResult(rows.isEmpty() ? -1 : rows.constFirst().row());
    showState();
}

void TfrmMain::lbxMovieDblClick() {
    logic_.web.lookUpSelectedMovie();
    showState();
}

void TfrmMain::CheckforUpdate1Click() {
    logic_.web.openDownloadPage();
}

void TfrmMain::MenuAboutClick() {
    aboutWindow().exec();
}

void TfrmMain::imgBackgroundMouseMove() {
    for (QPushButton* button : {btnSearch, btnClearSearch}) {
        QFont font = button->font();
        font.setBold(false);
        button->setFont(font);
    }
}

void TfrmMain::btnSearchMouseMove() {
    QFont font = btnSearch->font();
    font.setBold(true);
    btnSearch->setFont(font);
}

void TfrmMain::btnClearSearchMouseMove() {
    QFont font = btnClearSearch->font();
    font.setBold(true);
    btnClearSearch->setFont(font);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        FormResize();
    } else if (watched == edtMovie && event->type() == QEvent::ShortcutOverride) {
        // The search box keeps the focus after every command; while it has no typing of its
        // own to undo, the undo and redo keys undo the catalogue's changes.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undoKey = key->matches(QKeySequence::Undo);
        const bool redoKey = key->matches(QKeySequence::Redo) ||
                             key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
        if ((undoKey && !edtMovie->isUndoAvailable()) ||
            (redoKey && !edtMovie->isRedoAvailable())) {
            event->ignore();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == edtMovie) {
            edtMovieClick();
        } else if (watched == lstvwMovieSearch->viewport()) {
            // Empty space below the rows selects nothing, as a desktop list view does.
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!lstvwMovieSearch->indexAt(at).isValid()) {
                lstvwMovieSearch->selectionModel()->clear();
            }
            lstvwMovieSearchClick();
        }
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == imgBackground) {
            imgBackgroundMouseMove();
        } else if (watched == btnSearch) {
            btnSearchMouseMove();
        } else if (watched == btnClearSearch) {
            btnClearSearchMouseMove();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    // Enter that no control used presses the focused button, or else the window's default.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused != nullptr ? focused : btnSearch)->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace reelcase

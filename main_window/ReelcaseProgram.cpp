#include "main_window/ReelcaseProgram.h"

#include <cmath>

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

#include "catalogue/TextCodec.h"
#include "editing/StorableTextInput.h"
#include "main_window/MovieListModel.h"
#include "main_window/Pictures.h"
#include "main_window/SearchResultModel.h"
#include "main_window/ToolbarNavigation.h"
#include "platform/ClassicLook.h"
#include "platform/WindowPlacement.h"
#include "settings/WebLookups.h"

namespace reelcase {

namespace {

// Courier New's twin is a fraction of a pixel wider per character; whole-pixel advances keep
// the designed 40-character lines inside the designed widths.
QFont monospaceFont(int pixels) {
    QFont font = pixelFont(QStringLiteral("Courier New"), pixels);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::floor(advance) - advance);
    return font;
}

void setColours(QWidget* widget, const QColor& base, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

QComboBox* makeFilterBox(QWidget* parent, const char* name, const QStringList& items,
                         const QString& allItem, int left) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->addItem(allItem);
    box->setGeometry(left, 432, 113, 21);
    return box;
}

}  // namespace

TfrmMain::TfrmMain(MainWindowLogic& logic, AppearanceChoices& choices, QWidget* parent)
    : QMainWindow(parent), logic_(logic), choices_(choices) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Reel-Case Database - Version 1.21 - VANO"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("reel-case"), programIcon()));
    createControls();
    createToolbar();
    createMenus();
    setTabOrderAsDesigned();
    connectHandlers();
    logic_.setStateListener([this] { showState(); });

    const QSize client(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(client);
    resize(client);
    centreWhenShown(*this);
}

TfrmMain::~TfrmMain() {
    logic_.setStateListener({});
}

void TfrmMain::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    imgBackground = new QLabel(client_);
    imgBackground->setObjectName(QStringLiteral("imgBackground"));
    imgBackground->setGeometry(0, 24, 580, 441);
    imgBackground->setScaledContents(true);
    background_ = rampPixmap(kBlueSkin, 225);
    imgBackground->setPixmap(background_);
    imgBackground->setMouseTracking(true);
    imgBackground->installEventFilter(this);

    lbxMovie = new QListView(client_);
    lbxMovie->setObjectName(QStringLiteral("lbxMovie"));
    lbxMovie->setGeometry(16, 40, 241, 380);
    lbxMovie->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    setColours(lbxMovie, Qt::white, Qt::black);
    lbxMovie->setToolTip(QStringLiteral("List with Movies!"));
    // Item views do not pass their hint on to a screen reader by themselves.
    lbxMovie->setAccessibleDescription(lbxMovie->toolTip());
    lbxMovie->setAccessibleName(QStringLiteral("Movies"));
    lbxMovie->setSelectionMode(QAbstractItemView::SingleSelection);
    lbxMovie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxMovie->setUniformItemSizes(true);
    listModel_ = new MovieListModel(logic_.list(), this);
    lbxMovie->setModel(listModel_);

    edtMovie = new QLineEdit(client_);
    edtMovie->setObjectName(QStringLiteral("edtMovie"));
    edtMovie->setGeometry(272, 40, 161, 25);
    edtMovie->setFont(monospaceFont(15));
    setColours(edtMovie, Qt::black, Qt::white);
    edtMovie->setToolTip(QStringLiteral("Search for a Movie here!"));
    edtMovie->setAccessibleName(QStringLiteral("Search"));
    // A character no name can hold would be searched for as "?" and find names with a "?".
    edtMovie->setValidator(new StorableTextValidator(edtMovie));
    edtMovie->installEventFilter(this);

    btnSearch = new QPushButton(QStringLiteral("Search"), client_);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    btnSearch->setGeometry(440, 40, 57, 25);
    btnSearch->setDefault(true);
    btnSearch->setMouseTracking(true);
    btnSearch->installEventFilter(this);

    btnClearSearch = new QPushButton(QStringLiteral("Clear"), client_);
    btnClearSearch->setObjectName(QStringLiteral("btnClearSearch"));
    btnClearSearch->setGeometry(504, 40, 57, 25);
    btnClearSearch->setMouseTracking(true);
    btnClearSearch->installEventFilter(this);

    lstvwMovieSearch = new QTreeView(client_);
    lstvwMovieSearch->setObjectName(QStringLiteral("lstvwMovieSearch"));
    lstvwMovieSearch->setGeometry(272, 72, 289, 105);
    lstvwMovieSearch->setRootIsDecorated(false);
    lstvwMovieSearch->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstvwMovieSearch->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstvwMovieSearch->setUniformRowHeights(true);
    setColours(lstvwMovieSearch, Qt::white, Qt::black);
    lstvwMovieSearch->setToolTip(QStringLiteral("Result of your Movie-search!"));
    lstvwMovieSearch->setAccessibleDescription(lstvwMovieSearch->toolTip());
    lstvwMovieSearch->setAccessibleName(QStringLiteral("Search results"));
    searchModel_ = new SearchResultModel(logic_.searchRows(), this);
    lstvwMovieSearch->setModel(searchModel_);
    lstvwMovieSearch->setSelectionMode(QAbstractItemView::SingleSelection);
    lstvwMovieSearch->viewport()->installEventFilter(this);
    QHeaderView* columns = lstvwMovieSearch->header();
    columns->setMinimumSectionSize(74);
    columns->resizeSection(0, 195);
    columns->resizeSection(1, 74);
    columns->setStretchLastSection(false);
    // The header knows one minimum for all columns; "Movie Name" has a wider one.
    connect(columns, &QHeaderView::sectionResized, this, [columns](int section, int, int size) {
        if (section == 0 && size < 170) {
            columns->resizeSection(0, 170);
        }
    });

    memMovieInfo = new QPlainTextEdit(client_);
    memMovieInfo->setObjectName(QStringLiteral("memMovieInfo"));
    memMovieInfo->setGeometry(272, 192, 289, 228);
    memMovieInfo->setReadOnly(true);
    memMovieInfo->setFocusPolicy(Qt::ClickFocus);
    memMovieInfo->setFont(monospaceFont(12));
    memMovieInfo->document()->setDocumentMargin(2);
    setColours(memMovieInfo, Qt::black, Qt::white);
    memMovieInfo->setToolTip(QStringLiteral("Info about the Movies is in here!"));
    memMovieInfo->setAccessibleName(QStringLiteral("Movie details"));

    comboGenreList = makeFilterBox(client_, "comboGenreList", vocabularyItems(GenreNames),
                                   QStringLiteral("All Genres"), 16);
    comboGenreList->setFocusPolicy(Qt::ClickFocus);
    comboGenreList->setToolTip(QStringLiteral("If you want only 1 genre!"));
    comboRating = makeFilterBox(client_, "comboRating", vocabularyItems(RatingNames),
                                QStringLiteral("All Ratings"), 161);
    comboFormat = makeFilterBox(client_, "comboFormat", vocabularyItems(FormatNames),
                                QStringLiteral("All Formats"), 304);
    QStringList qualities;
    for (int q = 1; q <= QualityCount; ++q) {
        qualities << QStringLiteral("%1/5").arg(q);
    }
    comboQuality =
        makeFilterBox(client_, "comboQuality", qualities, QStringLiteral("All Qualities"), 448);
    comboGenreList->setAccessibleName(QStringLiteral("Genre filter"));
    comboRating->setAccessibleName(QStringLiteral("Rating filter"));
    comboFormat->setAccessibleName(QStringLiteral("Format filter"));
    comboQuality->setAccessibleName(QStringLiteral("Quality filter"));
}

void TfrmMain::createToolbar() {
    ToolBar = new QFrame(client_);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setGeometry(0, 0, 580, 26);
    ToolBar->setFrameShape(QFrame::StyledPanel);
    ToolBar->setFrameShadow(QFrame::Sunken);
    ToolBar->setAutoFillBackground(true);
    const auto makeButton = [this](const char* name, int left, int image, const QString& tip) {
        auto* button = new QToolButton(ToolBar);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 2, 28, 22);
        button->setAutoRaise(true);
        button->setIcon(QIcon(toolbarImage(image)));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(tip);
        button->setAccessibleName(tip);  // an image-only button has no text to be read
        return button;
    };
    OpenDatabaseToolbutton = makeButton("OpenDatabaseToolbutton", 5, 0, QStringLiteral("Open"));
    SaveDatabaseToolbutton = makeButton("SaveDatabaseToolbutton", 33, 1, QStringLiteral("Save"));
    PrintDatabaseToolbutton =
        makeButton("PrintDatabaseToolbutton", 61, 2, QStringLiteral("Print List"));
    ExportDatabaseToolbutton =
        makeButton("ExportDatabaseToolbutton", 89, 3, QStringLiteral("Export List"));
    auto* separator = new QFrame(ToolBar);
    separator->setObjectName(QStringLiteral("SeperatorToolbutton"));
    separator->setGeometry(117 + 3, 3, 2, 20);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    AddMovieToolButton = makeButton("AddMovieToolButton", 125, 4, QStringLiteral("Add new Movie"));
    ModifyMovieToolButton =
        makeButton("ModifyMovieToolButton", 153, 5, QStringLiteral("Modify Movie"));
    DeleteMovieToolButton =
        makeButton("DeleteMovieToolButton", 181, 6, QStringLiteral("Delete Movie"));
    ToolBar->setAccessibleName(QStringLiteral("Toolbar"));
    ToolBar->raise();
}

void TfrmMain::createMenus() {
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    New1 = item(file, "New1", QStringLiteral("&New"));
    MenuOpenDatabase = item(file, "MenuOpenDatabase", QStringLiteral("&Open..."));
    MenuSaveDatabase = item(file, "MenuSaveDatabase", QStringLiteral("&Save"));
    MenuSaveAsDatabase = item(file, "MenuSaveAsDatabase", QStringLiteral("Save &As..."));
    file->addSeparator();
    MenuImport = item(file, "MenuImport", QStringLiteral("&Import..."));
    file->addSeparator();
    MenuPreferences = item(file, "MenuPreferences", QStringLiteral("&Preferences"));
    file->addSeparator();
    MenuExit = item(file, "MenuExit", QStringLiteral("E&xit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    MenuUndo = item(edit, "MenuUndo", QStringLiteral("&Undo"));
    MenuUndo->setShortcut(QKeySequence::Undo);
    MenuRedo = item(edit, "MenuRedo", QStringLiteral("&Redo"));
    MenuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* movies = menuBar()->addMenu(QStringLiteral("Movie Database"));
    movies->setObjectName(QStringLiteral("MenuMovieDatabase"));
    MenuAddNewMovie = item(movies, "MenuAddNewMovie", QStringLiteral("&Add new Movie"));
    MenuModifyaMovie = item(movies, "MenuModifyaMovie", QStringLiteral("&Modify Movie"));
    MenuDeleteMovie = item(movies, "MenuDeleteMovie", QStringLiteral("&Delete Movie"));
    MenuAddFromFolder =
        item(movies, "MenuAddFromFolder", QStringLiteral("Add Movies from &Folder..."));
    CheckInternet1 = item(
        movies, "CheckInternet1",
        QStringLiteral("&Check ") +
            QLatin1String(MovieSiteDomain.data(), static_cast<qsizetype>(MovieSiteDomain.size())));

    QMenu* list = menuBar()->addMenu(QStringLiteral("Movie List"));
    list->setObjectName(QStringLiteral("MovieList1"));
    MenuPrintList = item(list, "MenuPrintList", QStringLiteral("&Print List"));
    MenuExportList = item(list, "MenuExportList", QStringLiteral("&Export List"));
    list->addSeparator();
    MenuExportCsv = item(list, "MenuExportCsv", QStringLiteral("Export as CSV..."));
    MenuExportWebPage = item(list, "MenuExportWebPage", QStringLiteral("Export as Web Page..."));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    CheckforUpdate1 = item(help, "CheckforUpdate1", QStringLiteral("Check for update"));
    help->addSeparator();
    MenuAbout = item(help, "MenuAbout", QStringLiteral("&About"));
}

void TfrmMain::setTabOrderAsDesigned() {
    const QList<QWidget*> order = {edtMovie,
                                   lbxMovie,
                                   OpenDatabaseToolbutton,
                                   SaveDatabaseToolbutton,
                                   PrintDatabaseToolbutton,
                                   ExportDatabaseToolbutton,
                                   AddMovieToolButton,
                                   ModifyMovieToolButton,
                                   DeleteMovieToolButton,
                                   lstvwMovieSearch,
                                   btnSearch,
                                   btnClearSearch,
                                   comboRating,
                                   comboFormat,
                                   comboQuality};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    // The toolbar is one stop; made so after the order is set, which skips buttons that are no
    // stop at the moment.
    new ToolbarNavigation({OpenDatabaseToolbutton, SaveDatabaseToolbutton, PrintDatabaseToolbutton,
                           ExportDatabaseToolbutton, AddMovieToolButton, ModifyMovieToolButton,
                           DeleteMovieToolButton},
                          ToolBar);
}

void TfrmMain::connectHandlers() {
    connect(New1, &QAction::triggered, this, &TfrmMain::New1Click);
    connect(MenuOpenDatabase, &QAction::triggered, this, &TfrmMain::MenuOpenDatabaseClick);
    connect(MenuSaveDatabase, &QAction::triggered, this, &TfrmMain::MenuSaveDatabaseClick);
    connect(MenuSaveAsDatabase, &QAction::triggered, this, &TfrmMain::MenuSaveAsDatabaseClick);
    connect(MenuExit, &QAction::triggered, this, &TfrmMain::MenuExitClick);
    connect(MenuUndo, &QAction::triggered, this,
            [this] { withListChanging([this] { logic_.EditUndoClick(); }); });
    connect(MenuRedo, &QAction::triggered, this,
            [this] { withListChanging([this] { logic_.EditRedoClick(); }); });
    connect(MenuPreferences, &QAction::triggered, this, &TfrmMain::MenuPreferencesClick);
    connect(OpenDatabaseToolbutton, &QToolButton::clicked, MenuOpenDatabase, &QAction::trigger);
    connect(SaveDatabaseToolbutton, &QToolButton::clicked, MenuSaveDatabase, &QAction::trigger);
    connect(PrintDatabaseToolbutton, &QToolButton::clicked, MenuPrintList, &QAction::trigger);
    connect(ExportDatabaseToolbutton, &QToolButton::clicked, MenuExportList, &QAction::trigger);
    connect(AddMovieToolButton, &QToolButton::clicked, MenuAddNewMovie, &QAction::trigger);
    connect(ModifyMovieToolButton, &QToolButton::clicked, MenuModifyaMovie, &QAction::trigger);
    connect(DeleteMovieToolButton, &QToolButton::clicked, MenuDeleteMovie, &QAction::trigger);
    connect(lbxMovie->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmMain::lbxMovieSelectionChanged);
    connect(MenuAddNewMovie, &QAction::triggered, this, &TfrmMain::MenuAddNewMovieClick);
    connect(MenuModifyaMovie, &QAction::triggered, this, &TfrmMain::MenuModifyaMovieClick);
    connect(MenuPrintList, &QAction::triggered, this,
            [this] { MenuExportListClick(MenuPrintList); });
    connect(MenuExportList, &QAction::triggered, this,
            [this] { MenuExportListClick(MenuExportList); });
    connect(MenuDeleteMovie, &QAction::triggered, this, &TfrmMain::MenuDeleteMovieClick);
    connect(MenuAddFromFolder, &QAction::triggered, this, [this] {
        logic_.MenuAddFromFolderClick();
        showState();
    });
    connect(MenuImport, &QAction::triggered, this, [this] {
        logic_.MenuImportClick();
        showState();
    });
    connect(MenuExportCsv, &QAction::triggered, this, [this] {
        logic_.MenuExportCsvClick();
        showState();
    });
    connect(MenuExportWebPage, &QAction::triggered, this, [this] {
        logic_.MenuExportWebPageClick();
        showState();
    });
    // activated is the user's pick only: a choice made by program code never filters.
    connect(comboGenreList, &QComboBox::activated, this, &TfrmMain::comboGenreListChange);
    connect(comboRating, &QComboBox::activated, this, &TfrmMain::comboRatingChange);
    connect(comboFormat, &QComboBox::activated, this, &TfrmMain::comboFormatChange);
    connect(comboQuality, &QComboBox::activated, this, &TfrmMain::comboQualityChange);
    connect(btnSearch, &QPushButton::clicked, this, &TfrmMain::btnSearchClick);
    connect(btnClearSearch, &QPushButton::clicked, this, &TfrmMain::btnClearSearchClick);
    connect(lbxMovie, &QListView::doubleClicked, this, &TfrmMain::lbxMovieDblClick);
    connect(lstvwMovieSearch, &QTreeView::doubleClicked, this, &TfrmMain::lbxMovieDblClick);
    connect(CheckInternet1, &QAction::triggered, this, &TfrmMain::lbxMovieDblClick);
    connect(CheckforUpdate1, &QAction::triggered, this, &TfrmMain::CheckforUpdate1Click);
    connect(MenuAbout, &QAction::triggered, this, &TfrmMain::MenuAboutClick);
}

void TfrmMain::FormCreate(const QString& firstArgument) {
    choices_.SelectedSkin = &background_;
    logic_.FormCreate(firstArgument);
    showState();
}

void TfrmMain::MenuPreferencesClick() {
    if (frmPreferences_ == nullptr) {
        return;
    }
    const QPixmap* remembered = choices_.SelectedSkin;
    if (choices_.SelectedSkin != nullptr) {
        choices_.SelectedSkin = &background_;
    }
    if (!frmPreferences_->ShowPreferences()) {
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
    if (logic_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
    showState();
}

void TfrmMain::showState() {
    showingState_ = true;
    if (shownDetails_ != logic_.details()) {
        shownDetails_ = logic_.details();
        memMovieInfo->setPlainText(shownPanelText(shownDetails_));
    }
    const FilterChoice& filters = logic_.filters();
    comboGenreList->setCurrentIndex(filters.genre);
    comboRating->setCurrentIndex(filters.rating);
    comboFormat->setCurrentIndex(filters.format);
    comboQuality->setCurrentIndex(filters.quality);

    const int selected = logic_.list().hasSelection() ? logic_.list().selected() : -1;
    const QModelIndex current = lbxMovie->currentIndex();
    const bool viewSelected = lbxMovie->selectionModel()->hasSelection();
    if (selected < 0 && viewSelected) {
        lbxMovie->selectionModel()->clearSelection();
    } else if (selected >= 0 && (!viewSelected || current.row() != selected)) {
        lbxMovie->selectionModel()->setCurrentIndex(listModel_->index(selected),
                                                    QItemSelectionModel::ClearAndSelect);
        lbxMovie->scrollTo(listModel_->index(selected));
    }
    // A "&" in a movie's name is shown, not taken as the item's key.
    const auto caption = [](const QString& text, int plain) {
        return text.left(plain) + text.mid(plain).replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    MenuUndo->setText(caption(logic_.undoCaption(), 5));
    MenuUndo->setEnabled(logic_.catalogue().history().canUndo());
    MenuRedo->setText(caption(logic_.redoCaption(), 5));
    MenuRedo->setEnabled(logic_.catalogue().history().canRedo());
    if (shownSearchRevision_ != logic_.searchRevision()) {
        shownSearchRevision_ = logic_.searchRevision();
        searchModel_->reset();
    }
    if (logic_.takeSearchFocusRequest()) {
        edtMovie->setFocus();
    }
    if (logic_.takeSelectSearchTextRequest()) {
        edtMovie->selectAll();
    }
    showingState_ = false;
}

void TfrmMain::lbxMovieSelectionChanged() {
    if (showingState_) {
        return;
    }
    const QModelIndexList rows = lbxMovie->selectionModel()->selectedRows();
    logic_.selectEntry(rows.isEmpty() ? -1 : rows.constFirst().row());
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
    logic_.New1Click();
    showState();
}

void TfrmMain::MenuOpenDatabaseClick() {
    logic_.MenuOpenDatabaseClick();
    showState();
}

void TfrmMain::MenuSaveDatabaseClick() {
    logic_.MenuSaveDatabaseClick();
    showState();
}

void TfrmMain::MenuSaveAsDatabaseClick() {
    logic_.MenuSaveAsDatabaseClick();
    showState();
}

void TfrmMain::MenuExitClick() {
    close();
}

void TfrmMain::MenuAddNewMovieClick() {
    logic_.MenuAddNewMovieClick();
    showState();
}

void TfrmMain::MenuModifyaMovieClick() {
    logic_.MenuModifyaMovieClick();
    showState();
}

void TfrmMain::MenuDeleteMovieClick() {
    withListChanging([this] { logic_.MenuDeleteMovieClick(); });
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
    logic_.MenuExportListClick(sender == MenuExportList ? ListMenuItem::MenuExportList
                                                        : ListMenuItem::MenuPrintList);
    showState();
}

void TfrmMain::comboGenreListChange(int index) {
    logic_.filterChanged(FilterBox::Genre, index);
    showState();
}

void TfrmMain::comboRatingChange(int index) {
    logic_.filterChanged(FilterBox::Rating, index);
    showState();
}

void TfrmMain::comboFormatChange(int index) {
    logic_.filterChanged(FilterBox::Format, index);
    showState();
}

void TfrmMain::comboQualityChange(int index) {
    logic_.filterChanged(FilterBox::Quality, index);
    showState();
}

void TfrmMain::btnSearchClick() {
    logic_.btnSearchClick(toCatalogueText(edtMovie->text()));
    showState();
}

void TfrmMain::btnClearSearchClick() {
    edtMovie->clear();
    logic_.btnClearSearchClick();
    showState();
}

void TfrmMain::edtMovieClick() {
    edtMovie->selectAll();
}

void TfrmMain::lstvwMovieSearchClick() {
    const QModelIndexList rows = lstvwMovieSearch->selectionModel()->selectedRows();
    logic_.lstvwMovieSearchClick(rows.isEmpty() ? -1 : rows.constFirst().row());
    showState();
}

void TfrmMain::lbxMovieDblClick() {
    if (shell_ != nullptr) {
        logic_.lbxMovieDblClick(*shell_);
    }
    showState();
}

void TfrmMain::CheckforUpdate1Click() {
    if (shell_ != nullptr) {
        logic_.CheckforUpdate1Click(*shell_);
    }
}

void TfrmMain::MenuAboutClick() {
    if (frmAbout_ != nullptr) {
        frmAbout_->exec();
    }
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
    // Enter that no control used presses the window's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnSearch->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace reelcase

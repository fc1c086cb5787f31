// The main window's controls, menus, toolbar, tab order and connections, as designed.
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

#include "about_web/WebLookups.h"
#include "catalogue/TextCodec.h"
#include "editing/ui/StorableTextInput.h"
#include "look/ui/ClassicLook.h"
#include "look/ui/Pictures.h"
#include "look/ui/WindowPlacement.h"
#include "main_window/MovieListModel.h"
#include "main_window/SearchResultModel.h"
#include "main_window/ToolbarNavigation.h"

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
    lbxMovie->setToolTip(tr("List with Movies!"));
    // Item views do not pass their hint on to a screen reader by themselves.
    lbxMovie->setAccessibleDescription(lbxMovie->toolTip());
    lbxMovie->setAccessibleName(tr("Movies"));
    lbxMovie->setSelectionMode(QAbstractItemView::SingleSelection);
    lbxMovie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxMovie->setUniformItemSizes(true);
    listModel_ = new MovieListModel(logic_.state.list(), this);
    lbxMovie->setModel(listModel_);

    edtMovie = new QLineEdit(client_);
    edtMovie->setObjectName(QStringLiteral("edtMovie"));
    edtMovie->setGeometry(272, 40, 161, 25);
    edtMovie->setFont(monospaceFont(15));
    setColours(edtMovie, Qt::black, Qt::white);
    edtMovie->setToolTip(tr("Search for a Movie here!"));
    edtMovie->setAccessibleName(tr("Search"));
    // A character no name can hold would be searched for as "?" and find names with a "?".
    edtMovie->setValidator(new StorableTextValidator(edtMovie));
    edtMovie->installEventFilter(this);

    btnSearch = new QPushButton(tr("Search"), client_);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    btnSearch->setGeometry(440, 40, 57, 25);
    btnSearch->setDefault(true);
    btnSearch->setMouseTracking(true);
    btnSearch->installEventFilter(this);

    btnClearSearch = new QPushButton(tr("Clear"), client_);
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
    lstvwMovieSearch->setToolTip(tr("Result of your Movie-search!"));
    lstvwMovieSearch->setAccessibleDescription(lstvwMovieSearch->toolTip());
    lstvwMovieSearch->setAccessibleName(tr("Search results"));
    searchModel_ = new SearchResultModel(this);
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
    memMovieInfo->setToolTip(tr("Info about the Movies is in here!"));
    memMovieInfo->setAccessibleName(tr("Movie details"));

    // The genres, ratings and formats are the values stored in the records and shown in the
    // details as they are, so they stay English in every language; the filters go by the
    // item's index, and only the "All ..." items are translated.
    comboGenreList =
        makeFilterBox(client_, "comboGenreList", vocabularyItems(GenreNames), tr("All Genres"), 16);
    comboGenreList->setFocusPolicy(Qt::ClickFocus);
    comboGenreList->setToolTip(tr("If you want only 1 genre!"));
    comboRating =
        makeFilterBox(client_, "comboRating", vocabularyItems(RatingNames), tr("All Ratings"), 161);
    comboFormat =
        makeFilterBox(client_, "comboFormat", vocabularyItems(FormatNames), tr("All Formats"), 304);
    QStringList qualities;
    for (int q = 1; q <= QualityCount; ++q) {
        qualities << QStringLiteral("%1/5").arg(q);
    }
    comboQuality = makeFilterBox(client_, "comboQuality", qualities, tr("All Qualities"), 448);
    comboGenreList->setAccessibleName(tr("Genre filter"));
    comboRating->setAccessibleName(tr("Rating filter"));
    comboFormat->setAccessibleName(tr("Format filter"));
    comboQuality->setAccessibleName(tr("Quality filter"));
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
    OpenDatabaseToolbutton = makeButton("OpenDatabaseToolbutton", 5, 0, tr("Open"));
    SaveDatabaseToolbutton = makeButton("SaveDatabaseToolbutton", 33, 1, tr("Save"));
    PrintDatabaseToolbutton = makeButton("PrintDatabaseToolbutton", 61, 2, tr("Print List"));
    ExportDatabaseToolbutton = makeButton("ExportDatabaseToolbutton", 89, 3, tr("Export List"));
    auto* separator = new QFrame(ToolBar);
    separator->setObjectName(QStringLiteral("SeperatorToolbutton"));
    separator->setGeometry(117 + 3, 3, 2, 20);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    AddMovieToolButton = makeButton("AddMovieToolButton", 125, 4, tr("Add new Movie"));
    ModifyMovieToolButton = makeButton("ModifyMovieToolButton", 153, 5, tr("Modify Movie"));
    DeleteMovieToolButton = makeButton("DeleteMovieToolButton", 181, 6, tr("Delete Movie"));
    ToolBar->setAccessibleName(tr("Toolbar"));
    ToolBar->raise();
}

void TfrmMain::createMenus() {
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    New1 = item(file, "New1", tr("&New"));
    MenuOpenDatabase = item(file, "MenuOpenDatabase", tr("&Open..."));
    MenuSaveDatabase = item(file, "MenuSaveDatabase", tr("&Save"));
    MenuSaveAsDatabase = item(file, "MenuSaveAsDatabase", tr("Save &As..."));
    file->addSeparator();
    MenuImport = item(file, "MenuImport", tr("&Import..."));
    file->addSeparator();
    MenuPreferences = item(file, "MenuPreferences", tr("&Preferences"));
    file->addSeparator();
    MenuExit = item(file, "MenuExit", tr("E&xit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    MenuUndo = item(edit, "MenuUndo", tr("&Undo"));
    MenuUndo->setShortcut(QKeySequence::Undo);
    MenuRedo = item(edit, "MenuRedo", tr("&Redo"));
    MenuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* movies = menuBar()->addMenu(tr("Movie Database"));
    movies->setObjectName(QStringLiteral("MenuMovieDatabase"));
    MenuAddNewMovie = item(movies, "MenuAddNewMovie", tr("&Add new Movie"));
    MenuModifyaMovie = item(movies, "MenuModifyaMovie", tr("&Modify Movie"));
    MenuDeleteMovie = item(movies, "MenuDeleteMovie", tr("&Delete Movie"));
    MenuAddFromFolder = item(movies, "MenuAddFromFolder", tr("Add Movies from &Folder..."));
    MenuCheckAgainstFolders =
        item(movies, "MenuCheckAgainstFolders", tr("Check A&gainst Folders..."));
    MenuStatistics = item(movies, "MenuStatistics", tr("S&tatistics..."));
    CheckInternet1 = item(movies, "CheckInternet1",
                          tr("&Check %1")
                              .arg(QLatin1String(MovieSiteDomain.data(),
                                                 static_cast<qsizetype>(MovieSiteDomain.size()))));

    QMenu* list = menuBar()->addMenu(tr("Movie List"));
    list->setObjectName(QStringLiteral("MovieList1"));
    MenuPrintList = item(list, "MenuPrintList", tr("&Print List"));
    MenuExportList = item(list, "MenuExportList", tr("&Export List"));
    list->addSeparator();
    MenuExportCsv = item(list, "MenuExportCsv", tr("Export as CSV..."));
    MenuExportWebPage = item(list, "MenuExportWebPage", tr("Export as Web Page..."));

    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    CheckforUpdate1 = item(help, "CheckforUpdate1", tr("Check for update"));
    help->addSeparator();
    MenuAbout = item(help, "MenuAbout", tr("&About"));
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
            [this] { withListChanging([this] { logic_.undo.undoStep(); }); });
    connect(MenuRedo, &QAction::triggered, this,
            [this] { withListChanging([this] { logic_.undo.redoStep(); }); });
    connect(MenuPreferences, &QAction::triggered, this, &TfrmMain::MenuPreferencesClick);
    connect(OpenDatabaseToolbutton, &QToolButton::clicked, MenuOpenDatabase, &QAction::trigger);
    connect(SaveDatabaseToolbutton, &QToolButton::clicked, MenuSaveDatabase, &QAction::trigger);
    connect(PrintDatabaseToolbutton, &QToolButton::clicked, MenuPrintList, &QAction::trigger);
    connect(ExportDatabaseToolbutton, &QToolButton::clicked, MenuExportList, &QAction::trigger);
    connect(AddMovieToolButton, &QToolButton::clicked, MenuAddNewMovie, &QAction::trigger);
    connect(ModifyMovieToolButton, &QToolButton::clicked, MenuModifyaMovie, &QAction::trigger);
    connect(DeleteMovieToolButton, &QToolButton::clicked, MenuDeleteMovie, &QAction::trigger);
    connect(lbxMovie->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmMain::lbxMovieClick);
    connect(MenuAddNewMovie, &QAction::triggered, this, &TfrmMain::MenuAddNewMovieClick);
    connect(MenuModifyaMovie, &QAction::triggered, this, &TfrmMain::MenuModifyaMovieClick);
    connect(MenuPrintList, &QAction::triggered, this,
            [this] { MenuExportListClick(MenuPrintList); });
    connect(MenuExportList, &QAction::triggered, this,
            [this] { MenuExportListClick(MenuExportList); });
    connect(MenuDeleteMovie, &QAction::triggered, this, &TfrmMain::MenuDeleteMovieClick);
    connect(MenuAddFromFolder, &QAction::triggered, this, [this] {
        logic_.folderAdd.addFromFolder();
        showState();
    });
    connect(MenuCheckAgainstFolders, &QAction::triggered, this,
            [this] { withListChanging([this] { logic_.diskCheck.checkAgainstFolders(); }); });
    connect(MenuStatistics, &QAction::triggered, this, [this] {
        logic_.statistics.showStatistics();
        showState();
    });
    connect(MenuImport, &QAction::triggered, this, [this] {
        logic_.exchange.importCollection();
        showState();
    });
    connect(MenuExportCsv, &QAction::triggered, this, [this] {
        logic_.exchange.exportCsv();
        showState();
    });
    connect(MenuExportWebPage, &QAction::triggered, this, [this] {
        logic_.exchange.exportWebPage();
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

}  // namespace reelcase

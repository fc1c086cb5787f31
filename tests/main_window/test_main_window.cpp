#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "editing/ui/untAddModifyMovie.h"
#include "exchange/MeasuringModule.h"
#include "main_window/ReelcaseProgram.h"
#include "main_window/WindowsOnFirstUse.h"
#include "statistics/ui/StatisticsWindow.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Window {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        FakeUserDialogs& dialogs = doubles.dialogs;
        MainWindowLogic logic{catalogue, doubles.seams()};
        AppearanceChoices choices;
        TfrmMain frmMain{logic, choices, doubles.windowSeams()};
        template <typename T>
        T* control(const char* name) {
            return frmMain.findChild<T*>(QLatin1String(name));
        }
    };

    static void showActive(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    static QString focused() {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName()
                                                      : QString();
    }

  private Q_SLOTS:
    void editMenuUndoesFromTheSearchBox() {
        Window w;
        appendMovie(w.catalogue, {"Alien"});
        appendMovie(w.catalogue, {"Brazil"});
        w.frmMain.FormCreate({});
        w.logic.state.RefreshMovieList();
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        QStringList menus;
        for (const QAction* menu : w.frmMain.menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus.mid(0, 3), (QStringList{"&File", "&Edit", "Movie Database"}));
        auto* undo = w.control<QAction>("MenuUndo");
        auto* redo = w.control<QAction>("MenuRedo");
        QVERIFY(!undo->isEnabled());
        w.control<QListView>("lbxMovie")
            ->setCurrentIndex(w.control<QListView>("lbxMovie")->model()->index(0, 0));
        w.dialogs.confirmAnswers = {true};
        w.control<QAction>("MenuDeleteMovie")->trigger();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Delete \"Alien\""));
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        // The search box has the focus after the command; with nothing typed, Ctrl+Z is
        // the catalogue's undo.
        auto* search = w.control<QLineEdit>("edtMovie");
        QTRY_VERIFY(search->hasFocus());
        QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.logic.state.list().size(), 2);
        QCOMPARE(redo->text(), QStringLiteral("&Redo Delete \"Alien\""));
        QVERIFY(!w.control<QListView>("lbxMovie")->selectionModel()->hasSelection());
        QTest::keyClick(search, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.logic.state.list().size(), 1);
        // Typing in the box makes Ctrl+Z undo the typing first.
        QTest::keyClicks(search, QStringLiteral("ab"));
        QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.logic.state.list().size(), 1);
    }

    void clickBelowTheResultsSelectsNothing() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        auto* list = w.control<QListView>("lbxMovie");
        auto* results = w.control<QTreeView>("lstvwMovieSearch");
        auto* memo = w.control<QPlainTextEdit>("memMovieInfo");
        w.control<QLineEdit>("edtMovie")->setText(QStringLiteral("star"));
        w.control<QPushButton>("btnSearch")->click();
        QCOMPARE(results->model()->rowCount(), 3);
        const QRect first = results->visualRect(results->model()->index(0, 0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Starship"));
        list->setCurrentIndex(list->model()->index(0, 0));
        auto* genre = w.control<QComboBox>("comboGenreList");
        genre->setCurrentIndex(9);
        Q_EMIT genre->activated(9);  // All Genres: the list is refilled
        const QRect last = results->visualRect(results->model()->index(2, 0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          QPoint(last.center().x(), last.bottom() + 20));
        QVERIFY(!list->selectionModel()->hasSelection());
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(!results->selectionModel()->hasSelection());
    }

    void toolbarIsOneTabStopWalkedByArrows() {
        Window w;
        w.frmMain.FormCreate({});
        showActive(w.frmMain);
        w.control<QLineEdit>("edtMovie")->setFocus();
        QStringList stops;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << focused();
        }
        QCOMPARE(stops, QStringList({"lbxMovie", "OpenDatabaseToolbutton", "lstvwMovieSearch",
                                     "btnSearch", "btnClearSearch", "comboRating", "comboFormat",
                                     "comboQuality", "edtMovie"}));
        w.control<QListView>("lbxMovie")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(focused(), QStringLiteral("SaveDatabaseToolbutton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(focused(), QStringLiteral("DeleteMovieToolButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("lstvwMovieSearch"));
        // The button last focused is where the toolbar is entered again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focused(), QStringLiteral("PrintDatabaseToolbutton"));
    }

    void nameColumnKeepsItsMinimum() {
        Window w;
        w.frmMain.FormCreate({});
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        QHeaderView* header = w.control<QTreeView>("lstvwMovieSearch")->header();
        QCOMPARE(header->sectionSize(0), 195);
        // Drag the border between the columns to the left, past the minimum.
        QWidget* strip = header->viewport();
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(strip, Qt::LeftButton, {}, border);
        QTest::mouseMove(strip, border - QPoint(40, 0));
        QTest::mouseMove(strip, border - QPoint(90, 0));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, border - QPoint(90, 0));
        QCOMPARE(header->sectionSize(0), 170);
        header->resizeSection(0, 120);
        QCOMPARE(header->sectionSize(0), 170);
        header->resizeSection(1, 40);
        QCOMPARE(header->sectionSize(1), 74);
    }

    void toolbarSpansTheWindow() {
        Window w;
        w.frmMain.FormCreate({});
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        auto* toolbar = w.control<QWidget>("ToolBar");
        QCOMPARE(toolbar->geometry(), QRect(0, 0, 580, 26));
        w.frmMain.resize(900, 600);
        QTRY_COMPARE(w.frmMain.centralWidget()->width(), 900);
        QCOMPARE(toolbar->geometry(), QRect(0, 0, 900, 26));
    }

    void fileCommandsReturnTheFocusToTheSearchBox() {
        Window w;
        w.frmMain.FormCreate({});
        showActive(w.frmMain);
        auto* list = w.control<QListView>("lbxMovie");
        const auto run = [&](const char* item) {
            list->setFocus();
            w.frmMain.findChild<QAction*>(QLatin1String(item))->trigger();
            return focused();
        };
        w.dialogs.confirmAnswers = {false, true};
        QCOMPARE(run("New1"), QStringLiteral("edtMovie"));  // answered No
        QCOMPARE(run("New1"), QStringLiteral("edtMovie"));
        w.dialogs.fileAnswers = {std::nullopt, QStringLiteral(REELCASE_TEST_DATA "/sample.rcb")};
        QCOMPARE(run("MenuOpenDatabase"), QStringLiteral("edtMovie"));  // cancelled
        QCOMPARE(run("MenuOpenDatabase"), QStringLiteral("edtMovie"));
        QCOMPARE(list->model()->rowCount(), 10);
        QCOMPARE(w.dialogs.unexpected, 0);
    }

    void saveIntoAMissingFolderIsAnInvalidFilename() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        QTemporaryDir dir;
        w.dialogs.fileAnswers = {dir.filePath(QStringLiteral("no such folder/movies.rcb")),
                                 dir.filePath(QStringLiteral("missing.rcb"))};
        w.frmMain.findChild<QAction*>(QStringLiteral("MenuSaveAsDatabase"))->trigger();
        w.frmMain.findChild<QAction*>(QStringLiteral("MenuOpenDatabase"))->trigger();
        QCOMPARE(w.dialogs.errors(), QStringList({QStringLiteral("Invalid filename."),
                                                  QStringLiteral("File not found.")}));
        QVERIFY(!w.catalogue.unsavedChanges());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void controlCharactersInStoredTextsAreNotDrawn() {
        Window w;
        const std::string damaged("Bad\x01Na\tme\0tail", 15);
        appendMovie(w.catalogue, {damaged, "Drama", "DVD", "Nice", "one", 90, 3, 700});
        appendMovie(w.catalogue,
                    {"Clean", "Drama", "DVD", "Nice", "one\r\ntw\x07o\x1b\ttab", 90, 3, 700});
        w.frmMain.FormCreate({});
        w.logic.state.RefreshMovieList();
        auto* list = w.control<QListView>("lbxMovie");
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("BadName"));
        list->setCurrentIndex(list->model()->index(0, 0));
        auto* memo = w.control<QPlainTextEdit>("memMovieInfo");
        // The panel's text ends where its first zero byte is; a tab spaces as it does in a
        // text panel.
        QCOMPARE(memo->toPlainText(), QStringLiteral("   Movie: BadNa\tme"));
        list->setCurrentIndex(list->model()->index(1, 0));
        QVERIFY(memo->toPlainText().endsWith(QStringLiteral("Info ===========]\none\ntwo\ttab")));
        w.control<QLineEdit>("edtMovie")->setText(QStringLiteral("bad"));
        w.control<QPushButton>("btnSearch")->click();
        QCOMPARE(w.control<QTreeView>("lstvwMovieSearch")->model()->index(0, 0).data().toString(),
                 QStringLiteral("BadName"));
        QCOMPARE(fieldText(w.catalogue.slot(1).Name), std::string_view(damaged));
    }

    void screenReadersHearNamesAndHints() {
        Window w;
        w.frmMain.FormCreate({});
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        const auto text = [&](const char* control, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(w.control<QWidget>(control))->text(kind);
        };
        QCOMPARE(text("lbxMovie", QAccessible::Description), QStringLiteral("List with Movies!"));
        QCOMPARE(text("lstvwMovieSearch", QAccessible::Description),
                 QStringLiteral("Result of your Movie-search!"));
        QCOMPARE(text("edtMovie", QAccessible::Description),
                 QStringLiteral("Search for a Movie here!"));
        QCOMPARE(text("OpenDatabaseToolbutton", QAccessible::Name), QStringLiteral("Open"));
        for (QWidget* control : w.frmMain.centralWidget()->findChildren<QWidget*>()) {
            if (control->focusPolicy() != Qt::NoFocus && control->isVisible() &&
                !control->objectName().isEmpty()) {
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)
                              ->text(QAccessible::Name)
                              .isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
    }

    void controlsStandAsDesigned() {
        Window w;
        w.frmMain.FormCreate({});
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        const QWidget* client = w.frmMain.centralWidget();
        QCOMPARE(client->size(), QSize(580, 465));
        QCOMPARE(w.control<QListView>("lbxMovie")->geometry(), QRect(16, 40, 241, 380));
        QCOMPARE(w.control<QLineEdit>("edtMovie")->geometry(), QRect(272, 40, 161, 25));
        QCOMPARE(w.control<QTreeView>("lstvwMovieSearch")->geometry(), QRect(272, 72, 289, 105));
        QCOMPARE(w.control<QPlainTextEdit>("memMovieInfo")->geometry(), QRect(272, 192, 289, 228));
        QCOMPARE(w.control<QComboBox>("comboQuality")->geometry(), QRect(448, 432, 113, 21));
        QCOMPARE(w.control<QWidget>("imgBackground")->geometry(), QRect(0, 24, 580, 441));
        QCOMPARE(w.control<QComboBox>("comboGenreList")->currentText(),
                 QStringLiteral("All Genres"));
        QCOMPARE(w.control<QComboBox>("comboRating")->currentText(), QStringLiteral("All Ratings"));
        QCOMPARE(w.control<QComboBox>("comboFormat")->currentText(), QStringLiteral("All Formats"));
        QCOMPARE(w.control<QComboBox>("comboQuality")->currentText(),
                 QStringLiteral("All Qualities"));
        QVERIFY(!w.control<QComboBox>("comboRating")->isEditable());
        QCOMPARE(w.control<QComboBox>("comboGenreList")->count(), 10);

        // Larger window: the resize rules.
        w.frmMain.resize(800, 700);
        QTRY_VERIFY(client->width() == 800);
        const int W = client->width();
        const int H = client->height();
        QCOMPARE(w.control<QListView>("lbxMovie")->geometry(), QRect(16, 40, 241, H - 85));
        QCOMPARE(w.control<QPlainTextEdit>("memMovieInfo")->geometry(),
                 QRect(272, 192, W - 291, H - 237));
        QCOMPARE(w.control<QTreeView>("lstvwMovieSearch")->geometry(),
                 QRect(272, 72, W - 291, 105));
        QCOMPARE(w.control<QWidget>("imgBackground")->geometry(), QRect(0, 24, W, H - 24));
        for (const char* name : {"comboGenreList", "comboRating", "comboFormat", "comboQuality"}) {
            QCOMPARE(w.control<QComboBox>(name)->y(), H - 33);
        }
        QCOMPARE(w.control<QLineEdit>("edtMovie")->geometry(), QRect(272, 40, 161, 25));
    }

    void listsTheCatalogueAndShowsTheSelectedMovie() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        auto* list = w.control<QListView>("lbxMovie");
        QCOMPARE(list->model()->rowCount(), 10);
        QCOMPARE(list->model()->index(2, 0).data().toString(), QString::fromUtf8("éclair at Dawn"));
        list->setCurrentIndex(list->model()->index(8, 0));  // as the keyboard does
        const QString details = w.control<QPlainTextEdit>("memMovieInfo")->toPlainText();
        QVERIFY(
            details.startsWith(QStringLiteral("   Movie: The Long Road\n  Length: 128 Minutes")));
        QVERIFY(
            details.endsWith(QStringLiteral("Info ===========]\nSeen twice. Great soundtrack.")));
    }

    void refreshShowsBeforeTheNextDialog() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        auto* list = w.control<QListView>("lbxMovie");
        list->setCurrentIndex(list->model()->index(0, 0));
        auto* memo = w.control<QPlainTextEdit>("memMovieInfo");
        QVERIFY(!memo->toPlainText().isEmpty());
        QStringList seen;
        w.dialogs.onShow = [&] { seen << memo->toPlainText(); };
        w.dialogs.fileAnswers.push_back(std::nullopt);
        w.frmMain.findChild<QAction*>(QStringLiteral("MenuSaveAsDatabase"))->trigger();
        QCOMPARE(seen, QStringList{QString()});
        QVERIFY(!list->selectionModel()->hasSelection());
    }

    void filterBoxesFilterOnlyOnTheUsersPick() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        auto* list = w.control<QListView>("lbxMovie");
        auto* genre = w.control<QComboBox>("comboGenreList");
        genre->setCurrentIndex(3);
        QCOMPARE(list->model()->rowCount(), 10);
        Q_EMIT genre->activated(3);  // Drama
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Harbour Lights"));
        auto* format = w.control<QComboBox>("comboFormat");
        format->setCurrentIndex(4);
        Q_EMIT format->activated(4);  // RM, whatever the genre
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(genre->currentIndex(), 9);
    }

    void enterInTheSearchBoxSearchesAndSelectsTheText() {
        Window w;
        w.frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        w.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frmMain));
        auto* search = w.control<QLineEdit>("edtMovie");
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("star"));
        QTest::keyClick(search, Qt::Key_Return);
        auto* results = w.control<QTreeView>("lstvwMovieSearch");
        QCOMPARE(results->model()->rowCount(), 3);
        QCOMPARE(results->model()->index(1, 0).data().toString(), QStringLiteral("LUCKY STAR"));
        QCOMPARE(results->model()->index(1, 1).data().toString(), QStringLiteral("Action"));
        QCOMPARE(search->selectedText(), QStringLiteral("star"));
        // A character no name can hold is not taken: it would be searched for as "?".
        QApplication::clipboard()->setText(QString::fromUtf8("\u03a9"));
        search->paste();
        QVERIFY(search->text().isEmpty());
        QTest::mouseClick(w.control<QPushButton>("btnClearSearch"), Qt::LeftButton);
        QCOMPARE(results->model()->rowCount(), 0);
        QVERIFY(search->text().isEmpty());
        // Enter on a focused button presses that button, not Search.
        QTest::keyClicks(search, QStringLiteral("star"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(results->model()->rowCount(), 3);
        auto* clear = w.control<QPushButton>("btnClearSearch");
        clear->setFocus();
        QTest::keyClick(clear, Qt::Key_Return);
        QCOMPARE(results->model()->rowCount(), 0);
        QVERIFY(search->text().isEmpty());
    }

    void hoverMakesSearchCaptionsBoldUntilTheBackground() {
        Window w;
        w.frmMain.FormCreate({});
        auto* search = w.control<QPushButton>("btnSearch");
        auto* clear = w.control<QPushButton>("btnClearSearch");
        const auto move = [](QWidget* target) {
            QMouseEvent event(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        };
        move(search);
        move(clear);
        QVERIFY(search->font().bold() && clear->font().bold());
        move(w.control<QWidget>("lbxMovie"));
        QVERIFY(search->font().bold());
        move(w.control<QWidget>("imgBackground"));
        QVERIFY(!search->font().bold() && !clear->font().bold());
    }

    // The windows the commands open are made at their first use, once, as windows of their own
    // owned by the main window; the add window's device loads the media reader only to measure.
    void windowsAreMadeAtFirstUseAndKept() {
        Catalogue catalogue;
        FakeUserDialogs dialogs;
        MeasuringModule noReader({"/nonexistent/reelcase-measuring.so"});
        ModuleMediaDevice device(noReader);
        QWidget owner;
        WindowsOnFirstUse windows({.catalogue = catalogue,
                                   .dialogs = dialogs,
                                   .mediaDevice = device,
                                   .measuring = noReader.devices()});
        windows.setOwner(&owner);
        QCOMPARE(windows.madeCount(), 0);
        QVERIFY(owner.findChildren<QWidget*>().isEmpty());
        QVERIFY(noReader.failure().isEmpty());  // nothing tried to load it yet

        for (int i = 0; i < 2; ++i) {
            const ModalDriver driver =
                whenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
            QVERIFY(!windows.ShowMovieDialog({MovieEditRequest::Kind::Add, 1, {}}));
        }
        const QList<TfrmAdd*> adds = owner.findChildren<TfrmAdd*>();
        QCOMPARE(adds.size(), 1);
        QVERIFY(adds.front()->isWindow());
        QCOMPARE(windows.madeCount(), 1);

        windows.ShowStatistics(MovieStatistics(), QStringLiteral("Statistics of 0 movies"), {});
        const QList<TfrmStatistics*> shown = owner.findChildren<TfrmStatistics*>();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.front()->isWindow() && shown.front()->isVisible());
        QCOMPARE(windows.madeCount(), 2);

        QVERIFY(!device.open(QStringLiteral("/nonexistent/movie.avi")));
        QVERIFY(!device.failureReason().isEmpty());
        QCOMPARE(device.failureReason(), noReader.failure());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

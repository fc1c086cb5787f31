#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "main_window/ReelcaseProgram.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Window {
        Catalogue catalogue;
        FakeUserDialogs dialogs;
        MainWindowLogic logic{catalogue, dialogs};
        AppearanceChoices choices;
        TfrmMain frmMain{logic, choices};
        template <typename T>
        T* control(const char* name) {
            return frmMain.findChild<T*>(QLatin1String(name));
        }
    };

  private Q_SLOTS:
    void editMenuUndoesFromTheSearchBox() {
        Window w;
        appendMovie(w.catalogue, {"Alien"});
        appendMovie(w.catalogue, {"Brazil"});
        w.frmMain.FormCreate({});
        w.logic.RefreshMovieList();
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
        QCOMPARE(w.logic.list().size(), 2);
        QCOMPARE(redo->text(), QStringLiteral("&Redo Delete \"Alien\""));
        QVERIFY(!w.control<QListView>("lbxMovie")->selectionModel()->hasSelection());
        QTest::keyClick(search, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.logic.list().size(), 1);
        // Typing in the box makes Ctrl+Z undo the typing first.
        QTest::keyClicks(search, QStringLiteral("ab"));
        QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.logic.list().size(), 1);
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
        QVERIFY(w.control<QLineEdit>("edtMovie")->hasFocus() || !w.frmMain.isVisible());
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
        QTest::mouseClick(w.control<QPushButton>("btnClearSearch"), Qt::LeftButton);
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
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

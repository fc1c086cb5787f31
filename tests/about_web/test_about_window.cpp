#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>

#include "about_web/WebLookups.h"
#include "about_web/ui/frmAboutBox.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/ui/QtDesktopShell.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

// Takes the place of the web browser: QDesktopServices hands it every https address, and it
// notes whether the program was already minimised when the address came.
class Browser : public QObject {
    Q_OBJECT
  public:
    explicit Browser(QWidget* program) : program_(program) {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    QStringList opened;
    bool minimisedFirst = true;

  public Q_SLOTS:
    void open(const QUrl& url) {
        opened << QString::fromLatin1(url.toEncoded());
        minimisedFirst = minimisedFirst && program_->isMinimized();
    }

  private:
    QWidget* program_;
};

class AboutWindowTest : public QObject {
    Q_OBJECT

    // The main window as the program builds it, with the real desktop shell.
    struct Program {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        FakeUserDialogs& dialogs = doubles.dialogs;
        QtDesktopShell desktop;
        MainWindowLogic logic{
            catalogue, doubles.seams({.fileSystem = &realFileSystem(), .desktop = &desktop})};
        AppearanceChoices choices;
        TfrmMain frmMain{logic, choices, doubles.windowSeams()};
        // The main window's own about window.
        TfrmAbout& frmAbout = dynamic_cast<TfrmAbout&>(frmMain.aboutWindow());
        Browser browser{&frmMain};
        Program() {
            frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
            frmMain.show();
        }
        template <typename T>
        T* control(const char* name) {
            return frmMain.findChild<T*>(QLatin1String(name));
        }
        QAction* menu(const char* name) { return control<QAction>(name); }
        // A click and a double click on a row, or on the top of an empty view.
        void doubleClick(QAbstractItemView* view, int row) {
            const QModelIndex index = view->model()->index(row, 0);
            const QPoint at = index.isValid() ? view->visualRect(index).center() : QPoint(20, 5);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        }
        void restore() {
            frmMain.showNormal();
            QTRY_VERIFY(!frmMain.isMinimized());
        }
    };

  private Q_SLOTS:
    void aboutShowsTheLogoAndTheLetterModally() {
        Program p;
        QWidget* shown = nullptr;
        Qt::WindowFlags flags;
        QSize client;
        bool fixed = false;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            shown = modal;
            flags = modal->windowFlags();
            client = modal->size();
            fixed = modal->minimumSize() == modal->maximumSize();
            modal->close();
        });
        p.menu("MenuAbout")->trigger();  // returns once the window is closed
        QCOMPARE(shown, &p.frmAbout);
        QCOMPARE(client, QSize(478, 377));
        QVERIFY(fixed);
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testAnyFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));

        const auto* logo = p.frmAbout.findChild<QLabel*>(QStringLiteral("imgLogoVANO"));
        QCOMPARE(logo->pixmap().size(), QSize(445, 109));  // its own size, not the control's
        QVERIFY(!logo->hasScaledContents());
        const QColor left = logo->pixmap().toImage().pixelColor(2, 50);
        QVERIFY(left.blue() > left.red() + 30);  // red and blue not swapped

        // The letter: 31 lines that fit without wrapping, read-only.
        auto* memo = p.frmAbout.findChild<QPlainTextEdit*>(QStringLiteral("memoAboutBox"));
        const QString letter = memo->toPlainText();
        const QStringList lines = letter.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 31);
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
            QVERIFY2(b.layout()->lineCount() <= 1, qPrintable(b.text()));
        }
        QVERIFY(lines.contains(downloadPageUrl().toString()));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^  - \\S"))).size(), 5);
        QCOMPARE(lines.at(29), QStringLiteral("[VANO]"));
        QTest::keyClicks(memo, QStringLiteral("x"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(memo->toPlainText(), letter);
    }

    void damagedLogoLeavesThePictureEmpty() {
        const QByteArray logo = TfrmAbout::builtInLogo();
        QVERIFY(logo.size() > 1000);
        for (const QByteArray& damaged : {logo.left(logo.size() / 2), QByteArray("GIF89a")}) {
            TfrmAbout about(nullptr, damaged);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QVERIFY(about.findChild<QLabel*>(QStringLiteral("imgLogoVANO"))->pixmap().isNull());
            QVERIFY(!about.findChild<QPlainTextEdit*>()->toPlainText().isEmpty());
        }
    }

    void doubleClicksAndMenusLookUpTheSelectedMovie() {
        Program p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        p.doubleClick(p.control<QListView>("lbxMovie"), 2);
        QCOMPARE(p.browser.opened,
                 QStringList{"https://www.imdb.com/Find?%C3%A9clair%20at%20Dawn"});
        QVERIFY(p.browser.minimisedFirst);

        p.restore();
        QTest::keyClicks(p.control<QLineEdit>("edtMovie"), QStringLiteral("star"));
        QTest::mouseClick(p.control<QPushButton>("btnSearch"), Qt::LeftButton);
        p.doubleClick(p.control<QTreeView>("lstvwMovieSearch"), 1);
        p.restore();
        p.menu("CheckInternet1")->trigger();  // LUCKY STAR is still selected
        p.menu("CheckforUpdate1")->trigger();
        QCOMPARE(p.browser.opened,
                 (QStringList{"https://www.imdb.com/Find?%C3%A9clair%20at%20Dawn",
                              "https://www.imdb.com/Find?LUCKY%20STAR",
                              "https://www.imdb.com/Find?LUCKY%20STAR", REELCASE_DOWNLOAD_PAGE}));
        QVERIFY(p.browser.minimisedFirst);
        QCOMPARE(p.menu("CheckInternet1")->text(), QStringLiteral("&Check imdb.com"));
    }

    void withNothingSelectedNothingHappens() {
        Program p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        auto* list = p.control<QListView>("lbxMovie");
        p.menu("CheckInternet1")->trigger();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, 370));  // below
        // A search without results: a double click in the result list finds no movie.
        QTest::keyClicks(p.control<QLineEdit>("edtMovie"), QStringLiteral("no such movie"));
        QTest::mouseClick(p.control<QPushButton>("btnSearch"), Qt::LeftButton);
        p.doubleClick(p.control<QTreeView>("lstvwMovieSearch"), 0);
        QVERIFY(!list->selectionModel()->hasSelection());
        QVERIFY(p.browser.opened.isEmpty());
        QVERIFY(!p.frmMain.isMinimized());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>

#include "main_window/ReelcaseProgram.h"
#include "platform/QtDesktopShell.h"
#include "settings/WebLookups.h"
#include "settings/frmAboutBox.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"

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
        FakeUserDialogs dialogs;
        QtDesktopShell desktop;
        MainWindowLogic logic{catalogue, dialogs};
        TfrmMain frmMain{logic};
        TfrmAbout frmAbout{&frmMain};
        Browser browser{&frmMain};
        Program() {
            frmMain.setAboutWindow(&frmAbout);
            frmMain.setDesktopShell(&desktop);
            frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
            frmMain.show();
        }
        template <typename T>
        T* control(const char* name) {
            return frmMain.findChild<T*>(QLatin1String(name));
        }
        QAction* menu(const char* name) { return control<QAction>(name); }
        void doubleClick(QAbstractItemView* view, int row) {
            const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
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
        bool closable = false;
        QSize client;
        bool fixed = false;
        whenModalOpens([&](QWidget* modal) {
            shown = modal;
            const Qt::WindowFlags flags = modal->windowFlags();
            closable = flags.testFlag(Qt::WindowCloseButtonHint) &&
                       !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                       !flags.testFlag(Qt::WindowMaximizeButtonHint);
            client = modal->size();
            fixed = modal->minimumSize() == modal->maximumSize();
            modal->close();
        });
        p.menu("MenuAbout")->trigger();  // returns once the window is closed
        QCOMPARE(shown, &p.frmAbout);
        QCOMPARE(client, QSize(478, 377));
        QVERIFY(fixed);
        QVERIFY(closable);
        QCOMPARE(p.frmAbout.windowTitle(), QStringLiteral("About Reel-Case Database"));

        const auto* logo = p.frmAbout.findChild<QLabel*>(QStringLiteral("imgLogoVANO"));
        QCOMPARE(logo->pixmap().size(), QSize(445, 109));  // its own size, not the control's
        QVERIFY(!logo->hasScaledContents());
        const QImage pixels = logo->pixmap().toImage();
        QVERIFY(pixels.pixelColor(2, 50).blue() > pixels.pixelColor(2, 50).red());  // not BGR

        // The letter can be read and scrolled, not changed.
        auto* memo = p.frmAbout.findChild<QPlainTextEdit*>(QStringLiteral("memoAboutBox"));
        const QString letter = memo->toPlainText();
        QTest::keyClicks(memo, QStringLiteral("x"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(memo->toPlainText(), letter);
    }

    void letterHas31LinesThatFitAndNamesTheDownloadPage() {
        TfrmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("memoAboutBox"));
        const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 31);
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
            QVERIFY2(b.layout()->lineCount() <= 1, qPrintable(b.text()));  // none wraps
        }
        QVERIFY(lines.contains(downloadPageUrl().toString()));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^  - \\S"))).size(), 5);
        QVERIFY(memo->toPlainText().contains(QStringLiteral("Reel-Case Database")));
        QCOMPARE(lines.at(29), QStringLiteral("[VANO]"));
        QVERIFY(lines.at(30).endsWith(QStringLiteral("@example.org")));
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

    void doubleClickOnAListedNameLooksItUp() {
        Program p;
        auto* list = p.control<QListView>("lbxMovie");
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        p.doubleClick(list, 1);  // apple Pie Summer
        QCOMPARE(p.browser.opened, QStringList{"https://www.imdb.com/Find?apple%20Pie%20Summer"});
        QVERIFY(p.browser.minimisedFirst);
        QVERIFY(p.frmMain.isMinimized());

        p.restore();
        list->setCurrentIndex(list->model()->index(2, 0));
        p.menu("CheckInternet1")->trigger();
        QCOMPARE(p.browser.opened.at(1),
                 QStringLiteral("https://www.imdb.com/Find?%C3%A9clair%20at%20Dawn"));
        QVERIFY(p.frmMain.isMinimized());
        QCOMPARE(p.menu("CheckInternet1")->text(), QStringLiteral("&Check imdb.com"));
    }

    void doubleClickOnASearchResultLooksUpItsMovie() {
        Program p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        QTest::keyClicks(p.control<QLineEdit>("edtMovie"), QStringLiteral("star"));
        QTest::mouseClick(p.control<QPushButton>("btnSearch"), Qt::LeftButton);
        auto* results = p.control<QTreeView>("lstvwMovieSearch");
        QCOMPARE(results->model()->rowCount(), 3);
        p.doubleClick(results, 1);
        QCOMPARE(p.browser.opened, QStringList{"https://www.imdb.com/Find?LUCKY%20STAR"});
        QVERIFY(p.browser.minimisedFirst);
        QVERIFY(p.frmMain.isMinimized());
    }

    void withNothingSelectedNothingHappens() {
        Program p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        auto* list = p.control<QListView>("lbxMovie");
        QVERIFY(!list->selectionModel()->hasSelection());
        p.menu("CheckInternet1")->trigger();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, 370));  // below
        // A search result list without results: double clicks there find no movie either.
        QTest::keyClicks(p.control<QLineEdit>("edtMovie"), QStringLiteral("no such movie"));
        QTest::mouseClick(p.control<QPushButton>("btnSearch"), Qt::LeftButton);
        auto* results = p.control<QTreeView>("lstvwMovieSearch");
        QCOMPARE(results->model()->rowCount(), 0);
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(p.browser.opened.isEmpty());
        QVERIFY(!p.frmMain.isMinimized());
    }

    void checkForUpdateOpensTheDownloadPage() {
        Program p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        p.menu("CheckforUpdate1")->trigger();
        QCOMPARE(p.browser.opened, QStringList{REELCASE_DOWNLOAD_PAGE});
        QVERIFY(p.browser.minimisedFirst);
        QVERIFY(p.frmMain.isMinimized());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"

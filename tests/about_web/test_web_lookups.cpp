#include <QTest>

#include "about_web/WebLookups.h"
#include "catalogue/TextCodec.h"
#include "main_window/MainWindowLogic.h"
#include "support/FakeDesktopShell.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

const QString kSearchUrl = QStringLiteral("https://www.imdb.com/Find?");

struct Fixture {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    FakeDesktopShell& desktop = doubles.desktop;
    MainWindowLogic logic{catalogue, doubles.seams()};

    explicit Fixture(const QStringList& names) {
        for (const QString& name : names) {
            appendMovie(catalogue, {toCatalogueText(name)});
        }
        logic.state.RefreshMovieList();
    }
    void select(const QString& name) {
        for (int i = 0; i < logic.state.list().size(); ++i) {
            if (logic.state.list().at(i) == toCatalogueText(name)) {
                logic.state.selectEntry(i);
            }
        }
    }
};

}  // namespace

class WebLookupsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void searchAddressIsTheHostFindAndTheNameAsListed() {
        QCOMPARE(movieSearchAddress("American Pie"), std::string("www.imdb.com/Find?American Pie"));
        const std::string odd = toCatalogueText(QString::fromUtf8("Amélie & #1 100% +?"));
        QCOMPARE(movieSearchAddress(odd), "www.imdb.com/Find?" + odd);
    }

    void lookupHandsTheBrowserTheEncodedName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("blanks") << "American Pie"
                                << "American%20Pie";
        QTest::newRow("ampersand") << "Fast & Furious"
                                   << "Fast%20%26%20Furious";
        QTest::newRow("hash") << "#9"
                              << "%239";
        QTest::newRow("percent, plus, ?") << "100% Love+1?"
                                          << "100%25%20Love%2B1%3F";
        QTest::newRow("accent") << QString::fromUtf8("Amélie") << "Am%C3%A9lie";
        QTest::newRow("euro sign") << QString::fromUtf8("Café €5") << "Caf%C3%A9%20%E2%82%AC5";
    }

    void lookupHandsTheBrowserTheEncodedName() {
        QFETCH(QString, name);
        QFETCH(QString, encoded);
        Fixture f({QStringLiteral("Another"), name});
        f.select(name);
        f.logic.web.lookUpSelectedMovie();
        QCOMPARE(f.desktop.calls, (QStringList{"minimise", kSearchUrl + encoded}));
        // The site reads back exactly the listed name.
        const QUrl sent = QUrl::fromEncoded(f.desktop.calls.at(1).toLatin1(), QUrl::StrictMode);
        QCOMPARE(sent.host(), QStringLiteral("www.imdb.com"));
        QCOMPARE(sent.path(), QStringLiteral("/Find"));
        QCOMPARE(sent.query(QUrl::FullyDecoded), name);
    }

    void bothCommandsMinimiseWhetherOrNotABrowserOpens() {
        Fixture f({QStringLiteral("Alien"), QStringLiteral("Zebra Crossing")});
        f.desktop.browserOpens = false;
        f.select(QStringLiteral("Zebra Crossing"));
        f.logic.web.lookUpSelectedMovie();
        f.logic.web.openDownloadPage();
        f.logic.web.lookUpSelectedMovie();  // the selection stays
        QCOMPARE(f.desktop.calls, (QStringList{"minimise", kSearchUrl + "Zebra%20Crossing",
                                               "minimise", REELCASE_DOWNLOAD_PAGE, "minimise",
                                               kSearchUrl + "Zebra%20Crossing"}));
        QVERIFY(f.dialogs.shown.empty());  // a failure is not reported
        const QUrl page = downloadPageUrl();
        QVERIFY(page.isValid() && !page.host().isEmpty());
        QCOMPARE(page.path(), QStringLiteral("/dvd/downloads/reel-case.html"));
    }

    void onlyTheMovieListsSelectionCounts() {
        Fixture empty({});
        empty.logic.web.lookUpSelectedMovie();
        QVERIFY(empty.desktop.calls.isEmpty());

        Fixture f(
            {QStringLiteral("Starship"), QStringLiteral("Alien"), QStringLiteral("Lodestar")});
        f.logic.web.lookUpSelectedMovie();
        QVERIFY(f.desktop.calls.isEmpty());
        // A picked search result is looked up through its entry in the main list.
        f.logic.finding.searchByName("star");
        f.logic.finding.selectSearchResult(1);
        f.logic.web.lookUpSelectedMovie();
        QCOMPARE(f.desktop.calls, (QStringList{"minimise", kSearchUrl + "Lodestar"}));
        // A click beside the results, or a filter, leaves the list without a selection.
        f.logic.finding.selectSearchResult(-1);
        f.logic.web.lookUpSelectedMovie();
        f.select(QStringLiteral("Alien"));
        f.logic.finding.filterChanged(FilterBox::Genre, 3);
        f.logic.web.lookUpSelectedMovie();
        QCOMPARE(f.desktop.calls.size(), 2);
    }
};

QTEST_GUILESS_MAIN(WebLookupsTest)
#include "test_web_lookups.moc"

#include <QTest>

#include <random>

#include "catalogue/TextCodec.h"
#include "main_window/MainWindowLogic.h"
#include "support/EditingProgram.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

std::string cp1252(const char* utf8) {
    return toCatalogueText(QString::fromUtf8(utf8));
}

struct Fixture : EditingProgram {
    QStringList found() const {
        QStringList names;
        for (const SearchRow& row : logic.searchRows()) {
            names << fromCatalogueText(row.name()) + QLatin1Char('/') +
                         fromCatalogueText(row.genre());
        }
        return names;
    }
};

}  // namespace

class FindTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void searchMatchesContiguousPiecesIgnoringPlainLetterCase() {
        Fixture f;
        for (const char* name : {"Starship", "LUCKY STAR", "Lodestar", "St. Ar", "Émile", "emile",
                                 "Deleted star", "Starship"}) {
            appendMovie(f.catalogue, {cp1252(name), "SF"});
        }
        f.catalogue.deleteMovie(7);
        f.logic.btnSearchClick("star");
        QCOMPARE(f.found(),
                 (QStringList{"Starship/SF", "LUCKY STAR/SF", "Lodestar/SF", "Starship/SF"}));
        QVERIFY(f.logic.takeSelectSearchTextRequest());
        QVERIFY(f.logic.takeSearchFocusRequest());

        f.logic.btnSearchClick("E");
        QCOMPARE(f.found(),
                 (QStringList{"Lodestar/SF", QString::fromUtf8("Émile/SF"), "emile/SF"}));
        f.logic.btnSearchClick(cp1252("é"));
        QCOMPARE(f.found(), QStringList{});  // é does not find É
        f.logic.btnSearchClick("");
        QCOMPARE(f.found().size(), 7);  // every named movie, in slot order
        QCOMPARE(f.found().at(4), QString::fromUtf8("Émile/SF"));
        f.logic.btnSearchClick("ship ");
        QVERIFY(f.found().isEmpty());
        f.logic.btnSearchClick(std::string(30, 'a'));
        QVERIFY(f.found().isEmpty());
    }

    void pickingAResultLiftsFiltersAndShowsIt() {
        Fixture f;
        appendMovie(f.catalogue, {"Brave", "Action"});
        appendMovie(f.catalogue, {"Calm", "Drama"});
        f.logic.RefreshMovieList();
        f.logic.filterChanged(FilterBox::Genre, 0);  // Action only
        QCOMPARE(f.entries(), QStringList{"Brave"});
        f.logic.btnSearchClick("calm");
        const int rowsRevision = f.logic.searchRevision();
        f.logic.lstvwMovieSearchClick(0);
        QCOMPARE(f.entries(), (QStringList{"Brave", "Calm"}));
        QCOMPARE(f.logic.filters(), FilterChoice{});
        QCOMPARE(f.logic.list().selected(), 1);
        QVERIFY(f.logic.details().starts_with("   Movie: Calm\r\n"));
        QCOMPARE(f.logic.searchRevision(), rowsRevision);  // results stay

        f.logic.lstvwMovieSearchClick(-1);  // a click on empty space
        QVERIFY(!f.logic.list().hasSelection());
        QVERIFY(f.logic.details().empty());

        f.logic.selectEntry(0);
        f.logic.btnClearSearchClick();
        QVERIFY(f.logic.searchRows().empty());
        QCOMPARE(f.logic.list().selected(), 0);  // list and panel untouched
        QVERIFY(!f.logic.details().empty());
    }

    void filtersStartFromTheWholeCatalogueOneAtATime() {
        Fixture f;
        appendMovie(f.catalogue, {"A", "Action", "DVD", "Nice", "", 1, 3});
        appendMovie(f.catalogue, {"B", "action", "DVD", "nice", "", 1, 3});
        appendMovie(f.catalogue, {"C", "Comedy", "AVI", "Nice", "", 1, 5});
        appendMovie(f.catalogue, {"", "Action", "DVD", "Nice", "", 1, 3});    // deleted
        appendMovie(f.catalogue, {"A", "Action", "RM", "Boring", "", 1, 1});  // a second A
        f.logic.RefreshMovieList();
        f.logic.selectEntry(0);

        f.logic.filterChanged(FilterBox::Genre, 0);
        QCOMPARE(f.entries(), (QStringList{"A", "A"}));
        QVERIFY(f.logic.details().empty() && !f.logic.list().hasSelection());
        f.logic.filterChanged(FilterBox::Format, 3);  // DVD, any genre
        QCOMPARE(f.entries(), (QStringList{"A", "B"}));
        QCOMPARE(f.logic.filters().genre, FilterChoice::AllGenres);
        QCOMPARE(f.logic.filters().format, 3);
        f.logic.filterChanged(FilterBox::Rating, 3);  // Nice, exact case
        QCOMPARE(f.entries(), (QStringList{"A", "C"}));
        f.logic.filterChanged(FilterBox::Quality, 2);  // 3/5
        QCOMPARE(f.entries(), (QStringList{"A", "B"}));
        f.logic.filterChanged(FilterBox::Genre, 4);  // Horror: nobody
        QVERIFY(f.entries().isEmpty());
        f.logic.filterChanged(FilterBox::Quality, FilterChoice::AllQualities);
        QCOMPARE(f.entries(), (QStringList{"A", "A", "B", "C"}));
        QCOMPARE(f.logic.filters(), FilterChoice{});
    }

    // Clearing a filter puts back the listing the filter put aside, unless the catalogue
    // changed in between (here by an undo, which shows the list without a refresh first).
    void clearedFilterShowsChangesMadeMeanwhile() {
        Fixture f;
        f.add({typed("Alpha")});
        f.add({typed("Beta")});
        f.logic.filterChanged(FilterBox::Genre, 3);
        f.logic.filterChanged(FilterBox::Genre, FilterChoice::AllGenres);
        QCOMPARE(f.entries(), (QStringList{"Alpha", "Beta"}));
        f.logic.filterChanged(FilterBox::Genre, 3);
        f.logic.EditUndoClick();
        QCOMPARE(f.entries(), QStringList{"Alpha"});
        f.logic.filterChanged(FilterBox::Genre, FilterChoice::AllGenres);
        QCOMPARE(f.entries(), QStringList{"Alpha"});
    }

    // The list after any sequence of commands, refreshed, equals a list built afresh from the
    // catalogue: a refresh that skips the rebuild, or puts back the listing a filter put aside,
    // must never show a stale list, also after edits made while a filter is on.
    void refreshAlwaysShowsTheWholeCatalogue() {
        Fixture f;
        std::mt19937 random(5);
        const auto name = [&] {
            return std::string(1, static_cast<char>('a' + random() % 6)) +
                   (random() % 2 ? "x" : "X");
        };
        for (int step = 0; step < 600; ++step) {
            switch (random() % 6) {
                case 0:
                    f.add({typed(name())});
                    break;
                case 1:
                case 2:
                    if (!f.logic.list().empty()) {
                        f.logic.selectEntry(static_cast<int>(random() % f.logic.list().size()));
                        f.dialogs.confirmAnswers.push_back(true);
                        f.logic.MenuDeleteMovieClick();
                    }
                    break;
                case 3:
                    if (!f.logic.list().empty()) {
                        f.logic.selectEntry(static_cast<int>(random() % f.logic.list().size()));
                        const std::string renamed = name();
                        f.movieDialog.sessions.push_back(
                            {{[renamed](MovieForm& m) { m.name = renamed; }}});
                        f.logic.MenuModifyaMovieClick();
                    }
                    break;
                case 4:
                    f.logic.filterChanged(FilterBox::Quality, static_cast<int>(random() % 6));
                    break;
                default:
                    f.logic.RefreshMovieList();
                    break;
            }
            if (random() % 3 != 0) {
                continue;  // the next command meets the list as this one left it
            }
            f.logic.RefreshMovieList();
            std::vector<std::string_view> named;
            for (int n = 1; n <= f.catalogue.movieCount(); ++n) {
                if (!nameOf(f.catalogue.slot(n)).empty()) {
                    named.push_back(nameOf(f.catalogue.slot(n)));
                }
            }
            MovieList fresh;
            fresh.addAll(named);
            QCOMPARE(f.logic.list().size(), fresh.size());
            for (int i = 0; i < fresh.size(); ++i) {
                QCOMPARE(f.logic.list().at(i), fresh.at(i));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FindTest)
#include "test_find.moc"

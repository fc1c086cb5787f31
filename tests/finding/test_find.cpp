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
        for (const SearchRow& row : logic.state.searchRows()) {
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
        f.logic.finding.searchByName("star");
        QCOMPARE(f.found(),
                 (QStringList{"Starship/SF", "LUCKY STAR/SF", "Lodestar/SF", "Starship/SF"}));
        QVERIFY(f.logic.state.takeSelectSearchTextRequest());
        QVERIFY(f.logic.state.takeSearchFocusRequest());

        f.logic.finding.searchByName("E");
        QCOMPARE(f.found(),
                 (QStringList{"Lodestar/SF", QString::fromUtf8("Émile/SF"), "emile/SF"}));
        f.logic.finding.searchByName(cp1252("é"));
        QCOMPARE(f.found(), QStringList{});  // é does not find É
        f.logic.finding.searchByName("");
        QCOMPARE(f.found().size(), 7);  // every named movie, in slot order
        QCOMPARE(f.found().at(4), QString::fromUtf8("Émile/SF"));
        f.logic.finding.searchByName("ship ");
        QVERIFY(f.found().isEmpty());
        f.logic.finding.searchByName(std::string(30, 'a'));
        QVERIFY(f.found().isEmpty());
    }

    void pickingAResultLiftsFiltersAndShowsIt() {
        Fixture f;
        appendMovie(f.catalogue, {"Brave", "Action"});
        appendMovie(f.catalogue, {"Calm", "Drama"});
        f.logic.state.RefreshMovieList();
        f.logic.finding.filterChanged(FilterBox::Genre, 0);  // Action only
        QCOMPARE(f.entries(), QStringList{"Brave"});
        f.logic.finding.searchByName("calm");
        const int rowsRevision = f.logic.state.searchRevision();
        f.logic.finding.selectSearchResult(0);
        QCOMPARE(f.entries(), (QStringList{"Brave", "Calm"}));
        QCOMPARE(f.logic.state.filters(), FilterChoice{});
        QCOMPARE(f.logic.state.list().selected(), 1);
        QVERIFY(f.logic.state.details().starts_with("   Movie: Calm\r\n"));
        QCOMPARE(f.logic.state.searchRevision(), rowsRevision);  // results stay

        f.logic.finding.selectSearchResult(-1);  // a click on empty space
        QVERIFY(!f.logic.state.list().hasSelection());
        QVERIFY(f.logic.state.details().empty());

        f.logic.state.selectEntry(0);
        f.logic.finding.clearSearch();
        QVERIFY(f.logic.state.searchRows().empty());
        QCOMPARE(f.logic.state.list().selected(), 0);  // list and panel untouched
        QVERIFY(!f.logic.state.details().empty());
    }

    void filtersStartFromTheWholeCatalogueOneAtATime() {
        Fixture f;
        appendMovie(f.catalogue, {"A", "Action", "DVD", "Nice", "", 1, 3});
        appendMovie(f.catalogue, {"B", "action", "DVD", "nice", "", 1, 3});
        appendMovie(f.catalogue, {"C", "Comedy", "AVI", "Nice", "", 1, 5});
        appendMovie(f.catalogue, {"", "Action", "DVD", "Nice", "", 1, 3});    // deleted
        appendMovie(f.catalogue, {"A", "Action", "RM", "Boring", "", 1, 1});  // a second A
        f.logic.state.RefreshMovieList();
        f.logic.state.selectEntry(0);

        f.logic.finding.filterChanged(FilterBox::Genre, 0);
        QCOMPARE(f.entries(), (QStringList{"A", "A"}));
        QVERIFY(f.logic.state.details().empty() && !f.logic.state.list().hasSelection());
        f.logic.finding.filterChanged(FilterBox::Format, 3);  // DVD, any genre
        QCOMPARE(f.entries(), (QStringList{"A", "B"}));
        QCOMPARE(f.logic.state.filters().genre, FilterChoice::AllGenres);
        QCOMPARE(f.logic.state.filters().format, 3);
        f.logic.finding.filterChanged(FilterBox::Rating, 3);  // Nice, exact case
        QCOMPARE(f.entries(), (QStringList{"A", "C"}));
        f.logic.finding.filterChanged(FilterBox::Quality, 2);  // 3/5
        QCOMPARE(f.entries(), (QStringList{"A", "B"}));
        f.logic.finding.filterChanged(FilterBox::Genre, 4);  // Horror: nobody
        QVERIFY(f.entries().isEmpty());
        f.logic.finding.filterChanged(FilterBox::Quality, FilterChoice::AllQualities);
        QCOMPARE(f.entries(), (QStringList{"A", "A", "B", "C"}));
        QCOMPARE(f.logic.state.filters(), FilterChoice{});
    }

    // Clearing a filter puts back the listing the filter put aside, unless the catalogue
    // changed in between (here by an undo, which shows the list without a refresh first).
    void clearedFilterShowsChangesMadeMeanwhile() {
        Fixture f;
        f.add({typed("Alpha")});
        f.add({typed("Beta")});
        f.logic.finding.filterChanged(FilterBox::Genre, 3);
        f.logic.finding.filterChanged(FilterBox::Genre, FilterChoice::AllGenres);
        QCOMPARE(f.entries(), (QStringList{"Alpha", "Beta"}));
        f.logic.finding.filterChanged(FilterBox::Genre, 3);
        f.logic.undo.undoStep();
        QCOMPARE(f.entries(), QStringList{"Alpha"});
        f.logic.finding.filterChanged(FilterBox::Genre, FilterChoice::AllGenres);
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
                    if (!f.logic.state.list().empty()) {
                        f.logic.state.selectEntry(
                            static_cast<int>(random() % f.logic.state.list().size()));
                        f.dialogs.confirmAnswers.push_back(true);
                        f.logic.editing.deleteSelectedMovie();
                    }
                    break;
                case 3:
                    if (!f.logic.state.list().empty()) {
                        f.logic.state.selectEntry(
                            static_cast<int>(random() % f.logic.state.list().size()));
                        const std::string renamed = name();
                        f.movieDialog.sessions.push_back(
                            {{[renamed](MovieForm& m) { m.name = renamed; }}});
                        f.logic.editing.modifySelectedMovie();
                    }
                    break;
                case 4:
                    f.logic.finding.filterChanged(FilterBox::Quality,
                                                  static_cast<int>(random() % 6));
                    break;
                default:
                    f.logic.state.RefreshMovieList();
                    break;
            }
            if (random() % 3 != 0) {
                continue;  // the next command meets the list as this one left it
            }
            f.logic.state.RefreshMovieList();
            std::vector<std::string_view> named;
            for (int n = 1; n <= f.catalogue.movieCount(); ++n) {
                if (!nameOf(f.catalogue.slot(n)).empty()) {
                    named.push_back(nameOf(f.catalogue.slot(n)));
                }
            }
            MovieList fresh;
            fresh.addAll(named);
            QCOMPARE(f.logic.state.list().size(), fresh.size());
            for (int i = 0; i < fresh.size(); ++i) {
                QCOMPARE(f.logic.state.list().at(i), fresh.at(i));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FindTest)
#include "test_find.moc"

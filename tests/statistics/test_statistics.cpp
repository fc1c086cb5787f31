// The statistics without windows: totals and tables of a catalogue worked out by hand, with
// unmeasured lengths and sizes, the listed movies a filter leaves, the menu command, and the
// command line's text and comma-separated output.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "exchange/CommandLine.h"
#include "launcher/ProgramChoice.h"
#include "statistics/MovieStatistics.h"
#include "statistics/StatisticsText.h"
#include "support/EditingProgram.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// Six movies and a deleted one. Lengths: 118 + 142 + 115 + 98 = 473 minutes measured, two
// not (0 and -30); sizes: 4500 + 700 + 1400 + 800 = 7400 MB measured, two not (-5 and 0).
// "drama" and quality 7 are outside the vocabularies.
const std::vector<Movie> kMovies = {
    {"Alien", "SF", "DVD", "Perfect Movie", "", 118, 5, 4500},
    {"Brazil", "SF", "AVI", "Nice", "", 142, 4, 700},
    {"Cats", "Family", "MPG", "Walk Away Movie", "", 0, 1, -5},
    {"Dune", "SF", "DVD", "Walk Away Movie", "", -30, 2, 0},
    {"Eraser", "Action", "AVI", "Boring", "", 115, 3, 1400},
    {"Fargo", "drama", "RM", "Normal", "", 98, 7, 800},
    {"Gone", "SF", "DVD", "Nice", "", 500, 5, 9000},  // deleted below
};

void fill(Catalogue& catalogue) {
    for (const Movie& m : kMovies) {
        appendMovie(catalogue, m);
    }
    catalogue.deleteMovie(7);
}

struct Row {
    std::string label;
    std::int64_t movies, minutes, megabytes, withoutLength, withoutSize;
    bool operator==(const Row&) const = default;
};

std::vector<Row> rowsOf(const MovieStatistics& s, FilterBox grouping) {
    std::vector<Row> rows;
    for (const StatisticsGroup& g : s.groups(grouping)) {
        const Tally& t = g.tally;
        rows.push_back(
            {g.label, t.movies, t.minutes, t.megabytes, t.withoutLength(), t.withoutSize()});
    }
    return rows;
}

// Runs the command line in this process; its exit status and what it wrote.
struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

std::string contents(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
    }
    std::fclose(file);
    return text;
}

Run run(const QStringList& arguments) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    MeasuringModule measuring({});
    Run result;
    result.status = runCommandLine(arguments, out, err, measuring);
    result.out = contents(out);
    result.err = contents(err);
    return result;
}

}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void totalsCountUnmeasuredLengthsAndSizesApart() {
        EditingProgram p;
        fill(p.catalogue);
        p.logic.state.RefreshMovieList();
        const MovieStatistics s =
            listedStatistics(p.catalogue, p.logic.state.list(), p.logic.state.filters());
        const Tally& t = s.totals();
        QCOMPARE(t.movies, 6);
        QCOMPARE(t.minutes, 473);
        QCOMPARE(t.megabytes, 7400);
        QCOMPARE(t.withoutLength(), 2);
        QCOMPARE(t.withoutSize(), 2);
        QCOMPARE(hoursAndMinutes(t.minutes), std::string("7 h 53 min"));
        QCOMPARE(gigabytesText(t.megabytes), std::string("7.2 GB"));
        // Averages over the measured movies only: 473 / 4 and 7400 / 4.
        QCOMPARE(averageLengthText(t), std::string("1 h 58 min"));
        QCOMPARE(averageSizeText(t), std::string("1,850 MB"));
        QCOMPARE(averageLengthText(Tally{}), std::string("none measured"));

        // Huge stored numbers add up without overflow.
        Tally big;
        MovieRecord r = makeRecord({"Long", "SF"});
        r.Length = INT32_MAX;
        r.Size = INT32_MAX;
        big.add(r);
        big.add(r);
        QCOMPARE(big.minutes, 2 * static_cast<std::int64_t>(INT32_MAX));
        QCOMPARE(groupedNumber(big.megabytes), std::string("4,294,967,294"));
    }

    void tablesKeepTheFilterBoxesOrderAndGatherOtherValues() {
        EditingProgram p;
        fill(p.catalogue);
        p.logic.state.RefreshMovieList();
        const MovieStatistics s =
            listedStatistics(p.catalogue, p.logic.state.list(), p.logic.state.filters());
        // Ratings from the worst up, as the rating box lists them, not alphabetically.
        QCOMPARE(rowsOf(s, FilterBox::Rating),
                 (std::vector<Row>{{"Walk Away Movie", 2, 0, 0, 2, 2},
                                   {"Boring", 1, 115, 1400, 0, 0},
                                   {"Normal", 1, 98, 800, 0, 0},
                                   {"Nice", 1, 142, 700, 0, 0},
                                   {"Pretty Good", 0, 0, 0, 0, 0},
                                   {"Perfect Movie", 1, 118, 4500, 0, 0}}));
        QCOMPARE(rowsOf(s, FilterBox::Genre), (std::vector<Row>{{"Action", 1, 115, 1400, 0, 0},
                                                                {"Thriller", 0, 0, 0, 0, 0},
                                                                {"Comedy", 0, 0, 0, 0, 0},
                                                                {"Drama", 0, 0, 0, 0, 0},
                                                                {"Horror", 0, 0, 0, 0, 0},
                                                                {"Family", 1, 0, 0, 1, 1},
                                                                {"SF", 3, 260, 5200, 1, 1},
                                                                {"Anime", 0, 0, 0, 0, 0},
                                                                {"Fantasy", 0, 0, 0, 0, 0},
                                                                {"(other)", 1, 98, 800, 0, 0}}));
        QCOMPARE(rowsOf(s, FilterBox::Format),
                 (std::vector<Row>{{"AVI", 2, 257, 2100, 0, 0},
                                   {"ASF", 0, 0, 0, 0, 0},
                                   {"MPG", 1, 0, 0, 1, 1},
                                   {"DVD", 2, 118, 4500, 1, 1},
                                   {"RM", 1, 98, 800, 0, 0}}));  // no "(other)": none is
        QCOMPARE(s.groups(FilterBox::Quality).back().label, std::string("(other)"));
        QCOMPARE(s.groups(FilterBox::Quality)[4].tally.movies, 1);  // 5/5: Alien
        QCOMPARE(s.groups(FilterBox::Rating)[0].item, 0);
        QCOMPARE(s.groups(FilterBox::Genre).back().item, -1);
    }

    void aFilteredListCountsTheSlotsItShows() {
        EditingProgram p;
        fill(p.catalogue);
        // Two slots of one name: the SF list shows one entry, for the SF one.
        appendMovie(p.catalogue, {"Twin", "SF", "DVD", "Nice", "", 90, 3, 1000});
        appendMovie(p.catalogue, {"Twin", "Drama", "DVD", "Nice", "", 10, 3, 100});
        p.logic.state.RefreshMovieList();
        QCOMPARE(listedStatistics(p.catalogue, p.logic.state.list(), p.logic.state.filters())
                     .totals()
                     .movies,
                 8);                                         // both twins, once each
        p.logic.finding.filterChanged(FilterBox::Genre, 6);  // SF
        const MovieStatistics s =
            listedStatistics(p.catalogue, p.logic.state.list(), p.logic.state.filters());
        QCOMPARE(s.totals().movies, 4);  // Alien, Brazil, Dune, the SF twin
        QCOMPARE(s.totals().minutes, 118 + 142 + 90);
        QCOMPARE(statisticsTitle(s.totals().movies, p.logic.state.filters()),
                 std::string("Statistics of 4 movies (Genre: SF)"));

        // The menu command shows them under that title; a group picked in a chart filters the
        // list as its filter box does.
        p.logic.statistics.showStatistics();
        QCOMPARE(p.doubles.statistics.titles,
                 std::vector<QString>{"Statistics of 4 movies (Genre: SF)"});
        QCOMPARE(p.doubles.statistics.totals.back().megabytes, 4500 + 700 + 1000);
        p.doubles.statistics.choose(FilterBox::Rating, 0);  // Walk Away Movie
        QCOMPARE(p.entries(), (QStringList{"Cats", "Dune"}));
        QCOMPARE(p.logic.state.filters(), (FilterChoice{.rating = 0}));
        p.logic.statistics.showStatistics();
        QCOMPARE(p.doubles.statistics.titles.back(),
                 QString("Statistics of 2 movies (Rating: Walk Away Movie)"));
    }

    void numbersAreGroupedAndRounded() {
        QCOMPARE(groupedNumber(0), std::string("0"));
        QCOMPARE(groupedNumber(999), std::string("999"));
        QCOMPARE(groupedNumber(1000), std::string("1,000"));
        QCOMPARE(groupedNumber(-1234567), std::string("-1,234,567"));
        QCOMPARE(groupedDecimal(1234.56, 1), std::string("1,234.6"));
        QCOMPARE(groupedDecimal(0.04, 1), std::string("0.0"));
        QCOMPARE(groupedDecimal(999.96, 1), std::string("1,000.0"));
        QCOMPARE(hoursAndMinutes(59), std::string("59 min"));
        QCOMPARE(hoursAndMinutes(65), std::string("1 h 05 min"));
        QCOMPARE(hoursAndMinutes(123090), std::string("2,051 h 30 min"));
        QCOMPARE(shareText(1, 3), std::string("33.3 %"));
        QCOMPARE(shareText(0, 0), std::string("-"));
        QCOMPARE(statisticsTitle(1234, FilterChoice()), std::string("Statistics of 1,234 movies"));
        QCOMPARE(statisticsTitle(1, FilterChoice{.quality = 2}),
                 std::string("Statistics of 1 movie (Quality: 3/5)"));
    }

    void commandLinePrintsTextAndCsv() {
        QTemporaryDir dir;
        const QString file = dir.filePath("movies.rcb");
        std::string bytes;
        for (const Movie& m : kMovies) {
            if (m.name != "Gone") {
                bytes += recordBytes(m);
            }
        }
        writeBytes(file, bytes);

        const Run text = run({"stats", file, "--by", "rating"});
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out,
                 std::string("Movies              6\n"
                             "Length of film      7 h 53 min\n"
                             "Size                7.2 GB\n"
                             "Average length      1 h 58 min\n"
                             "Average size        1,850 MB\n"
                             "No length measured  2\n"
                             "No size measured    2\n"
                             "\n"
                             "Rating               Movies      Share      Hours  Gigabytes\n"
                             "Walk Away Movie           2     33.3 %        0.0        0.0\n"
                             "Boring                    1     16.7 %        1.9        1.4\n"
                             "Normal                    1     16.7 %        1.6        0.8\n"
                             "Nice                      1     16.7 %        2.4        0.7\n"
                             "Pretty Good               0      0.0 %        0.0        0.0\n"
                             "Perfect Movie             1     16.7 %        2.0        4.4\n"));

        const Run csv = run({"stats", file, "--format=csv", "--by", "Quality"});
        QCOMPARE(csv.status, 0);
        QCOMPARE(csv.out, std::string("table,value,movies,minutes,megabytes,no length,no size\n"
                                      "all,,6,473,7400,2,2\n"
                                      "quality,1/5,1,0,0,1,1\n"
                                      "quality,2/5,1,0,0,1,1\n"
                                      "quality,3/5,1,115,1400,0,0\n"
                                      "quality,4/5,1,142,700,0,0\n"
                                      "quality,5/5,1,118,4500,0,0\n"
                                      "quality,(other),1,98,800,0,0\n"));

        // Without --by, all four tables in the window's order.
        const Run all = run({"stats", file});
        QCOMPARE(all.status, 0);
        const auto at = [&](const char* heading) { return all.out.find(heading); };
        QVERIFY(at("\nGenre ") < at("\nFormat ") && at("\nFormat ") < at("\nRating ") &&
                at("\nRating ") < at("\nQuality ") && at("\nQuality ") != std::string::npos);

        QCOMPARE(run({"stats", file, "--by", "year"}).status, 2);
        QCOMPARE(run({"stats", file, "--format", "html"}).status, 2);
        QCOMPARE(run({"stats"}).status, 2);
        const Run missing = run({"stats", dir.filePath("none.rcb")});
        QCOMPARE(missing.status, 2);
        QVERIFY(missing.err.find("none.rcb") != std::string::npos);
        const QByteArray name = QFile::encodeName(file);
        const char* const words[] = {"stats", name.constData()};
        QVERIFY(!opensWindow(words));
        QVERIFY(run({"--help"}).out.find("reelcase stats CATALOGUE.rcb") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "test_statistics.moc"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "export_print/ExportRows.h"
#include "main_window/MainWindowLogic.h"
#include "support/FailingFileSystem.h"
#include "support/FakePrintDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

const Movie kHarbour{"Harbour Lights", "Drama", "DVD", "Pretty Good", "", 112, 4, 4380};
const Movie kZebra{"Zebra Crossing", "Comedy", "RM", "Nice", "", 95, 3, 350};
const QByteArray kHarbourRow =
    "   1. Harbour Lights                |Drama    | DVD  |Pretty Good     |112Min |  4/5  |4380MB";
const QByteArray kZebraRow =
    "   2. Zebra Crossing                |Comedy   | RM  |Nice            | 95Min |  3/5  | 350MB";
const QByteArray kHeader =
    "      Movie Name                    |Genre    |Format|Rating          |Length |Quality|Size  "
    " ";
const QByteArray kThanks = QByteArray(30, ' ') + "Thank you for using Reel-Case Database!";
const QByteArray kClosing = QByteArray(27, ' ') + "---====>>>>> VANO <<<<<====---";
const QString kNoMovies = QStringLiteral("Please make sure you have some Movies in your database");
const QString kExportFailed = QStringLiteral("There went something wrong with exporting!");
const QString kPrintFailed = QStringLiteral("There went something wrong with printing!");

QByteArray bytes(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

QByteArray row(int number, const Movie& movie) {
    ListLine line;
    makeMovieRow(number, makeRecord(movie), line);
    return bytes(line.text());
}

struct Fixture {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    FailingFileSystem& fileSystem = doubles.fileSystem;
    FakePrintDevice& printer = doubles.printer;
    MainWindowLogic logic{catalogue, doubles.seams()};

    void list(std::initializer_list<Movie> movies) {
        for (const Movie& m : movies) {
            appendMovie(catalogue, m);
        }
        logic.state.RefreshMovieList();
    }
    void exportTo(const QString& path) {
        dialogs.fileAnswers.push_back(path);
        logic.output.outputList(ListMenuItem::MenuExportList);
    }
    void print() { logic.output.outputList(ListMenuItem::MenuPrintList); }

    // The printed lines: the parts drawn at one place on the paper joined, with their style.
    QList<QPair<QByteArray, PrintStyle>> printed() const {
        QList<QPair<QByteArray, PrintStyle>> lines;
        for (std::size_t i = 0; i < printer.drawn.size(); ++i) {
            const auto& d = printer.drawn[i];
            if (i == 0 || d.y != printer.drawn[i - 1].y || d.page != printer.drawn[i - 1].page) {
                lines.append({{}, d.style});
            }
            lines.back().first += bytes(d.text);
        }
        return lines;
    }
};

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

  private Q_SLOTS:
    // The rows' exact bytes: exportWritesTheSixLinesAndNamesTheFile, piecesGrowButAreNeverCut.
    void rowsStandUnderTheHeader() {
        // A three-letter format and short numbers put every bar under the header's bars.
        const QByteArray standard = row(7, {"Base", "Drama", "DVD", "Nice", "", 100, 3, 700});
        QCOMPARE(standard.size(), kHeader.size() - 1);
        for (qsizetype i = 0; i < standard.size(); ++i) {
            QCOMPARE(standard[i] == '|', kHeader[i] == '|');
        }
    }

    void piecesGrowButAreNeverCut() {
        const QByteArray head =
            "   1. Base                          |Drama    | DVD  |Nice            |";
        const struct {
            int length, quality, size;
            QByteArray tail;
        } numbers[] = {
            {1234, 3, 700, "1234Min |  3/5  | 700MB"},
            {5, 3, 700, "  5Min |  3/5  | 700MB"},
            {-5, -1, -42, " -5Min |  -1/5  | -42MB"},
            {100, 10, 12345, "100Min |  10/5  |12345MB"},
            {100, 3, 7, "100Min |  3/5  |   7MB"},
            {-2147483647 - 1, 3, 700, "-2147483648Min |  3/5  | 700MB"},
        };
        for (const auto& n : numbers) {
            QCOMPARE(row(1, {"Base", "Drama", "DVD", "Nice", "", n.length, n.quality, n.size}),
                     head + n.tail);
        }
        QCOMPARE(row(1, {"Base", "Drama", "RM"}),
                 "   1. Base                          |Drama    | RM  |Nice            |100Min |  "
                 "3/5  | 700MB");
        QCOMPARE(row(1, {"The Twenty-Nine Letter Title!", "Thriller", "DVD", "Walk Away Movie"}),
                 "   1. The Twenty-Nine Letter Title! |Thriller | DVD  |Walk Away Movie |100Min |  "
                 "3/5  | 700MB");
        // The row number grows to the left until it fills its room, then pushes the row.
        QCOMPARE(row(12, {"B"}).left(8), "  12. B ");
        QCOMPARE(row(100, {"B"}).left(8), " 100. B ");
        QCOMPARE(row(100000, {"B"}).left(9), "100000. B");
        QCOMPARE(row(1, {"\xC9tude"}).mid(6, 7), "\xC9tude  ");  // bytes as stored
    }

    void everySlotOfAListedNameIsWrittenUnderItsEntry() {
        Fixture f;
        f.list({{"Bravo", "Action"},
                {"alpha", "Comedy"},
                {"", "Horror"},
                {"Bravo", "Drama"},
                {"bravo", "Family"}});
        // Listed: alpha, Bravo, Bravo, bravo. The deleted slot is never written.
        const QList<QByteArray> lines =
            bytes(listExportBytes(f.catalogue, f.logic.state.list())).split('\n');
        QList<QByteArray> rows;
        for (qsizetype i = 1; lines[i] != "\r"; ++i) {
            rows << lines[i].left(6) + lines[i].mid(37, 6);
        }
        QCOMPARE(rows, (QList<QByteArray>{"   1. Comedy", "   2. Action", "   2. Drama ",
                                          "   3. Action", "   3. Drama ", "   4. Family"}));
    }

    void exportWritesTheSixLinesAndNamesTheFile() {
        Fixture f;
        f.list({kZebra, kHarbour});
        const QString file = path("list.txt");
        writeBytes(file, std::string(5000, 'x'));  // an older, longer file is replaced
        f.exportTo(file);
        QCOMPARE(readBytes(file), kHeader + "\r\n" + kHarbourRow + "\r\n" + kZebraRow + "\r\n\r\n" +
                                      kThanks + "\r\n" + kClosing + "\r\n");
        QCOMPARE(f.dialogs.texts(),
                 QStringList{"The file: \"list.txt\" is succesfully created with all the Movies!"});
        const FileDialogRequest& request = f.dialogs.fileRequests.at(0);
        QCOMPARE(request.filterDescription + request.pattern + request.defaultSuffix,
                 QStringLiteral("Movie List (Textfile)*.txttxt"));
        QVERIFY(request.fileName.isEmpty());

        // The dialog offers the name chosen last time; a cancel does nothing at all.
        f.dialogs.clear();
        f.dialogs.fileAnswers.push_back(std::nullopt);
        f.logic.output.outputList(ListMenuItem::MenuExportList);
        QCOMPARE(f.dialogs.fileRequests.at(0).fileName, file);
        QCOMPARE(f.dialogs.shown.size(), std::size_t{1});
    }

    void aFilteredListIsNumberedFromOne() {
        Fixture f;
        f.list({kHarbour, {"Quiet Days"}, kZebra, {"Airplane", "Comedy", "AVI", "", "", 88, 5, 7}});
        f.logic.finding.filterChanged(FilterBox::Genre, 2);  // Comedy
        f.exportTo(path("comedies.txt"));
        QCOMPARE(readBytes(path("comedies.txt")).split('\n').mid(1, 2),
                 (QList<QByteArray>{"   1. Airplane                      |Comedy   | AVI  |"
                                    "                | 88Min |  5/5  |   7MB\r",
                                    kZebraRow + "\r"}));
        QCOMPARE(f.dialogs.texts(), QStringList{"The file: \"comedies.txt\" is succesfully created "
                                                "with all the Movies!"});
    }

    void nothingListedAsksNothing() {
        Fixture f;
        f.logic.output.outputList(ListMenuItem::MenuExportList);
        f.list({kHarbour});
        f.logic.finding.filterChanged(FilterBox::Genre, 4);  // Horror: nothing
        f.print();
        QCOMPARE(f.dialogs.texts(), (QStringList{kNoMovies, kNoMovies}));
        QVERIFY(f.dialogs.fileRequests.empty());
        QVERIFY(f.printer.calls.empty());
    }

    void exportFailuresShowOneMessage() {
        const auto failing = [&](FailingFileSystem::Step step, const QString& file) {
            Fixture f;
            f.list({kHarbour});
            f.fileSystem.failAt = step;
            f.exportTo(file);
            return f.dialogs.texts();
        };
        using Step = FailingFileSystem::Step;
        QCOMPARE(failing(Step::None, path("no such folder/list.txt")), QStringList{kExportFailed});
        // A device node of its own (the full device's numbers): no real one is at stake.
        const QString full = path("full");
        if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
            QCOMPARE(failing(Step::None, full), QStringList{kExportFailed});
        }
        QCOMPARE(failing(Step::Write, path("unwritten.txt")), QStringList{kExportFailed});
        QCOMPARE(failing(Step::Close, path("unclosed.txt")), QStringList{kExportFailed});

        // What is not a regular file is refused, and a pipe never blocks the export.
        const QString fifo = path("pipe.txt");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        Fixture piped;
        piped.list({kHarbour});
        auto work = std::async(std::launch::async, [&] { piped.exportTo(fifo); });
        if (work.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            const int end = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
            work.wait();
            ::close(end);
            QFAIL("exporting into a named pipe blocked");
        }
        QCOMPARE(piped.dialogs.texts(), QStringList{kExportFailed});
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));

        // Short writes are carried on until the whole file stands.
        Fixture f;
        f.list({kHarbour, kZebra});
        f.fileSystem.shortWriteLimit = 7;
        f.exportTo(path("short.txt"));
        QCOMPARE(readBytes(path("short.txt")),
                 bytes(listExportBytes(f.catalogue, f.logic.state.list())));
        QCOMPARE(f.dialogs.texts().size(), 1);
    }

    void printDrawsTheSameLinesInTheirStyles() {
        Fixture f;
        f.list({kZebra, kHarbour});
        f.print();
        using S = PrintStyle;
        QCOMPARE(f.printed(), (QList<QPair<QByteArray, PrintStyle>>{{kHeader, S::BoldUnderlined},
                                                                    {kHarbourRow, S::Regular},
                                                                    {kZebraRow, S::Regular},
                                                                    {kThanks, S::Regular},
                                                                    {kClosing, S::Bold}}));
        // Each piece starts where the one before ended; the empty line advances 18.
        QCOMPARE(f.printer.drawn.size(), std::size_t{1 + 16 + 16 + 1 + 1});
        QCOMPARE(f.printer.drawn[2].x, 60);
        QCOMPARE(f.printer.drawn[33].y, 3 * 22 + 18);
        QCOMPARE(f.printer.calls, (QByteArrayList{"style", "begin", "style", "style", "end"}));
        QCOMPARE(f.dialogs.texts(),
                 QStringList{"The device \"Office Laser\" is now printing your movie database!"});
    }

    void aLongListRunsOverPagesWithoutLosingALine() {
        // Lines 22 high on pages 1000 high: a page holds 44 lines, so the header, 120 rows
        // and the three closing lines take 44 + 44 + 36.
        Fixture f;
        QList<QByteArray> expected{kHeader};
        for (int i = 1; i <= 120; ++i) {
            appendMovie(f.catalogue, {"Movie " + std::to_string(1000 + i)});
            expected << row(i, {"Movie " + std::to_string(1000 + i)});
        }
        expected << kThanks << kClosing;
        f.logic.state.RefreshMovieList();
        f.print();
        QList<QByteArray> lines;
        for (const auto& line : f.printed()) {
            lines << line.first;
        }
        QCOMPARE(lines, expected);
        QCOMPARE(f.printer.calls.count("newPage"), 2);
        QList<int> tops;  // where each page's first and last line stand
        for (std::size_t i = 0; i < f.printer.drawn.size(); ++i) {
            const auto& d = f.printer.drawn[i];
            if (i == 0 || d.page != f.printer.drawn[i - 1].page) {
                tops << d.y;
            }
            if (i + 1 == f.printer.drawn.size() || d.page != f.printer.drawn[i + 1].page) {
                tops << d.y;
            }
        }
        QCOMPARE(tops, (QList<int>{0, 43 * 22, 0, 43 * 22, 0, 34 * 22 + 18}));
    }

    void printFailuresShowOneMessage() {
        Fixture begin;
        begin.list({kHarbour});
        begin.printer.failBegin = true;
        begin.print();
        QCOMPARE(begin.dialogs.texts(), QStringList{kPrintFailed});
        QVERIFY(begin.printer.drawn.empty());

        Fixture page;  // three lines a page; the second page break fails
        page.printer.height = 100;
        page.printer.failNewPageNumber = 2;
        page.list({kHarbour, kZebra, {"C"}, {"D"}, {"E"}, {"F"}});
        page.print();
        QCOMPARE(page.dialogs.texts(), QStringList{kPrintFailed});
        QCOMPARE(page.printer.calls.back(), "abort");
        QCOMPARE(page.printer.drawn.size(), std::size_t{1 + 5 * 16});

        Fixture end;
        end.list({kHarbour});
        end.printer.failEnd = true;
        end.print();
        QCOMPARE(end.dialogs.texts(), QStringList{kPrintFailed});
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "test_export.moc"

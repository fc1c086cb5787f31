#include <cerrno>
#include <thread>

#include <QTemporaryDir>
#include <QTest>

#include "exchange/ByteTable.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/ListExports.h"
#include "main_window/MainWindowLogic.h"
#include "seams/BackgroundWork.h"
#include "support/FailingFileSystem.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

struct Fixture {
    explicit Fixture(BackgroundWork* work = nullptr) : doubles(catalogue, nullptr, work) {}
    Catalogue catalogue;
    TestSeams doubles;
    FakeUserDialogs& dialogs = doubles.dialogs;
    FailingFileSystem& fileSystem = doubles.fileSystem;
    MainWindowLogic logic{catalogue, doubles.seams()};

    void list(std::initializer_list<Movie> movies) {
        for (const Movie& m : movies) {
            appendMovie(catalogue, m);
        }
        logic.state.RefreshMovieList();
    }
};

// Runs the work on a thread of its own, as the window does, and cancels it when its
// progress first passes cancelAt (never when negative; before it starts when 0).
class ThreadWork : public BackgroundWork {
  public:
    int cancelAt = -1;
    bool cancelledWhileRunning = false;
    QStringList labels;
    bool run(const QString& label, const std::function<void(WorkProgress&)>& work) override {
        labels.append(label);
        WorkProgress progress;
        if (cancelAt == 0) {
            progress.cancel();
        }
        std::atomic<bool> done{false};
        std::thread worker([&] {
            work(progress);
            done = true;
        });
        while (!done) {
            if (cancelAt > 0 && progress.done() > cancelAt && !progress.cancelled()) {
                progress.cancel();
                cancelledWhileRunning = !done;
            }
            std::this_thread::yield();
        }
        worker.join();
        return !progress.cancelled();
    }
};

// Enough rows that reading them reports progress many times.
std::string manyRows(int count) {
    std::string rows = "Name,Genre,Format,Rating,Length,Quality,Size,Personal Info\n";
    for (int i = 0; i < count; ++i) {
        rows += "Movie " + std::to_string(i) + ",Comedy,DVD,Nice,90,3,700,\"a, \"\"b\"\"\"\n";
    }
    rows += "broken,\"not closed\n";
    return rows;
}

const QString kExported =
    QStringLiteral("The file: \"%1\" is succesfully created with all the Movies!");

}  // namespace

class ExchangeCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

  private Q_SLOTS:
    void exportsWriteTheFilteredList();
    void exportFailureKeepsTheOldFile();
    void emptyListExportsNothing();
    void importMergesAndReports();
    void importOfAnUnreadableFileChangesNothing();
    void workOffTheWindowThreadGivesTheSynchronousResult();
    void cancelledWorkChangesNothing();
};

void ExchangeCommandsTest::exportsWriteTheFilteredList() {
    Fixture f;
    f.list({{"Alpha", "Comedy"}, {"Beta", "Drama"}, {"Gamma", "Comedy"}});
    f.logic.finding.filterChanged(FilterBox::Genre, 2);  // Comedy
    f.dialogs.fileAnswers.push_back(path("comedies.csv"));
    f.logic.exchange.exportCsv();
    QCOMPARE(f.dialogs.fileRequests.back().filterDescription,
             QStringLiteral("Movie List (Comma-separated)"));
    QCOMPARE(f.dialogs.fileRequests.back().defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(readBytes(path("comedies.csv")),
             QByteArray("Name,Genre,Format,Rating,Length,Quality,Size,Personal Info\r\n"
                        "Alpha,Comedy,DVD,Nice,100,3,700,\r\n"
                        "Gamma,Comedy,DVD,Nice,100,3,700,\r\n"));
    QCOMPARE(f.dialogs.texts(), QStringList{kExported.arg("comedies.csv")});

    f.dialogs.fileAnswers.push_back(path("comedies.html"));
    f.logic.exchange.exportWebPage();
    QVERIFY(readBytes(path("comedies.html")).contains("<p class=\"count\">2 movies</p>"));
    QCOMPARE(f.dialogs.texts().back(), kExported.arg("comedies.html"));

    // The dialog offers the name chosen last time; a cancelled dialog writes nothing.
    f.dialogs.fileAnswers.push_back(std::nullopt);
    f.logic.exchange.exportCsv();
    QCOMPARE(f.dialogs.fileRequests.back().fileName, path("comedies.csv"));
    QCOMPARE(f.dialogs.texts().size(), 2);
    QCOMPARE(f.dialogs.unexpected, 0);
}

void ExchangeCommandsTest::exportFailureKeepsTheOldFile() {
    Fixture f;
    f.list({{"Alpha"}});
    writeBytes(path("old.csv"), "old contents");
    f.fileSystem.failAt = FailingFileSystem::Step::Write;
    f.dialogs.fileAnswers.push_back(path("old.csv"));
    f.logic.exchange.exportCsv();
    QCOMPARE(f.dialogs.texts(), QStringList{"There went something wrong with exporting!"});
    QCOMPARE(readBytes(path("old.csv")), QByteArray("old contents"));
}

void ExchangeCommandsTest::emptyListExportsNothing() {
    Fixture f;
    f.list({{"Alpha", "Drama"}});
    f.logic.finding.filterChanged(FilterBox::Genre, 4);  // Horror: nothing listed
    f.logic.exchange.exportWebPage();
    QCOMPARE(f.dialogs.texts(),
             QStringList{"Please make sure you have some Movies in your database"});
    QVERIFY(f.dialogs.fileRequests.empty());
}

void ExchangeCommandsTest::importMergesAndReports() {
    Fixture f;
    f.list({{"Harbour Lights", "Drama", "DVD", "Pretty Good", "mine", 112, 4, 4380}});
    f.logic.finding.filterChanged(FilterBox::Genre, 2);  // the import lists every movie again
    QString rows = QStringLiteral("Name,Genre\n");
    for (int i = 1; i <= 12; ++i) {
        rows += QStringLiteral("Movie %1,Western\n").arg(i, 2, 10, QLatin1Char('0'));
    }
    rows += QStringLiteral("Harbour Lights,Comedy\n");
    writeBytes(path("more.csv"), rows.toStdString());
    f.dialogs.fileAnswers.push_back(path("more.csv"));
    f.logic.exchange.importCollection();
    QCOMPARE(f.dialogs.fileRequests.back().pattern, QStringLiteral("*.csv *.tc *.gcs"));
    QString expected = QStringLiteral(
        "Import of \"more.csv\"\n\nMovies added: 12\nAlready present: 1\nNames cut: 0\n"
        "Values not mapped: 12\n");
    for (int i = 1; i <= 10; ++i) {
        expected += QStringLiteral("  line %1: genre \"Western\" left empty\n").arg(i + 1);
    }
    expected += QStringLiteral("  ... and 2 more\nRows not read: 0");
    QCOMPARE(f.dialogs.texts(), QStringList{expected});
    QCOMPARE(f.logic.state.list().size(), 13);
    QCOMPARE(f.catalogue.movieCount(), 13);
    QVERIFY(f.catalogue.unsavedChanges());
    QCOMPARE(fieldText(f.catalogue.slot(1).PersonalInfo), std::string_view("mine"));
    QCOMPARE(f.logic.state.filters(), FilterChoice{});
}

void ExchangeCommandsTest::importOfAnUnreadableFileChangesNothing() {
    Fixture f;
    f.list({{"Alpha"}});
    f.dialogs.fileAnswers.push_back(path("missing.csv"));
    f.logic.exchange.importCollection();
    writeBytes(path("books.tc"),
               "<?xml version=\"1.0\"?><tellico><collection type=\"2\"/></tellico>");
    f.dialogs.fileAnswers.push_back(path("books.tc"));
    f.logic.exchange.importCollection();
    QCOMPARE(f.dialogs.texts(),
             QStringList({"File not found.",
                          "\"books.tc\" cannot be imported: not a video collection (collection "
                          "type 2)."}));
    QCOMPARE(f.catalogue.movieCount(), 1);
    QVERIFY(!f.catalogue.unsavedChanges());
}

// The import and the exports run their long parts through the background work; what comes
// out equals what the same steps give run directly.
void ExchangeCommandsTest::workOffTheWindowThreadGivesTheSynchronousResult() {
    writeBytes(path("many.csv"), manyRows(20000));
    Catalogue direct;
    MovieList directList;
    appendMovie(direct, {"Movie 7"});
    directList.add("Movie 7");
    const ImportReport expected =
        importCollection(readCollectionFile(path("many.csv")), direct, directList);

    ThreadWork work;
    Fixture f(&work);
    f.list({{"Movie 7"}});
    f.dialogs.fileAnswers.push_back(path("many.csv"));
    f.logic.exchange.importCollection();
    QCOMPARE(work.labels, QStringList{"Importing \"many.csv\"..."});
    QCOMPARE(f.dialogs.texts(),
             QStringList{"Import of \"many.csv\"\n\n" + expected.text(10).trimmed()});
    QCOMPARE(f.catalogue.movieCount(), direct.movieCount());
    QCOMPARE(std::memcmp(&f.catalogue.slot(1), &direct.slot(1),
                         RecordSize * static_cast<std::size_t>(direct.movieCount())),
             0);
    QCOMPARE(f.logic.undo.undoCaption(), QStringLiteral("&Undo Import \"many.csv\""));

    const ByteTable table;
    f.dialogs.fileAnswers.push_back(path("many-out.csv"));
    f.logic.exchange.exportCsv();
    QCOMPARE(readBytes(path("many-out.csv")),
             QByteArray::fromStdString(
                 std::string(std::string_view(listCsvBytes(direct, directList, table)))));
    f.dialogs.fileAnswers.push_back(path("many-out.html"));
    f.logic.exchange.exportWebPage();
    QCOMPARE(readBytes(path("many-out.html")),
             QByteArray::fromStdString(listHtmlBytes(direct, directList, table)));
    QCOMPARE(work.labels.size(), 3);
    QCOMPARE(f.dialogs.texts().back(), kExported.arg("many-out.html"));
}

// Cancelled half way, an import adds nothing and leaves no step to undo; an export writes
// nothing. The readers stop early rather than read to the end.
void ExchangeCommandsTest::cancelledWorkChangesNothing() {
    writeBytes(path("many.csv"), manyRows(20000));
    ThreadWork work;
    work.cancelAt = WorkProgress::Whole / 4;
    Fixture f(&work);
    f.list({{"Alpha"}});
    f.dialogs.fileAnswers.push_back(path("many.csv"));
    f.logic.exchange.importCollection();
    QVERIFY(work.cancelledWhileRunning);
    QCOMPARE(f.catalogue.movieCount(), 1);
    QCOMPARE(f.logic.state.list().size(), 1);
    QVERIFY(!f.catalogue.unsavedChanges());
    QCOMPARE(f.logic.undo.undoCaption(), QStringLiteral("&Undo"));
    QCOMPARE(f.dialogs.texts(), QStringList());

    writeBytes(path("old.csv"), "old contents");
    work.cancelAt = 0;
    f.dialogs.fileAnswers.push_back(path("old.csv"));
    f.logic.exchange.exportCsv();
    QCOMPARE(readBytes(path("old.csv")), QByteArray("old contents"));
    QCOMPARE(f.dialogs.texts(), QStringList());
    QCOMPARE(f.dialogs.unexpected, 0);

    WorkProgress cancelled;
    cancelled.cancel();
    const std::string rows = manyRows(20000);
    QCOMPARE(readCollectionFile(path("many.csv"), &cancelled).error, ECANCELED);
    QVERIFY(readCsv(rows, &cancelled).entries.empty());
    QVERIFY(readCsv(rows).entries.size() == 20000);
    const Collection whole = readCsv(rows);
    QVERIFY(mapCollection(whole, &cancelled).records.empty());
}

QTEST_GUILESS_MAIN(ExchangeCommandsTest)
#include "test_exchange_commands.moc"

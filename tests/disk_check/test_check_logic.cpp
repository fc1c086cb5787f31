// The check against folders without files or windows: matching by name, the groups the
// measures make, applying the choices as one step, and the menu command with its doubles.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include "careful_files/FileSystemCalls.h"
#include "catalogue/CatalogueFile.h"
#include "disk_check/CheckApplying.h"
#include "disk_check/CheckFolders.h"
#include "disk_check/CheckPlan.h"
#include "disk_check/CheckTable.h"
#include "folder_add/FolderScan.h"
#include "main_window/MainWindowLogic.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

constexpr std::int64_t MB = 1048576;

// A folder movie of one file (or of parts, named name CD1...), with its files' sizes.
struct Found {
    QString name;
    std::vector<std::optional<std::int64_t>> bytes;
    int format = 0;
};

Movie sized(const char* name, int size) {
    Movie m{name};
    m.size = size;
    return m;
}

std::vector<FolderMovie> moviesOf(const std::vector<Found>& found) {
    std::vector<FolderMovie> movies;
    for (const Found& f : found) {
        FolderMovie m{f.name, {}, f.format};
        for (std::size_t p = 0; p < f.bytes.size(); ++p) {
            m.files << QStringLiteral("/films/%1 CD%2.avi").arg(f.name).arg(p + 1);
        }
        movies.push_back(m);
    }
    return movies;
}

FileSizes sizesOf(const std::vector<Found>& found) {
    FileSizes sizes;
    for (const Found& f : found) {
        sizes.push_back(f.bytes);
    }
    return sizes;
}

CheckPlan plan(const Catalogue& catalogue, const std::vector<Found>& found,
               bool measureAll = false) {
    const std::atomic<bool> never{false};
    return planCheck(catalogue, moviesOf(found), sizesOf(found), measureAll, never);
}

// The movies measured parts of, each as often as it has parts to measure.
std::vector<int> measuredMovies(const CheckPlan& p) {
    std::vector<int> movies;
    for (const PartRef& ref : p.toMeasure) {
        movies.push_back(ref.movie);
    }
    return movies;
}

MeasuredPart measured(int movie, int part, std::int64_t bytes, std::int32_t ms) {
    return {movie, part, FileMeasure{bytes, ms, {}}};
}

MeasuredPart unreadable(int movie, int part) {
    return {movie, part, FileMeasure{std::nullopt, std::nullopt, QStringLiteral("Invalid data")}};
}

QStringList namesOf(const MovieList& list) {
    QStringList names;
    for (int i = 0; i < list.size(); ++i) {
        names << fromCatalogueText(list.at(i));
    }
    return names;
}

}  // namespace

class CheckLogicTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Names match ignoring letter case, the whole-megabyte size decides what is opened, and
    // a name typed otherwise is never guessed at.
    void matchingByNameAndSize() {
        Catalogue c;
        c.addMovie(makeRecord(sized("Heat", 700)));
        c.addMovie(
            makeRecord(sized("\xc9"
                             "clair at Dawn",
                             800)));
        c.addMovie(makeRecord(sized("Se7en", 650)));
        c.addMovie(makeRecord(sized("Ran", 2)));
        c.addMovie(makeRecord(sized("The Quite Extraordinarily Lon", 5)));
        c.addMovie(makeRecord(sized("Gone", 1)));
        c.addMovie(makeRecord(sized("Deleted", 1)));
        c.deleteMovie(7);
        const CheckPlan p = plan(c, {
                                        {"HEAT", {700 * MB + 5}},
                                        {QStringLiteral("\u00e9CLAIR AT DAWN"), {801 * MB}},
                                        {"Seven", {650 * MB}},
                                        // Parts sum their whole megabytes: 1 + 1, not 3.
                                        {"Ran", {MB + MB / 2, MB + MB / 2}},
                                        {"The Quite Extraordinarily Long Title Two", {5 * MB}},
                                    });
        QCOMPARE(p.slotOf, (std::vector<int>{1, 2, 0, 4, 5}));
        QCOMPARE(p.notFound, (std::vector<int>{3, 6}));
        QCOMPARE(p.inStepBySize, 3);
        // The changed size and the new file are measured, part by part.
        QCOMPARE(measuredMovies(p), (std::vector<int>{1, 2}));

        const CheckPlan all = plan(c, {{"HEAT", {700 * MB}}, {"Ran", {MB, MB}}}, true);
        QCOMPARE(all.inStepBySize, 0);
        QCOMPARE(measuredMovies(all), (std::vector<int>{0, 1, 1}));

        // A size that cannot be looked at is measured, so that the reader tells why.
        const CheckPlan unknown = plan(c, {{"Heat", {std::nullopt}}});
        QCOMPARE(unknown.inStepBySize, 0);
        QCOMPARE(measuredMovies(unknown), (std::vector<int>{0}));
    }

    // Among movies and files of one name an exact name wins, then an unchanged size; a file
    // left over is a new file.
    void namesEqualButForCasePairUp() {
        Catalogue c;
        c.addMovie(makeRecord(sized("Lucky Star", 10)));
        c.addMovie(makeRecord(sized("LUCKY STAR", 20)));
        c.addMovie(makeRecord(sized("Alien", 700)));
        const CheckPlan p = plan(c, {
                                        {"lucky star", {20 * MB}},
                                        {"LUCKY STAR", {30 * MB}},
                                        {"alien", {650 * MB}},
                                        {"ALIEN", {700 * MB}},
                                    });
        QCOMPARE(p.slotOf, (std::vector<int>{1, 2, 0, 3}));
        QVERIFY(p.notFound.empty());
        QCOMPARE(p.inStepBySize, 1);
    }

    void scanOfSeveralFoldersListsEachFileOnce() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a/inner")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("b")));
        for (const char* name : {"a/One.avi", "a/inner/Two.mpg", "b/Three.vob", "b/notes.txt"}) {
            writeBytes(dir.filePath(QLatin1String(name)), "x");
        }
        const std::atomic<bool> stop{false};
        const ScanResult found = scanFolders(
            {dir.filePath("b"), dir.filePath("a"), dir.filePath("a/inner"), dir.filePath("none")},
            stop);
        QStringList paths;
        for (const FoundFile& f : found.files) {
            paths << QDir(dir.path()).relativeFilePath(f.path);
        }
        QCOMPARE(paths, QStringList({"a/One.avi", "a/inner/Two.mpg", "b/Three.vob"}));
        QCOMPARE(found.skipped.unreadableFolders, 1);
        QCOMPARE(skippedText(found.skipped), QStringLiteral("1 unreadable folder"));
    }

    // The groups as measures come in: what measures as stored joins the count in step, what
    // differs comes back in list order with old and new values, what cannot be read cannot
    // be checked, and new files fill rows of the folder window.
    void measuresMakeTheGroups() {
        Catalogue c;
        c.addMovie(makeRecord({"Zulu", "Drama", "AVI", "Nice", "note", 100, 4, 700}));  // 1
        c.addMovie(makeRecord({"Alpha", "SF", "AVI", "Nice", "", 2, 1, 3}));            // 2
        c.addMovie(makeRecord({"Broken", "SF", "MPG", "Nice", "", 90, 2, 300}));        // 3
        c.addMovie(makeRecord({"Mkv", "SF", "DVD", "Nice", "", 90, 2, 300}));           // 4
        c.addMovie(makeRecord({"Yankee", "Horror"}));                                   // 5
        c.addMovie(makeRecord({"bravo", "Comedy"}));                                    // 6
        std::vector<Found> found = {
            {"Zulu", {600 * MB, 95 * MB}},        // 0: re-encoded in two parts
            {"Alpha", {3 * MB + 7}},              // 1: measures as stored: in step
            {"Broken", {5 * MB}},                 // 2
            {"Mkv", {400 * MB}, FormatToChoose},  // 3: a format the extension does not tell
            {"New One", {2 * MB}},                // 4
        };
        CheckTable table(c);
        table.setPlan(plan(c, found, true));
        QCOMPARE(table.missing().size(), std::size_t(2));
        // In list order, letter case ignored.
        QCOMPARE(table.missing()[0].slot, 6);
        QCOMPARE(table.missing()[1].slot, 5);
        QCOMPARE(table.newFiles().size(), 1);
        QCOMPARE(table.awaitingMeasure(), 4);
        QVERIFY(!table.allInStep());

        // Parts come in any order and batch; a movie counts once all its parts are in.
        table.takeAllMeasured({measured(0, 1, 95 * MB, 30 * 60000 + 59999),
                               measured(1, 0, 3 * MB, 150000), measured(4, 0, 2 * MB, 61000)});
        QCOMPARE(table.inStep(), 1);
        QVERIFY(table.changed().empty());
        QCOMPARE(table.newFiles().row(0).status, RowStatus::New);
        QCOMPARE(table.newFiles().row(0).minutes, 1);
        table.takeAllMeasured({unreadable(2, 0), measured(3, 0, 400 * MB, 95 * 60000),
                               measured(0, 0, 600 * MB, 70 * 60000)});
        QCOMPARE(table.awaitingMeasure(), 0);

        QCOMPARE(table.changed().size(), std::size_t(3));
        const ChangedRow& broken = table.changed()[0];
        const ChangedRow& mkv = table.changed()[1];
        const ChangedRow& zulu = table.changed()[2];
        QCOMPARE(broken.name, QStringLiteral("Broken"));
        QCOMPARE(broken.failure, QStringLiteral("Invalid data"));
        QVERIFY(!broken.checked);
        table.setChangedChecked(0, true);
        QVERIFY(!table.changed()[0].checked);
        QVERIFY(zulu.checked);
        QCOMPARE(zulu.before, (MovieValues{100, 700, 4, "AVI"}));
        // Whole minutes and megabytes per part, summed; quality from the last part.
        QCOMPARE(zulu.after, (MovieValues{100, 695, 1, "AVI"}));
        QCOMPARE(zulu.files.size(), 2);
        QCOMPARE(mkv.after, (MovieValues{95, 400, 4, "DVD"}));

        table.setMissingChecked(1, true);
        QCOMPARE(table.checkedDeletions(), 1);
        QCOMPARE(applyButtonText(1), QStringLiteral("Apply and Delete 1 movie"));
        QCOMPARE(applyButtonText(3), QStringLiteral("Apply and Delete 3 movies"));
        QCOMPARE(applyButtonText(0), QStringLiteral("Apply"));
        table.setChangedChecked(1, false);
        const CheckChoices choices = table.choices();
        QCOMPARE(choices.deletions, std::vector<int>{5});
        QCOMPARE(choices.additions.size(), std::size_t(1));
        QCOMPARE(choices.additions[0].name, std::string("New One"));
        QCOMPARE(choices.updates.size(), std::size_t(1));
        // Only the measured values change: every other byte of the record stays.
        MovieRecord expected = c.slot(1);
        expected.Size = 695;
        expected.Quality = 1;
        QCOMPARE(choices.updates[0].first, 1);
        QVERIFY(std::memcmp(&choices.updates[0].second, &expected, RecordSize) == 0);
    }

    // Apply is one step: undo gives back every slot, the count and the list.
    void applyIsOneStepThatUndoes() {
        Catalogue c;
        for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta"}) {
            MovieRecord r = makeRecord({name});
            setFieldText(r.PersonalInfo, std::string(150, 'p'));
            c.addMovie(r);
        }
        c.markSaved();
        ProgramState state(c);
        state.RefreshMovieList();
        std::vector<MovieRecord> before;
        for (int n = 1; n <= c.movieCount(); ++n) {
            before.push_back(c.slot(n));
        }
        CheckChoices choices;
        MovieRecord bravo = c.slot(2);
        bravo.Length = 5;
        choices.updates.emplace_back(2, bravo);
        MovieRecord stale = c.slot(4);
        setFieldText(stale.Name, "Not Delta");  // the slot's name changed meanwhile: left alone
        choices.updates.emplace_back(4, stale);
        choices.deletions = {3};
        choices.additions.push_back({"Echo", "", 0, 1, 0, 2, "95", "700"});
        choices.additions.push_back({"Alpha", "", 0, 1, 0, 2, "95", "700"});
        FakeUserDialogs dialogs;
        const CheckOutcome outcome = applyCheck(choices, state, dialogs);
        QCOMPARE(outcome.updated, 1);
        QCOMPARE(outcome.deleted, 1);
        QCOMPARE(outcome.added.added, 1);
        QCOMPARE(outcome.added.alreadyPresent, 1);
        QCOMPARE(namesOf(state.list()), QStringList({"Alpha", "Bravo", "Delta", "Echo"}));
        QCOMPARE(c.slot(2).Length, 5);
        QCOMPARE(c.history().stepCount(), std::size_t(1));
        QCOMPARE(c.history().undoStep().text, QStringLiteral("Check Against Folders"));
        QVERIFY(c.unsavedChanges());

        QVERIFY(c.undo() != nullptr);
        QCOMPARE(c.movieCount(), 4);
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(std::memcmp(&c.slot(n), &before[static_cast<std::size_t>(n - 1)], RecordSize) ==
                    0);
        }
        QVERIFY(!c.unsavedChanges());
    }

    void foldersAreRememberedWholeWithTheSettings() {
        MemoryRegistryBackend settings;
        QCOMPARE(rememberedCheck(settings), CheckRequest{});
        const CheckRequest three{{"/a", "/b b", "/c"}, true};
        QVERIFY(rememberCheck(settings, three));
        QCOMPARE(rememberedCheck(settings), three);
        const CheckRequest one{{"/d"}, false};
        QVERIFY(rememberCheck(settings, one));
        QCOMPARE(rememberedCheck(settings), one);
        QVERIFY(folderProblem(QStringLiteral("/no/such/folder")).contains("No such file"));
        QVERIFY(folderProblem(QDir::tempPath()).isEmpty());
    }

    // The menu command: the folders offered are the last ones, a folder that is not there
    // stops the check before anything is scanned, the window sees the whole list, and what
    // it hands back is applied as one step to undo.
    void commandChecksAndAppliesAsOneStep() {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        TestSeams::FakeDiskCheck& window = doubles.diskCheck;
        MainWindowLogic logic(catalogue, doubles.seams());
        catalogue.addMovie(makeRecord({"Zulu", "Horror"}));
        catalogue.addMovie(makeRecord({"Alpha", "Drama"}));
        catalogue.markSaved();
        logic.state.RefreshMovieList();
        logic.finding.filterChanged(FilterBox::Genre, 4);  // Horror: only Zulu listed
        QCOMPARE(logic.state.list().size(), 1);

        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("unmounted"));
        // Cancelled, then a folder that is not there.
        window.folderAnswers = {std::nullopt, CheckRequest{{dir.path(), missing}, false}};
        logic.diskCheck.checkAgainstFolders();
        logic.diskCheck.checkAgainstFolders();
        QCOMPARE(window.offered.size(), std::size_t(2));
        QCOMPARE(window.offered[0], CheckRequest{});
        QVERIFY(window.checked.empty());
        QCOMPARE(doubles.dialogs.texts(),
                 QStringList{QStringLiteral("The folder \"%1\" cannot be checked: No such file or "
                                            "directory.\nNothing was checked.")
                                 .arg(missing)});

        const CheckRequest request{{dir.path()}, true};
        window.folderAnswers = {request};
        CheckChoices choices;
        choices.deletions = {1};
        choices.additions.push_back({"Mike", "", 0, 1, 2, 2, "95", "250"});
        window.answers = {choices};
        window.whileOpen = [&] {
            QCOMPARE(logic.state.list().size(), 2);
            QCOMPARE(logic.state.filters(), FilterChoice{});
        };
        doubles.dialogs.clear();
        logic.diskCheck.checkAgainstFolders();
        // The folders of the last check are offered, even the one that stopped it.
        QCOMPARE(window.offered.back(), (CheckRequest{{dir.path(), missing}, false}));
        QCOMPARE(window.checked, std::vector<CheckRequest>{request});
        QCOMPARE(rememberedCheck(doubles.settings), request);
        QCOMPARE(namesOf(logic.state.list()), QStringList({"Alpha", "Mike"}));
        QVERIFY(doubles.dialogs.shown.empty());
        QCOMPARE(logic.undo.undoCaption(), QStringLiteral("&Undo Check Against Folders"));
        logic.undo.undoStep();
        QCOMPARE(namesOf(logic.state.list()), QStringList({"Alpha", "Zulu"}));
        QVERIFY(!catalogue.unsavedChanges());

        // Cancelled in the window: no step.
        window.folderAnswers = {request};
        window.whileOpen = nullptr;
        const std::size_t steps = catalogue.history().stepCount();
        logic.diskCheck.checkAgainstFolders();
        QCOMPARE(catalogue.history().stepCount(), steps);
    }
};

QTEST_GUILESS_MAIN(CheckLogicTest)
#include "test_check_logic.moc"

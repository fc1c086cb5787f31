// A collection of real clips, catalogued earlier by "Add Movies from Folder", then moved,
// re-encoded, deleted, renamed and added to: the check's groups through the logic and through
// `reelcase verify`, and an applied check undone byte for byte.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

#include "careful_files/FileSystemCalls.h"
#include "catalogue/CatalogueFile.h"
#include "disk_check/CheckRun.h"
#include "exchange/MeasuringModule.h"
#include "folder_add/FolderAddTable.h"
#include "folder_add/FolderAdding.h"
#include "main_window/MainWindowLogic.h"
#include "platform/FfmpegMediaDevice.h"
#include "support/Clips.h"
#include "support/ProgramRun.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

FolderMeasuring::DeviceFactory ffmpegDevices() {
    return [](const std::atomic<bool>& stop) -> std::unique_ptr<MediaDevice> {
        return std::make_unique<FfmpegMediaDevice>(&stop);
    };
}

Run verify(const QStringList& arguments, const QString& program = REELCASE_BINARY) {
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(program, QStringList{"verify"} + arguments);
    return finished(process);
}

// A copy of a clip, padded with zero bytes to size where given: the readers take an AVI's
// length from its header, so only the size changes.
void place(const QString& model, const QString& path, qint64 size = 0) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile::remove(path);
    QVERIFY2(QFile::copy(model, path), qPrintable(path));
    if (size > 0) {
        QVERIFY(QFile(path).resize(size));
    }
}

// The catalogue "Add Movies from Folder" makes of folder with every row it checks.
void catalogueFolder(const QString& folder, const QString& out) {
    Catalogue catalogue;
    FolderAddTable table(catalogue);
    FolderMeasuring measuring(ffmpegDevices(), 2);
    measuring.start(folder);
    measuring.waitUntilDone();
    const auto movies = measuring.takeMovies();
    QVERIFY(movies.has_value());
    table.setMovies(*movies);
    table.takeMeasured(measuring.takeMeasured());
    MovieList list;
    test::FakeUserDialogs dialogs;
    addFolderMovies(table.checkedForms(), catalogue, list, dialogs);
    QCOMPARE(writeCatalogueFile(out, catalogue, list, realFileSystem()), 0);
}

QStringList namesOf(const std::vector<ChangedRow>& rows) {
    QStringList names;
    for (const ChangedRow& r : rows) {
        names << r.name;
    }
    return names;
}

QStringList missingNames(const CheckTable& table) {
    QStringList names;
    for (const MissingRow& r : table.missing()) {
        names << fromCatalogueText(nameOf(table.movie(r.slot)));
    }
    return names;
}

QStringList namesOf(const FolderAddTable& rows) {
    QStringList names;
    for (int i = 0; i < rows.size(); ++i) {
        names << rows.row(i).name;
    }
    return names;
}

constexpr qint64 MB = 1048576;

}  // namespace

class CheckClipsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString collection_;  // the collection's first disk
    QString disk2_;       // where a movie moved to
    QString earlier_;     // the catalogue made before the collection drifted
    QString steady_;      // a folder nothing happened to, and its catalogue
    QString steadyCatalogue_;
    bool ready_ = false;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Where `reelcase verify` lists a file: below the folders given.
    QByteArray expectedText() const {
        const QString c = collection_;
        return QStringLiteral(
                   "Changed (2):\n"
                   "  Heat: length 1 -> 2 min, size 2 -> 0 MB, format AVI -> MPG\n"
                   "    %1/Heat.mpg\n"
                   "  Kill Bill: length 2 -> 3 min, size 2 -> 5 MB\n"
                   "    %1/Kill Bill part 1.avi\n"
                   "    %1/Kill Bill part 2.avi\n"
                   "Not found in these folders (2):\n"
                   "  Old Tapes: AVI, 1 min, 1 MB, quality 1\n"
                   "  Se7en: AVI, 1 min, 1 MB, quality 1\n"
                   "New files (5):\n"
                   "  Arrival: no format, 1 min, 0 MB, quality 1 (format to choose)\n"
                   "    %1/Arrival.mkv\n"
                   "  New Parts: AVI, 2 min, 2 MB, quality 1\n"
                   "    %1/New Parts CD1.avi\n"
                   "    %1/New Parts CD2.avi\n"
                   "  Seven: AVI, 1 min, 1 MB, quality 1\n"
                   "    %1/Seven.avi\n"
                   "  Up: AVI, 1 min, 1 MB, quality 1\n"
                   "    %1/Up.avi\n"
                   "  broken: unreadable: Invalid data found when processing input\n"
                   "    %1/broken.avi\n"
                   "In step: 4 movies\n")
            .arg(c)
            .toUtf8();
    }

  private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        const QString minute = path("models/minute.avi");
        const QString longer = path("models/longer.avi");
        const QString longerMpg = path("models/longer.mpg");
        const QString matroska = path("models/minute.mkv");
        QVERIFY(QDir().mkpath(path("models")));
        QVERIFY(makeClip(minute, 61, encodingFor("avi")));
        QVERIFY(makeClip(longer, 125, encodingFor("avi")));
        QVERIFY(makeClip(longerMpg, 125, encodingFor("mpg")));
        QVERIFY(makeClip(matroska, 61, encodingFor("mkv")));
        collection_ = path("collection");
        disk2_ = path("disk2");
        QVERIFY(QDir().mkpath(disk2_));
        const QDir c(collection_);
        place(minute, c.filePath("Alien.avi"), 3 * MB + MB / 2);
        place(minute, c.filePath("Heat.avi"), 2 * MB + MB / 2);
        for (const char* name :
             {"Kill Bill part 1.avi", "Kill Bill part 2.avi", "Ran (1 of 2).avi",
              "Ran (2 of 2).avi", "Old Tapes.avi", "Se7en.avi", "Zodiac.avi", "shelf/Brazil.avi"}) {
            place(minute, c.filePath(name), MB + MB / 2);
        }
        earlier_ = path("earlier.rcb");
        catalogueFolder(collection_, earlier_);
        QCOMPARE(QFileInfo(earlier_).size(), qint64(8 * RecordSize));

        // Months later.
        QVERIFY(QFile::rename(c.filePath("Alien.avi"), disk2_ + "/Alien.avi"));
        QVERIFY(QFile::remove(c.filePath("Heat.avi")));
        place(longerMpg, c.filePath("Heat.mpg"));
        place(longer, c.filePath("Kill Bill part 2.avi"), 4 * MB + MB / 2);
        QVERIFY(QFile::remove(c.filePath("Old Tapes.avi")));
        QVERIFY(QFile::rename(c.filePath("Zodiac.avi"), c.filePath("ZODIAC.avi")));
        QVERIFY(QFile::rename(c.filePath("Se7en.avi"), c.filePath("Seven.avi")));
        place(minute, c.filePath("Up.avi"), MB + MB / 2);
        place(minute, c.filePath("New Parts CD1.avi"), MB + MB / 2);
        place(minute, c.filePath("New Parts CD2.avi"), MB + MB / 2);
        place(matroska, c.filePath("Arrival.mkv"));
        writeBytes(c.filePath("broken.avi"), std::string(50000, 'j'));

        steady_ = path("steady");
        place(minute, steady_ + "/One.avi", MB + MB / 2);
        place(minute, steady_ + "/Two.avi", 2 * MB + MB / 2);
        steadyCatalogue_ = path("steady.rcb");
        catalogueFolder(steady_, steadyCatalogue_);
        ready_ = true;
    }

    void groupsThroughTheLogic() {
        Catalogue catalogue;
        MovieList list;
        QCOMPARE(readCatalogueFile(earlier_, catalogue, list).error, 0);
        for (const bool measureAll : {false, true}) {
            const FinishedCheck check =
                runCheckToEnd(catalogue, {{collection_, disk2_}, measureAll}, ffmpegDevices(), 2);
            const CheckTable& t = *check.table;
            QCOMPARE(namesOf(t.changed()), QStringList({"Heat", "Kill Bill"}));
            QCOMPARE(t.changed()[0].before, (MovieValues{1, 2, 1, "AVI"}));
            QCOMPARE(t.changed()[0].after, (MovieValues{2, 0, 1, "MPG"}));
            QCOMPARE(t.changed()[1].after, (MovieValues{3, 5, 1, "AVI"}));
            QCOMPARE(missingNames(t), QStringList({"Old Tapes", "Se7en"}));
            QCOMPARE(namesOf(t.newFiles()),
                     QStringList({"Arrival", "New Parts", "Seven", "Up", "broken"}));
            QCOMPARE(t.inStep(), 4);
            QCOMPARE(t.awaitingMeasure(), 0);
        }
    }

    void verifyPrintsTheGroupsAndChangesNothing() {
        QVERIFY(ready_);
        const QByteArray before = readBytes(earlier_);
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(earlier_).constData(), &st) == 0);
        const auto modified = st.st_mtim;

        const Run text = verify({earlier_, collection_, disk2_});
        QCOMPARE(text.err, QByteArray());
        QVERIFY2(text.status == 1, text.err.constData());
        QCOMPARE(text.out, expectedText());
        // Every file opened gives the same answer.
        const Run all = verify({earlier_, "--measure-all", collection_, disk2_});
        QCOMPARE(all.out, expectedText());

        const Run csv = verify({"--format", "csv", earlier_, collection_, disk2_});
        QVERIFY2(csv.status == 1, csv.err.constData());
        const QList<QByteArray> rows = csv.out.split('\n');
        QCOMPARE(rows.size(), 11);  // header, 9 movies, and the end of the last line
        QCOMPARE(rows[0], QByteArray("Group,Name,Format,New Format,Length,New Length,Size,New Size,"
                                     "Quality,New Quality,Note,File 1,File 2,File 3\r"));
        const QByteArray c = collection_.toUtf8();
        QCOMPARE(rows[2], "changed,Kill Bill,AVI,AVI,2,3,2,5,1,1,," + c + "/Kill Bill part 1.avi," +
                              c + "/Kill Bill part 2.avi,\r");
        QCOMPARE(rows[3], QByteArray("not found,Old Tapes,AVI,,1,,1,,1,,,,,\r"));
        QCOMPARE(rows[5], "new,Arrival,,,,1,,0,,1,format to choose," + c + "/Arrival.mkv,,\r");
        QCOMPARE(rows[9],
                 "new,broken,,,,,,,,,unreadable: Invalid data found when processing "
                 "input," +
                     c + "/broken.avi,,\r");

        QCOMPARE(readBytes(earlier_), before);
        QVERIFY(::stat(QFile::encodeName(earlier_).constData(), &st) == 0);
        QCOMPARE(st.st_mtim.tv_nsec, modified.tv_nsec);
        QCOMPARE(st.st_mtim.tv_sec, modified.tv_sec);
        QVERIFY(!QFile::exists(earlier_ + ".bak"));
    }

    void verifyExitsByWhatItFound() {
        QVERIFY(ready_);
        const Run steady = verify({steadyCatalogue_, steady_});
        QCOMPARE(steady.status, 0);
        QCOMPARE(steady.out, QByteArray("Changed (0):\nNot found in these folders (0):\n"
                                        "New files (0):\nIn step: 2 movies\n"));
        // What cannot run: a folder that is not there, a file that is no catalogue, no folder.
        const Run missing = verify({steadyCatalogue_, steady_, path("unmounted")});
        QCOMPARE(missing.status, 2);
        QCOMPARE(missing.err,
                 "reelcase: " + path("unmounted").toUtf8() + ": No such file or directory\n");
        QVERIFY(missing.out.isEmpty());
        writeBytes(path("short.rcb"), std::string(100, 'x'));
        QCOMPARE(verify({path("short.rcb"), steady_}).status, 2);
        const Run noFolder = verify({steadyCatalogue_});
        QCOMPARE(noFolder.status, 2);
        QVERIFY(noFolder.err.contains("verify needs a catalogue file and a folder"));
        QCOMPARE(verify({"--format", "html", steadyCatalogue_, steady_}).status, 2);
    }

    // The media reader is loaded only when a file must be measured: a program without it
    // beside it still verifies a collection whose sizes are unchanged, and says why it cannot
    // measure the others.
    void mediaReaderLoadsOnlyWhenNeeded() {
        QVERIFY(ready_);
        const QString alone = path("alone/reelcase");
        QVERIFY(QDir().mkpath(path("alone")));
        QVERIFY(QFile::copy(REELCASE_BINARY, alone));
        QVERIFY(QFile::setPermissions(alone, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(REELCASE_COMMANDS_BINARY, path("alone/reelcase-commands")));
        QCOMPARE(verify({steadyCatalogue_, steady_}, alone).status, 0);
        const Run needed = verify({earlier_, collection_, disk2_}, alone);
        QCOMPARE(needed.status, 2);
        QVERIFY2(needed.err.startsWith("reelcase: cannot measure movie files: ") &&
                     needed.err.contains("reelcase-measuring.so"),
                 needed.err.constData());
    }

    // The add window's device is the module's, loaded at its first file: it times a clip as
    // the reader linked into the tests does, file after file.
    void moduleDeviceMeasuresAsTheReaderDoes() {
        QVERIFY(ready_);
        MeasuringModule module({REELCASE_MEASURING_MODULE});
        ModuleMediaDevice device(module);
        const std::atomic<bool> running{false};
        FfmpegMediaDevice linked(&running);
        for (const char* name : {"Kill Bill part 1.avi", "Ran (1 of 2).avi"}) {
            const QString file = QDir(collection_).filePath(QLatin1String(name));
            QVERIFY2(device.open(file), qPrintable(device.failureReason()));
            QVERIFY(linked.open(file));
            device.setTimeFormatMilliseconds();
            linked.setTimeFormatMilliseconds();
            QVERIFY(device.length() > 0);
            QCOMPARE(device.length(), linked.length());
            device.close();
            linked.close();
        }
        QVERIFY(module.failure().isEmpty());
        QVERIFY(!device.open(path("earlier.rcb")));  // no movie: refused, as the linked one does
    }

    // The window's command with the groups the check found: Apply changes the catalogue as
    // one step, and its undo gives back the catalogue byte for byte.
    void applyThenUndoGivesTheCatalogueBack() {
        QVERIFY(ready_);
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        MainWindowLogic logic(catalogue, doubles.seams());
        QCOMPARE(readCatalogueFile(earlier_, catalogue, logic.state.list()).error, 0);
        logic.state.RefreshMovieList();
        const CheckRequest request{{collection_, disk2_}, false};
        const FinishedCheck check = runCheckToEnd(catalogue, request, ffmpegDevices(), 2);
        check.table->setMissingChecked(0, true);  // Old Tapes is gone for good
        doubles.diskCheck.folderAnswers = {request};
        doubles.diskCheck.answers = {check.table->choices()};
        logic.diskCheck.checkAgainstFolders();
        QVERIFY(doubles.dialogs.shown.empty());

        const QString applied = path("applied.rcb");
        QCOMPARE(writeCatalogueFile(applied, catalogue, logic.state.list(), realFileSystem()), 0);
        Catalogue after;
        MovieList afterList;
        QCOMPARE(readCatalogueFile(applied, after, afterList).error, 0);
        QStringList names;
        for (int i = 0; i < afterList.size(); ++i) {
            names << fromCatalogueText(afterList.at(i));
        }
        // Checked by default: the changes and the new files that can be added.
        QCOMPARE(names, QStringList({"Alien", "Brazil", "Heat", "Kill Bill", "New Parts", "Ran",
                                     "Se7en", "Seven", "Up", "Zodiac"}));
        const MovieRecord& heat = after.slot(after.findByName("Heat"));
        QCOMPARE(heat.Length, 2);
        QCOMPARE(fieldText(heat.Format), std::string_view("MPG"));
        QCOMPARE(fieldText(heat.Genre), std::string_view("Action"));
        // A check right after finds the collection in step but for what could not be added.
        const FinishedCheck again = runCheckToEnd(after, request, ffmpegDevices(), 2);
        QVERIFY(again.table->changed().empty());
        QCOMPARE(missingNames(*again.table), QStringList({"Se7en"}));
        QCOMPARE(namesOf(again.table->newFiles()), QStringList({"Arrival", "broken"}));

        QCOMPARE(logic.undo.undoCaption(), QStringLiteral("&Undo Check Against Folders"));
        logic.undo.undoStep();
        const QString undone = path("undone.rcb");
        QCOMPARE(writeCatalogueFile(undone, catalogue, logic.state.list(), realFileSystem()), 0);
        QCOMPARE(readBytes(undone), readBytes(earlier_));
    }
};

QTEST_GUILESS_MAIN(CheckClipsTest)
#include "test_check_clips.moc"

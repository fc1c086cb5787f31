#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <set>

#include "catalogue/TextCodec.h"
#include "editing/FileAnalysis.h"
#include "editing/MovieEditor.h"
#include "folder_add/FolderAddTable.h"
#include "folder_add/FolderAdding.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/FolderScan.h"
#include "folder_add/PartGrouping.h"
#include "main_window/MainWindowLogic.h"
#include "platform/FfmpegMediaDevice.h"
#include "support/Clips.h"
#include "support/FakeUserDialogs.h"
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

class NoWait : public WaitDisplay {
  public:
    void showNow() override {}
    void ProgressFirstHalf() override {}
    void ProgressSecondHalf() override {}
    void hideNow() override {}
};

const QStringList kMapped = {"avi", "asf", "wmv", "mpg", "mpeg", "mpe", "vob", "rm", "rmvb"};
const QStringList kToChoose = {"mkv", "mp4", "m4v", "mov", "ts", "webm", "ogv", "flv"};
const QString kLongName = QStringLiteral("The Quite Extraordinarily Long Title Two");

// One row as a line to compare: name, format, minutes, megabytes, quality item, parts,
// status, checked.
QString rowLine(const FolderAddTable& table, int i) {
    const FolderRow& r = table.row(i);
    const QString status = table.statusText(i).startsWith(QLatin1String("unreadable: "))
                               ? QStringLiteral("unreadable")
                               : table.statusText(i);
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(r.name)
        .arg(r.format)
        .arg(r.failure.isEmpty() ? r.minutes : -1)
        .arg(r.failure.isEmpty() ? r.megabytes : -1)
        .arg(r.failure.isEmpty() ? r.quality + 1 : -1)
        .arg(r.files.size())
        .arg(status)
        .arg(r.checked ? "x" : "-");
}

// Measures folder to the end and fills a table for catalogue.
void measureInto(FolderAddTable& table, const QString& folder, SkippedCounts* skipped = nullptr,
                 int threads = 2) {
    FolderMeasuring measuring(ffmpegDevices(), threads);
    measuring.start(folder);
    QElapsedTimer timer;
    timer.start();
    while (!measuring.progress().finished() && timer.elapsed() < 120000) {
        QThread::msleep(20);
    }
    QVERIFY(measuring.progress().finished());
    const auto movies = measuring.takeMovies();
    QVERIFY(movies.has_value());
    table.setMovies(*movies);
    table.takeMeasured(measuring.takeMeasured());
    if (skipped != nullptr) {
        *skipped = measuring.progress().skipped;
    }
}

// The folder window without a window: hands back what the test chose.
class FakeFolderWindow : public FolderAddDialog {
  public:
    std::optional<std::vector<MovieForm>> answer;
    QStringList folders;
    std::function<void()> whileOpen;
    std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) override {
        folders << folder;
        if (whileOpen) {
            whileOpen();
        }
        return answer;
    }
};

}  // namespace

class FolderAddTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString folder_;
    bool haveFfmpeg_ = false;

  private Q_SLOTS:
    void initTestCase() {
        haveFfmpeg_ = !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
        if (!haveFfmpeg_) {
            return;
        }
        // Readable by everyone, so the scan can also run as an unprivileged user.
        QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0755) == 0);
        const QDir models(dir_.filePath(QStringLiteral("models")));
        QVERIFY(QDir().mkpath(models.path()));
        folder_ = dir_.filePath(QStringLiteral("movies"));
        QDir root(folder_);
        QVERIFY(QDir().mkpath(folder_));
        // One short clip per extension, under a lower- and an upper-case name.
        for (const QString& e : kMapped + kToChoose) {
            const QString model = models.filePath(QStringLiteral("clip.") + e);
            QVERIFY2(makeClip(model, 3, encodingFor(e)), qPrintable(e));
            QVERIFY(QFile::copy(model, root.filePath(QStringLiteral("lower %1.%1").arg(e))));
            QVERIFY(
                QFile::copy(model, root.filePath(QStringLiteral("UPPER %1.%1").arg(e.toUpper()))));
        }
        // Parts of 61 seconds: a whole minute each.
        const QString minuteAvi = models.filePath(QStringLiteral("minute.avi"));
        const QString minuteMpg = models.filePath(QStringLiteral("minute.mpg"));
        QVERIFY(makeClip(minuteAvi, 61, encodingFor("avi")));
        QVERIFY(makeClip(minuteMpg, 61, encodingFor("mpg")));
        for (const char* part : {"Heat CD1.avi", "Heat cd2.avi"}) {
            const QString path = root.filePath(QLatin1String(part));
            QVERIFY(QFile::copy(minuteAvi, path));
            // 1.5 MiB: one whole megabyte each; the reader takes the length from the header.
            QVERIFY(QFile(path).resize(1572864));
        }
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(
                QFile::copy(minuteMpg, root.filePath(QStringLiteral("Ran (%1 of 3).mpg").arg(k))));
        }
        QFile broken(root.filePath(QStringLiteral("broken.avi")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(50000, 'j'));
        broken.close();
        QFile empty(root.filePath(QStringLiteral("empty.mpg")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe.avi"))).constData(),
                         0644) == 0);
        QVERIFY(QFile::link(QStringLiteral("."), root.filePath(QStringLiteral("loop"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("self.avi")),
                            root.filePath(QStringLiteral("self.avi"))));
        QVERIFY(root.mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::copy(minuteAvi, root.filePath(QStringLiteral("locked/Hidden.avi"))));
        QVERIFY(::chmod(QFile::encodeName(root.filePath(QStringLiteral("locked"))).constData(),
                        0) == 0);
        QCOMPARE(kLongName.size(), 40);
        QVERIFY(QFile::copy(minuteAvi, root.filePath(kLongName + QStringLiteral(".avi"))));
        QVERIFY(QFile::copy(minuteAvi, root.filePath(QStringLiteral("Alien.avi"))));
        QVERIFY(root.mkpath(QStringLiteral("one")) && root.mkpath(QStringLiteral("two")));
        QVERIFY(QFile::copy(minuteAvi, root.filePath(QStringLiteral("one/Twins.avi"))));
        QVERIFY(QFile::copy(minuteMpg, root.filePath(QStringLiteral("two/Twins.mpg"))));
        QFile notes(root.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
    }

    void extensionsGiveFormats() {
        for (const QString& e : kMapped) {
            QVERIFY(movieFormatOfExtension(e).value_or(-2) >= 0);
            QCOMPARE(movieFormatOfExtension(e.toUpper()), movieFormatOfExtension(e));
        }
        QCOMPARE(*movieFormatOfExtension(u"WMV"), 1);
        QCOMPARE(*movieFormatOfExtension(u"mpe"), 2);
        QCOMPARE(*movieFormatOfExtension(u"Vob"), 3);
        QCOMPARE(*movieFormatOfExtension(u"rmvb"), 4);
        for (const QString& e : kToChoose) {
            QCOMPARE(movieFormatOfExtension(e.toUpper()), std::optional<int>(FormatToChoose));
        }
        QVERIFY(!movieFormatOfExtension(u"txt"));
        QVERIFY(!movieFormatOfExtension(u""));
    }

    void partMarkers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("without");
        QTest::newRow("CD1") << "Heat CD1" << 1 << "Heat";
        QTest::newRow("cd-2") << "Heat - cd-2" << 2 << "Heat";
        QTest::newRow("part 1") << "Kill Bill part 1" << 1 << "Kill Bill";
        QTest::newRow("Part2 dotted") << "Kill.Bill.Part2" << 2 << "Kill.Bill";
        QTest::newRow("disc1 middle") << "Ran disc1 Director's Cut" << 1 << "Ran Director's Cut";
        QTest::newRow("DISK 3") << "Ran DISK 3" << 3 << "Ran";
        QTest::newRow("(1 of 2)") << "Ran (1 of 2)" << 1 << "Ran";
        QTest::newRow("[CD2]") << "Heat [CD2]" << 2 << "Heat";
        QTest::newRow("no marker in a word") << "Apartment 2" << 0 << "";
        QTest::newRow("Discovery") << "Discovery 1" << 0 << "";
        QTest::newRow("cd1a is no marker") << "Heat cd1a" << 0 << "";
    }
    void partMarkers() {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QString, without);
        const auto marker = findPartMarker(name);
        QCOMPARE(marker.has_value(), number != 0);
        if (marker) {
            QCOMPARE(marker->number, number);
            QCOMPARE(marker->without, without);
        }
    }

    void partsGroupOnlyWhenTheyRunFromOne() {
        const auto found = [](std::initializer_list<const char*> paths) {
            std::vector<FoundFile> files;
            for (const char* p : paths) {
                files.push_back({QString::fromLatin1(p), 0});
            }
            return files;
        };
        // A lone CD2, a gap, four parts, another folder or extension: each file its own movie.
        for (const auto& files :
             {found({"/m/Heat CD2.avi"}), found({"/m/Heat CD1.avi", "/m/Heat CD3.avi"}),
              found({"/m/X cd1.avi", "/m/X cd2.avi", "/m/X cd3.avi", "/m/X cd4.avi"}),
              found({"/a/Heat CD1.avi", "/b/Heat CD2.avi"}),
              found({"/m/Heat CD1.avi", "/m/Heat CD2.mpg"}),
              found({"/m/Ran (1 of 3).avi", "/m/Ran (2 of 3).avi"})}) {
            const auto movies = groupParts(files);
            QCOMPARE(movies.size(), files.size());
            QCOMPARE(movies.front().name, splitMovieFileName(files.front().path).name);
        }
        const auto movies = groupParts(found({"/m/Heat CD1.avi", "/m/Heat cd2.avi", "/m/Up.avi"}));
        QCOMPARE(movies.size(), std::size_t(2));
        QCOMPARE(movies[0].name, QStringLiteral("Heat"));
        QCOMPARE(movies[0].files, QStringList({"/m/Heat CD1.avi", "/m/Heat cd2.avi"}));
    }

    void folderGivesTheExpectedTable() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        Catalogue catalogue;
        catalogue.addMovie(makeRecord({"Alien"}));
        FolderAddTable table(catalogue);
        SkippedCounts skipped;
        measureInto(table, folder_, &skipped);
        // As root every folder is readable; unreadableFolderIsCounted runs the scan as nobody.
        const bool root = ::geteuid() == 0;
        QCOMPARE(skipped.specialFiles, 1);
        QCOMPARE(skipped.linkLoops, 2);
        QCOMPARE(skipped.unreadableFolders, root ? 0 : 1);

        QStringList expected;
        const auto line = [](const QString& name, int format, int minutes, int mb, int quality,
                             int parts, const char* status, bool checked) {
            return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                .arg(name)
                .arg(format)
                .arg(minutes)
                .arg(mb)
                .arg(quality)
                .arg(parts)
                .arg(QLatin1String(status))
                .arg(checked ? "x" : "-");
        };
        expected << line("Alien", 0, 1, 0, 1, 1, "already in the catalogue", false);
        expected << line("Heat", 0, 2, 2, 1, 2, "new", true);
        expected << line("Ran", 2, 3, 0, 1, 3, "new", true);
        expected << line(kLongName, 0, 1, 0, 1, 1, "name cut to 29 characters", true);
        for (const QString& e : kMapped + kToChoose) {
            const int format = *movieFormatOfExtension(e);
            const char* status = format < 0 ? "format to choose" : "new";
            expected << line("UPPER " + e.toUpper(), format, 0, 0, 1, 1, status, format >= 0);
            expected << line("lower " + e, format, 0, 0, 1, 1, status, format >= 0);
        }
        expected << line("broken", 0, -1, -1, -1, 1, "unreadable", false);
        expected << line("empty", 2, -1, -1, -1, 1, "unreadable", false);
        if (root) {
            expected << line("Hidden", 0, 1, 0, 1, 1, "new", true);
        }
        expected << line("Twins", 0, 1, 0, 1, 1, "new", true);
        expected << line("Twins", 2, 1, 0, 1, 1, "same name twice in this folder", false);
        QStringList actual;
        for (int i = 0; i < table.size(); ++i) {
            actual << rowLine(table, i);
        }
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected);
        for (int i = 0; i < table.size(); ++i) {
            if (table.row(i).status == RowStatus::Unreadable) {
                // FFmpeg's own words follow the status.
                QVERIFY2(table.statusText(i).size() > QStringLiteral("unreadable: ").size(),
                         qPrintable(table.statusText(i)));
            }
        }
    }

    void editsMoveStatusesAndChecks() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        Catalogue catalogue;
        catalogue.addMovie(makeRecord({"Alien"}));
        FolderAddTable table(catalogue);
        measureInto(table, folder_);
        const auto find = [&](const QString& name, int format) {
            for (int i = 0; i < table.size(); ++i) {
                if (table.row(i).name == name && table.row(i).format == format) {
                    return i;
                }
            }
            return -1;
        };
        const int mkv = find("lower mkv", FormatToChoose);
        QVERIFY(mkv >= 0 && !table.checkable(mkv));
        table.setChecked(mkv, true);
        QVERIFY(!table.row(mkv).checked);
        table.setFormat(mkv, 0);
        QCOMPARE(table.row(mkv).status, RowStatus::New);
        QVERIFY(!table.row(mkv).checked);  // the user's own click stays the user's
        table.setChecked(mkv, true);
        QVERIFY(table.row(mkv).checked);

        const int alien = find("Alien", 0);
        table.setName(alien, QStringLiteral("Alien 2"));
        QCOMPARE(table.row(alien).status, RowStatus::New);
        QVERIFY(table.row(alien).checked);
        QVERIFY(!table.setName(alien, QString()));
        // Renaming the first Twins makes the second one new.
        const int twinsMpg = find("Twins", 2);
        QCOMPARE(table.row(twinsMpg).status, RowStatus::SameNameTwice);
        table.setName(find("Twins", 0), QStringLiteral("Twins (1988)"));
        QCOMPARE(table.row(twinsMpg).status, RowStatus::New);
        // A name that another row reaches only once cut to 29 characters is the same name.
        table.setName(twinsMpg, kLongName.left(29) + QStringLiteral(" etc"));
        QCOMPARE(table.row(twinsMpg).status, RowStatus::SameNameTwice);

        table.setBatchGenre(4);
        table.setRating(alien, 5);
        const MovieForm form = table.formOf(alien);
        QCOMPARE(form.genre, 4);
        QCOMPARE(form.rating, 5);
        QCOMPARE(table.formOf(mkv).rating, 2);
    }

    void addingKeepsTheRulesInOneStep() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        Catalogue catalogue;
        catalogue.addMovie(makeRecord({"Alien"}));
        catalogue.markSaved();
        MovieList list;
        list.add("Alien");
        FolderAddTable table(catalogue);
        measureInto(table, folder_);
        std::vector<MovieForm> forms = table.checkedForms();
        const int checked = static_cast<int>(forms.size());
        QVERIFY(checked >= 20);
        // A name checked twice by hand (the user renamed one into another) goes in once.
        forms.push_back(forms.front());
        FakeUserDialogs dialogs;
        const FolderAddOutcome outcome = addFolderMovies(forms, catalogue, list, dialogs);
        QCOMPARE(outcome.added, checked);
        QCOMPARE(outcome.alreadyPresent, 1);
        QCOMPARE(catalogue.movieCount(), 1 + checked);
        QCOMPARE(list.size(), 1 + checked);
        QVERIFY(catalogue.unsavedChanges());
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(catalogue.history().undoStep().text,
                 QStringLiteral("Add %1 Movies from Folder").arg(checked));

        const MovieRecord& heat = catalogue.slot(catalogue.findByName("Heat"));
        QCOMPARE(fieldText(heat.Genre), std::string_view("Action"));
        QCOMPARE(fieldText(heat.Rating), std::string_view("Normal"));
        QCOMPARE(fieldText(heat.Format), std::string_view("AVI"));
        QCOMPARE(fieldText(heat.PersonalInfo), std::string_view(""));
        QCOMPARE(heat.Length, 2);
        QCOMPARE(heat.Size, 2);
        QCOMPARE(heat.Quality, 1);
        QVERIFY(catalogue.findByName(toCatalogueText(kLongName.left(29))) != 0);
        QCOMPARE(QString::fromStdString(folderAddReport(outcome).toStdString()),
                 QStringLiteral("%1 Movies were added.\n1 of the checked Movies already exist and "
                                "were left out!")
                     .arg(checked));

        // One undo takes the whole folder out again.
        QVERIFY(catalogue.undo() != nullptr);
        QCOMPARE(catalogue.movieCount(), 1);
        QVERIFY(!catalogue.unsavedChanges());
    }

    void addingStopsAtTheFullTable() {
        Catalogue catalogue;
        MovieList list;
        std::vector<std::string_view> listed;
        for (int n = 1; n <= CatalogueCapacity - 2; ++n) {
            // Appended, not "M" + number: GCC 12 at -O2 takes the latter for an overlapping
            // copy (-Wrestrict), a false alarm that stops a Release build of the tests.
            std::string name("M");
            name += std::to_string(n);
            listed.push_back(nameOf(catalogue.slot(catalogue.addMovie(makeRecord({name})))));
        }
        list.addAll(listed);  // as the command lists the whole catalogue first
        std::vector<MovieForm> forms;
        for (const char* name : {"A", "M7", "B", "C", "D"}) {
            forms.push_back({name, "", 0, 2, 0, 2, "90", "700"});
        }
        FakeUserDialogs dialogs;
        const FolderAddOutcome outcome = addFolderMovies(forms, catalogue, list, dialogs);
        QCOMPARE(outcome.added, 2);
        QCOMPARE(outcome.alreadyPresent, 1);
        QCOMPARE(outcome.leftOut, 2);
        QVERIFY(catalogue.full());
        QCOMPARE(list.size(), CatalogueCapacity);
        QVERIFY(folderAddReport(outcome).contains(
            QStringLiteral("The database is full: 2 of the checked Movies were left out!")));
    }

    void commandAddsTheChosenMoviesAsOneStep() {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        FakeUserDialogs& dialogs = doubles.dialogs;
        FakeFolderWindow window;
        MainWindowLogic logic(catalogue, doubles.seams({.folderAdd = &window}));
        catalogue.addMovie(makeRecord({"Zulu", "Horror"}));
        catalogue.addMovie(makeRecord({"Alpha", "Drama"}));
        logic.state.RefreshMovieList();
        logic.finding.filterChanged(FilterBox::Genre, 4);  // Horror: only Zulu listed
        QCOMPARE(logic.state.list().size(), 1);

        // Cancelled in the folder dialog, then in the window: nothing changes.
        dialogs.folderAnswers = {std::nullopt, QStringLiteral("/films")};
        logic.folderAdd.addFromFolder();
        logic.folderAdd.addFromFolder();
        QCOMPARE(window.folders, QStringList{"/films"});
        QCOMPARE(dialogs.shown.front().text, QStringLiteral("Add Movies from Folder"));
        QCOMPARE(catalogue.movieCount(), 2);

        const auto form = [](const char* name) {
            return MovieForm{name, "", 0, 1, 2, 2, "95", "250"};
        };
        window.answer = std::vector<MovieForm>{form("Mike"), form("Alpha"), form("Bravo")};
        dialogs.folderAnswers = {QStringLiteral("/films")};
        // The window shows over the whole list, filters reset, as Add's dialog does.
        window.whileOpen = [&] {
            QCOMPARE(logic.state.list().size(), 2);
            QCOMPARE(logic.state.filters(), FilterChoice{});
        };
        catalogue.markSaved();
        dialogs.clear();
        logic.folderAdd.addFromFolder();
        QCOMPARE(catalogue.movieCount(), 4);
        std::vector<std::string> listed;
        for (int i = 0; i < logic.state.list().size(); ++i) {
            listed.emplace_back(logic.state.list().at(i));
        }
        QCOMPARE(listed, (std::vector<std::string>{"Alpha", "Bravo", "Mike", "Zulu"}));
        QVERIFY(catalogue.unsavedChanges());
        QCOMPARE(dialogs.texts(),
                 QStringList{"2 Movies were added.\n1 of the checked Movies already exist and "
                             "were left out!"});
        QCOMPARE(logic.undo.undoCaption(), QStringLiteral("&Undo Add 2 Movies from Folder"));
        logic.undo.undoStep();
        QCOMPARE(catalogue.movieCount(), 2);
        QCOMPARE(logic.state.list().size(), 2);
        QVERIFY(!catalogue.unsavedChanges());
        QVERIFY(logic.state.takeSearchFocusRequest());
    }

    // The same files through "Analyse File(s)" and the add dialog's OK give the same bytes.
    void recordsEqualTheAddDialogs() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        Catalogue empty;
        FolderAddTable table(empty);
        measureInto(table, folder_);
        const QDir root(folder_);
        struct Case {
            QString name;
            QStringList files;
        };
        const std::vector<Case> cases = {
            {"lower avi", {root.filePath("lower avi.avi")}},
            {"UPPER MPG", {root.filePath("UPPER MPG.MPG")}},
            {"lower asf", {root.filePath("lower asf.asf")}},
            {"lower rm", {root.filePath("lower rm.rm")}},
            {"Heat", {root.filePath("Heat CD1.avi"), root.filePath("Heat cd2.avi")}},
            {"Ran",
             {root.filePath("Ran (1 of 3).mpg"), root.filePath("Ran (2 of 3).mpg"),
              root.filePath("Ran (3 of 3).mpg")}},
            {kLongName, {root.filePath(kLongName + ".avi")}},
        };
        std::vector<MovieForm> forms;
        for (const Case& c : cases) {
            int row = -1;
            for (int i = 0; i < table.size(); ++i) {
                if (table.row(i).files == c.files) {
                    row = i;
                }
            }
            QVERIFY2(row >= 0, qPrintable(c.name));
            QCOMPARE(table.row(row).name, c.name);
            forms.push_back(table.formOf(row));
        }
        // Slots that held a deleted movie's bytes keep them behind the new texts both ways.
        Catalogue viaFolder;
        Catalogue viaDialog;
        for (Catalogue* c : {&viaFolder, &viaDialog}) {
            for (int n = 1; n <= 10; ++n) {
                MovieRecord r = makeRecord({"Old movie with a long name " + std::to_string(n)});
                setFieldText(r.PersonalInfo, std::string(150, 'p'));
                c->addMovie(r);
            }
            c->startNew();
        }
        MovieList list;
        FakeUserDialogs dialogs;
        QCOMPARE(addFolderMovies(forms, viaFolder, list, dialogs).added,
                 static_cast<int>(cases.size()));

        const MovieEditor editor(viaDialog, dialogs);
        NoWait wait;
        for (const Case& c : cases) {
            FfmpegMediaDevice device;
            AnalysedFields fields{{}, {}, {}, 2, 0};
            for (const QString& f : c.files) {
                dialogs.fileAnswers.push_back(f);
            }
            analyseMovieFiles(static_cast<int>(c.files.size()), fields, dialogs, device, wait);
            QVERIFY(dialogs.texts().isEmpty());
            MovieForm form;
            // The marker of a part is what the user takes out of the name by hand.
            form.name = toCatalogueText(c.files.size() > 1 ? c.name : fields.name);
            form.genre = 0;
            form.rating = 2;
            form.quality = fields.quality;
            form.format = fields.format;
            form.lengthText = fields.lengthText.toStdString();
            form.sizeText = fields.sizeText.toStdString();
            MovieEditRequest request;
            request.slot = viaDialog.movieCount() + 1;
            request.record = viaDialog.slot(request.slot);
            const auto record = editor.checkedRecord(form, request);
            QVERIFY(record.has_value());
            viaDialog.addMovie(*record);
        }
        QCOMPARE(viaDialog.movieCount(), viaFolder.movieCount());
        for (int n = 1; n <= viaFolder.movieCount(); ++n) {
            QVERIFY2(std::memcmp(&viaFolder.slot(n), &viaDialog.slot(n), RecordSize) == 0,
                     nameOf(viaFolder.slot(n)).data());
        }
    }

    // Names from older systems are often Latin-1, not UTF-8: such files, also in such a
    // folder, are measured like any other and named as the catalogue's code page reads them.
    void latin1NamesAreMeasuredAndNamed() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        QTemporaryDir latin;
        const QByteArray folder = QFile::encodeName(latin.path()) + "/Fran\xe7oise";
        const QByteArray avi = QFile::encodeName(latin.path()) + "/Caf\xe9 Noir.avi";
        const QByteArray mpg = folder + "/D\xe9j\xe0 vu.mpg";
        // QTemporaryDir cannot remove them: it lists the folder through QFile::decodeName.
        const auto removed = qScopeGuard([&] {
            ::unlink(avi.constData());
            ::unlink(mpg.constData());
            ::rmdir(folder.constData());
        });
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
        const QByteArray models = QFile::encodeName(dir_.filePath(QStringLiteral("models")));
        QVERIFY(::link((models + "/minute.avi").constData(), avi.constData()) == 0);
        QVERIFY(::link((models + "/minute.mpg").constData(), mpg.constData()) == 0);
        Catalogue catalogue;
        FolderAddTable table(catalogue);
        measureInto(table, latin.path());
        QStringList actual;
        for (int i = 0; i < table.size(); ++i) {
            actual << rowLine(table, i);
        }
        actual.sort();
        QCOMPARE(actual, QStringList({QStringLiteral("Caf\u00E9 Noir|0|1|0|1|1|new|x"),
                                      QStringLiteral("D\u00E9j\u00E0 vu|2|1|0|1|1|new|x")}));
        // Stored, a name holds the very bytes of the file's name.
        std::set<std::string> stored;
        for (int i = 0; i < table.size(); ++i) {
            stored.insert(toCatalogueText(table.row(i).name));
        }
        QVERIFY(stored == (std::set<std::string>{"Caf\xe9 Noir", "D\xe9j\xe0 vu"}));
    }

    void unreadableFolderIsCounted() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        SkippedCounts skipped;
        QStringList names;
        if (::geteuid() != 0) {
            const std::atomic<bool> stop{false};
            const ScanResult result = scanFolder(folder_, stop);
            skipped = result.skipped;
            for (const FoundFile& f : result.files) {
                names << f.path;
            }
        } else {
            // Root lists every folder: the scan runs again as nobody in a child process.
            if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
                QSKIP("running as root and setpriv is missing to scan as another user");
            }
            QProcess child;
            child.start(QStringLiteral("setpriv"),
                        {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                         QCoreApplication::applicationFilePath(), "--scan", folder_});
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitCode(), 0);
            const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput())
                                          .split('\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            const QStringList counts = lines.front().split(' ');
            QCOMPARE(counts.size(), 4);
            skipped = {counts[0].toInt(), counts[1].toInt(), counts[2].toInt(), counts[3].toInt()};
            names = lines.mid(1);
        }
        QCOMPARE(skipped, (SkippedCounts{2, 0, 1, 1}));
        QVERIFY(!names.isEmpty());
        QVERIFY(!names.join('\n').contains(QStringLiteral("Hidden")));
    }

    // A damaged file can hold the reader for two seconds; cancelling ends it within 0.2 s.
    void stopEndsWorkersQuickly() {
        if (!haveFfmpeg_) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        // A clip with a long empty tail sends the reader hunting for a start code.
        QTemporaryDir slowDir;
        const QString model = slowDir.filePath(QStringLiteral("model.bin"));
        QVERIFY(makeClip(model, 2, encodingFor("mpg") + QStringList{"-f", "mpeg"}));
        for (int i = 0; i < 3; ++i) {
            const QString slow = slowDir.filePath(QStringLiteral("slow%1.mpg").arg(i));
            QVERIFY(QFile::copy(model, slow));
            QVERIFY(QFile(slow).resize(4000LL * 1000 * 1000));
        }
        FolderMeasuring measuring(ffmpegDevices(), 2);
        measuring.start(slowDir.path());
        QElapsedTimer timer;
        timer.start();
        while (!measuring.progress().scanned && timer.elapsed() < 5000) {
            QThread::msleep(5);
        }
        QThread::msleep(300);
        if (measuring.progress().filesDone != 0) {
            QSKIP("this machine read the damaged files before they could be interrupted");
        }
        // Stopping interrupts the reads in progress instead of waiting for them to end.
        measuring.stop();
        QCOMPARE(measuring.progress().filesDone, 0);
        QVERIFY(measuring.takeMeasured().empty());
        QVERIFY(!measuring.progress().finished());
    }
};

int main(int argc, char* argv[]) {
    // The child that scans as another user prints its counts and the files found.
    if (argc == 3 && std::strcmp(argv[1], "--scan") == 0) {
        const std::atomic<bool> stop{false};
        const ScanResult result = scanFolder(QString::fromLocal8Bit(argv[2]), stop);
        const SkippedCounts& s = result.skipped;
        std::cout << s.linkLoops << ' ' << s.brokenLinks << ' ' << s.unreadableFolders << ' '
                  << s.specialFiles << '\n';
        for (const FoundFile& f : result.files) {
            std::cout << f.path.toStdString() << '\n';
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    FolderAddTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_folder_add.moc"

// The catalogue's state under commands that run inside other commands' dialogs, and the
// rules for the current file: a save at any moment writes every movie in use, and no command
// can make a save shorten or misplace a catalogue.
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <map>

#include "careful_files/FileStamp.h"
#include "catalogue/CatalogueFile.h"
#include "files/CatalogueReadAhead.h"
#include "settings/StoredSettings.h"
#include "support/EditingProgram.h"
#include "support/MemoryRegistryBackend.h"

using namespace reelcase;
using namespace reelcase::test;
using Kind = FakeUserDialogs::Kind;

namespace {

// Keeps and restores the working folder around a test that changes it.
class WorkingFolder {
  public:
    explicit WorkingFolder(const QString& path) : before_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(before_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    QString before_;
};

// Every movie in use by name: the record of the first slot that holds it.
std::map<std::string, std::string> moviesInUse(const Catalogue& catalogue) {
    std::map<std::string, std::string> result;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const MovieRecord& r = catalogue.slot(n);
        if (!nameOf(r).empty()) {
            result.emplace(std::string(nameOf(r)), recordBytes(r));
        }
    }
    return result;
}

// The movies a catalogue file holds, read as Open reads them into an empty catalogue.
std::map<std::string, std::string> moviesInFile(const QString& path) {
    Catalogue catalogue;
    MovieList list;
    if (readCatalogueFile(path, catalogue, list).error != 0) {
        return {{"<unreadable>", {}}};
    }
    return moviesInUse(catalogue);
}

}  // namespace

class CatalogueStateTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

  private Q_SLOTS:
    // The catalogue read ahead at start is taken over only where the open would read the
    // same, once; anything else is read again, so what the user meets never depends on it.
    void readAheadIsTakenOverOnlyWhereTheOpenReadsTheSame() {
        const QString file = path(QStringLiteral("ahead.rcb"));
        const std::string bytes = recordBytes(Movie{"Bravo", "SF"}) + recordBytes(Movie{"Alpha"}) +
                                  recordBytes(Movie{"Bravo", "Drama"});
        writeBytes(file, bytes);
        Catalogue direct;
        MovieList directList;
        QCOMPARE(readCatalogueFile(file, direct, directList).error, 0);
        {
            CatalogueReadAhead ahead(file);
            Catalogue catalogue;
            MovieList list;
            QVERIFY(!ahead.takeOver(path(QStringLiteral("other.rcb")), catalogue, list));
            {
                const CatalogueStepScope step(catalogue, QStringLiteral("Open"));
                const std::optional<OpenOutcome> taken = ahead.takeOver(file, catalogue, list);
                QVERIFY(taken && taken->error == 0 && taken->stamp == stampOf(file));
            }
            QCOMPARE(entriesOf(list), entriesOf(directList));
            QCOMPARE(catalogue.movieCount(), direct.movieCount());
            for (int n = 1; n <= CatalogueCapacity; n += n < 4 ? 1 : 9999) {
                QVERIFY(std::memcmp(&catalogue.slot(n), &direct.slot(n), RecordSize) == 0);
            }
            // One undo step as a read makes: undone, the slots are empty again.
            QVERIFY(catalogue.undo() != nullptr);
            QCOMPARE(catalogue.movieCount(), 0);
            QCOMPARE(nameOf(catalogue.slot(1)), std::string_view());
            QVERIFY(catalogue.redo() != nullptr);
            QCOMPARE(nameOf(catalogue.slot(1)), std::string_view("Bravo"));
            Catalogue again;
            MovieList againList;
            QVERIFY(!ahead.takeOver(file, again, againList));
        }
        {
            // Not into a catalogue that was used; nor once the file changed since the read.
            CatalogueReadAhead ahead(file);
            Catalogue used;
            MovieList usedList;
            appendMovie(used, {"Zulu"});
            used.deleteMovie(1);
            used.startNew();
            QVERIFY(!ahead.takeOver(file, used, usedList));
            writeBytes(file, bytes + recordBytes(Movie{"Charlie"}));
            Catalogue fresh;
            MovieList freshList;
            QVERIFY(!ahead.takeOver(file, fresh, freshList));
            QCOMPARE(fresh.movieCount(), 0);
        }
        {
            // A read that met a broken end is read again, where its message is given.
            writeBytes(file, bytes + "xy");
            CatalogueReadAhead ahead(file);
            EditingProgram p;
            p.logic.files.FormCreate(file, &ahead);
            QCOMPARE(p.dialogs.errors().size(), 1);
            QCOMPARE(p.logic.state.list().size(), 2);
        }
    }

    void relativePathsAreKeptAbsolute() {
        QDir(dir_.path()).mkpath(QStringLiteral("data"));
        const QString two = path(QStringLiteral("data/two.rcb"));
        writeBytes(two, numberedMovies(2, "Two "));
        MemoryRegistryBackend store;
        QVERIFY(saveGeneralSettings(store, {true, false, true, false}, {}, {}));
        {
            const WorkingFolder here(dir_.path());
            EditingProgram p(&store);
            // The file prepared for reading at start is the one the start opens.
            QCOMPARE(catalogueOpenedAtStart(QStringLiteral("./data/../data/two.rcb"), store), two);
            p.logic.files.FormCreate(QStringLiteral("./data/../data/two.rcb"));
            QCOMPARE(p.catalogue.currentFileName(), two);
            p.add({typed("Three")});
            // Save As offers the file where it is, and accepting the name writes it there.
            p.dialogs.fileAnswers.push_back(two);
            p.logic.files.saveCatalogueAs();
            QCOMPARE(p.dialogs.fileRequests.at(0).fileName, two);
            QVERIFY(!QFile::exists(path(QStringLiteral("two.rcb"))));
            QCOMPARE(readBytes(two).size(), 3 * 272);
            // A name typed relative to the working folder is kept absolute.
            p.dialogs.fileAnswers.push_back(QStringLiteral("data/copy.rcb"));
            p.logic.files.saveCatalogueAs();
            QCOMPARE(p.catalogue.currentFileName(), path(QStringLiteral("data/copy.rcb")));
            QVERIFY(p.logic.files.FormCloseQuery());
        }
        // The next start from another folder finds the catalogue.
        const WorkingFolder elsewhere(QDir::rootPath());
        EditingProgram next(&store);
        QCOMPARE(catalogueOpenedAtStart({}, store), path(QStringLiteral("data/copy.rcb")));
        next.logic.files.FormCreate({});
        QCOMPARE(next.dialogs.errors(), QStringList{});
        QCOMPARE(next.logic.state.list().size(), 3);
        QCOMPARE(next.catalogue.currentFileName(), path(QStringLiteral("data/copy.rcb")));
    }

    void overfullLastFileIsNeverSavedOver() {
        const QString big = path(QStringLiteral("big.rcb"));
        writeBytes(big, numberedMovies(CatalogueCapacity + 5, ""));
        const qint64 size = QFileInfo(big).size();
        MemoryRegistryBackend store;
        QVERIFY(saveGeneralSettings(store, {true, false, true, false}, big, {}));
        EditingProgram p(&store);
        p.logic.files.FormCreate({});
        QCOMPARE(p.dialogs.texts().size(), 1);
        QVERIFY(p.dialogs.texts().at(0).contains(QStringLiteral(" 5 movies")));
        QVERIFY(p.catalogue.currentFileName().isEmpty());
        p.dialogs.clear();
        p.dialogs.fileAnswers.push_back(std::nullopt);
        p.logic.files.saveCatalogue();
        QCOMPARE(p.dialogs.shown.at(0).kind, Kind::SaveDialog);
        QCOMPARE(QFileInfo(big).size(), size);
        // The setting keeps naming it: the next start reopens it and says so again.
        QVERIFY(p.logic.files.FormCloseQuery());
        QCOMPARE(lastFileToReopen(store, p.dialogs), big);
    }

    void missingLastFileCanBeSavedUnderItsName() {
        const QString gone = path(QStringLiteral("gone.rcb"));
        MemoryRegistryBackend store;
        QVERIFY(saveGeneralSettings(store, {true, false, true, false}, gone, {}));
        EditingProgram p(&store);
        p.logic.files.FormCreate({});
        QCOMPARE(p.dialogs.errors(), QStringList{QStringLiteral("File not found.")});
        p.add({typed("First")});
        p.logic.files.saveCatalogue();
        QCOMPARE(readBytes(gone).size(), 272);
    }

    // The desktop session ends while the add/modify dialog is open and the user answers Yes
    // to saving: every movie is written, not only those up to the edited slot.
    void saveInsideTheMovieDialogWritesEveryMovie() {
        const QString five = path(QStringLiteral("five.rcb"));
        writeBytes(five, numberedMovies(5, "Movie "));
        EditingProgram p;
        QVERIFY(saveGeneralSettings(p.settings, {true, false, false, false}, {}, {}));
        p.logic.files.FormCreate(five);
        markEdited(p.catalogue);
        bool closed = false;
        p.movieDialog.whileOpen = [&] {
            p.dialogs.cancelAnswers.push_front(Answer::Yes);
            closed = p.logic.files.FormCloseQuery();
        };
        p.logic.state.selectEntry(1);
        p.movieDialog.sessions.push_back({{[](MovieForm& m) { m.lengthText = "1"; }}});
        p.logic.editing.modifySelectedMovie();
        QVERIFY(closed);
        QVERIFY(
            p.dialogs.texts().contains(QStringLiteral("The 5 MOVIES Are Now Succesfully Saved!")));
        QCOMPARE(readBytes(five).size(), 5 * 272);
        // The modified movie still lands in its slot, and the list shows every movie.
        QCOMPARE(p.catalogue.slot(2).Length, 1);
        QCOMPARE(p.logic.state.list().size(), 5);

        p.add({typed("Sixth")});
        QCOMPARE(readBytes(five).size(), 5 * 272);  // saved before the sixth was added
        QCOMPARE(p.catalogue.movieCount(), 6);
        QVERIFY(p.catalogue.unsavedChanges());
    }

    // Saves and close queries at every dialog of random command sequences: after each, the
    // file holds exactly the movies in use.
    void savesAtEveryPointWriteTheMoviesInUse() {
        auto* random = QRandomGenerator::global();
        const QString file = path(QStringLiteral("random.rcb"));
        const QString other = path(QStringLiteral("other.rcb"));
        int checks = 0;
        for (int run = 0; run < 25; ++run) {
            writeBytes(file, numberedMovies(6, "Start "));
            writeBytes(other, numberedMovies(4, "Other ") + numberedMovies(2, "Start "));
            EditingProgram p;
            QVERIFY(saveGeneralSettings(p.settings, {true, false, false, false}, {}, {}));
            p.logic.files.FormCreate(file);
            bool inside = false;
            const auto saveNow = [&] {
                if (inside || p.catalogue.currentFileName() != file ||
                    p.catalogue.movieCount() == 0 || p.logic.state.list().empty()) {
                    return;
                }
                inside = true;
                if (random->bounded(2) == 0) {
                    p.logic.files.saveCatalogue();
                } else {
                    markEdited(p.catalogue);
                    p.dialogs.cancelAnswers.push_front(Answer::Yes);
                    QVERIFY(p.logic.files.FormCloseQuery());
                }
                QCOMPARE(moviesInFile(file), moviesInUse(p.catalogue));
                ++checks;
                inside = false;
            };
            p.dialogs.onShow = saveNow;
            p.movieDialog.whileOpen = saveNow;
            for (int step = 0; step < 30; ++step) {
                const int size = p.logic.state.list().size();
                if (size > 0) {
                    p.logic.state.selectEntry(static_cast<int>(random->bounded(size)));
                }
                switch (random->bounded(6)) {
                    case 0:
                        p.add({typed("Added " + std::to_string(random->bounded(20)))});
                        break;
                    case 1:
                        p.movieDialog.sessions.push_back({{[&](MovieForm& m) {
                            m.name = "Renamed " + std::to_string(random->bounded(20));
                        }}});
                        p.logic.editing.modifySelectedMovie();
                        break;
                    case 2:
                        p.dialogs.confirmAnswers.push_back(true);
                        p.logic.editing.deleteSelectedMovie();
                        break;
                    case 3:
                        p.dialogs.fileAnswers.push_back(other);
                        p.logic.files.openCatalogue();
                        p.catalogue.setCurrentFileName(file);  // keep saving to one file
                        break;
                    case 4:
                        p.logic.finding.filterChanged(FilterBox::Genre, 0);
                        break;
                    default:
                        saveNow();
                        break;
                }
            }
            QCOMPARE(p.dialogs.unexpected, 0);
        }
        QVERIFY(checks > 100);
    }
};

QTEST_GUILESS_MAIN(CatalogueStateTest)
#include "test_catalogue_state.moc"

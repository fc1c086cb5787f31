#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/CatalogueFile.h"
#include "catalogue/TextCodec.h"
#include "main_window/MainWindowLogic.h"
#include "program_state/DetailsText.h"
#include "support/FailingFileSystem.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;
using Kind = FakeUserDialogs::Kind;

namespace {

QStringList entries(const MovieList& list) {
    return reelcase::test::entriesOf(list);
}

struct Fixture {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    FailingFileSystem& fileSystem = doubles.fileSystem;
    MainWindowLogic logic{catalogue, doubles.seams()};
};

const QString kSaved3 = QStringLiteral("The 3 MOVIES Are Now Succesfully Saved!");
const QString kEmpty = QStringLiteral("Please make sure you have some Movies in your database!");

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    QString threeMovies() {
        const QString file = path("three.rcb");
        writeBytes(file, recordBytes(Movie{"Zorro"}) + recordBytes(Movie{"alpha"}) +
                             recordBytes(Movie{"Mid"}));
        return file;
    }

  private Q_SLOTS:
    void startOpensTheArgument() {
        Fixture f;
        f.logic.files.FormCreate(threeMovies());
        QCOMPARE(entries(f.logic.state.list()), (QStringList{"alpha", "Mid", "Zorro"}));
        QCOMPARE(f.catalogue.currentFileName(), threeMovies());
        QVERIFY(!f.catalogue.unsavedChanges());
        QVERIFY(f.dialogs.shown.empty());

        Fixture none;
        none.logic.files.FormCreate({});
        QCOMPARE(none.catalogue.movieCount(), 0);
        QVERIFY(none.dialogs.shown.empty());
    }

    void startWithMissingFileReportsAndGoesOn() {
        Fixture f;
        f.logic.files.FormCreate(path("gone.rcb"));
        QCOMPARE(f.dialogs.errors(), QStringList{QStringLiteral("File not found.")});
        QCOMPARE(f.catalogue.movieCount(), 0);
        QVERIFY(f.catalogue.currentFileName().isEmpty());
    }

    void openMergesAndFailureKeepsListInStep() {
        Fixture f;
        f.logic.files.FormCreate(threeMovies());
        const QString damaged = path("damaged.rcb");
        writeBytes(damaged, recordBytes(Movie{"Mid"}) + recordBytes(Movie{"New One"}) + "xx");
        f.dialogs.fileAnswers.push_back(damaged);
        f.logic.files.openCatalogue();
        QCOMPARE(f.dialogs.errors(), QStringList{QStringLiteral("Read beyond end of file.")});
        QCOMPARE(f.catalogue.movieCount(), 4);
        QCOMPARE(entries(f.logic.state.list()), (QStringList{"alpha", "Mid", "New One", "Zorro"}));
        QCOMPARE(f.catalogue.currentFileName(), threeMovies());
        QCOMPARE(f.dialogs.fileRequests.at(0).filterDescription,
                 QStringLiteral("Reelcase Files (*.rcb)"));

        f.dialogs.fileAnswers.push_back(std::nullopt);  // cancelled: nothing more happens
        f.logic.files.openCatalogue();
        QCOMPARE(f.catalogue.movieCount(), 4);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void newForgetsTheFileSoSaveAsks() {
        Fixture f;
        f.logic.files.FormCreate(threeMovies());
        markEdited(f.catalogue);
        f.dialogs.confirmAnswers = {false, true};
        f.logic.files.startNewCatalogue();
        QCOMPARE(f.logic.state.list().size(), 3);
        f.logic.files.startNewCatalogue();
        QCOMPARE(f.dialogs.shown.at(0).text,
                 QStringLiteral("Do you want to start a new Movie-database?"));
        QCOMPARE(f.catalogue.movieCount(), 0);
        QVERIFY(f.logic.state.list().empty());
        QVERIFY(f.catalogue.currentFileName().isEmpty());
        QVERIFY(f.catalogue.unsavedChanges());

        const QString fresh = path("fresh.rcb");
        writeBytes(fresh, recordBytes(Movie{"Fresh"}));
        f.dialogs.fileAnswers.push_back(fresh);
        f.logic.files.openCatalogue();
        f.catalogue.forgetCurrentFileName();  // as if the movie had been added by hand
        f.dialogs.fileAnswers.push_back(std::nullopt);
        f.logic.files.saveCatalogue();
        QCOMPARE(f.dialogs.shown.back().kind, Kind::SaveDialog);
        QCOMPARE(readBytes(threeMovies()).size(), 3 * 272);
    }

    void saveAsWritesMessagesAndFocus() {
        Fixture f;
        f.logic.files.FormCreate(threeMovies());
        markEdited(f.catalogue);
        f.logic.state.takeSearchFocusRequest();
        f.dialogs.fileAnswers.push_back(path("copy.rcb"));
        f.logic.files.saveCatalogueAs();
        const FileDialogRequest& request = f.dialogs.fileRequests.at(0);
        QCOMPARE(request.defaultSuffix, QStringLiteral("rcb"));
        QCOMPARE(request.fileName, threeMovies());
        QCOMPARE(f.dialogs.texts(), QStringList{kSaved3});
        QCOMPARE(f.catalogue.currentFileName(), path("copy.rcb"));
        QVERIFY(!f.catalogue.unsavedChanges());
        QVERIFY(f.logic.state.takeSearchFocusRequest());
        QCOMPARE(readBytes(path("copy.rcb")).size(), 3 * 272);
        QCOMPARE(readBytes(path("copy.rcb")).left(6), QByteArray("\x05"
                                                                 "alpha"));

        // Save writes the current file without a dialog.
        f.dialogs.clear();
        f.logic.files.saveCatalogue();
        QCOMPARE(f.dialogs.texts(), QStringList{kSaved3});
        QVERIFY(f.logic.state.takeSearchFocusRequest());
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void emptyListRefusesAndDotMeansNoFile() {
        Fixture f;
        f.logic.files.saveCatalogue();  // no file: Save As, which refuses the empty list
        QCOMPARE(f.dialogs.texts(), QStringList{kEmpty});
        QVERIFY(f.logic.state.takeSearchFocusRequest());
    }

    void failedSaveLeavesOldFileAndState_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        using S = FailingFileSystem::Step;
        QTest::newRow("create") << int(S::Create) << EACCES << "File access denied.";
        QTest::newRow("write") << int(S::Write) << ENOSPC << "Disk full.";
        QTest::newRow("fsync") << int(S::Fsync) << EIO << "I/O error 5.";
        QTest::newRow("close") << int(S::Close) << EDQUOT << "Disk full.";
        QTest::newRow("rename") << int(S::Rename) << EXDEV << "I/O error 18.";
    }

    void failedSaveLeavesOldFileAndState() {
        QFETCH(int, step);
        QFETCH(int, error);
        QFETCH(QString, text);
        Fixture f;
        const QString file = threeMovies();
        const QByteArray before = readBytes(file);
        f.logic.files.FormCreate(file);
        writeBytes(path("added.rcb"), recordBytes(Movie{"Added"}));
        f.dialogs.fileAnswers.push_back(path("added.rcb"));
        f.logic.files.openCatalogue();
        f.catalogue.setCurrentFileName(file);
        markEdited(f.catalogue);
        QCOMPARE(f.logic.state.list().size(), 4);
        f.fileSystem.failAt = static_cast<FailingFileSystem::Step>(step);
        f.fileSystem.error = error;
        f.fileSystem.shortWriteLimit = 272 + 100;  // several writes, the first ones short
        f.fileSystem.failOnWriteNumber = 2;
        f.logic.files.saveCatalogue();
        QCOMPARE(f.dialogs.texts(), QStringList{text});
        QCOMPARE(readBytes(file), before);
        QVERIFY(f.catalogue.unsavedChanges());
        QCOMPARE(f.catalogue.currentFileName(), file);
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("three.rcb.??????")}, QDir::Files),
                 QStringList{});  // no temporary left
    }

    void shortWritesStillSaveEverything() {
        Fixture f;
        f.logic.files.FormCreate(threeMovies());
        f.fileSystem.shortWriteLimit = 100;
        f.dialogs.fileAnswers.push_back(path("short.rcb"));
        f.logic.files.saveCatalogueAs();
        QCOMPARE(f.dialogs.texts(), QStringList{kSaved3});
        QCOMPARE(readBytes(path("short.rcb")),
                 QByteArray::fromStdString(catalogueFileBytes(f.catalogue, f.logic.state.list())));
    }

    void detailsShowTheFirstSlotOfTheSelectedName() {
        Fixture f;
        appendMovie(f.catalogue, {"The Long Road", "Drama", "DVD", "Pretty Good",
                                  "Seen twice. Great soundtrack.", 128, 4, 4300});
        appendMovie(f.catalogue, {"The Long Road", "Horror", "AVI", "Boring", "", -5, 1, -7});
        f.logic.state.RefreshMovieList();
        f.logic.state.selectEntry(1);
        QCOMPARE(QString::fromStdString(f.logic.state.details()),
                 QStringLiteral("   Movie: The Long Road\r\n"
                                "  Length: 128 Minutes\r\n"
                                "  Format: DVD\r\n"
                                "   Genre: Drama\r\n"
                                " Quality: 4/5\r\n"
                                "  Rating: Pretty Good\r\n"
                                "    Size: 4300 MB\r\n"
                                "\r\n"
                                "[============ Personal Info ===========]\r\n"
                                "Seen twice. Great soundtrack."));
        f.logic.state.selectEntry(-1);
        QVERIFY(f.logic.state.details().empty());

        const std::string negative = detailsText(f.catalogue.slot(2));
        QVERIFY(negative.find("  Length: -5 Minutes\r\n") != std::string::npos);
        QVERIFY(negative.find("    Size: -7 MB\r\n") != std::string::npos);
        QVERIFY(negative.ends_with("===========]\r\n"));
    }
};

QTEST_GUILESS_MAIN(FileCommandsTest)
#include "test_file_commands.moc"

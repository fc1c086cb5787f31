#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "careful_files/FileErrors.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/TextCodec.h"
#include "main_window/MainWindowLogic.h"
#include "support/EditingProgram.h"
#include "support/FailingFileSystem.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// Everything a save must leave as it was: the listed names and the slots in use.
QByteArray snapshot(const EditingProgram& p) {
    QByteArray bytes;
    for (int i = 0; i < p.logic.state.list().size(); ++i) {
        bytes += QByteArray::fromStdString(std::string(p.logic.state.list().at(i))) + '\n';
    }
    for (int n = 1; n <= p.catalogue.movieCount(); ++n) {
        bytes += QByteArray::fromStdString(recordBytes(p.catalogue.slot(n)));
    }
    return bytes;
}

using Program = EditingProgram;

ino_t inodeOf(const QString& file) {
    struct stat st {};
    return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_ino : 0;
}

std::string movies(int count, const char* genre) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += recordBytes(Movie{"Movie " + std::to_string(i), genre});
    }
    return bytes;
}

}  // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

  private Q_SLOTS:
    void everyFailingStepLeavesTheOldFile() {
        using S = FailingFileSystem::Step;
        const QString file = path(QStringLiteral("safe.rcb"));
        writeBytes(file, movies(40, "Drama"));
        const QByteArray before = readBytes(file);
        int points = 0;
        // Every write of a save made of short writes, then every other step.
        for (int write = 1; write <= 12; ++write) {
            for (const auto& [step, error] :
                 std::initializer_list<std::pair<S, int>>{{S::Write, ENOSPC},
                                                          {S::Create, EACCES},
                                                          {S::Fsync, EIO},
                                                          {S::Close, EDQUOT},
                                                          {S::Rename, EXDEV}}) {
                if (step != S::Write && write > 1) {
                    continue;
                }
                Program p;
                p.logic.files.FormCreate(file);
                p.movieDialog.sessions.push_back({{typed("Added")}});
                p.logic.editing.addMovie();
                const QByteArray memory = snapshot(p);
                p.fileSystem.failAt = step;
                p.fileSystem.error = error;
                p.fileSystem.failOnWriteNumber = write;
                p.fileSystem.shortWriteLimit = 1000;  // 41 records: 12 writes or so
                p.dialogs.clear();
                p.logic.files.saveCatalogue();
                QCOMPARE(p.dialogs.errors(), QStringList{fileErrorText(error)});
                QCOMPARE(readBytes(file), before);
                QCOMPARE(snapshot(p), memory);
                QVERIFY(p.catalogue.unsavedChanges());
                ++points;
            }
        }
        qInfo("failure points injected: %d", points);
        // No temporary file is left behind (the backup of the old file may be).
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral(".rc*")}, QDir::Files | QDir::Hidden),
                 QStringList{});
    }

    void saveKeepsThePreviousVersionAsBackup() {
        const QString file = path(QStringLiteral("kept.rcb"));
        writeBytes(file, movies(3, "Drama"));
        const QByteArray first = readBytes(file);
        Program p;
        p.logic.files.FormCreate(file);
        p.movieDialog.sessions.push_back({{typed("Added")}});
        p.logic.editing.addMovie();
        p.logic.files.saveCatalogue();
        QCOMPARE(readBytes(file + QStringLiteral(".bak")), first);
        const QByteArray second = readBytes(file);
        QCOMPARE(second.size(), 4 * 272);

        // Where a second name cannot be made, a copy is kept instead.
        p.fileSystem.failAt = FailingFileSystem::Step::Link;
        p.fileSystem.error = EPERM;
        p.logic.files.saveCatalogue();
        QCOMPARE(readBytes(file + QStringLiteral(".bak")), second);
        QVERIFY(!p.catalogue.unsavedChanges());
    }

    void fullFileSystemLeavesTheOldFile() {
        const QString mountPoint = path(QStringLiteral("small"));
        QDir().mkpath(mountPoint);
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") !=
            0) {
            QSKIP("no tmpfs can be mounted here (needs root and a mount namespace that allows it)");
        }
        const QString file = mountPoint + QStringLiteral("/full.rcb");
        writeBytes(file, movies(60, "Drama"));  // about 16 KB of 64
        const QByteArray before = readBytes(file);
        Program p;
        p.logic.files.FormCreate(file);
        for (int i = 0; i < 200; ++i) {  // 54 KB more: the new file cannot fit beside the old
            p.movieDialog.sessions.push_back({{typed("Extra " + std::to_string(i))}});
            p.logic.editing.addMovie();
        }
        p.dialogs.clear();
        p.logic.files.saveCatalogue();
        QCOMPARE(p.dialogs.errors(), QStringList{QStringLiteral("Disk full.")});
        QCOMPARE(readBytes(file), before);
        ::umount(QFile::encodeName(mountPoint).constData());
    }

    void killedWhileSavingLeavesAWholeCatalogue() { killWhileSaving(false); }

    // A second name for the file makes every save write it in place, after a backup.
    void killedWhileSavingInPlaceLeavesTheFileOrItsBackupWhole() { killWhileSaving(true); }

    void hostileFilesAreReportedNotTrusted() {
        Catalogue catalogue;
        MovieList list;
        appendMovie(catalogue, {"Held"});
        list.add("Held");
        const auto open = [&](const QString& file) {
            return fileErrorText(readCatalogueFile(file, catalogue, list).error);
        };
        QCOMPARE(open(QStringLiteral("/dev/zero")), QStringLiteral("File access denied."));
        const QString fifo = path(QStringLiteral("pipe.rcb"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QCOMPARE(open(fifo), QStringLiteral("File access denied."));  // and no hang
        QCOMPARE(catalogue.movieCount(), 1);

        // A file that vanishes once opened is still read whole.
        const QString vanishing = path(QStringLiteral("vanishing.rcb"));
        writeBytes(vanishing, movies(3, "Drama"));
        const int fd = ::open(QFile::encodeName(vanishing).constData(), O_RDONLY);
        QVERIFY(fd >= 0 && QFile::remove(vanishing));
        QCOMPARE(readCatalogueFd(fd, catalogue, list).error, 0);
        ::close(fd);
        QCOMPARE(catalogue.movieCount(), 4);

        // 2 GB that are no catalogue: read through, nothing lost, nothing written out of place.
        const QString huge = path(QStringLiteral("huge.rcb"));
        QFile f(huge);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(2000LL * 1000 * 1000 + 7));
        f.close();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(open(huge), QStringLiteral("Read beyond end of file."));
        qInfo("2 GB of zeros read in %lld ms", timer.elapsed());
        QCOMPARE(fieldText(catalogue.slot(1).Name), std::string_view("Held"));
        QCOMPARE(catalogue.movieCount(), 5);  // one empty-named record, then only its duplicates
        QFile::remove(huge);
    }

    void fullTableTakesExactlyWhatFits() {
        Program p;
        const QString file = path(QStringLiteral("many.rcb"));
        writeBytes(file, movies(CatalogueCapacity + 1, "Drama"));
        p.logic.files.FormCreate(file);
        QCOMPARE(p.catalogue.movieCount(), CatalogueCapacity);
        QCOMPARE(p.logic.state.list().size(), CatalogueCapacity);
        QCOMPARE(p.dialogs.texts().size(), 1);
        QVERIFY(
            p.dialogs.texts().at(0).contains(QStringLiteral("1 movies of this file could not")));
        p.movieDialog.sessions.push_back({{typed("One more")}});
        p.logic.editing.addMovie();
        QCOMPARE(p.catalogue.movieCount(), CatalogueCapacity);
        QCOMPARE(p.movieDialog.sessions.size(), std::size_t{1});
    }

    void oddTextsAndManyEditsSurvive() {
        Program p;
        // Control characters and every byte above 127 in names and notes.
        std::string odd;
        for (int c = 1; c < 32; ++c) {
            odd += static_cast<char>(c);
        }
        std::string high;
        for (int c = 128; c < 256; ++c) {
            high += static_cast<char>(c);
        }
        p.movieDialog.sessions.push_back({{[&](MovieForm& m) {
            m.name = odd.substr(0, 29);
            m.personalInfo = high;
            m.lengthText = "1";
            m.sizeText = "1";
        }}});
        p.logic.editing.addMovie();
        p.movieDialog.sessions.push_back({{[&](MovieForm& m) {
            m.name = high.substr(100);
            m.personalInfo = odd + odd;
            m.lengthText = "1";
            m.sizeText = "1";
        }}});
        p.logic.editing.addMovie();
        QCOMPARE(p.logic.state.list().size(), 2);
        p.logic.state.selectEntry(0);
        QVERIFY(!fromCatalogueText(p.logic.state.details()).isEmpty());
        p.logic.finding.searchByName(high.substr(110, 3));
        QCOMPARE(p.logic.state.searchRows().size(), std::size_t{1});
        const QString file = path(QStringLiteral("odd.rcb"));
        p.dialogs.fileAnswers.push_back(file);
        p.logic.files.saveCatalogueAs();
        Program again;
        again.logic.files.FormCreate(file);
        QCOMPARE(snapshot(again), snapshot(p));

        // 10,000 adds and deletes: holes pile up, nothing is lost or misplaced.
        Program cycles;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10000; ++i) {
            cycles.movieDialog.sessions.push_back({{typed("Cycle " + std::to_string(i % 7))}});
            cycles.logic.editing.addMovie();
            cycles.logic.state.selectEntry(0);
            cycles.dialogs.confirmAnswers.push_back(true);
            cycles.logic.editing.deleteSelectedMovie();
        }
        qInfo("10,000 add/delete cycles in %lld ms", timer.elapsed());
        QCOMPARE(cycles.catalogue.movieCount(), 10000);
        QVERIFY(cycles.logic.state.list().empty());
        QCOMPARE(cycles.dialogs.unexpected, 0);
    }

  private:
    void killWhileSaving(bool inPlace) {
        const QString folder =
            path(inPlace ? QStringLiteral("in-place") : QStringLiteral("atomic"));
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/killed.rcb");
        const QString backup = file + QStringLiteral(".bak");
        const QString secondName = folder + QStringLiteral("/second name.rcb");
        const int count = 8000;  // 2.2 MB a save
        // Both versions, as the victim writes them, in list order.
        std::string first;
        std::string second;
        for (int i = 0; i < count; ++i) {
            first += recordBytes(
                Movie{"Movie " + std::to_string(i), "Drama", "DVD", "Nice", "first", i, 1, 1});
            second += recordBytes(
                Movie{"Movie " + std::to_string(i), "Comedy", "AVI", "Boring", "second", -i, 5, 2});
        }
        MovieList order;
        for (int i = 0; i < count; ++i) {
            order.add("Movie " + std::to_string(i));
        }
        const auto inListOrder = [&](const std::string& bytes) {
            std::string sorted;
            for (int i = 0; i < order.size(); ++i) {
                const int number = std::stoi(std::string(order.at(i).substr(6)));
                sorted += bytes.substr(static_cast<std::size_t>(number) * 272, 272);
            }
            return QByteArray::fromStdString(sorted);
        };
        const QByteArray a = inListOrder(first);
        const QByteArray b = inListOrder(second);
        writeBytes(file, b.toStdString());
        writeBytes(backup, b.toStdString());
        if (inPlace) {
            QVERIFY(::link(QFile::encodeName(file).constData(),
                           QFile::encodeName(secondName).constData()) == 0);
        }
        const ino_t inode = inodeOf(file);
        QProcess victim;
        int kills = 0;
        int torn = 0;
        // REELCASE_KILL_ROUNDS sets a longer run by hand.
        const int rounds = qEnvironmentVariableIntValue("REELCASE_KILL_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("REELCASE_KILL_ROUNDS")
                               : 25;
        for (int round = 0; round < rounds; ++round) {
            victim.start(QStringLiteral(REELCASE_SAVE_VICTIM), {file, QString::number(count)});
            QVERIFY(victim.waitForStarted());
            QVERIFY(victim.waitForReadyRead(120000));  // past its start, into the saves
            QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(120)));
            ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
            victim.waitForFinished();
            ++kills;
            const QByteArray now = readBytes(file);
            const QByteArray kept = readBytes(backup);
            QVERIFY2(kept == a || kept == b,
                     qPrintable(QStringLiteral("backup lost after kill %1: %2 bytes")
                                    .arg(kills)
                                    .arg(kept.size())));
            if (now != a && now != b) {
                ++torn;
                QVERIFY2(
                    inPlace,
                    qPrintable(
                        QStringLiteral("torn after kill %1: %2 bytes").arg(kills).arg(now.size())));
                // As the user would, the catalogue is taken back from its backup (in place, so
                // that its second name stays) before the next save backs it up in turn.
                QFile restored(file);
                QVERIFY(restored.open(QIODevice::WriteOnly | QIODevice::Truncate));
                QCOMPARE(restored.write(kept), kept.size());
                restored.close();
                continue;
            }
            Catalogue reopened;
            MovieList list;
            QCOMPARE(readCatalogueFile(file, reopened, list).error, 0);
            QCOMPARE(reopened.movieCount(), count);
        }
        if (inPlace) {
            QCOMPARE(inodeOf(file), inode);
            QCOMPARE(inodeOf(secondName), inode);
        }
        const auto names =
            QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        qInfo(
            "%s: %d kills survived, %d left the file half-written and its backup whole; "
            "names left: %s",
            inPlace ? "in place" : "atomic", kills, torn,
            qPrintable(names.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(DataSafetyTest)
#include "test_data_safety.moc"

// Saving over files as a careful editor does: links, permissions, owners, odd files, limits,
// leftovers of killed saves, other writers. Cases that need another user run the save in a
// child process as "nobody" (setpriv), which needs root; elsewhere they are skipped.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "careful_files/FileErrors.h"
#include "careful_files/SavingMark.h"
#include "catalogue/CatalogueFile.h"
#include "support/EditingProgram.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
constexpr gid_t kUsers = 100;

std::string movies(int count, const char* genre = "Drama") {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += recordBytes(Movie{"Movie " + std::to_string(i), genre});
    }
    return bytes;
}

struct stat statOf(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

// One save of a catalogue of `count` movies by the victim program, as nobody with the given
// extra groups; its exit code is the save's errno, -1 when it did not end normally.
int saveAsNobody(const QString& target, int count, const QString& groups = {}) {
    QProcess victim;
    QStringList args{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup")};
    args << (groups.isEmpty() ? QStringLiteral("--clear-groups")
                              : QStringLiteral("--groups=") + groups);
    args << QStringLiteral(REELCASE_SAVE_VICTIM) << target << QString::number(count)
         << QStringLiteral("once");
    victim.start(QStringLiteral("setpriv"), args);
    if (!victim.waitForFinished(60000) || victim.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return victim.exitCode();
}

// The same save as this user, with the size of any file it writes limited to limitBytes.
int saveWithFileSizeLimit(const QString& target, int count, rlim_t limitBytes) {
    QProcess victim;
    victim.setChildProcessModifier([limitBytes] {
        const rlimit limit{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    victim.start(QStringLiteral(REELCASE_SAVE_VICTIM),
                 {target, QString::number(count), QStringLiteral("once")});
    if (!victim.waitForFinished(60000) || victim.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return victim.exitCode();
}

// A catalogue with one movie more than the file at path, ready to be saved over it.
struct Edited : EditingProgram {
    explicit Edited(const QString& path) {
        logic.files.FormCreate(path);
        add({typed("Added")});
        dialogs.clear();
    }
    QStringList save() {
        dialogs.clear();
        logic.files.saveCatalogue();
        return dialogs.texts();
    }
};

QString savedText(int movies) {
    return QStringLiteral("The %1 MOVIES Are Now Succesfully Saved!").arg(movies);
}

}  // namespace

class CarefulSaveTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    // A folder the unprivileged saver can reach, with the given mode and owner.
    QString sharedFolder(const QString& name, mode_t mode, uid_t owner = 0) {
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0711);
        const QString folder = path(name);
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), mode);
        if (::chown(QFile::encodeName(folder).constData(), owner, 0) != 0) {
            qFatal("cannot hand %s over", qPrintable(folder));
        }
        return folder;
    }
    static void own(const QString& file, uid_t user, gid_t group, mode_t mode) {
        if (::chown(QFile::encodeName(file).constData(), user, group) != 0 ||
            ::chmod(QFile::encodeName(file).constData(), mode) != 0) {
            qFatal("cannot hand %s over", qPrintable(file));
        }
    }

  private Q_SLOTS:
    void writeProtectedCatalogueIsRefused() {
        const QString file = path(QStringLiteral("protected.rcb"));
        writeBytes(file, movies(3));
        ::chmod(QFile::encodeName(file).constData(), 0444);
        Edited p(file);
        QCOMPARE(p.save(), QStringList{QStringLiteral("File access denied.")});
        QCOMPARE(readBytes(file), QByteArray::fromStdString(movies(3)));
        QCOMPARE(statOf(file).st_mode & 07777, 0444u);
        QVERIFY(p.catalogue.unsavedChanges());

        if (::getuid() != 0) {
            QSKIP("another user's file needs root to set up and setpriv to save as nobody");
        }
        // Someone else's file that this user may not write, in a folder anyone may write to.
        const QString folder = sharedFolder(QStringLiteral("open"), 0777);
        const QString foreign = folder + QStringLiteral("/foreign.rcb");
        writeBytes(foreign, movies(2));
        own(foreign, 0, 0, 0644);
        QCOMPARE(saveAsNobody(foreign, 5), EACCES);
        QCOMPARE(readBytes(foreign), QByteArray::fromStdString(movies(2)));
        QCOMPARE(statOf(foreign).st_uid, 0u);
    }

    // A new file renamed over the old one is no more and no less readable than it was,
    // whatever the mask would give a new file.
    void aReplacedCatalogueKeepsItsMode() {
        for (const mode_t mode : {mode_t{0600}, mode_t{0664}}) {
            const QString file = path(QStringLiteral("mode%1.rcb").arg(mode, 0, 8));
            writeBytes(file, movies(2));
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode) == 0);
            const ino_t before = statOf(file).st_ino;
            Edited p(file);
            QCOMPARE(p.save(), QStringList{savedText(3)});
            QVERIFY(statOf(file).st_ino != before);  // replaced, not written in place
            QCOMPARE(statOf(file).st_mode & 07777, mode);
        }
    }

    void linksLeadOnlyToRegularFiles() {
        Edited p(QString{});
        const auto saveAs = [&](const QString& name) {
            p.dialogs.clear();
            p.dialogs.fileAnswers.push_back(name);
            p.logic.files.saveCatalogueAs();
            return p.dialogs.texts();
        };
        const auto link = [&](const char* target, const QString& name) {
            QVERIFY(::symlink(target, QFile::encodeName(name).constData()) == 0);
        };
        // A device node of its own (the null device's numbers), so that no real one is at
        // stake should the save go wrong.
        const QString device = path(QStringLiteral("null"));
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
            const QString toDevice = path(QStringLiteral("device.rcb"));
            link(qPrintable(device), toDevice);
            QCOMPARE(saveAs(toDevice), QStringList{QStringLiteral("File access denied.")});
            QVERIFY(S_ISCHR(statOf(device).st_mode));
        }

        const QString fifo = path(QStringLiteral("pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString toFifo = path(QStringLiteral("pipe.rcb"));
        link(qPrintable(fifo), toFifo);
        QCOMPARE(saveAs(toFifo), QStringList{QStringLiteral("File access denied.")});
        QVERIFY(S_ISFIFO(statOf(fifo).st_mode));
        QCOMPARE(saveAs(fifo), QStringList{QStringLiteral("File access denied.")});

        const QString loop = path(QStringLiteral("loop.rcb"));
        link(qPrintable(loop), loop);
        QCOMPARE(saveAs(loop), QStringList{QStringLiteral("Invalid filename.")});
        QVERIFY(S_ISLNK(statOf(loop).st_mode));
        QVERIFY(p.catalogue.unsavedChanges());
        QVERIFY(p.catalogue.currentFileName().isEmpty());

        // A dangling link, through a second link: the file it names is made, the links stay.
        const QString named = path(QStringLiteral("named.rcb"));
        const QString first = path(QStringLiteral("first.rcb"));
        const QString dangling = path(QStringLiteral("dangling.rcb"));
        link("named.rcb", first);
        link("first.rcb", dangling);
        QCOMPARE(saveAs(dangling), QStringList{savedText(1)});
        QVERIFY(S_ISLNK(statOf(dangling).st_mode) && S_ISLNK(statOf(first).st_mode));
        QCOMPARE(readBytes(named).size(), 272);

        // A link to a regular file: the file is replaced, the link stays.
        p.add({typed("Second")});
        QCOMPARE(saveAs(first), QStringList{savedText(2)});
        QVERIFY(S_ISLNK(statOf(first).st_mode));
        QCOMPARE(readBytes(named).size(), 2 * 272);
    }

    void fileSizeLimitIsAnErrorNotTheEnd() {
        const QString file = path(QStringLiteral("limited.rcb"));
        writeBytes(file, movies(3));
        const QByteArray before = readBytes(file);
        QCOMPARE(saveWithFileSizeLimit(file, 2000, 100000), EFBIG);  // 544,000 bytes wanted
        QCOMPARE(readBytes(file), before);
        // Also when it is written in place (a second name keeps it from being replaced).
        const QString second = path(QStringLiteral("limited-too.rcb"));
        QVERIFY(::link(QFile::encodeName(file).constData(),
                       QFile::encodeName(second).constData()) == 0);
        QCOMPARE(saveWithFileSizeLimit(file, 2000, 100000), EFBIG);
        QCOMPARE(readBytes(file), before);
        QCOMPARE(statOf(file).st_ino, statOf(second).st_ino);
        QCOMPARE(saveWithFileSizeLimit(file, 200, 100000), 0);
        QCOMPARE(readBytes(second).size(), 200 * 272);
    }

    void sharedCatalogueKeepsItsOwnerGroupAndLinks() {
        // Hard links: every name still shows the saved catalogue, the backup the old one.
        const QString file = path(QStringLiteral("linked.rcb"));
        const QString other = path(QStringLiteral("other name.rcb"));
        writeBytes(file, movies(3));
        QVERIFY(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()) ==
                0);
        const ino_t inode = statOf(file).st_ino;
        Edited p(file);
        QCOMPARE(p.save(), QStringList{savedText(4)});
        QCOMPARE(statOf(file).st_ino, inode);
        QCOMPARE(statOf(other).st_nlink, nlink_t{2});
        QCOMPARE(readBytes(other).size(), 4 * 272);
        QCOMPARE(readBytes(file + QStringLiteral(".bak")), QByteArray::fromStdString(movies(3)));

        // A failure half-way through writing in place puts the old bytes back.
        p.add({typed("Another")});
        p.fileSystem.failAt = FailingFileSystem::Step::Write;
        p.fileSystem.failOnWriteNumber = p.fileSystem.writes + 6;  // the backup's 4, then 2
        p.fileSystem.shortWriteLimit = 300;
        p.fileSystem.error = ENOSPC;
        const QStringList failed = p.save();
        QVERIFY2(failed == QStringList{QStringLiteral("Disk full.")}, qPrintable(failed.join('|')));
        QCOMPARE(readBytes(other).size(), 4 * 272);
        QCOMPARE(readBytes(file + QStringLiteral(".bak")).size(), 4 * 272);
        QVERIFY(p.catalogue.unsavedChanges());

        if (::getuid() != 0) {
            QSKIP("files of other users need root to set up and setpriv to save as nobody");
        }
        // Owner root, group users, 0660; saved by nobody, a member of users.
        const QString folder = sharedFolder(QStringLiteral("shared"), 0777);
        const QString shared = folder + QStringLiteral("/shared.rcb");
        writeBytes(shared, movies(2));
        own(shared, 0, kUsers, 0660);
        const ino_t sharedInode = statOf(shared).st_ino;
        QCOMPARE(saveAsNobody(shared, 7, QString::number(kUsers)), 0);
        const struct stat after = statOf(shared);
        QCOMPARE(after.st_uid, 0u);
        QCOMPARE(after.st_gid, kUsers);
        QCOMPARE(after.st_mode & 07777, 0660u);
        QCOMPARE(after.st_ino, sharedInode);
        QCOMPARE(readBytes(shared).size(), 7 * 272);
        QCOMPARE(readBytes(shared + QStringLiteral(".bak")), QByteArray::fromStdString(movies(2)));
        QCOMPARE(statOf(shared + QStringLiteral(".bak")).st_gid, kUsers);
        QCOMPARE(statOf(shared + QStringLiteral(".bak")).st_mode & 07777, 0660u);

        // A writable catalogue in a folder that allows no new file: written in place.
        const QString closed = sharedFolder(QStringLiteral("closed"), 0755);
        const QString mine = closed + QStringLiteral("/mine.rcb");
        writeBytes(mine, movies(2));
        own(mine, kNobody, kNogroup, 0644);
        QCOMPARE(saveAsNobody(mine, 6), 0);
        QCOMPARE(readBytes(mine).size(), 6 * 272);
        // Its backup, where one already stands that may be written.
        writeBytes(mine + QStringLiteral(".bak"), movies(1));
        own(mine + QStringLiteral(".bak"), kNobody, kNogroup, 0644);
        QCOMPARE(saveAsNobody(mine, 4), 0);
        QCOMPARE(readBytes(mine).size(), 4 * 272);
        QCOMPARE(readBytes(mine + QStringLiteral(".bak")).size(), 6 * 272);
    }

    void leftoversOfKilledSavesAreRemovedLiveOnesKept() {
        const QString folder = path(QStringLiteral("leftovers"));
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/killed.rcb");
        const int count = 8000;
        for (int round = 0; round < 6; ++round) {
            QProcess victim;
            victim.start(QStringLiteral(REELCASE_SAVE_VICTIM), {file, QString::number(count)});
            QVERIFY(victim.waitForStarted());
            QVERIFY(victim.waitForReadyRead(120000));
            QTest::qWait(20 + round * 15);
            ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
            victim.waitForFinished();
        }
        const QStringList expected{QStringLiteral("killed.rcb"), QStringLiteral("killed.rcb.bak")};
        const auto names = [&] {
            return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        };
        qInfo("after 6 kills: %lld names in the folder", static_cast<long long>(names().size()));

        // One victim saves on and on while this process saves the same catalogue: neither
        // may take the other's temporary for a leftover.
        QProcess victim;
        victim.start(QStringLiteral(REELCASE_SAVE_VICTIM), {file, QString::number(count)});
        QVERIFY(victim.waitForStarted());
        QVERIFY(victim.waitForReadyRead(120000));
        Catalogue catalogue;
        MovieList list;
        appendMovie(catalogue, {"Only"});
        list.add("Only");
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(writeCatalogueFile(file, catalogue, list, realFileSystem()), 0);
        }
        QCOMPARE(victim.state(), QProcess::Running);
        victim.kill();
        victim.waitForFinished();
        QCOMPARE(writeCatalogueFile(file, catalogue, list, realFileSystem()), 0);
        QCOMPARE(names(), expected);
    }

    void aFailedBackupNeverLosesTheOldOne() {
        // A file system without hard links, whose copy for the backup cannot be made either.
        class NoSecondFile : public FileSystemCalls {
          public:
            int temporaries = 0;
            int makeTemporary(char* pathTemplate) override {
                if (++temporaries > 1) {
                    errno = ENOSPC;
                    return -1;
                }
                return FileSystemCalls::makeTemporary(pathTemplate);
            }
            int link(const char*, const char*) override {
                errno = EPERM;
                return -1;
            }
        };
        const QString file = path(QStringLiteral("generations.rcb"));
        writeBytes(file, movies(3));
        writeBytes(file + QStringLiteral(".bak"), movies(2));
        Catalogue catalogue;
        MovieList list;
        QCOMPARE(readCatalogueFile(file, catalogue, list).error, 0);
        appendMovie(catalogue, {"New"});
        list.add("New");
        NoSecondFile calls;
        QCOMPARE(writeCatalogueFile(file, catalogue, list, calls), 0);  // saved, without backup
        QCOMPARE(readBytes(file).size(), 4 * 272);
        QCOMPARE(readBytes(file + QStringLiteral(".bak")), QByteArray::fromStdString(movies(2)));
    }

    void longNamesCanBeSaved() {
        const QString file = path(QString(250, QLatin1Char('n')) + QStringLiteral(".rcb"));
        writeBytes(file, movies(2));
        Edited p(file);
        QCOMPARE(p.catalogue.currentFileName(), file);
        // Saved; only its backup, whose name would pass the limit, cannot be kept, and is named.
        const QStringList texts = p.save();
        QCOMPARE(texts.value(0), savedText(3));
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.at(1).contains(file + QStringLiteral(".bak")));
        QCOMPARE(readBytes(file).size(), 3 * 272);
        QVERIFY(!p.catalogue.unsavedChanges());
    }

    void anotherWriterIsNotOverwrittenUnasked() {
        const QString question = QStringLiteral(
            "The catalogue file has been changed by another program since it was opened. Save "
            "over it anyway?");
        const QString file = path(QStringLiteral("contested.rcb"));
        writeBytes(file, movies(3));
        Edited p(file);
        QCOMPARE(p.save(), QStringList{savedText(4)});  // unchanged on disk: no question
        p.add({typed("Mine")});
        p.dialogs.clear();
        QCOMPARE(p.save(), QStringList{savedText(5)});
        QCOMPARE(p.dialogs.unexpected, 0);

        // Another program saves the same size over it, a moment later.
        const QByteArray theirs = QByteArray::fromStdString(movies(5, "Comedy"));
        writeBytes(file, movies(5, "Comedy"));
        p.add({typed("Mine too")});
        p.dialogs.clear();
        p.dialogs.confirmAnswers.push_back(false);
        p.logic.files.saveCatalogue();
        QCOMPARE(p.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(p.dialogs.shown.at(0).text, question);
        QCOMPARE(readBytes(file), theirs);
        QVERIFY(p.catalogue.unsavedChanges());

        p.dialogs.confirmAnswers.push_back(true);
        QCOMPARE(p.save(), (QStringList{savedText(6)}));
        QCOMPARE(readBytes(file).size(), 6 * 272);

        // Deleted meanwhile: simply written.
        QVERIFY(QFile::remove(file));
        p.add({typed("Once more")});
        p.dialogs.clear();
        QCOMPARE(p.save(), QStringList{savedText(7)});
        QCOMPARE(p.dialogs.unexpected, 0);
    }

    // The file is looked at again once the save holds the lock: a writer that finished while
    // this save waited for it is not overwritten unasked either.
    void anotherWriterJustBeforeTheLockIsNoticed() {
        const QString file = path(QStringLiteral("raced.rcb"));
        writeBytes(file, movies(3));
        Edited p(file);
        const std::string theirs = movies(3, "Comedy");
        p.fileSystem.beforeFirstLock = [&] { writeBytes(file, theirs); };
        p.dialogs.confirmAnswers.push_back(false);
        QCOMPARE(p.save(), QStringList{});
        QCOMPARE(p.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(p.dialogs.shown.at(0).text,
                 QStringLiteral("The catalogue file has been changed by another program since it "
                                "was opened. Save over it anyway?"));
        QCOMPARE(readBytes(file), QByteArray::fromStdString(theirs));
        QVERIFY(p.catalogue.unsavedChanges());
    }

    // Another copy of the program holding the file: the save waits, then gives up and says
    // who, with nothing written and the changes still unsaved.
    void aLockedCatalogueIsNotWritten() {
        const QString file = path(QStringLiteral("locked.rcb"));
        writeBytes(file, movies(3));
        Edited p(file);
        const int other = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        const QStringList texts = p.save();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.front().startsWith(QStringLiteral("The file is being written by ")) &&
                     texts.front().contains(QStringLiteral("(process %1)").arg(::getpid())),
                 qPrintable(texts.front()));
        QCOMPARE(readBytes(file).size(), 3 * 272);
        QVERIFY(p.catalogue.unsavedChanges());
        ::close(other);
        QCOMPARE(p.save(), QStringList{savedText(4)});
    }

    // A file left marked by a save cut off in place is reported on opening, its backup
    // offered, and never made the backup itself; nor is a file that is not whole records.
    void anInterruptedSaveIsNoticedAndNeverBackedUp() {
        const QString file = path(QStringLiteral("torn.rcb"));
        const QString backup = file + QStringLiteral(".bak");
        writeBytes(file, movies(4, "Comedy"));
        writeBytes(backup, movies(3));
        QVERIFY(::setxattr(QFile::encodeName(file).constData(), "user.reelcase.saving", "1", 1,
                           0) == 0);
        for (const bool takeBackup : {true, false}) {
            EditingProgram p;
            p.dialogs.confirmAnswers.push_back(takeBackup);
            p.logic.files.FormCreate(file);
            QCOMPARE(p.dialogs.shown.size(), std::size_t{1});
            QVERIFY(p.dialogs.shown.at(0).text.startsWith(
                QStringLiteral("The last save of \"%1\" was interrupted").arg(file)));
            QCOMPARE(p.logic.state.list().size(), takeBackup ? 3 : 4);
            QCOMPARE(p.catalogue.currentFileName(), file);
        }
        const QByteArray kept = readBytes(backup);
        Edited p(backup);
        p.catalogue.setCurrentFileName(file);
        QCOMPARE(p.save(), QStringList{savedText(4)});
        QCOMPARE(readBytes(backup), kept);  // the torn file did not replace it
        QCOMPARE(readBytes(file).size(), 4 * 272);
        QVERIFY(!carriesSavingMark(file));

        const QString broken = path(QStringLiteral("broken.rcb"));
        writeBytes(broken, movies(2) + "xyz");
        writeBytes(broken + QStringLiteral(".bak"), movies(1));
        p.catalogue.setCurrentFileName(broken);
        QCOMPARE(p.save(), QStringList{savedText(4)});
        QCOMPARE(readBytes(broken + QStringLiteral(".bak")).size(), 272);
    }

    void aBackupThatIsAFolderIsNamed() {
        const QString file = path(QStringLiteral("folder-backup.rcb"));
        writeBytes(file, movies(3));
        QDir().mkpath(file + QStringLiteral(".bak"));
        Edited p(file);
        const QStringList texts = p.save();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.at(0), savedText(4));
        QVERIFY2(texts.at(1).contains(QStringLiteral("folder-backup.rcb.bak")),
                 qPrintable(texts.at(1)));
        QCOMPARE(readBytes(file).size(), 4 * 272);
        QVERIFY(!p.catalogue.unsavedChanges());
    }

    void anOverfullOpenCountsOnlyWhatWouldHaveBeenAdded() {
        // The table filled, then 3 listed names again, 2 new ones, and one of those twice.
        std::string bytes = movies(CatalogueCapacity);
        for (const char* name : {"Movie 1", "New A", "Movie 2", "New B", "New A", "Movie 3"}) {
            bytes += recordBytes(Movie{name});
        }
        const QString file = path(QStringLiteral("overfull.rcb"));
        writeBytes(file, bytes);
        Catalogue catalogue;
        MovieList list;
        const OpenOutcome outcome = readCatalogueFile(file, catalogue, list);
        QCOMPARE(outcome.error, 0);
        QCOMPARE(outcome.leftOut, 2LL);
        QCOMPARE(catalogue.movieCount(), CatalogueCapacity);
    }
};

QTEST_GUILESS_MAIN(CarefulSaveTest)
#include "test_careful_save.moc"

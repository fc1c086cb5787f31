// The command line as one of several writers of a catalogue: killed mid-save, beside another
// import, beside a program that holds the file, and writing to an output that takes nothing.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// The mark an in-place save leaves on the file until the whole new version is synced, and its
// stand-in beside the file where the file system keeps no extended attributes.
constexpr char kSavingMark[] = "user.reelcase.saving";
const QString kSavingMarkFile = QStringLiteral(".saving");

// The real program, with no display to fall back on.
void prepare(QProcess& process) {
    process.setProcessEnvironment(withoutDisplay());
    process.setProgram(QStringLiteral(REELCASE_BINARY));
}

Run run(const QStringList& arguments) {
    QProcess process;
    prepare(process);
    process.setArguments(arguments);
    process.start();
    return finished(process);
}

// Standard output is a device that takes nothing: every write fails with ENOSPC.
Run runIntoFullDevice(const QStringList& arguments) {
    QProcess process;
    prepare(process);
    process.setArguments(arguments);
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start();
    return finished(process);
}

QStringList importArgs(const QString& source, const QString& target) {
    return {QStringLiteral("import"), source, QStringLiteral("-o"), target};
}

std::string record(const std::string& name) {
    return recordBytes(Movie{name, "Drama", "DVD", "Nice", "kept", 100, 3, 700});
}

// A movie as an import of a one-column list makes it: the name and nothing else.
std::string importedRecord(const std::string& name) {
    return recordBytes(Movie{name, "", "", "", "", 0, 0, 0});
}

// count movies with numbered names that are already in list order, as a save writes them.
std::string numberedCatalogue(int count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * RecordSize);
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "Movie %06d", i);
        bytes += record(name);
    }
    return bytes;
}

// names formatted with pattern and the numbers 0..count-1, in rising order.
std::vector<std::string> numberedNames(const char* pattern, int round, int count) {
    std::vector<std::string> names;
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, pattern, round, i);
        names.emplace_back(name);
    }
    return names;
}

// A list to import, with a header row; the rows deliberately not in list order.
void writeNameList(const QString& path, const std::vector<std::string>& names) {
    std::string csv = "Name\r\n";
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        csv += *it + "\r\n";
    }
    writeBytes(path, csv);
}

std::vector<std::string> namesIn(const QByteArray& file) {
    std::vector<std::string> names;
    for (qsizetype at = 0; at + qsizetype(RecordSize) <= file.size(); at += RecordSize) {
        MovieRecord r;
        std::memcpy(&r, file.constData() + at, RecordSize);
        names.emplace_back(nameOf(r));
    }
    return names;
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool carriesMark(const QString& file) {
    char value[8];
    return ::getxattr(encoded(file).constData(), kSavingMark, value, sizeof value) >= 0 ||
           QFileInfo::exists(file + kSavingMarkFile);
}

// As a user would after a save that was cut off: the backup copied back over the file (into
// the same file, so that its other names stay) and the warning taken away.
bool restoreFromBackup(const QString& file, const QString& backup) {
    const QByteArray kept = readBytes(backup);
    QFile restored(file);
    if (!restored.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        restored.write(kept) != kept.size()) {
        return false;
    }
    restored.close();
    if (::removexattr(encoded(file).constData(), kSavingMark) != 0 && errno != ENODATA &&
        errno != ENOTSUP) {
        return false;
    }
    QFile::remove(file + kSavingMarkFile);
    return !carriesMark(file);
}

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

FileId idOf(const QString& file) {
    struct stat st {};
    return ::stat(encoded(file).constData(), &st) == 0 ? FileId{st.st_dev, st.st_ino} : FileId{};
}

QByteArray interruptedText(const QString& file) {
    return "The last save of \"" + file.toUtf8() + "\" was interrupted: the file may be damaged";
}

QByteArray lockedText(const QString& file, const QByteArray& program, qint64 pid) {
    return "reelcase: " + file.toUtf8() + ": The file is being written by " + program +
           " (process " + QByteArray::number(pid) +
           "). Try again when it has finished. Nothing written.\n";
}

// Whether the child has ended, without collecting it (QProcess does that), or was collected.
bool hasEnded(qint64 pid) {
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
        return errno == ECHILD;
    }
    return info.si_pid == pid;
}

// Where a kill is aimed: as the first record is overwritten, as the file reaches the new
// version's size (its last piece being written), or as the file is overwritten and unmarked.
enum class KillAt { FirstChange, FullSize, MarkGone };

}  // namespace

class CommandLineWritersTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

  private Q_SLOTS:
    void killedImportInPlaceLeavesAWholeFileOrAMarkAndAWholeBackup();
    void importsAtOnceTakeTurns();
    void heldFileMakesAnImportWaitThenGiveUp();
    void importRefusesItsOwnSourceUnderAnotherName();
    void outputThatTakesNothingFailsEveryCommand();
};

void CommandLineWritersTest::killedImportInPlaceLeavesAWholeFileOrAMarkAndAWholeBackup() {
    QVERIFY(QDir().mkpath(path(QStringLiteral("killed"))));
    const QString file = path(QStringLiteral("killed/movies.rcb"));
    const QString backup = file + QStringLiteral(".bak");
    const QString secondName = path(QStringLiteral("killed/also movies.rcb"));
    const QString source = path(QStringLiteral("killed/new.csv"));
    const QByteArray old = QByteArray::fromStdString(numberedCatalogue(20000));  // 5.4 MB
    writeBytes(file, old.toStdString());
    // A second name for the file: every save writes it in place.
    QVERIFY(::link(encoded(file).constData(), encoded(secondName).constData()) == 0);
    const FileId id = idOf(file);

    const int rounds = qEnvironmentVariableIntValue("REELCASE_KILL_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("REELCASE_KILL_ROUNDS")
                           : 24;
    int kills = 0;
    int finished = 0;
    int wholeOld = 0;
    int wholeNew = 0;
    int interrupted = 0;
    int torn = 0;
    bool forcedOverMark = false;
    for (int round = 0; round < rounds; ++round) {
        // New names, listed before every old one, so that the first record changes first.
        const std::vector<std::string> added = numberedNames("Anchor r%02d m%03d", round, 50);
        writeNameList(source, added);
        std::string expected;
        for (const std::string& name : added) {
            expected += importedRecord(name);
        }
        const QByteArray replaced = QByteArray::fromStdString(expected) + old;
        QFile::remove(backup);  // the backup found after the kill is this save's
        const KillAt aim = std::array{KillAt::FirstChange, KillAt::FullSize,
                                      KillAt::MarkGone}[static_cast<std::size_t>(round % 3)];

        const int watch = ::open(encoded(file).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(watch >= 0);
        QProcess import;
        prepare(import);
        import.setArguments(importArgs(source, file));
        import.start();
        QVERIFY(import.waitForStarted());
        const qint64 pid = import.processId();
        bool changed = false;
        bool ended = false;
        while (!changed && !ended) {
            ended = hasEnded(pid);  // looked at first: a change seen after it counts
            if (aim == KillAt::FullSize) {
                struct stat st {};
                changed = ::fstat(watch, &st) == 0 && st.st_size == replaced.size();
            } else {
                char first[RecordSize];
                changed = ::pread(watch, first, RecordSize, 0) == qsizetype(RecordSize) &&
                          std::memcmp(first, old.constData(), RecordSize) != 0 &&
                          (aim == KillAt::FirstChange || !carriesMark(file));
            }
            if (!changed) {
                ::sched_yield();
            }
        }
        ::close(watch);
        if (!ended) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);  // not collected yet: still this child
        }
        QVERIFY(import.waitForFinished(120000));
        if (import.exitStatus() == QProcess::CrashExit) {
            ++kills;
        } else {
            // It ended before the kill: only a finished import may have.
            QVERIFY2(import.exitCode() == 0, import.readAllStandardError().constData());
            QVERIFY(changed);
            ++finished;
        }

        const QByteArray now = readBytes(file);
        const bool marked = carriesMark(file);
        const Run checked = run({QStringLiteral("check"), file});
        // The old version was kept before the first byte of the file was overwritten.
        QVERIFY2(readBytes(backup) == old, qPrintable(QStringLiteral("round %1: backup of %2 bytes")
                                                          .arg(round)
                                                          .arg(readBytes(backup).size())));
        if (!marked) {
            QVERIFY2(now == old || now == replaced,
                     qPrintable(QStringLiteral("round %1: unmarked file of %2 bytes is neither "
                                               "version")
                                    .arg(round)
                                    .arg(now.size())));
            QCOMPARE(checked.status, 0);
            ++(now == old ? wholeOld : wholeNew);
        } else {
            QCOMPARE(checked.status, 1);
            QVERIFY2(checked.out.startsWith(interruptedText(file) + ".\n"),
                     checked.out.constData());
            ++interrupted;
            torn += now != replaced ? 1 : 0;
            // An import into the marked file is refused, and leaves it as it is.
            const QString more = path(QStringLiteral("killed/more.csv"));
            writeNameList(more, numberedNames("Buoy r%02d m%03d", round, 3));
            const Run refused = run(importArgs(more, file));
            QCOMPARE(refused.status, 2);
            QCOMPARE(refused.err, "reelcase: " + file.toUtf8() + ": " + interruptedText(file) +
                                      "; nothing written (--force to import all the same)\n");
            QCOMPARE(readBytes(file), now);
            QVERIFY(carriesMark(file));
            if (!forcedOverMark) {
                // Told to, it writes the file whole, but the damaged version never becomes
                // the backup.
                forcedOverMark = true;
                const Run forced = run(importArgs(more, file) << QStringLiteral("--force"));
                QVERIFY2(forced.status == 0 || forced.status == 1, forced.err.constData());
                QVERIFY(!carriesMark(file));
                QCOMPARE(readBytes(backup), old);
                QCOMPARE(idOf(file), id);
            }
        }
        QVERIFY(restoreFromBackup(file, backup));
    }
    QCOMPARE(idOf(file), id);
    QCOMPARE(idOf(secondName), id);
    QCOMPARE(readBytes(secondName), old);
    qInfo(
        "%d rounds, %d imports killed, %d finished first; whole old %d, whole new %d, "
        "interrupted with a whole backup %d (of them torn %d)",
        rounds, kills, finished, wholeOld, wholeNew, interrupted, torn);
}

void CommandLineWritersTest::importsAtOnceTakeTurns() {
    QVERIFY(QDir().mkpath(path(QStringLiteral("together"))));
    const QString file = path(QStringLiteral("together/movies.rcb"));
    const QString secondName = path(QStringLiteral("together/linked.rcb"));
    const std::string start = numberedCatalogue(4000);
    writeBytes(file, start);
    std::multiset<std::string> present;
    for (const std::string& name : namesIn(QByteArray::fromStdString(start))) {
        present.insert(name);
    }
    int bothWritten = 0;
    int oneGaveUp = 0;
    const int rounds = 6;
    for (int round = 0; round < rounds; ++round) {
        // Every other round the file has a second name, so that saves write it in place;
        // otherwise a new file is renamed over it, under the waiting import's lock.
        if (round % 2 == 1) {
            QVERIFY(::link(encoded(file).constData(), encoded(secondName).constData()) == 0);
        }
        const std::vector<std::string> sets[2] = {numberedNames("Tide r%02d a%03d", round, 100),
                                                  numberedNames("Tide r%02d b%03d", round, 100)};
        QProcess imports[2];
        qint64 pids[2] = {};
        for (int i = 0; i < 2; ++i) {
            const QString csv = path(QStringLiteral("together/side%1.csv").arg(i));
            writeNameList(csv, sets[i]);
            prepare(imports[i]);
            imports[i].setArguments(importArgs(csv, file));
        }
        imports[0].start();
        imports[1].start();
        for (int i = 0; i < 2; ++i) {
            QVERIFY(imports[i].waitForStarted());
            pids[i] = imports[i].processId();
        }
        const Run results[2] = {finished(imports[0]), finished(imports[1])};

        const std::vector<std::string> names = namesIn(readBytes(file));
        const std::set<std::string> inFile(names.begin(), names.end());
        QCOMPARE(inFile.size(), names.size());  // no name twice
        int written = 0;
        for (int i = 0; i < 2; ++i) {
            const Run& r = results[i];
            if (r.status == 0) {
                ++written;
                QVERIFY2(r.out.startsWith("Movies added: 100\nAlready present: 0\n"),
                         r.out.constData());
                for (const std::string& name : sets[i]) {
                    QVERIFY2(inFile.count(name) == 1, name.c_str());
                    present.insert(name);
                }
            } else {
                QVERIFY2(r.status == 2, r.err.constData());
                QCOMPARE(r.err, lockedText(file, "reelcase", pids[1 - i]));
                for (const std::string& name : sets[i]) {
                    QVERIFY2(inFile.count(name) == 0, name.c_str());
                }
            }
        }
        QVERIFY(written >= 1);  // one of them held the file and finished
        ++(written == 2 ? bothWritten : oneGaveUp);
        // Nothing lost and nothing else added: the earlier names and those written now.
        QVERIFY(std::equal(inFile.begin(), inFile.end(), present.begin(), present.end()));
        QCOMPARE(idOf(secondName) == idOf(file), round % 2 == 1);
        QFile::remove(secondName);
    }
    qInfo("%d rounds of two imports at once: both written %d, one gave up waiting %d", rounds,
          bothWritten, oneGaveUp);
}

void CommandLineWritersTest::heldFileMakesAnImportWaitThenGiveUp() {
    QVERIFY(QDir().mkpath(path(QStringLiteral("held"))));
    const QString file = path(QStringLiteral("held/movies.rcb"));
    const QString link = path(QStringLiteral("held/link.rcb"));
    const QString csv = path(QStringLiteral("held/new.csv"));
    const QString exported = path(QStringLiteral("held/list.csv"));
    const std::string before = record("Harbour Lights") + record("Zebra Crossing");
    writeBytes(file, before);
    QVERIFY(::symlink("movies.rcb", encoded(link).constData()) == 0);
    writeNameList(csv, {"Alien", "Starship"});
    const QStringList folderBefore =
        QDir(path(QStringLiteral("held"))).entryList(QDir::Files | QDir::Hidden);

    QFile comm(QStringLiteral("/proc/self/comm"));
    QVERIFY(comm.open(QIODevice::ReadOnly));
    const QByteArray self = comm.readAll().trimmed();
    const int fd = ::open(encoded(file).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX), 0);

    // Readers, and a writer of another file, do not wait for the writer's lock.
    QCOMPARE(run({QStringLiteral("list"), file}).out,
             QByteArray("Harbour Lights\nZebra Crossing\n"));
    QCOMPARE(run({QStringLiteral("check"), file}).status, 0);
    QCOMPARE(run({QStringLiteral("export"), file, QStringLiteral("--format"), QStringLiteral("csv"),
                  QStringLiteral("-o"), exported})
                 .status,
             0);
    QFile::remove(exported);

    // The lock is on the file, whichever name leads to it.
    for (const QString& target : {file, link}) {
        QElapsedTimer waited;
        waited.start();
        const Run r = run(importArgs(csv, target));
        QCOMPARE(r.status, 2);
        QVERIFY2(waited.elapsed() >= 5000, "gave up before waiting 5 seconds");
        QCOMPARE(r.err, lockedText(target, self, QCoreApplication::applicationPid()));
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(readBytes(file), QByteArray::fromStdString(before));
        QCOMPARE(QDir(path(QStringLiteral("held"))).entryList(QDir::Files | QDir::Hidden),
                 folderBefore);
    }

    ::close(fd);  // lets the lock go
    const Run r = run(importArgs(csv, link));
    QCOMPARE(r.status, 0);
    QCOMPARE(readBytes(file),
             QByteArray::fromStdString(importedRecord("Alien") + before.substr(0, RecordSize) +
                                       importedRecord("Starship") + before.substr(RecordSize)));
    QCOMPARE(readBytes(file + QStringLiteral(".bak")), QByteArray::fromStdString(before));
    QVERIFY(QFileInfo(link).isSymLink());
}

void CommandLineWritersTest::importRefusesItsOwnSourceUnderAnotherName() {
    QVERIFY(QDir().mkpath(path(QStringLiteral("own"))));
    // A list that happens to have the size of one record.
    const QString csv = path(QStringLiteral("own/list.csv"));
    writeBytes(csv, "Name\n" + std::string(RecordSize - 5 - 1, 'x') + "\n");
    const QByteArray list = readBytes(csv);
    QCOMPARE(list.size(), qsizetype(RecordSize));
    const QString symbolic = path(QStringLiteral("own/symbolic.rcb"));
    const QString hard = path(QStringLiteral("own/hard.rcb"));
    QVERIFY(::symlink("list.csv", encoded(symbolic).constData()) == 0);
    QVERIFY(::link(encoded(csv).constData(), encoded(hard).constData()) == 0);
    const QString roundabout = path(QStringLiteral("own/../own/./symbolic.rcb"));
    for (const QString& target : {symbolic, hard, roundabout}) {
        const Run r = run(importArgs(csv, target));
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, "reelcase: " + target.toUtf8() +
                            ": is the file being imported; nothing written (--force to import all "
                            "the same)\n");
        QCOMPARE(readBytes(csv), list);
    }
    QCOMPARE(QDir(path(QStringLiteral("own"))).entryList(QDir::Files | QDir::System | QDir::Hidden),
             QStringList({"hard.rcb", "list.csv", "symbolic.rcb"}));
    QVERIFY(QFileInfo(symbolic).isSymLink());
}

void CommandLineWritersTest::outputThatTakesNothingFailsEveryCommand() {
    QVERIFY(QDir().mkpath(path(QStringLiteral("full"))));
    const QString file = path(QStringLiteral("full/movies.rcb"));
    // Long enough that its lists overflow any output buffer, so that a write fails before the
    // final flush; check's short report fails only there.
    writeBytes(file, numberedCatalogue(3000));
    const QString csv = path(QStringLiteral("full/new.csv"));
    writeNameList(csv, {"Alien", "Starship"});
    const QString format = QStringLiteral("--format");
    const QList<QStringList> commands = {
        {QStringLiteral("export"), file},
        {QStringLiteral("export"), file, format, QStringLiteral("csv")},
        {QStringLiteral("export"), file, format, QStringLiteral("html")},
        {QStringLiteral("list"), file},
        {QStringLiteral("check"), file},
        importArgs(csv, file),
        {QStringLiteral("--help")},
        {QStringLiteral("--version")},
    };
    for (const QStringList& command : commands) {
        const Run r = runIntoFullDevice(command);
        QVERIFY2(r.status == 2, qPrintable(command.join(' ')));
        // Told once, with the cause.
        const QByteArray told = "reelcase: standard output: ";
        QVERIFY2(r.err.startsWith(told) && r.err.size() > told.size() + 1 &&
                     r.err.count('\n') == 1 && r.err.endsWith('\n'),
                 r.err.constData());
    }
    // A command that writes nothing there does not fail for it.
    const Run exported =
        runIntoFullDevice({QStringLiteral("export"), file, format, QStringLiteral("csv"),
                           QStringLiteral("-o"), path(QStringLiteral("full/list.csv"))});
    QCOMPARE(exported.status, 0);
    QCOMPARE(exported.err, QByteArray());
    QVERIFY(readBytes(path(QStringLiteral("full/list.csv"))).startsWith("Name,Genre"));
}

QTEST_GUILESS_MAIN(CommandLineWritersTest)
#include "test_command_line_writers.moc"

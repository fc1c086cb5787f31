// Every state a catalogue save can leave behind, enumerated rather than sampled: the system
// calls of an undisturbed save are recorded, then the save is run again once for each call and
// each error that call can give, and once for each call stopped right after it, as if the
// program were killed there or the power cut. Whatever happened, the file opened again must be
// the old catalogue whole or the new one whole, or say that a save was cut off while its
// backup holds the old catalogue whole.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "careful_files/SavingMark.h"
#include "catalogue/CatalogueFile.h"
#include "support/CrashingFileSystem.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

using Call = CrashingFileSystem::Call;

// The errors each call can plausibly give. A write and a read are retried after EINTR; a close
// is not (Linux has closed the descriptor whatever close reports). lseek on an open regular
// file has nothing to fail with, and fgetxattr is not used for writing.
const std::map<Call, std::vector<int>>& errorsOf() {
    static const std::map<Call, std::vector<int>> errors{
        {Call::MakeTemporary, {EIO, ENOSPC, EDQUOT, EMFILE}},
        {Call::Open, {EIO, EMFILE}},
        {Call::OpenCreate, {EIO, ENOSPC, EDQUOT, EMFILE}},
        {Call::Write, {EIO, ENOSPC, EDQUOT, EFBIG, EINTR}},
        {Call::Pread, {EIO, EINTR}},
        {Call::Lseek, {}},
        {Call::Fstat, {EIO}},
        {Call::Fchown, {EPERM, EIO}},
        {Call::Fchmod, {EPERM, EIO}},
        {Call::Fallocate, {EIO, ENOSPC, EDQUOT, EOPNOTSUPP}},
        {Call::Ftruncate, {EIO}},
        {Call::Fsync, {EIO, ENOSPC, EDQUOT}},
        {Call::Close, {EIO, ENOSPC, EDQUOT, EINTR}},
        {Call::Flock, {ENOLCK, EINTR}},
        {Call::Rename, {EIO, ENOSPC, EDQUOT}},
        {Call::Link, {EIO, ENOSPC, EDQUOT, EPERM, EMLINK}},
        {Call::Unlink, {EIO}},
        {Call::Fsetxattr, {EIO, ENOSPC, EDQUOT, ENOTSUP}},
        {Call::Fgetxattr, {EIO}},
        {Call::Fremovexattr, {EIO}},
    };
    return errors;
}

std::optional<QByteArray> contentOf(const QString& file) {
    return QFile::exists(file) ? std::optional(readBytes(file)) : std::nullopt;
}

ino_t inodeOf(const QString& file) {
    struct stat st {};
    return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_ino : 0;
}

enum Outcome { OldWhole, NewWhole, Interrupted, Outcomes };

struct Tally {
    int cases = 0;
    int outcomes[Outcomes] = {};
    [[nodiscard]] QByteArray text() const {
        return QByteArray::number(outcomes[OldWhole]) + " old whole, " +
               QByteArray::number(outcomes[NewWhole]) + " new whole, " +
               QByteArray::number(outcomes[Interrupted]) +
               " interruption reported with whole backup";
    }
};

enum class Stop { Killed, PowerCut };

}  // namespace

class CrashStatesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    Catalogue catalogue_;  // the new catalogue every save writes
    MovieList list_;
    QByteArray old_ = QByteArray::fromStdString(numberedMovies(40, "Old ", "Drama"));
    QByteArray older_ = QByteArray::fromStdString(numberedMovies(39, "Older ", "Western"));
    QByteArray new_;
    int folders_ = 0;
    bool inPlace_ = false;
    bool earlierBackup_ = false;

    // A folder of its own holding the files a save starts from; returns the catalogue's path.
    QString prepare() {
        // Its real path: descriptors are found open on it by the path the system gives them.
        const QString folder =
            QDir(dir_.path()).canonicalPath() + QLatin1Char('/') + QString::number(++folders_);
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/movies.rcb");
        writeBytes(file, old_.toStdString());
        if (earlierBackup_) {
            writeBytes(file + QStringLiteral(".bak"), older_.toStdString());
        }
        if (inPlace_) {
            // A second name the save must not split from the file: it writes in place.
            if (::link(QFile::encodeName(file).constData(),
                       QFile::encodeName(folder + QStringLiteral("/other name.rcb")).constData()) !=
                0) {
                qFatal("could not make the catalogue's second name");
            }
        }
        return file;
    }

    SaveOutcome save(const QString& file, FileSystemCalls& calls, const SaveOptions& options = {}) {
        return saveCatalogueFile(file, catalogue_, list_, calls, options);
    }

    // What a save, finished or stopped, left at file: its outcome, or the fault found (with
    // reported, the save ran to its end and this is what it said).
    QString judge(const QString& file, const SaveOutcome* reported, Outcome& outcome) {
        const QByteArray bytes = readBytes(file);
        const QString backup = file + QStringLiteral(".bak");
        const std::optional<QByteArray> kept = contentOf(backup);
        Catalogue catalogue;
        MovieList list;
        const OpenOutcome opened = readCatalogueFile(file, catalogue, list);
        const bool marked = carriesSavingMark(file);
        if (marked) {
            if (kept != old_) {
                return QStringLiteral("interruption reported, but the backup is not the old one");
            }
            outcome = Interrupted;
        } else if (bytes == new_ || bytes == old_) {
            outcome = bytes == new_ ? NewWhole : OldWhole;
            if (opened.error != 0) {
                return QStringLiteral("a whole catalogue does not open: error %1")
                    .arg(opened.error);
            }
        } else {
            return QStringLiteral("%1 bytes, neither catalogue whole, and no interruption reported")
                .arg(bytes.size());
        }
        if (kept && kept != old_ && (!earlierBackup_ || kept != older_)) {
            return QStringLiteral(
                       "the backup (%1 bytes) is neither the old catalogue nor the "
                       "earlier backup")
                .arg(kept->size());
        }
        if (reported != nullptr) {
            if ((reported->error == 0) != (bytes == new_)) {
                return QStringLiteral("the save reported %1, but the file is %2")
                    .arg(reported->error == 0 ? QStringLiteral("success")
                                              : QString::fromUtf8(strerrorname_np(reported->error)),
                         bytes == new_ ? QStringLiteral("the new catalogue")
                                       : QStringLiteral("not the new catalogue"));
            }
            if (marked && bytes == old_) {
                return QStringLiteral("the old catalogue is left marked as cut off mid-save");
            }
            if (reported->error == 0 && reported->backupError == 0 && kept != old_) {
                return QStringLiteral("saved with a backup reported, but it is not the old one");
            }
        }
        if (inPlace_ &&
            inodeOf(folderOfFile(file) + QStringLiteral("/other name.rcb")) != inodeOf(file)) {
            return QStringLiteral("the file's second name was split from it");
        }

        // The next save, with nothing failing, puts everything right: the new catalogue whole
        // and unmarked, a cut-off version never made the backup, and no leftovers beside it.
        SaveOptions options;
        options.lockWait = std::chrono::milliseconds(0);  // a lock left held fails at once
        const SaveOutcome again = save(file, realFileSystem(), options);
        if (again.error != 0) {
            return QStringLiteral("the next save fails: %1")
                .arg(QString::fromUtf8(strerrorname_np(again.error)));
        }
        if (readBytes(file) != new_ || carriesSavingMark(file)) {
            return QStringLiteral("the next save does not leave the new catalogue, unmarked");
        }
        if (contentOf(backup) != (marked ? old_ : bytes)) {
            return QStringLiteral("after the next save the backup is not the version it replaced");
        }
        QStringList names{QStringLiteral("movies.rcb"), QStringLiteral("movies.rcb.bak")};
        if (inPlace_) {
            names << QStringLiteral("other name.rcb");
        }
        QStringList left =
            QDir(folderOfFile(file)).entryList(QDir::Files | QDir::Hidden | QDir::System);
        left.sort();
        if (left != names) {
            return QStringLiteral("after the next save the folder holds: ") +
                   left.join(QStringLiteral(", "));
        }
        return {};
    }

    static QString folderOfFile(const QString& file) { return QFileInfo(file).absolutePath(); }

    static QString where(const std::vector<CrashingFileSystem::Made>& recorded, std::size_t i) {
        return QStringLiteral("call %1 of %2 (%3 %4)")
            .arg(i)
            .arg(recorded.size())
            .arg(QLatin1String(CrashingFileSystem::nameOf(recorded[i].call)),
                 QString::fromStdString(recorded[i].subject));
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        for (int i = 0; i <= 40; ++i) {
            const std::string name = "New " + std::to_string(i);
            appendMovie(catalogue_, {name, "Comedy"});
            list_.add(name);
        }
        new_ = QByteArray::fromStdString(catalogueFileBytes(catalogue_, list_));
        QCOMPARE(new_.size(), 41 * 272);
    }

    void everyFailureAndStopLeavesAWholeCatalogue_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<bool>("earlierBackup");
        QTest::newRow("by rename, no earlier backup") << false << false;
        QTest::newRow("by rename, earlier backup replaced") << false << true;
        QTest::newRow("in place, no earlier backup") << true << false;
        QTest::newRow("in place, earlier backup replaced") << true << true;
    }

    void everyFailureAndStopLeavesAWholeCatalogue() {
        QFETCH(bool, inPlace);
        QFETCH(bool, earlierBackup);
        inPlace_ = inPlace;
        earlierBackup_ = earlierBackup;

        std::vector<CrashingFileSystem::Made> recorded;
        {
            const QString file = prepare();
            CrashingFileSystem calls;
            QCOMPARE(save(file, calls).error, 0);
            QCOMPARE(readBytes(file), new_);
            recorded = calls.log;
        }
        // The way the file was replaced is the one this row is about: only in place is it
        // marked, and many writes make each file.
        const auto made = [&recorded](Call call) {
            return std::count_if(recorded.begin(), recorded.end(),
                                 [call](const auto& m) { return m.call == call; });
        };
        QCOMPARE(made(Call::Fsetxattr) > 0, inPlace);
        QVERIFY(made(Call::Write) >= (inPlace ? 23 : 12));

        Tally failures;
        Tally stops;
        for (std::size_t i = 0; i < recorded.size(); ++i) {
            for (const int error : errorsOf().at(recorded[i].call)) {
                const QString file = prepare();
                SaveOutcome reported;
                {
                    CrashingFileSystem calls;
                    calls.failAt = static_cast<int>(i);
                    calls.failWith = error;
                    reported = save(file, calls);
                    QCOMPARE(calls.log.at(i).call, recorded[i].call);
                }
                const QString at = where(recorded, i) + QStringLiteral(" failing with ") +
                                   QString::fromUtf8(strerrorname_np(error));
                // The save has closed every file it opened, whatever failed.
                QVERIFY2(closeFilesIn(QFile::encodeName(folderOfFile(file))) == 0, qPrintable(at));
                Outcome outcome{};
                const QString fault = judge(file, &reported, outcome);
                QVERIFY2(fault.isEmpty(), qPrintable(at + QStringLiteral(": ") + fault));
                ++failures.cases;
                ++failures.outcomes[outcome];
            }
            // Stopped: call i is made, then the program is gone. Killed, the page cache keeps
            // every write; a power cut keeps only what was synced (folder changes are on disk
            // as soon as they are made, see CrashingFileSystem). Then its files are closed.
            for (const Stop stop : {Stop::Killed, Stop::PowerCut}) {
                const QString file = prepare();
                {
                    CrashingFileSystem calls;
                    calls.stopAfter = static_cast<int>(i);
                    (void)save(file, calls);
                    QCOMPARE(calls.log.at(i).call, recorded[i].call);
                    if (stop == Stop::PowerCut) {
                        calls.dropUnsyncedWrites();
                    }
                }
                closeFilesIn(QFile::encodeName(folderOfFile(file)));  // the program has ended
                Outcome outcome{};
                const QString fault = judge(file, nullptr, outcome);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QStringLiteral("stopped after ") + where(recorded, i) +
                                    (stop == Stop::Killed ? QStringLiteral(", killed: ")
                                                          : QStringLiteral(", power cut: ")) +
                                    fault));
                ++stops.cases;
                ++stops.outcomes[outcome];
            }
        }
        qInfo(
            "%s: %zu calls recorded; %d failures injected -> %s; %d stops simulated (each "
            "call killed and power cut) -> %s",
            QTest::currentDataTag(), recorded.size(), failures.cases, failures.text().constData(),
            stops.cases, stops.text().constData());
    }
};

QTEST_GUILESS_MAIN(CrashStatesTest)
#include "test_crash_states.moc"

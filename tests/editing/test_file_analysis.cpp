#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <map>

#include "editing/FileAnalysis.h"
#include "platform/FfmpegMediaDevice.h"
#include "support/FakeUserDialogs.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// What this process has read through read() and its kin so far, or -1 when unknown.
qint64 bytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return -1;
}

const QString kOpening = QStringLiteral("There Went Something Wrong With Opening!");

// Times files from a table; a file missing from it cannot be opened.
class FakeMediaDevice : public MediaDevice {
  public:
    std::map<QString, std::int32_t> lengths;
    int opened = 0;
    int closed = 0;
    bool open(const QString& path) override {
        const auto it = lengths.find(path);
        if (it == lengths.end()) {
            return false;
        }
        current_ = it->second;
        ++opened;
        return true;
    }
    void setTimeFormatMilliseconds() override {}
    std::int32_t length() override { return current_; }
    void stop() override {}
    void close() override { ++closed; }

  private:
    std::int32_t current_ = 0;
};

class FakeWait : public WaitDisplay {
  public:
    int shown = 0;
    int hidden = 0;
    void showNow() override { ++shown; }
    void ProgressFirstHalf() override {}
    void ProgressSecondHalf() override {}
    void hideNow() override { ++hidden; }
};

struct Run {
    FakeUserDialogs dialogs;
    FakeMediaDevice device;
    FakeWait wait;
    AnalysedFields fields{QStringLiteral("typed"), QStringLiteral("1"), QStringLiteral("2"), 1, 3};
    void analyse(int parts, std::initializer_list<std::optional<QString>> files) {
        for (const auto& f : files) {
            dialogs.fileAnswers.push_back(f);
        }
        analyseMovieFiles(parts, fields, dialogs, device, wait);
    }
};

}  // namespace

class FileAnalysisTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    // A sparse file of the given size: no disk space is used.
    QString file(const char* name, qint64 size) {
        const QString path = dir_.filePath(QLatin1String(name));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(size)) {
            qFatal("cannot make %s", name);
        }
        return path;
    }

  private Q_SLOTS:
    void sizesGiveMegabytesAndQuality() {
        Run r;
        const QString big = file("Holiday.mpg", 734003200);
        r.device.lengths[big] = 5400000;
        r.analyse(1, {big});
        QCOMPARE(r.fields.sizeText, QStringLiteral("700"));
        QCOMPARE(r.fields.lengthText, QStringLiteral("90"));
        QCOMPARE(r.fields.quality, 4);
        QCOMPARE(r.fields.name, QStringLiteral("Holiday"));
        QCOMPARE(r.fields.format, 2);
        QCOMPARE(r.wait.shown, 1);
        QCOMPARE(r.wait.hidden, 1);
        QCOMPARE(r.device.closed, 1);
        QCOMPARE(r.dialogs.fileRequests.at(0).filterDescription,
                 QStringLiteral("All Movie Files! (*.AVI *.ASF *.MPG *.RM)"));

        Run small;
        const QString tiny = file("tiny.avi", 1048575);
        small.device.lengths[tiny] = 59999;
        small.analyse(1, {tiny});
        QCOMPARE(small.fields.sizeText, QStringLiteral("0"));
        QCOMPARE(small.fields.lengthText, QStringLiteral("0"));
        QCOMPARE(small.fields.quality, 0);
        QCOMPARE(small.fields.format, 0);
    }

    void partsAddTruncatedValuesAndQualityComesFromTheLastFile() {
        Run r;
        const QString a = file("part1.AVI", 350 * BytesPerMegabyte);
        const QString b = file("part2.asf", 350 * BytesPerMegabyte + 5);
        r.device.lengths[a] = 90000;
        r.device.lengths[b] = 90000;
        r.analyse(2, {a, b});
        QCOMPARE(r.fields.lengthText, QStringLiteral("2"));
        QCOMPARE(r.fields.sizeText, QStringLiteral("700"));
        QCOMPARE(r.fields.quality, 2);
        QCOMPARE(r.fields.name, QStringLiteral("part1"));
        QCOMPARE(r.fields.format, 0);  // from the first file only

        Run thrice;
        thrice.device.lengths[a] = 125000;
        thrice.analyse(3, {a, a, a});
        QCOMPARE(thrice.fields.lengthText, QStringLiteral("6"));
        QCOMPARE(thrice.fields.sizeText, QStringLiteral("1050"));
    }

    void cancellingStopsTheRunAndKeepsEarlierFiles() {
        Run first;
        first.analyse(2, {std::nullopt});
        QVERIFY(first.fields.name.isEmpty() && first.fields.lengthText.isEmpty() &&
                first.fields.sizeText.isEmpty());
        QCOMPARE(first.fields.quality, 1);  // choices untouched
        QCOMPARE(first.fields.format, 3);

        Run second;
        const QString a = file("Kept.RM", 250 * BytesPerMegabyte);
        second.device.lengths[a] = 600000;
        second.analyse(3, {a, std::nullopt});
        QCOMPARE(second.fields.lengthText, QStringLiteral("10"));
        QCOMPARE(second.fields.sizeText, QStringLiteral("250"));
        QCOMPARE(second.fields.name, QStringLiteral("Kept"));
        QCOMPARE(second.fields.format, 4);
        QCOMPARE(second.dialogs.fileRequests.size(), std::size_t{2});

        Run none;  // no part chosen: the fields are emptied and nothing is asked
        analyseMovieFiles(0, none.fields, none.dialogs, none.device, none.wait);
        QVERIFY(none.fields.name.isEmpty() && none.dialogs.shown.empty());
    }

    void aFileThatFailsStillGivesNameQualityAndFormat() {
        Run r;
        const QString junk = file("Broken.mpg", 450 * BytesPerMegabyte);
        const QString good = file("other.avi", 100 * BytesPerMegabyte);
        r.device.lengths[good] = 120000;
        r.analyse(2, {junk, good});
        QCOMPARE(r.dialogs.texts(), QStringList{kOpening});
        QCOMPARE(r.wait.shown, 2);
        QCOMPARE(r.wait.hidden, 2);
        QCOMPARE(r.fields.name, QStringLiteral("Broken"));
        QCOMPARE(r.fields.format, 2);
        QCOMPARE(r.fields.lengthText, QStringLiteral("2"));  // set, not added, by the second
        QCOMPARE(r.fields.sizeText, QStringLiteral("100"));
        QCOMPARE(r.fields.quality, 0);

        Run missing;  // no size at all: the quality is skipped, the run goes on
        missing.analyse(1, {dir_.filePath(QStringLiteral("gone.avi"))});
        QCOMPARE(missing.dialogs.texts(), QStringList{kOpening});
        QCOMPARE(missing.fields.quality, 1);
        QCOMPARE(missing.wait.shown, 0);
        QCOMPARE(missing.fields.name, QStringLiteral("gone"));
    }

    void namesFollowTheRealExtension() {
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/Holiday.rm")).name,
                 QStringLiteral("Holiday"));
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/Holiday.rm")).extension,
                 QStringLiteral("RM"));
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/a.b/Film.Part1.mPg")).name,
                 QStringLiteral("Film.Part1"));
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/a.b/Film.Part1.mPg")).extension,
                 QStringLiteral("MPG"));
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/a.b/README")).name,
                 QStringLiteral("README"));
        // Tabs and line breaks in a file name separate words of the movie's name.
        QCOMPARE(splitMovieFileName(QStringLiteral("/m/The\tLong\nRoad\r.avi")).name,
                 QStringLiteral("The Long Road"));
        QVERIFY(splitMovieFileName(QStringLiteral("/m/a.b/README")).extension.isEmpty());
        QCOMPARE(splitMovieFileName(QString::fromUtf8("/m/Été.avi")).extension,
                 QStringLiteral("AVI"));
    }

    void waitBarRunsItsFixedCourse() {
        int calls = 0;
        int first = -1;
        int last = -1;
        const auto count = [&](int p) {
            if (calls++ == 0) {
                first = p;
            }
            last = p;
        };
        runFirstHalf(count);
        QCOMPARE(calls, 100000);
        QCOMPARE(first, 0);
        QCOMPARE(last, 50);
        calls = 0;
        runSecondHalf(count);
        QCOMPARE(calls, 50001);
        QCOMPARE(first, 50);
        QCOMPARE(last, 100);
    }

    void ffmpegTimesRealClips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("encoding");
        const QStringList video = {
            QStringLiteral("-f"), QStringLiteral("lavfi"),
            QStringLiteral("-i"), QStringLiteral("testsrc=duration=4:size=64x48:rate=25"),
            QStringLiteral("-f"), QStringLiteral("lavfi"),
            QStringLiteral("-i"), QStringLiteral("sine=duration=4")};
        QTest::newRow("avi") << "clip.avi" << video + QStringList{"-c:v", "mpeg4", "-c:a", "mp3"};
        QTest::newRow("asf") << "clip.asf" << video + QStringList{"-c:v", "wmv2", "-c:a", "wmav2"};
        QTest::newRow("mpg") << "clip.mpg" << video + QStringList{"-c:v", "mpeg1video", "-c:a",
                                                                  "mp2",  "-f",         "mpeg"};
        QTest::newRow("rm") << "clip.rm"
                            << video + QStringList{"-c:v", "rv10", "-c:a", "ac3", "-f", "rm"};
    }

    void ffmpegTimesRealClips() {
        QFETCH(QString, name);
        QFETCH(QStringList, encoding);
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        const QString path = dir_.filePath(name);
        QProcess ffmpeg;
        ffmpeg.start(
            QStringLiteral("ffmpeg"),
            QStringList{"-hide_banner", "-loglevel", "error", "-y"} + encoding + QStringList{path});
        QVERIFY(ffmpeg.waitForFinished(60000));
        QCOMPARE(ffmpeg.exitCode(), 0);
        FfmpegMediaDevice device;
        QVERIFY(device.open(path));
        QVERIFY2(std::abs(device.length() - 4000) <= 200,
                 qPrintable(QString::number(device.length())));
        device.close();
    }

    void ffmpegRefusesWhatIsNoLocalMovie() {
        FfmpegMediaDevice device;
        const QString junk = dir_.filePath(QStringLiteral("junk.avi"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(50000, 'j'));
        f.close();
        QVERIFY(!device.open(junk));
        QVERIFY(!device.open(file("empty.mpg", 0)));
        QVERIFY(!device.open(QStringLiteral("http:x.avi")));
        QVERIFY(!device.open(dir_.filePath(QStringLiteral("missing.avi"))));

        // A 3 GiB file: its true megabytes and quality, then the opening message.
        Run r;
        FfmpegMediaDevice real;
        const QString huge = file("Image.mpg", 3LL * 1024 * BytesPerMegabyte);
        r.dialogs.fileAnswers.push_back(huge);
        analyseMovieFiles(1, r.fields, r.dialogs, real, r.wait);
        QCOMPARE(r.dialogs.texts(), QStringList{kOpening});
        QCOMPARE(r.fields.quality, 4);
        QVERIFY(r.fields.sizeText.isEmpty());
    }

    // A named pipe chosen as a movie: refused at once, whatever is (not) writing to it.
    void aPipeIsNoMovieAndNeverBlocks() {
        const QString fifo = dir_.filePath(QStringLiteral("pipe.avi"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        // Should it block, opening the other end after the deadline lets it go on.
        const auto within5s = [&](std::future<void> work) {
            if (work.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
                return true;
            }
            const int end = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            work.wait();
            ::close(end);
            return false;
        };
        Run r;
        r.device.lengths[fifo] = 60000;  // the fake device would time it
        QVERIFY(within5s(std::async(std::launch::async, [&] { r.analyse(1, {fifo}); })));
        QCOMPARE(r.dialogs.texts(), QStringList{kOpening});
        QVERIFY(r.fields.lengthText.isEmpty());
        FfmpegMediaDevice real;
        bool opened = true;
        QVERIFY(within5s(std::async(std::launch::async, [&] { opened = real.open(fifo); })));
        QVERIFY(!opened);
    }

    void ffmpegReadsHeadersNotTheWholeFile() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
            QSKIP("the ffmpeg command is not installed to make clips");
        }
        // A real clip stretched to 2 GB with a sparse tail.
        const QString path = dir_.filePath(QStringLiteral("long.avi"));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                      "testsrc=duration=2:size=64x48:rate=25", "-c:v", "mpeg4", path});
        QVERIFY(ffmpeg.waitForFinished(60000));
        QFile f(path);
        QVERIFY(f.resize(2000LL * 1000 * 1000));
        FfmpegMediaDevice device;
        // Counted in bytes read rather than in time: how fast is for scripts/bench.
        const qint64 before = bytesReadSoFar();
        QVERIFY(before >= 0);
        QVERIFY(device.open(path));
        const qint64 read = bytesReadSoFar() - before;
        qInfo("opening and timing a 2 GB file read %lld bytes", read);
        QVERIFY2(read < 64LL * 1000 * 1000, qPrintable(QString::number(read)));

        // A damaged one, whose tail makes the reader hunt for a start code through every
        // byte, is given up in bounded time instead of freezing the program.
        const QString damaged = dir_.filePath(QStringLiteral("damaged.mpg"));
        ffmpeg.start(
            QStringLiteral("ffmpeg"),
            {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
             "testsrc=duration=2:size=64x48:rate=25", "-c:v", "mpeg1video", "-f", "mpeg", damaged});
        QVERIFY(ffmpeg.waitForFinished(60000));
        QFile d(damaged);
        QVERIFY(d.resize(2000LL * 1000 * 1000));
        // The reader gives up after 2 s of wall clock by design, so this bound tests that it
        // gives up, not how fast it is.
        QElapsedTimer timer;
        timer.start();
        device.open(damaged);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(FileAnalysisTest)
#include "test_file_analysis.moc"

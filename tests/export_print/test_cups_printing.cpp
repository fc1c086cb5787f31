// Printing through a real print system: a private cupsd with a PDF printer as its default, the
// Print List menu command of the main window, the real printer seam, and the PDF that comes
// out at the far end of the queue.
#include <signal.h>

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "main_window/ReelcaseProgram.h"
#include "platform/ui/QtPrintDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

const QString kQueue = QStringLiteral("ReelcasePDF");
const QString kDescription = QStringLiteral("Reel-Case Test PDF");
const QString kPrinted =
    QStringLiteral("The device \"Reel-Case Test PDF\" is now printing your movie database!");
const QString kFailed = QStringLiteral("There went something wrong with printing!");

struct Output {
    int code = -1;
    QString text;
};

Output run(const QString& program, const QStringList& arguments) {
    // The print system's administration tools live in sbin, which not every PATH holds.
    QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        path = QStandardPaths::findExecutable(
            program, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path.isEmpty() ? program : path, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// The lines of text on a rendered page, each cut to its own ink: the page scanned from the
// top for bands of rows that hold dark pixels.
QList<QImage> textLines(const QString& picture) {
    const QImage page = QImage(picture).convertToFormat(QImage::Format_Grayscale8);
    const auto inked = [&page](int y) {
        const uchar* row = page.constScanLine(y);
        return std::any_of(row, row + page.width(), [](uchar grey) { return grey < 128; });
    };
    QList<QImage> lines;
    for (int y = 0; y < page.height();) {
        if (!inked(y)) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < page.height() && inked(y)) {
            ++y;
        }
        int left = page.width();
        int right = 0;
        for (int row = top; row < y; ++row) {
            const uchar* pixels = page.constScanLine(row);
            for (int x = 0; x < page.width(); ++x) {
                if (pixels[x] < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        lines << page.copy(left, top, right - left + 1, y - top);
    }
    return lines;
}

// Whether every dark pixel of each picture has a dark pixel of the other within one pixel,
// with the two laid on each other at their best: the same text drawn by two renderers, which
// may round an edge or a line's top a pixel apart.
bool sameInk(const QImage& a, const QImage& b) {
    if (qAbs(a.width() - b.width()) > 2 || qAbs(a.height() - b.height()) > 2) {
        return false;
    }
    const auto dark = [](const QImage& image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               image.constScanLine(y)[x] < 128;
    };
    // Whether from's ink, moved by (shiftX, shiftY), lies on to's.
    const auto covered = [&dark](const QImage& from, const QImage& to, int shiftX, int shiftY) {
        for (int y = 0; y < from.height(); ++y) {
            for (int x = 0; x < from.width(); ++x) {
                bool near = !dark(from, x, y);
                for (int dy = -1; dy <= 1 && !near; ++dy) {
                    for (int dx = -1; dx <= 1 && !near; ++dx) {
                        near = dark(to, x + shiftX + dx, y + shiftY + dy);
                    }
                }
                if (!near) {
                    return false;
                }
            }
        }
        return true;
    };
    for (int shiftY = -1; shiftY <= 1; ++shiftY) {
        for (int shiftX = -1; shiftX <= 1; ++shiftX) {
            if (covered(a, b, shiftX, shiftY) && covered(b, a, -shiftX, -shiftY)) {
                return true;
            }
        }
    }
    return false;
}

// The main window with the real printer seam, as the program wires it.
struct PrintingProgram {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    QtPrintDevice printer;  // the system's default printer
    MainWindowLogic logic{catalogue,
                          doubles.seams({.fileSystem = &realFileSystem(), .printer = &printer})};
    AppearanceChoices choices;
    TfrmMain frmMain{logic, choices, doubles.windowSeams()};

    explicit PrintingProgram(int movies) {
        // Names that sort in the order made, so the first and last rows are known.
        for (int i = 1; i <= movies; ++i) {
            appendMovie(catalogue, {"Movie " + std::to_string(1000 + i), "Comedy", "AVI",
                                    "Pretty Good", "", 90 + i, 4, 700 + i});
        }
        frmMain.FormCreate(QString());
        logic.state.RefreshMovieList();
    }
    // The same list from the same menu, drawn with the default printer's page layout but
    // written straight into a PDF file by the program's own printer seam: text that reads back.
    void printBesideTheQueue(const QString& pdf) {
        QtPrintDevice file([&pdf] {
            auto pdfPrinter = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(),
                                                         QPrinter::HighResolution);
            pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
            pdfPrinter->setOutputFileName(pdf);
            return QtPrintDevice::Printer{std::move(pdfPrinter), QStringLiteral("file")};
        });
        MainWindowLogic toFile(catalogue,
                               doubles.seams({.fileSystem = &realFileSystem(), .printer = &file}));
        toFile.state.RefreshMovieList();
        toFile.output.outputList(ListMenuItem::MenuPrintList);
    }
    void printFromTheMenu() {
        frmMain.findChild<QAction*>(QStringLiteral("MenuPrintList"))->trigger();
    }
};

}  // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/reelcase-cups-XXXXXX")};
    qint64 cupsd_ = 0;

    QString pdfFolder() const { return dir_.filePath(QStringLiteral("pdf")); }

    // Page page of pdf as a grey picture at 150 dots per inch; its path.
    QString render(const QString& pdf, int page) const {
        const QString picture = QStringLiteral("%1-%2").arg(pdf).arg(page);
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("150"),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), QStringLiteral("-singlefile"), pdf, picture});
        return picture + QStringLiteral(".pgm");
    }

    QStringList pdfs() const {
        return QDir(pdfFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    // Waits until the queue has no job left and returns the PDF files the printer wrote.
    QStringList waitForTheQueue() const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            const Output jobs = run(QStringLiteral("lpstat"), {QStringLiteral("-o"), kQueue});
            if (jobs.code == 0 && jobs.text.trimmed().isEmpty()) {
                break;
            }
            QThread::msleep(200);
        }
        return pdfs();
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // To look at the pages afterwards.
        if (qEnvironmentVariableIsSet("REELCASE_KEEP_PRINTS")) {
            dir_.setAutoRemove(false);
            qInfo() << "printed pages kept in" << dir_.path();
        }
        const Output started = run(QStringLiteral("bash"), {QStringLiteral(REELCASE_PRIVATE_CUPSD),
                                                            dir_.path(), kQueue, kDescription});
        if (started.code != 0) {
            QSKIP(qPrintable(QStringLiteral("no print system: ") + started.text.trimmed()));
        }
        const QRegularExpression pid(QStringLiteral("^pid (\\d+)$"),
                                     QRegularExpression::MultilineOption);
        cupsd_ = pid.match(started.text).captured(1).toLongLong();
        // The print system reached through these is the private one, before anything asks.
        qputenv("CUPS_SERVER", dir_.filePath(QStringLiteral("cups.sock")).toLocal8Bit());
        qputenv("HOME", dir_.filePath(QStringLiteral("home")).toLocal8Bit());
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    }

    void cleanupTestCase() {
        if (cupsd_ <= 0) {
            return;
        }
        ::kill(static_cast<pid_t>(cupsd_), SIGTERM);
        // Gone before its folder is removed.
        for (int i = 0; i < 100 && ::kill(static_cast<pid_t>(cupsd_), 0) == 0; ++i) {
            QThread::msleep(50);
        }
    }

    void aLongListComesOutAsAnA4Document() {
        PrintingProgram program(120);
        program.printFromTheMenu();
        QCOMPARE(program.dialogs.texts(), QStringList{kPrinted});

        const QStringList written = waitForTheQueue();
        QCOMPARE(written.size(), 1);
        const QString pdf = QDir(pdfFolder()).filePath(written.front());
        const QString info = run(QStringLiteral("pdfinfo"), {pdf}).text;
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))),
                 qPrintable(info));
        QVERIFY2(
            info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595.* x 84[12].*"))),
            qPrintable(info));

        // Its fonts come back from the queue without their character codes, so pdftotext reads
        // nonsense: the pages are compared as pictures with the same list printed straight into
        // a file, whose text does read back.
        const QString besides = dir_.filePath(QStringLiteral("besides.pdf"));
        program.printBesideTheQueue(besides);
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), besides, QStringLiteral("-")})
                                 .text;
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[0].contains(QRegularExpression(
                     QStringLiteral("^\\s*Movie Name\\s+\\|Genre\\s+\\|Format\\|Rating"))),
                 qPrintable(pages[0].left(400)));
        QVERIFY2(pages[0].contains(
                     QRegularExpression(QStringLiteral("\\n\\s*1\\. Movie 1001\\s+\\|Comedy\\s+\\| "
                                                       "AVI\\s+\\|Pretty Good\\s+\\|\\s*91Min"))),
                 qPrintable(pages[0].left(400)));
        QVERIFY2(pages[1].contains(QRegularExpression(
                     QStringLiteral("120\\. Movie 1120\\s+\\|Comedy\\s+\\| AVI\\s+\\|Pretty "
                                    "Good\\s+\\|210Min\\s+\\|\\s+4/5\\s+\\|\\s*820MB"))),
                 qPrintable(pages[1]));
        QVERIFY(pages[1].contains(QStringLiteral("Thank you for using Reel-Case Database!")));
        for (int row = 1; row <= 120; ++row) {
            QVERIFY2(text.contains(QStringLiteral("%1. Movie %2").arg(row).arg(1000 + row)),
                     qPrintable(QString::number(row)));
        }
        qsizetype lines = 0;
        for (int page = 1; page <= 2; ++page) {
            const QList<QImage> printed = textLines(render(pdf, page));
            const QList<QImage> expected = textLines(render(besides, page));
            QCOMPARE(printed.size(), expected.size());
            lines += printed.size();
            for (qsizetype line = 0; line < printed.size(); ++line) {
                if (!sameInk(printed[line], expected[line])) {
                    // Both kept beside the PDF files for a look.
                    const QString name = QStringLiteral("page%1-line%2-").arg(page).arg(line + 1);
                    printed[line].save(dir_.filePath(name + QStringLiteral("printed.png")));
                    expected[line].save(dir_.filePath(name + QStringLiteral("expected.png")));
                    QFAIL(qPrintable(
                        QStringLiteral("page %1, line %2 differs").arg(page).arg(line + 1)));
                }
            }
            // The comparison tells one row from the next.
            QVERIFY(!sameInk(printed[1], expected[2]));
        }
        QCOMPARE(lines, 1 + 120 + 2);  // the empty line leaves no ink
        QFile::remove(pdf);
    }

    void aQueueThatRefusesJobsIsAFailureNotASuccess() {
        const QStringList before = waitForTheQueue();
        QCOMPARE(run(QStringLiteral("cupsreject"), {kQueue}).code, 0);
        PrintingProgram program(3);
        program.printFromTheMenu();
        QCOMPARE(run(QStringLiteral("cupsaccept"), {kQueue}).code, 0);
        QCOMPARE(program.dialogs.texts(), QStringList{kFailed});
        QCOMPARE(waitForTheQueue(), before);
    }

    void aStoppedQueueIsAFailureNotASuccess() {
        QCOMPARE(run(QStringLiteral("cupsdisable"), {kQueue}).code, 0);
        const QStringList before = waitForTheQueue();
        PrintingProgram program(3);
        program.printFromTheMenu();
        QCOMPARE(run(QStringLiteral("cupsenable"), {kQueue}).code, 0);
        QCOMPARE(program.dialogs.texts(), QStringList{kFailed});
        QCOMPARE(waitForTheQueue(), before);  // no job held to come out later
    }
};

QTEST_MAIN(CupsPrintingTest)
#include "test_cups_printing.moc"

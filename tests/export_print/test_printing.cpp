#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "catalogue/TextCodec.h"
#include "export_print/ExportRows.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/ui/QtPrintDevice.h"
#include "platform/ui/QtUserDialogs.h"
#include "support/FakePrintDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The non-blank lines of text with runs of blanks made single: pdftotext places words by
// their position, so single blanks are what it surely keeps.
QStringList simplifiedLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n\f]+")))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.simplified();
        }
    }
    return lines;
}

// The left edge of the first word starting with a bar on each printed line: where the genre
// column starts.
QList<double> genreBars(const QString& pdf) {
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    QList<double> bars;
    QString lineTop;
    for (const auto& m : word.globalMatch(run(
             QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}))) {
        if (m.captured(2) != lineTop && m.captured(3).startsWith(QLatin1Char('|'))) {
            lineTop = m.captured(2);
            bars << m.captured(1).toDouble();
        }
    }
    return bars;
}

// The command with the real printer, printing into a PDF file.
struct PdfProgram {
    QString pdf;
    Catalogue catalogue;
    FakeUserDialogs dialogs;
    QtPrintDevice device{[this] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return QtPrintDevice::Printer{std::move(printer), QStringLiteral("PDF Writer")};
    }};
    TestSeams doubles{catalogue};
    MainWindowLogic logic{
        catalogue,
        doubles.seams({.dialogs = &dialogs, .fileSystem = &realFileSystem(), .printer = &device})};

    explicit PdfProgram(QString file) : pdf(std::move(file)) {}
    // Prints and reads the text back.
    QString print() {
        logic.output.outputList(ListMenuItem::MenuPrintList);
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
    QStringList exportedLines() const {
        return simplifiedLines(fromCatalogueText(listExportBytes(catalogue, logic.state.list())));
    }
};

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    void initTestCase() {
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    }

    void aPrintedListReadsBackInOrder() {
        PdfProgram p(dir_.filePath(QStringLiteral("sample.pdf")));
        p.logic.files.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        const QString text = p.print();
        QCOMPARE(p.dialogs.texts(),
                 QStringList{"The device \"PDF Writer\" is now printing your movie database!"});
        QCOMPARE(simplifiedLines(text), p.exportedLines());
        QCOMPARE(text.count(QLatin1Char('\f')), 1);  // pages
        // Each piece drawn where the one before it ended: every row's genre bar stands under
        // the header's, though the header is bold.
        const QList<double> bars = genreBars(p.pdf);
        QCOMPARE(bars.size(), 1 + 10);
        for (const double bar : bars) {
            QVERIFY(qAbs(bar - bars.front()) < 0.01);
        }
        const QString fonts = run(QStringLiteral("pdffonts"), {p.pdf});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono-Bold ")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono ")), qPrintable(fonts));
    }

    void withoutAPrinterPrintingFails() {
        const QStringList failed{QStringLiteral("There went something wrong with printing!")};
        FakeUserDialogs dialogs;
        Catalogue catalogue;
        appendMovie(catalogue, {"Alien"});
        TestSeams doubles{catalogue};
        QtPrintDevice none([] { return QtPrintDevice::Printer{}; });
        MainWindowLogic logic(catalogue, doubles.seams({.dialogs = &dialogs,
                                                        .fileSystem = &realFileSystem(),
                                                        .printer = &none}));
        logic.state.RefreshMovieList();
        logic.output.outputList(ListMenuItem::MenuPrintList);
        QCOMPARE(dialogs.texts(), failed);

        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this system has a default printer");
        }
        dialogs.clear();
        QtPrintDevice systemDefault;
        MainWindowLogic usingDefault(catalogue, doubles.seams({.dialogs = &dialogs,
                                                               .fileSystem = &realFileSystem(),
                                                               .printer = &systemDefault}));
        usingDefault.state.RefreshMovieList();
        usingDefault.output.outputList(ListMenuItem::MenuPrintList);
        QCOMPARE(dialogs.texts(), failed);
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
    }

    void menuItemsAndButtonsReachTheirCommand() {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        FakeUserDialogs& dialogs = doubles.dialogs;
        FakePrintDevice& printer = doubles.printer;
        MainWindowLogic logic(catalogue, doubles.seams());
        AppearanceChoices choices;
        TfrmMain frmMain(logic, choices, doubles.windowSeams());
        frmMain.FormCreate(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"));
        dialogs.fileAnswers = {dir_.filePath(QStringLiteral("menu.txt")), std::nullopt};
        frmMain.findChild<QAction*>(QStringLiteral("MenuExportList"))->trigger();
        frmMain.findChild<QToolButton*>(QStringLiteral("ExportDatabaseToolbutton"))->click();
        QCOMPARE(dialogs.fileRequests.size(), std::size_t{2});
        QVERIFY(printer.calls.isEmpty());
        frmMain.findChild<QAction*>(QStringLiteral("MenuPrintList"))->trigger();
        frmMain.findChild<QToolButton*>(QStringLiteral("PrintDatabaseToolbutton"))->click();
        QCOMPARE(printer.calls.count("begin"), 2);
        QCOMPARE(dialogs.fileRequests.size(), std::size_t{2});
        QCOMPARE(dialogs.texts().size(), 3);
    }

    void aNameTypedWithoutExtensionGetsTxt() {
        Catalogue catalogue;
        QtUserDialogs dialogs;
        TestSeams doubles{catalogue};
        MainWindowLogic logic(
            catalogue, doubles.seams({.dialogs = &dialogs, .fileSystem = &realFileSystem()}));
        appendMovie(catalogue, {"Alien"});
        logic.state.RefreshMovieList();
        QString filter;
        QString shownType;
        QString message;
        ModalDriver modals;
        modals.expect([&](QWidget* modal) {
            filter = qobject_cast<QFileDialog*>(modal)->nameFilters().join(QLatin1Char(';'));
            shownType =
                modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(dir_.filePath(QStringLiteral("list")));
            QTest::keyClick(name, Qt::Key_Return);
        });
        modals.expect([&](QWidget* box) {
            message = qobject_cast<QMessageBox*>(box)->text();
            box->close();
        });
        logic.output.outputList(ListMenuItem::MenuExportList);
        QCOMPARE(filter, QStringLiteral("Movie List (Textfile) (*.txt)"));
        QCOMPARE(shownType, QStringLiteral("Movie List (Textfile)"));
        QCOMPARE(
            message,
            QStringLiteral("The file: \"list.txt\" is succesfully created with all the Movies!"));
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("list.txt"))));
    }

    // A movie or file name that looks like markup is shown as typed in every kind of box.
    void boxesShowNamesThatLookLikeMarkupAsTyped() {
        const QString text = QStringLiteral("Delete <b>Bold</b> <i>it</i> & more?");
        QStringList shown;
        ModalDriver modals;
        for (int box = 0; box < 4; ++box) {
            modals.expect([&](QWidget* modal) {
                auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                QVERIFY(label != nullptr);
                // What a selection of everything copies is what the label draws.
                label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
                label->setSelection(0, static_cast<int>(label->text().size()));
                shown << label->selectedText();
                modal->close();
            });
        }
        QtUserDialogs dialogs;
        dialogs.showMessage(text);
        dialogs.showError(text);
        dialogs.confirm(text);
        dialogs.confirmWithCancel(text);
        QCOMPARE(shown, QStringList(4, text));
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"

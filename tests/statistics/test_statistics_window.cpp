// The statistics window with the main window: opened from the menu over the listed movies, a
// click on a bar filters the main list as the filter box does, the measure switch, and the
// charts saved as pictures and printed into a PDF file.
#include <QAbstractButton>
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/ReelcaseProgram.h"
#include "statistics/ui/StatisticsWindow.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

struct Program {
    explicit Program(QString pdfFile) : pdf(std::move(pdfFile)) {}
    QString pdf;
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    TfrmStatistics* frmStatistics = new TfrmStatistics(doubles.dialogs, [this] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setColorMode(QPrinter::GrayScale);
        printer->setOutputFileName(pdf);
        return QtPrintDevice::Printer{std::move(printer), QStringLiteral("PDF Writer"), {}};
    });
    MainWindowLogic logic{catalogue, doubles.seams({.statistics = frmStatistics})};
    AppearanceChoices choices;
    TfrmMain frmMain{logic, choices, doubles.windowSeams()};

    void fill() {
        frmStatistics->setParent(&frmMain, frmStatistics->windowFlags());
        for (const Movie& m : {Movie{"Alien", "SF", "DVD", "Perfect Movie", "", 118, 5, 4500},
                               Movie{"Brazil", "SF", "AVI", "Nice", "", 142, 4, 700},
                               Movie{"Cats", "Family", "MPG", "Walk Away Movie", "", 0, 1, -5},
                               Movie{"Dune", "SF", "DVD", "Walk Away Movie", "", -30, 2, 0},
                               Movie{"Eraser", "Action", "AVI", "Boring", "", 115, 3, 1400}}) {
            appendMovie(catalogue, m);
        }
        logic.state.RefreshMovieList();
        frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frmMain));
    }
    void openStatistics() {
        frmMain.findChild<QAction*>(QStringLiteral("MenuStatistics"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(frmStatistics));
    }
    QChartView* view(const char* name) const {
        return frmStatistics->findChild<QChartView*>(QLatin1String(name));
    }
    // The bars' values and the categories' labels of a chart, top bar first.
    static std::pair<QList<qreal>, QStringList> barsOf(QChartView* view) {
        auto* series = qobject_cast<QHorizontalBarSeries*>(view->chart()->series().at(0));
        QBarSet* set = series->barSets().at(0);
        QList<qreal> values;
        for (qsizetype i = set->count() - 1; i >= 0; --i) {
            values << set->at(i);
        }
        auto* axis = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Vertical).at(0));
        QStringList labels = axis->categories();
        std::reverse(labels.begin(), labels.end());
        return {values, labels};
    }
};

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    void clickOnABarFiltersTheMainList() {
        Program p(dir_.filePath("unused.pdf"));
        p.fill();
        auto* comboGenreList = p.frmMain.findChild<QComboBox*>(QStringLiteral("comboGenreList"));
        comboGenreList->setCurrentIndex(6);  // SF, as the user picks it
        Q_EMIT comboGenreList->activated(6);
        p.openStatistics();
        QCOMPARE(p.frmStatistics->windowTitle(), QString("Statistics of 3 movies (Genre: SF)"));

        // Ratings in their own order, the values on the bars.
        const auto [values, labels] = Program::barsOf(p.view("chartRating"));
        QCOMPARE(labels, (QStringList{"Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good",
                                      "Perfect Movie"}));
        QCOMPARE(values, (QList<qreal>{1, 0, 0, 1, 0, 1}));

        // A real click in the middle of the "Walk Away Movie" bar (the top one).
        QChartView* rating = p.view("chartRating");
        auto* series = rating->chart()->series().at(0);
        const QPointF inChart = rating->chart()->mapToPosition(QPointF(0.5, 5), series);
        const QPoint atBar = rating->mapFromScene(rating->chart()->mapToScene(inChart));
        QTest::mouseClick(rating->viewport(), Qt::LeftButton, {}, atBar);
        QCOMPARE(entriesOf(p.logic.state.list()), (QStringList{"Cats", "Dune"}));
        QCOMPARE(p.frmMain.findChild<QComboBox*>(QStringLiteral("comboRating"))->currentIndex(), 0);
        QCOMPARE(comboGenreList->currentIndex(), FilterChoice::AllGenres);
        // The window keeps showing what it was opened over.
        QCOMPARE(p.frmStatistics->windowTitle(), QString("Statistics of 3 movies (Genre: SF)"));

        // A bar of values outside the vocabulary lists nothing to filter by: no change.
        Q_EMIT qobject_cast<QHorizontalBarSeries*>(series)->barSets().at(0)->clicked(99);
        QCOMPARE(entriesOf(p.logic.state.list()), (QStringList{"Cats", "Dune"}));
    }

    void measureSwitchShowsHoursAndGigabytes() {
        Program p(dir_.filePath("unused.pdf"));
        p.fill();
        p.openStatistics();
        QVERIFY(p.frmStatistics->findChild<QLabel*>(QStringLiteral("lblTotals"))
                    ->text()
                    .contains(QStringLiteral("Length of film: 6 h 15 min")));
        QCOMPARE(Program::barsOf(p.view("chartFormat")).first, (QList<qreal>{2, 0, 1, 2, 0}));
        p.frmStatistics->findChild<QAbstractButton*>(QStringLiteral("radioHours"))->click();
        // AVI: 142 + 115 minutes; DVD: 118 (Dune's -30 is no length); rounded to tenths.
        QCOMPARE(Program::barsOf(p.view("chartFormat")).first, (QList<qreal>{4.3, 0, 0, 2.0, 0}));
        QCOMPARE(p.view("chartFormat")->chart()->title(), QString("Hours by Format"));
        p.frmStatistics->showMeasure(StatisticsMeasure::Gigabytes);
        QCOMPARE(Program::barsOf(p.view("chartQuality")).first,
                 (QList<qreal>{0, 0, 1.4, 0.7, 4.4}));
        QVERIFY(p.frmStatistics->findChild<QAbstractButton*>(QStringLiteral("radioGigabytes"))
                    ->isChecked());
    }

    void chartsSavedAndPrinted() {
        // REELCASE_KEEP_PRINTS=1 keeps the pictures and the grey print to look at.
        if (qEnvironmentVariableIsSet("REELCASE_KEEP_PRINTS")) {
            dir_.setAutoRemove(false);
            qInfo() << "pictures and print kept in" << dir_.path();
        }
        const QString pdf = dir_.filePath("statistics.pdf");
        Program p(pdf);
        p.fill();
        p.openStatistics();
        const QString png = dir_.filePath("charts.png");
        const QString svg = dir_.filePath("charts.svg");
        p.doubles.dialogs.fileAnswers = {png, svg};
        auto* save = p.frmStatistics->findChild<QAbstractButton*>(QStringLiteral("btnSavePicture"));
        save->click();
        save->click();
        const QImage picture(png);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() > 2 * p.view("chartGenre")->width());
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray drawing = svgFile.readAll();
        QVERIFY(drawing.contains("<svg") && drawing.contains("Walk Away Movie"));
        QCOMPARE(p.doubles.dialogs.shown.size(), 2);  // the two save dialogs, no message
        QCOMPARE(p.doubles.dialogs.fileRequests.back().pattern, QString("*.png *.svg"));

        p.frmStatistics->findChild<QAbstractButton*>(QStringLiteral("btnPrint"))->click();
        QCOMPARE(p.doubles.dialogs.shown.back().text,
                 QString("The device \"PDF Writer\" is now printing your statistics!"));
        const QString text = pdfText(pdf);
        for (const char* expected : {"Statistics of 5 movies", "Movies by Rating",
                                     "Walk Away Movie", "Perfect Movie", "Family", "5/5"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        }
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "test_statistics_window.moc"

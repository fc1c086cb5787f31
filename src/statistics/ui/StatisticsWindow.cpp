// The statistics window: totals, four bar charts, saving them as a picture and printing them.
#include "statistics/ui/StatisticsWindow.h"

#include <algorithm>
#include <cmath>

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgGenerator>
#include <QValueAxis>

#include "look/ui/ClassicLook.h"
#include "statistics/StatisticsText.h"

namespace reelcase {

namespace {

QString fromAscii(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// One colour per chart, of different lightness, so that the charts stay apart in grey print;
// the values are written in black beside the bars.
QColor chartColour(FilterBox grouping) {
    switch (grouping) {
        case FilterBox::Genre:
            break;
        case FilterBox::Format:
            return {0xc0, 0x7a, 0x10};
        case FilterBox::Rating:
            return {0x4e, 0x9a, 0x06};
        case FilterBox::Quality:
            return {0x75, 0x50, 0x7b};
    }
    return {0x34, 0x65, 0xa4};
}

// A value as its bar's label shows it: rounded to what measureValueText writes.
double shownValue(StatisticsMeasure measure, double value) {
    return measure == StatisticsMeasure::Movies ? value : std::round(value * 10.0) / 10.0;
}

}  // namespace

TfrmStatistics::TfrmStatistics(UserDialogs& dialogs, QWidget* parent)
    : TfrmStatistics(dialogs, &QtPrintDevice::defaultPrinter, parent) {}

TfrmStatistics::TfrmStatistics(UserDialogs& dialogs, QtPrintDevice::PrinterSource printers,
                               QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), printers_(std::move(printers)) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    setModal(false);
    resize(DesignWidth, DesignHeight);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(6);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 14, true));
    lblTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(lblTitle, 0, 0, 1, 2);

    lblTotals = new QLabel(this);
    lblTotals->setObjectName(QStringLiteral("lblTotals"));
    lblTotals->setTextFormat(Qt::PlainText);
    lblTotals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblTotals, 1, 0);

    auto* show = new QGroupBox(tr("Show"), this);
    show->setObjectName(QStringLiteral("grpShow"));
    auto* showLayout = new QHBoxLayout(show);
    radioMovies = new QRadioButton(tr("&Movies"), show);
    radioMovies->setObjectName(QStringLiteral("radioMovies"));
    radioHours = new QRadioButton(tr("&Hours"), show);
    radioHours->setObjectName(QStringLiteral("radioHours"));
    radioGigabytes = new QRadioButton(tr("&Gigabytes"), show);
    radioGigabytes->setObjectName(QStringLiteral("radioGigabytes"));
    radioMovies->setChecked(true);
    for (QRadioButton* radio : {radioMovies, radioHours, radioGigabytes}) {
        showLayout->addWidget(radio);
    }
    layout->addWidget(show, 1, 1, Qt::AlignRight | Qt::AlignTop);

    auto* chartGrid = new QGridLayout;
    chartGrid->setSpacing(6);
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const FilterBox grouping = StatisticsGroupings.at(i);
        makeChart(charts_[i], grouping, chartColour(grouping));
        chartGrid->addWidget(charts_[i].view, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    layout->addLayout(chartGrid, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    btnSavePicture = new QPushButton(tr("&Save as Picture..."), this);
    btnSavePicture->setObjectName(QStringLiteral("btnSavePicture"));
    btnPrint = new QPushButton(tr("&Print"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(btnSavePicture);
    buttons->addWidget(btnPrint);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(radioMovies, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showMeasure(StatisticsMeasure::Movies);
        }
    });
    connect(radioHours, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showMeasure(StatisticsMeasure::Hours);
        }
    });
    connect(radioGigabytes, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showMeasure(StatisticsMeasure::Gigabytes);
        }
    });
    connect(btnSavePicture, &QPushButton::clicked, this, &TfrmStatistics::btnSavePictureClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmStatistics::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmStatistics::makeChart(Chart& chart, FilterBox grouping, const QColor& colour) {
    chart.grouping = grouping;
    chart.chart = new QChart;
    chart.chart->legend()->hide();
    chart.chart->setAnimationOptions(QChart::NoAnimation);
    chart.chart->setBackgroundRoundness(0);
    chart.chart->setMargins(QMargins(2, 2, 2, 2));
    chart.chart->setTitleFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));

    chart.bars = new QBarSet(shownStatisticsText(groupingName(grouping)));
    chart.bars->setColor(colour);
    chart.bars->setBorderColor(colour.darker(160));
    chart.bars->setLabelColor(Qt::black);
    chart.bars->setLabelFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    chart.series = new QHorizontalBarSeries;
    chart.series->append(chart.bars);
    chart.series->setBarWidth(0.7);
    chart.series->setLabelsVisible(true);
    chart.series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart.series->setLabelsFormat(QStringLiteral("@value"));
    chart.series->setLabelsPrecision(15);
    chart.chart->addSeries(chart.series);

    auto* categories = new QBarCategoryAxis;
    categories->setLabelsFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    categories->setGridLineVisible(false);
    // Qt would cut a label to "..." once the bars stand closer than it likes; at the window's
    // size the labels still fit between them.
    categories->setTruncateLabels(false);
    chart.chart->addAxis(categories, Qt::AlignLeft);
    chart.series->attachAxis(categories);
    chart.values = new QValueAxis;
    chart.values->setLabelsVisible(false);
    chart.values->setTickCount(2);
    chart.chart->addAxis(chart.values, Qt::AlignBottom);
    chart.series->attachAxis(chart.values);

    chart.view = new QChartView(chart.chart, this);
    chart.view->setObjectName(QStringLiteral("chart") + fromAscii(groupingName(grouping)));
    chart.view->setRenderHint(QPainter::Antialiasing);
    chart.view->setMinimumSize(300, 200);
    chart.view->setCursor(Qt::PointingHandCursor);
    connect(chart.bars, &QBarSet::clicked, this, [this, &chart](int index) {
        if (index < 0 || index >= static_cast<int>(chart.items.size())) {
            return;
        }
        const int item = chart.items[static_cast<std::size_t>(index)];
        if (item >= 0 && chosen_) {
            chosen_(chart.grouping, item);
        }
    });
}

void TfrmStatistics::ShowStatistics(const MovieStatistics& statistics, const QString& title,
                                    ItemChosen chosen) {
    statistics_ = statistics;
    chosen_ = std::move(chosen);
    setWindowTitle(title);
    lblTitle->setText(title);
    const std::vector<TotalLine> lines = totalLines(statistics.totals());
    QString totals;
    // Three lines: the count and sums, the averages, what is not measured.
    const std::size_t breaks[] = {3, 5};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            totals += std::ranges::find(breaks, i) != std::end(breaks) ? QStringLiteral("\n")
                                                                       : QStringLiteral("      ");
        }
        totals += tr("%1: %2").arg(shownStatisticsText(lines[i].label),
                                   shownStatisticsText(lines[i].value));
    }
    lblTotals->setText(totals);
    for (Chart& chart : charts_) {
        chart.items.clear();
        chart.tallies.clear();
        auto* categories = qobject_cast<QBarCategoryAxis*>(chart.chart->axes(Qt::Vertical).at(0));
        QStringList labels;
        const std::span<const StatisticsGroup> groups = statistics_.groups(chart.grouping);
        // A horizontal chart stacks its first bar at the bottom: the first group goes on top.
        for (std::size_t i = groups.size(); i-- > 0;) {
            const StatisticsGroup& group = groups[i];
            labels << shownStatisticsText(group.label);
            chart.items.push_back(group.item);
            chart.tallies.push_back(group.tally);
        }
        categories->setCategories(labels);
    }
    showMeasure(measure_);
    show();
    raise();
    activateWindow();
}

void TfrmStatistics::showMeasure(StatisticsMeasure measure) {
    measure_ = measure;
    QRadioButton* radio = measure == StatisticsMeasure::Movies  ? radioMovies
                          : measure == StatisticsMeasure::Hours ? radioHours
                                                                : radioGigabytes;
    if (!radio->isChecked()) {
        radio->setChecked(true);  // its toggled handler comes back here
        return;
    }
    for (Chart& chart : charts_) {
        fillChart(chart);
    }
}

void TfrmStatistics::fillChart(Chart& chart) {
    QList<qreal> values;
    double highest = 0;
    for (const Tally& tally : chart.tallies) {
        const double value = shownValue(measure_, tally.value(measure_));
        values << value;
        highest = std::max(highest, value);
    }
    if (chart.bars->count() != values.size()) {
        chart.bars->remove(0, chart.bars->count());
        chart.bars->append(values);
    } else {
        for (int i = 0; i < chart.bars->count(); ++i) {
            chart.bars->replace(i, values[i]);
        }
    }
    // Room beside the longest bar for its value.
    chart.values->setRange(0, highest > 0 ? highest * 1.25 : 1);
    chart.chart->setTitle(tr("%1 by %2")
                              .arg(shownStatisticsText(measureName(measure_)),
                                   shownStatisticsText(groupingName(chart.grouping))));
}

QSizeF TfrmStatistics::sheetSize() const {
    const QSize chart = charts_[0].view->size();
    return {2.0 * chart.width() + 12, 2.0 * chart.height() + 12 + 80};
}

void TfrmStatistics::paintSheet(QPainter& painter, const QRectF& target) const {
    const QSizeF sheet = sheetSize();
    const double scale = std::min(target.width() / sheet.width(), target.height() / sheet.height());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), sheet), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    painter.drawText(QRectF(6, 4, sheet.width() - 12, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     lblTitle->text());
    painter.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    painter.drawText(QRectF(6, 30, sheet.width() - 12, 50), Qt::AlignLeft | Qt::AlignTop,
                     lblTotals->text());
    const QSize size = charts_[0].view->size();
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const std::size_t rowNumber = i / 2;
        const auto column = static_cast<double>(i % 2);
        const auto row = static_cast<double>(rowNumber);
        const QRectF place(column * (size.width() + 12), 80 + row * (size.height() + 12),
                           size.width(), size.height());
        charts_[i].view->scene()->render(&painter, place, charts_[i].view->sceneRect());
    }
    painter.restore();
}

void TfrmStatistics::btnSavePictureClick() {
    const FileDialogRequest request{tr("Picture (*.png *.svg)"), QStringLiteral("*.png *.svg"),
                                    QStringLiteral("png"), lastPictureName_};
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(request);
    if (!chosen) {
        return;
    }
    lastPictureName_ = *chosen;
    const QSizeF sheet = sheetSize();
    bool written = false;
    if (chosen->endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(*chosen);
        svg.setSize(sheet.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), sheet));
        svg.setTitle(lblTitle->text());
        QPainter painter;
        if (painter.begin(&svg)) {
            paintSheet(painter, QRectF(QPointF(0, 0), sheet));
            written = painter.end();
        }
    } else {
        // Twice the window's size, so that the picture stays sharp when enlarged.
        QImage image((sheet * 2).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintSheet(painter, QRectF(QPointF(0, 0), sheet * 2));
        painter.end();
        written = image.save(*chosen, "PNG");
    }
    if (!written) {
        dialogs_.showMessage(tr("The picture \"%1\" could not be written.").arg(*chosen));
    }
}

void TfrmStatistics::btnPrintClick() {
    QtPrintDevice::Printer chosen = printers_();
    if (!chosen.printer || !chosen.printer->isValid()) {
        dialogs_.showMessage(tr("There went something wrong with printing!"));
        return;
    }
    QPrinter& printer = *chosen.printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs_.showMessage(tr("There went something wrong with printing!"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(painter, QRectF(QPointF(0, 0), QSizeF(printer.width(), printer.height())));
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    if (!ended || (chosen.deliver && !chosen.deliver())) {
        dialogs_.showMessage(tr("There went something wrong with printing!"));
        return;
    }
    dialogs_.showMessage(tr("The device \"%1\" is now printing your statistics!").arg(chosen.name));
}

}  // namespace reelcase

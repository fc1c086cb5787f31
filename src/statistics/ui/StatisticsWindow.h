#pragma once

#include <array>

#include <QDialog>

#include "platform/ui/QtPrintDevice.h"
#include "seams/UserDialogs.h"
#include "statistics/StatisticsCommand.h"

class QBarSet;
class QChart;
class QChartView;
class QHorizontalBarSeries;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QValueAxis;

namespace reelcase {

// The statistics window: the totals of the listed movies and a bar chart for each grouping,
// showing movies, hours or gigabytes, with the value written on each bar. A click on a bar
// filters the main list to its group. It stays open beside the main window and shows the
// movies as they were when it was opened, until the menu item opens it again.
class TfrmStatistics : public QDialog, public StatisticsDialog {
    Q_OBJECT
  public:
    // Prints on the system's default printer.
    explicit TfrmStatistics(UserDialogs& dialogs, QWidget* parent = nullptr);
    // Prints on the printers that printers makes, one for each print (a PDF file in tests).
    TfrmStatistics(UserDialogs& dialogs, QtPrintDevice::PrinterSource printers,
                   QWidget* parent = nullptr);

    void ShowStatistics(const MovieStatistics& statistics, const QString& title,
                        ItemChosen chosen) override;

    // What the charts show; the radio buttons choose it.
    void showMeasure(StatisticsMeasure measure);
    // The charts, the title and the totals painted into target, as saved and printed.
    void paintSheet(QPainter& painter, const QRectF& target) const;

    static constexpr int DesignWidth = 800;
    static constexpr int DesignHeight = 640;

  private:
    struct Chart {
        FilterBox grouping{};
        QChartView* view = nullptr;
        QChart* chart = nullptr;
        QHorizontalBarSeries* series = nullptr;
        QBarSet* bars = nullptr;
        QValueAxis* values = nullptr;
        std::vector<int> items;  // the filter box item of each bar, from the bottom bar up
        std::vector<Tally> tallies;
    };
    void makeChart(Chart& chart, FilterBox grouping, const QColor& colour);
    void fillChart(Chart& chart);
    QSizeF sheetSize() const;
    void btnSavePictureClick();
    void btnPrintClick();

    UserDialogs& dialogs_;
    QtPrintDevice::PrinterSource printers_;
    ItemChosen chosen_;
    MovieStatistics statistics_;
    StatisticsMeasure measure_ = StatisticsMeasure::Movies;
    QString lastPictureName_;
    std::array<Chart, StatisticsGroupings.size()> charts_;

    QLabel* lblTitle = nullptr;
    QLabel* lblTotals = nullptr;
    QRadioButton* radioMovies = nullptr;
    QRadioButton* radioHours = nullptr;
    QRadioButton* radioGigabytes = nullptr;
    QPushButton* btnSavePicture = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnClose = nullptr;
};

}  // namespace reelcase

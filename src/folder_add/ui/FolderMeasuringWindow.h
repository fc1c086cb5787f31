#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "catalogue/Catalogue.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/ui/FolderAddModel.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QTableView;
class QTimer;

namespace reelcase {

// What the windows that measure folders' files in the background share: the polling for the
// measuring's results, its progress, and the table of the files found as movies to add, with
// the boxes that give them all a genre and a rating.
class FolderMeasuringWindow : public QDialog {
    Q_OBJECT

  public:
    // Measuring threads; 0: one per core.
    void setThreadCount(int threads) { threads_ = threads; }
    // Called on every poll of the measuring, after the window shows its results.
    void setPollListener(std::function<void()> listener) { pollListener_ = std::move(listener); }

    void reject() override;

  protected:
    FolderMeasuringWindow(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                          QWidget* parent);

    // Shows what the measuring found since the last poll, then calls pollDone.
    virtual void poll() = 0;
    // Stops the measuring's workers; returns once none runs any more.
    virtual void stopMeasuring() = 0;
    void startPolling();
    void stopPolling();
    void pollDone();

    // The controls are made by the window, each where its keyboard order wants it.
    void makeMoviesTable(const char* name);
    // The boxes and their labels, in the order they stand.
    std::array<QWidget*, 4> makeBatchBoxes();

    // The movies to add shown from rows, or none.
    void showMovies(FolderAddTable* rows);
    // The movies' rows took in measured files.
    void moviesMeasured();
    void showMeasuringFinished(const FolderMeasuring::Progress& progress);

    const Catalogue& catalogue_;
    FolderMeasuring::DeviceFactory makeDevice_;
    int threads_ = 0;
    SkippedCounts skipped_;

    QProgressBar* barFiles = nullptr;
    QLabel* lblSkipped = nullptr;
    QTableView* tblMovies = nullptr;
    FolderAddModel* moviesModel_ = nullptr;
    QComboBox* comboBatchGenre = nullptr;
    QComboBox* comboBatchRating = nullptr;

  private:
    void openFormatBoxes();

    std::function<void()> pollListener_;
    QTimer* pollTimer_ = nullptr;
};

}  // namespace reelcase

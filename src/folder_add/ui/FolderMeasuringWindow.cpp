#include "folder_add/ui/FolderMeasuringWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>

namespace reelcase {

namespace {

// Often enough for the tables to fill as results come, seldom enough to batch them.
constexpr int kPollMilliseconds = 50;

QComboBox* batchBox(QWidget* parent, const char* name, int column, const QString& title) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(vocabularyItems(column));
    box->setAccessibleName(title);
    return box;
}

}  // namespace

FolderMeasuringWindow::FolderMeasuringWindow(const Catalogue& catalogue,
                                             FolderMeasuring::DeviceFactory makeDevice,
                                             QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), makeDevice_(std::move(makeDevice)) {
    moviesModel_ = new FolderAddModel(this);
    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(kPollMilliseconds);
    connect(pollTimer_, &QTimer::timeout, this, &FolderMeasuringWindow::poll);
}

void FolderMeasuringWindow::reject() {
    // Cancel keeps nothing: the workers are stopped before the window goes.
    stopPolling();
    stopMeasuring();
    QDialog::reject();
}

void FolderMeasuringWindow::startPolling() {
    pollTimer_->start();
}

void FolderMeasuringWindow::stopPolling() {
    pollTimer_->stop();
}

void FolderMeasuringWindow::pollDone() {
    if (pollListener_) {
        // A copy: the listener may replace itself.
        const std::function<void()> listener = pollListener_;
        listener();
    }
}

void FolderMeasuringWindow::makeMoviesTable(const char* name) {
    tblMovies = new QTableView(this);
    tblMovies->setObjectName(QLatin1String(name));
    tblMovies->setModel(moviesModel_);
    tblMovies->setItemDelegate(new VocabularyDelegate(tblMovies));
    tblMovies->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMovies->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
    tblMovies->verticalHeader()->setDefaultSectionSize(tblMovies->fontMetrics().height() + 10);
    tblMovies->verticalHeader()->hide();
    const int widths[FolderAddModel::ColumnCount] = {24, 220, 70,  80, 65, 50,
                                                     40, 170, 190, 80, 115};
    for (int c = 0; c < FolderAddModel::ColumnCount; ++c) {
        tblMovies->setColumnWidth(c, widths[c]);
    }
}

std::array<QWidget*, 4> FolderMeasuringWindow::makeBatchBoxes() {
    comboBatchGenre = batchBox(this, "comboBatchGenre", FolderAddModel::Genre, tr("Genre"));
    comboBatchRating = batchBox(this, "comboBatchRating", FolderAddModel::Rating, tr("Rating"));
    auto* genreLabel = new QLabel(tr("&Genre:"), this);
    genreLabel->setBuddy(comboBatchGenre);
    auto* ratingLabel = new QLabel(tr("&Rating:"), this);
    ratingLabel->setBuddy(comboBatchRating);
    connect(comboBatchGenre, &QComboBox::activated, this, [this](int index) {
        if (FolderAddTable* rows = moviesModel_->table()) {
            rows->setBatchGenre(index);
            moviesModel_->rowsChanged();
        }
    });
    connect(comboBatchRating, &QComboBox::activated, this, [this](int index) {
        if (FolderAddTable* rows = moviesModel_->table()) {
            rows->setBatchRating(index);
            moviesModel_->rowsChanged();
        }
    });
    return {genreLabel, comboBatchGenre, ratingLabel, comboBatchRating};
}

void FolderMeasuringWindow::showMovies(FolderAddTable* rows) {
    moviesModel_->setTable(rows);
    if (rows != nullptr) {
        comboBatchGenre->setCurrentIndex(rows->batchGenre());
        comboBatchRating->setCurrentIndex(rows->batchRating());
    }
}

void FolderMeasuringWindow::moviesMeasured() {
    moviesModel_->rowsChanged();
    openFormatBoxes();
}

void FolderMeasuringWindow::openFormatBoxes() {
    // A row whose format the extension does not give has its box open until one is chosen.
    const FolderAddTable& rows = *moviesModel_->table();
    for (int r = 0; r < rows.size(); ++r) {
        const FolderRow& row = rows.row(r);
        if (!row.formatFromExtension && row.measured && row.failure.isEmpty()) {
            const QModelIndex cell = moviesModel_->index(r, FolderAddModel::Format);
            if (!tblMovies->isPersistentEditorOpen(cell)) {
                tblMovies->openPersistentEditor(cell);
            }
        }
    }
}

void FolderMeasuringWindow::showMeasuringFinished(const FolderMeasuring::Progress& progress) {
    stopPolling();
    const int files = std::max(progress.filesFound, 1);
    barFiles->setRange(0, files);
    barFiles->setValue(files);
    barFiles->setFormat(
        tr("%1 of %2 files measured").arg(progress.filesDone).arg(progress.filesFound));
}

}  // namespace reelcase

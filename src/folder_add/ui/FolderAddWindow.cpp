#include "folder_add/ui/FolderAddWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "look/ui/WindowPlacement.h"

namespace reelcase {

TfrmFolderAdd::TfrmFolderAdd(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                             QWidget* parent)
    : FolderMeasuringWindow(catalogue, std::move(makeDevice), parent) {
    setObjectName(QStringLiteral("frmFolderAdd"));
    setWindowTitle(tr("Add Movies from Folder"));
    resize(1160, 600);

    lblFolder = new QLabel(this);
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    const std::array<QWidget*, 4> batchBoxes = makeBatchBoxes();

    barFiles = new QProgressBar(this);
    barFiles->setObjectName(QStringLiteral("barFiles"));
    barFiles->setFormat(tr("%v of %m files"));
    barFiles->setRange(0, 0);
    lblSkipped = new QLabel(this);
    lblSkipped->setObjectName(QStringLiteral("lblSkipped"));

    makeMoviesTable("tblMovies");

    btnAddChecked = new QPushButton(tr("Add checked movies"), this);
    btnAddChecked->setObjectName(QStringLiteral("btnAddChecked"));
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnAddChecked->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(lblFolder, 1);
    for (QWidget* w : batchBoxes) {
        top->addWidget(w);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSkipped, 1);
    buttons->addWidget(btnAddChecked);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(barFiles);
    layout->addWidget(tblMovies, 1);
    layout->addLayout(buttons);

    connect(btnAddChecked, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(moviesModel_, &QAbstractItemModel::dataChanged, this, [this] {
        if (table_ && moviesShown_) {
            showSummary();
        }
    });
    centreWhenShown(*this);
}

TfrmFolderAdd::~TfrmFolderAdd() {
    stopPolling();
    measuring_.reset();
}

std::optional<std::vector<MovieForm>> TfrmFolderAdd::ShowFolderAdd(const QString& folder) {
    table_ = std::make_unique<FolderAddTable>(catalogue_);
    showMovies(table_.get());
    moviesShown_ = false;
    skipped_ = {};
    lblFolder->setText(tr("Folder: %1").arg(folder));
    lblSkipped->setText(tr("Looking for movie files..."));
    barFiles->setRange(0, 0);
    btnAddChecked->setEnabled(false);
    measuring_ = std::make_unique<FolderMeasuring>(makeDevice_, threads_);
    measuring_->start(folder);
    startPolling();
    const int result = exec();
    stopPolling();
    measuring_.reset();
    std::optional<std::vector<MovieForm>> chosen;
    if (result == QDialog::Accepted) {
        chosen = table_->checkedForms();
    }
    showMovies(nullptr);
    table_.reset();
    return chosen;
}

void TfrmFolderAdd::stopMeasuring() {
    if (measuring_) {
        measuring_->stop();
    }
}

void TfrmFolderAdd::poll() {
    if (!measuring_ || !table_) {
        return;
    }
    const FolderMeasuring::Progress progress = measuring_->progress();
    if (!moviesShown_) {
        if (auto movies = measuring_->takeMovies()) {
            table_->setMovies(*movies);
            moviesModel_->rowsReplaced();
            moviesShown_ = true;
            barFiles->setRange(0, progress.filesFound);
        }
    }
    if (moviesShown_) {
        const std::vector<MeasuredPart> measured = measuring_->takeMeasured();
        if (!measured.empty()) {
            table_->takeMeasured(measured);
            moviesMeasured();
        }
        barFiles->setValue(progress.filesDone);
        skipped_ = progress.skipped;
        showSummary();
        if (progress.finished()) {
            showMeasuringFinished(progress);
            btnAddChecked->setEnabled(true);
        }
    }
    pollDone();
}

void TfrmFolderAdd::showSummary() {
    int checked = 0;
    for (int r = 0; r < table_->size(); ++r) {
        checked += table_->row(r).checked ? 1 : 0;
    }
    const int movies = table_->size();
    QString text = (movies == 1 ? tr("%1 movie, %2 checked.") : tr("%1 movies, %2 checked."))
                       .arg(movies)
                       .arg(checked);
    if (const QString skipped = skippedText(skipped_); !skipped.isEmpty()) {
        text += tr(" Skipped: %1.").arg(skipped);
    }
    lblSkipped->setText(text);
}

}  // namespace reelcase

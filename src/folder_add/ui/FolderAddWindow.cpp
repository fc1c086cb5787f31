#include "folder_add/ui/FolderAddWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "look/ui/WindowPlacement.h"

namespace reelcase {

namespace {

// Often enough for the table to fill as results come, seldom enough to batch them.
constexpr int kPollMilliseconds = 50;

}  // namespace

TfrmFolderAdd::TfrmFolderAdd(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                             QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), makeDevice_(std::move(makeDevice)) {
    setObjectName(QStringLiteral("frmFolderAdd"));
    setWindowTitle(tr("Add Movies from Folder"));
    resize(1160, 600);

    lblFolder = new QLabel(this);
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    comboBatchGenre = new QComboBox(this);
    comboBatchGenre->setObjectName(QStringLiteral("comboBatchGenre"));
    comboBatchGenre->addItems(vocabularyItems(FolderAddModel::Genre));
    comboBatchGenre->setAccessibleName(tr("Genre"));
    comboBatchRating = new QComboBox(this);
    comboBatchRating->setObjectName(QStringLiteral("comboBatchRating"));
    comboBatchRating->addItems(vocabularyItems(FolderAddModel::Rating));
    comboBatchRating->setAccessibleName(tr("Rating"));
    auto* genreLabel = new QLabel(tr("&Genre:"), this);
    genreLabel->setBuddy(comboBatchGenre);
    auto* ratingLabel = new QLabel(tr("&Rating:"), this);
    ratingLabel->setBuddy(comboBatchRating);

    barFiles = new QProgressBar(this);
    barFiles->setObjectName(QStringLiteral("barFiles"));
    barFiles->setFormat(tr("%v of %m files"));
    barFiles->setRange(0, 0);
    lblSkipped = new QLabel(this);
    lblSkipped->setObjectName(QStringLiteral("lblSkipped"));

    model_ = new FolderAddModel(this);
    tblMovies = new QTableView(this);
    tblMovies->setObjectName(QStringLiteral("tblMovies"));
    tblMovies->setModel(model_);
    tblMovies->setItemDelegate(new VocabularyDelegate(tblMovies));
    tblMovies->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMovies->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
    tblMovies->verticalHeader()->setDefaultSectionSize(tblMovies->fontMetrics().height() + 10);
    tblMovies->verticalHeader()->hide();
    QHeaderView* header = tblMovies->horizontalHeader();
    header->setSectionResizeMode(FolderAddModel::Name, QHeaderView::Interactive);
    const int widths[FolderAddModel::ColumnCount] = {24, 220, 70,  80, 65, 50,
                                                     40, 170, 190, 80, 115};
    for (int c = 0; c < FolderAddModel::ColumnCount; ++c) {
        tblMovies->setColumnWidth(c, widths[c]);
    }

    btnAddChecked = new QPushButton(tr("Add checked movies"), this);
    btnAddChecked->setObjectName(QStringLiteral("btnAddChecked"));
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnAddChecked->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(lblFolder, 1);
    top->addWidget(genreLabel);
    top->addWidget(comboBatchGenre);
    top->addWidget(ratingLabel);
    top->addWidget(comboBatchRating);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSkipped, 1);
    buttons->addWidget(btnAddChecked);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(barFiles);
    layout->addWidget(tblMovies, 1);
    layout->addLayout(buttons);

    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(kPollMilliseconds);
    connect(pollTimer_, &QTimer::timeout, this, &TfrmFolderAdd::poll);
    connect(btnAddChecked, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(comboBatchGenre, &QComboBox::activated, this, [this](int index) {
        if (table_) {
            table_->setBatchGenre(index);
            model_->rowsChanged();
        }
    });
    connect(comboBatchRating, &QComboBox::activated, this, [this](int index) {
        if (table_) {
            table_->setBatchRating(index);
            model_->rowsChanged();
        }
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] {
        if (table_ && moviesShown_) {
            showSummary();
        }
    });
    centreWhenShown(*this);
}

TfrmFolderAdd::~TfrmFolderAdd() {
    pollTimer_->stop();
    measuring_.reset();
}

std::optional<std::vector<MovieForm>> TfrmFolderAdd::ShowFolderAdd(const QString& folder) {
    table_ = std::make_unique<FolderAddTable>(catalogue_);
    model_->setTable(table_.get());
    moviesShown_ = false;
    skipped_ = {};
    comboBatchGenre->setCurrentIndex(table_->batchGenre());
    comboBatchRating->setCurrentIndex(table_->batchRating());
    lblFolder->setText(tr("Folder: %1").arg(folder));
    lblSkipped->setText(tr("Looking for movie files..."));
    barFiles->setRange(0, 0);
    btnAddChecked->setEnabled(false);
    measuring_ = std::make_unique<FolderMeasuring>(makeDevice_, threads_);
    measuring_->start(folder);
    pollTimer_->start();
    const int result = exec();
    pollTimer_->stop();
    measuring_.reset();
    std::optional<std::vector<MovieForm>> chosen;
    if (result == QDialog::Accepted) {
        chosen = table_->checkedForms();
    }
    model_->setTable(nullptr);
    table_.reset();
    return chosen;
}

void TfrmFolderAdd::reject() {
    // Cancel adds nothing: the workers are stopped before the window goes.
    pollTimer_->stop();
    if (measuring_) {
        measuring_->stop();
    }
    QDialog::reject();
}

void TfrmFolderAdd::poll() {
    if (!measuring_ || !table_) {
        return;
    }
    const FolderMeasuring::Progress progress = measuring_->progress();
    if (!moviesShown_) {
        if (auto movies = measuring_->takeMovies()) {
            table_->setMovies(*movies);
            model_->rowsReplaced();
            moviesShown_ = true;
            barFiles->setRange(0, progress.filesFound);
        }
    }
    if (moviesShown_) {
        const std::vector<MeasuredPart> measured = measuring_->takeMeasured();
        if (!measured.empty()) {
            table_->takeMeasured(measured);
            model_->rowsChanged();
            openFormatBoxes();
        }
        barFiles->setValue(progress.filesDone);
        skipped_ = progress.skipped;
        showSummary();
        if (progress.finished()) {
            pollTimer_->stop();
            btnAddChecked->setEnabled(true);
            barFiles->setRange(0, std::max(progress.filesFound, 1));
            barFiles->setValue(std::max(progress.filesFound, 1));
            barFiles->setFormat(
                tr("%1 of %2 files measured").arg(progress.filesDone).arg(progress.filesFound));
        }
    }
    if (pollListener_) {
        // A copy: the listener may replace itself.
        const std::function<void()> listener = pollListener_;
        listener();
    }
}

void TfrmFolderAdd::openFormatBoxes() {
    // A row whose format the extension does not give has its box open until one is chosen.
    for (int r = 0; r < table_->size(); ++r) {
        const FolderRow& row = table_->row(r);
        if (!row.formatFromExtension && row.measured && row.failure.isEmpty()) {
            const QModelIndex cell = model_->index(r, FolderAddModel::Format);
            if (!tblMovies->isPersistentEditorOpen(cell)) {
                tblMovies->openPersistentEditor(cell);
            }
        }
    }
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

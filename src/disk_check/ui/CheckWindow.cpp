#include "disk_check/ui/CheckWindow.h"

#include <span>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "careful_files/FileNames.h"
#include "disk_check/ui/CheckFoldersWindow.h"
#include "look/ui/WindowPlacement.h"

namespace reelcase {

namespace {

QTableView* makeTable(QWidget* parent, const char* name, QAbstractItemModel* model,
                      const std::vector<int>& widths) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 10);
    table->verticalHeader()->hide();
    for (std::size_t c = 0; c < widths.size(); ++c) {
        table->setColumnWidth(static_cast<int>(c), widths[c]);
    }
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// A group: its heading, with what goes beside it, above its table.
QWidget* group(QWidget* parent, QLabel* heading, QTableView* table,
               std::span<QWidget* const> beside = {}) {
    auto* box = new QWidget(parent);
    auto* top = new QHBoxLayout;
    top->addWidget(heading, 1);
    for (QWidget* w : beside) {
        top->addWidget(w);
    }
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(top);
    layout->addWidget(table, 1);
    return box;
}

QLabel* heading(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

TfrmCheck::TfrmCheck(const Catalogue& catalogue, UserDialogs& dialogs,
                     FolderMeasuring::DeviceFactory makeDevice, QWidget* parent)
    : FolderMeasuringWindow(catalogue, std::move(makeDevice), parent) {
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(tr("Check Against Folders"));
    resize(1160, 760);
    frmFolders = new TfrmCheckFolders(dialogs, this);

    lblFolders = new QLabel(this);
    lblFolders->setObjectName(QStringLiteral("lblFolders"));
    lblFolders->setTextFormat(Qt::PlainText);
    barFiles = new QProgressBar(this);
    barFiles->setObjectName(QStringLiteral("barFiles"));

    changedModel_ = new ChangedModel(this);
    missingModel_ = new MissingModel(this);
    lblChanged = heading(this, "lblChanged");
    tblChanged =
        makeTable(this, "tblChanged", changedModel_, {24, 220, 110, 110, 80, 110, 220, 150});
    lblMissing = heading(this, "lblMissing");
    tblMissing = makeTable(this, "tblMissing", missingModel_, {24, 220, 110, 110, 80, 110, 90});
    lblNew = heading(this, "lblNew");
    makeMoviesTable("tblNew");
    tblMovies->horizontalHeader()->setStretchLastSection(true);
    const std::array<QWidget*, 4> batchBoxes = makeBatchBoxes();
    lblInStep = heading(this, "lblInStep");

    auto* groups = new QSplitter(Qt::Vertical, this);
    groups->setObjectName(QStringLiteral("splGroups"));
    groups->setChildrenCollapsible(false);
    groups->addWidget(group(groups, lblChanged, tblChanged));
    groups->addWidget(group(groups, lblMissing, tblMissing));
    groups->addWidget(group(groups, lblNew, tblMovies, batchBoxes));

    lblSkipped = new QLabel(this);
    lblSkipped->setObjectName(QStringLiteral("lblSkipped"));
    btnApply = new QPushButton(applyButtonText(0), this);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnApply->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSkipped, 1);
    buttons->addWidget(btnApply);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFolders);
    layout->addWidget(barFiles);
    layout->addWidget(groups, 1);
    layout->addWidget(lblInStep);
    layout->addLayout(buttons);

    connect(btnApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QAbstractItemModel* model :
         std::initializer_list<QAbstractItemModel*>{changedModel_, missingModel_, moviesModel_}) {
        connect(model, &QAbstractItemModel::dataChanged, this, [this] {
            if (table_ && planShown_) {
                showCounts();
            }
        });
    }
    centreWhenShown(*this);
}

TfrmCheck::~TfrmCheck() {
    stopPolling();
    run_.reset();
}

std::optional<CheckRequest> TfrmCheck::ChooseCheckFolders(const CheckRequest& last) {
    // It stands over the window the check is started from, as this window does.
    if (parentWidget() != nullptr && frmFolders->parentWidget() != parentWidget()) {
        frmFolders->setParent(parentWidget(), frmFolders->windowFlags());
    }
    return frmFolders->choose(last);
}

std::optional<CheckChoices> TfrmCheck::ShowCheck(const CheckRequest& request) {
    table_ = std::make_unique<CheckTable>(catalogue_);
    changedModel_->setTable(table_.get());
    missingModel_->setTable(table_.get());
    showMovies(&table_->newFiles());
    planShown_ = false;
    skipped_ = {};
    QStringList shown;
    for (const QString& folder : request.folders) {
        shown << shownFileName(folder);
    }
    lblFolders->setText(
        (request.measureAll ? tr("Folders: %1 (every file measured)") : tr("Folders: %1"))
            .arg(shown.join(QStringLiteral(", "))));
    lblChanged->setText(tr("Changed"));
    lblMissing->setText(tr("Not found in these folders"));
    lblNew->setText(tr("New files"));
    lblInStep->setText(tr("In step: looking for movie files..."));
    lblSkipped->clear();
    barFiles->setRange(0, 0);
    barFiles->setFormat(tr("%v of %m files measured"));
    btnApply->setText(applyButtonText(0));
    btnApply->setEnabled(false);
    run_ = std::make_unique<CheckRun>(catalogue_, makeDevice_, threads_);
    run_->start(request);
    startPolling();
    const int result = exec();
    stopPolling();
    run_.reset();
    std::optional<CheckChoices> chosen;
    if (result == QDialog::Accepted) {
        chosen = table_->choices();
    }
    changedModel_->setTable(nullptr);
    missingModel_->setTable(nullptr);
    showMovies(nullptr);
    table_.reset();
    return chosen;
}

void TfrmCheck::stopMeasuring() {
    if (run_) {
        run_->stop();
    }
}

void TfrmCheck::poll() {
    if (!run_ || !table_) {
        return;
    }
    const FolderMeasuring::Progress progress = run_->progress();
    if (!planShown_) {
        if (std::optional<CheckPlan> plan = run_->takePlan()) {
            table_->setPlan(std::move(*plan));
            missingModel_->rowsReplaced();
            moviesModel_->rowsReplaced();
            planShown_ = true;
        }
    }
    if (planShown_) {
        const std::vector<MeasuredPart> measured = run_->takeMeasured();
        if (!measured.empty()) {
            for (ChangedRow& row : table_->takeMeasured(measured)) {
                changedModel_->insertFound(std::move(row));
            }
            moviesMeasured();
        }
        if (progress.scanned) {
            barFiles->setRange(0, std::max(progress.filesFound, 1));
            barFiles->setValue(progress.filesDone);
        }
        skipped_ = progress.skipped;
        if (progress.finished()) {
            showMeasuringFinished(progress);
            btnApply->setEnabled(true);
        }
        showCounts();
    }
    pollDone();
}

void TfrmCheck::showCounts() {
    const auto changed = static_cast<int>(table_->changed().size());
    const auto missing = static_cast<int>(table_->missing().size());
    lblChanged->setText(tr("Changed (%1): checked movies take the new values").arg(changed));
    lblMissing->setText(
        tr("Not found in these folders (%1): checked movies are deleted").arg(missing));
    lblNew->setText(tr("New files (%1): checked files are added").arg(table_->newFiles().size()));
    QString inStep = (table_->inStep() == 1 ? tr("In step: %1 movie") : tr("In step: %1 movies"))
                         .arg(table_->inStep());
    if (table_->awaitingMeasure() > 0) {
        inStep += tr(" (%1 still being measured)").arg(table_->awaitingMeasure());
    }
    lblInStep->setText(inStep);
    btnApply->setText(applyButtonText(table_->checkedDeletions()));
    const QString skipped = skippedText(skipped_);
    lblSkipped->setText(skipped.isEmpty() ? QString() : tr("Skipped: %1.").arg(skipped));
}

}  // namespace reelcase

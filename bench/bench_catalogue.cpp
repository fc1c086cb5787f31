// Timings of the main commands with the catalogue at its full 100,000 movies.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

#include "catalogue/CatalogueFile.h"
#include "editing/ui/untMovieAnalyseWait.h"
#include "main_window/ReelcaseProgram.h"
#include "statistics/ui/StatisticsWindow.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A catalogue file of count movies in random name order.
QString catalogueFile(int count) {
    const QString file = folder().filePath(QStringLiteral("movies%1.rcb").arg(count));
    if (QFile::exists(file)) {
        return file;
    }
    std::mt19937 random(11);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * RecordSize);
    static const std::array<const char*, 9> genres = {
        "Action", "Thriller", "Comedy", "Drama", "Horror", "Family", "SF", "Anime", "Fantasy"};
    for (int i = 0; i < count; ++i) {
        std::string name = "Movie " + std::to_string(random() % 1000000) + " " + std::to_string(i);
        if (i % 3 == 0) {
            name[0] = 'm';
        }
        bytes += recordBytes(Movie{name, genres[static_cast<std::size_t>(i) % genres.size()], "DVD",
                                   "Nice", "A note.", 100, 3, 700});
    }
    writeBytes(file, bytes);
    return file;
}

QString fullCatalogueFile() {
    return catalogueFile(CatalogueCapacity);
}

// The full catalogue as this program saves it: in list order.
QString sortedCatalogueFile() {
    const QString file = folder().filePath(QStringLiteral("sorted.rcb"));
    if (QFile::exists(file)) {
        return file;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(CatalogueCapacity) * RecordSize);
    char name[16];
    for (int i = 0; i < CatalogueCapacity; ++i) {
        std::snprintf(name, sizeof name, "Movie %06d", i);
        bytes += recordBytes(Movie{name, "Drama", "DVD", "Nice", "A note.", 100, 3, 700});
    }
    writeBytes(file, bytes);
    return file;
}

// The same movies as sortedCatalogueFile(), in random order: what only the order costs.
QString shuffledCatalogueFile() {
    const QString file = folder().filePath(QStringLiteral("shuffled.rcb"));
    if (QFile::exists(file)) {
        return file;
    }
    QFile sorted(sortedCatalogueFile());
    sorted.open(QIODevice::ReadOnly);
    const QByteArray bytes = sorted.readAll();
    std::vector<int> order(static_cast<std::size_t>(CatalogueCapacity));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    std::string shuffled;
    shuffled.reserve(static_cast<std::size_t>(bytes.size()));
    for (const int n : order) {
        shuffled.append(bytes.constData() + static_cast<std::size_t>(n) * RecordSize, RecordSize);
    }
    writeBytes(file, shuffled);
    return file;
}

// The file read into a catalogue and its list, no window: the take-in alone.
void ReadCatalogue(benchmark::State& state, const QString& file) {
    for (auto _ : state) {
        state.PauseTiming();
        auto catalogue = std::make_unique<Catalogue>();
        auto list = std::make_unique<MovieList>();
        state.ResumeTiming();
        readCatalogueFile(file, *catalogue, *list);
        if (list->size() != CatalogueCapacity) {
            state.SkipWithError("not all movies listed");
        }
        state.PauseTiming();
        catalogue.reset();
        list.reset();
        state.ResumeTiming();
    }
}

void ReadSortedCatalogue(benchmark::State& state) {
    ReadCatalogue(state, sortedCatalogueFile());
}

void ReadShuffledCatalogue(benchmark::State& state) {
    ReadCatalogue(state, shuffledCatalogueFile());
}

struct Program {
    Program() { frmStatistics->setParent(&frmMain, frmStatistics->windowFlags()); }
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    FakeMovieDialog& movieDialog = doubles.movieDialog;
    TfrmStatistics* frmStatistics = new TfrmStatistics(dialogs);  // owned by frmMain
    MainWindowLogic logic{
        catalogue, doubles.seams({.fileSystem = &realFileSystem(), .statistics = frmStatistics})};
    AppearanceChoices choices;
    TfrmMain frmMain{logic, choices, doubles.windowSeams()};
};

void OpenIntoEmptyWindow(benchmark::State& state, const QString& file) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->frmMain.show();
        QApplication::processEvents();
        state.ResumeTiming();
        program->frmMain.FormCreate(file);
        program->frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"))->repaint();
        QApplication::processEvents();
        if (program->logic.state.list().size() != CatalogueCapacity) {
            state.SkipWithError("not all movies listed");
        }
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}

void OpenFullCatalogueIntoEmptyWindow(benchmark::State& state) {
    OpenIntoEmptyWindow(state, fullCatalogueFile());
}

void OpenSortedCatalogueIntoEmptyWindow(benchmark::State& state) {
    OpenIntoEmptyWindow(state, sortedCatalogueFile());
}

void WithFullCatalogue(benchmark::State& state, void (*command)(Program&)) {
    Program program;
    program.frmMain.FormCreate(fullCatalogueFile());
    for (auto _ : state) {
        command(program);
    }
}

void AddMovie(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(catalogueFile(CatalogueCapacity - 100));
    int number = 0;
    for (auto _ : state) {
        p.movieDialog.sessions.push_back({{typed("Added " + std::to_string(number++))}});
        p.logic.editing.addMovie();
    }
    if (p.logic.state.list().size() != CatalogueCapacity - 100 + number) {
        state.SkipWithError("a movie was not added");
    }
}

void ModifyMovie(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) {
        p.logic.state.selectEntry(p.logic.state.list().size() / 2);
        p.movieDialog.sessions.push_back({{[](MovieForm& m) { m.lengthText = "99"; }}});
        p.logic.editing.modifySelectedMovie();
    });
}

void DeleteMovie(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) {
        p.logic.state.selectEntry(p.logic.state.list().size() / 2);
        p.dialogs.confirmAnswers.push_back(true);
        p.logic.editing.deleteSelectedMovie();
    });
}

// One delete at full capacity, then its undo or redo, with the list shown.
void UndoRedoDelete(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    p.logic.state.selectEntry(p.logic.state.list().size() / 2);
    p.dialogs.confirmAnswers.push_back(true);
    p.logic.editing.deleteSelectedMovie();
    auto* view = p.frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"));
    bool undo = true;
    for (auto _ : state) {
        if (undo) {
            p.logic.undo.undoStep();
        } else {
            p.logic.undo.redoStep();
        }
        view->repaint();
        undo = !undo;
    }
    if (p.logic.state.list().size() < CatalogueCapacity - 1) {
        state.SkipWithError("the list lost movies");
    }
}

// The history's memory after 10,000 steps (deletes and adds) at full capacity.
void HistoryAfter10000Steps(benchmark::State& state) {
    for (auto _ : state) {
        Program p;
        p.frmMain.FormCreate(catalogueFile(CatalogueCapacity - 5000));
        for (int i = 0; i < 5000; ++i) {
            p.movieDialog.sessions.push_back({{typed("Step " + std::to_string(i))}});
            p.logic.editing.addMovie();
            p.logic.state.selectEntry(i);
            p.dialogs.confirmAnswers.push_back(true);
            p.logic.editing.deleteSelectedMovie();
        }
        state.counters["steps"] = static_cast<double>(p.catalogue.history().stepCount());
        state.counters["history_MB"] =
            static_cast<double>(p.catalogue.history().memoryUsed()) / (1024.0 * 1024.0);
    }
}

void FilterByGenre(benchmark::State& state) {
    WithFullCatalogue(state,
                      [](Program& p) { p.logic.finding.filterChanged(FilterBox::Genre, 3); });
}

void SearchByName(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) { p.logic.finding.searchByName("12"); });
}

void SaveFullCatalogue(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) {
        p.catalogue.setCurrentFileName(folder().filePath(QStringLiteral("saved.rcb")));
        p.logic.files.saveCatalogue();
    });
}

void ExportFullList(benchmark::State& state) {
    const QString file = folder().filePath(QStringLiteral("list.txt"));
    WithFullCatalogue(state, [](Program& p) {
        p.dialogs.fileAnswers.push_back(folder().filePath(QStringLiteral("list.txt")));
        p.logic.output.outputList(ListMenuItem::MenuExportList);
    });
    // Header, a row per movie, the empty line and the two closing lines.
    if (readBytes(file).count("\r\n") != CatalogueCapacity + 4) {
        state.SkipWithError("not every movie exported");
    }
}

// A refresh that must rebuild the list: after a filter.
void RefreshFullList(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    for (auto _ : state) {
        state.PauseTiming();
        p.logic.finding.filterChanged(FilterBox::Genre, 3);
        state.ResumeTiming();
        p.logic.state.RefreshMovieList();
    }
}

void ShowDetailsOfLastSlot(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    // The name in the last slot is the longest scan.
    const std::string last(nameOf(p.catalogue.slot(p.catalogue.movieCount())));
    int position = 0;
    while (p.logic.state.list().at(position) != last) {
        ++position;
    }
    for (auto _ : state) {
        p.logic.state.selectEntry(position);
        benchmark::DoNotOptimize(p.logic.state.details());
    }
}

// The wait window's two fixed progress runs, painted as they go.
void WaitWindowProgress(benchmark::State& state) {
    TfrmWait frmWait;
    for (auto _ : state) {
        frmWait.showNow();
        frmWait.ProgressFirstHalf();
        frmWait.ProgressSecondHalf();
        frmWait.hideNow();
    }
}

// The statistics window opened over the full list: the movies counted, the charts filled and
// the window painted.
void OpenStatisticsWindow(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    for (auto _ : state) {
        p.logic.statistics.showStatistics();
        QApplication::processEvents();
        p.frmStatistics->repaint();
    }
    if (p.frmStatistics->windowTitle() != QStringLiteral("Statistics of 100,000 movies")) {
        state.SkipWithError("not every movie counted");
    }
}

// The charts switched between movies, hours and gigabytes over the full list, painted.
void SwitchStatisticsMeasure(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    p.logic.statistics.showStatistics();
    QApplication::processEvents();
    constexpr std::array<StatisticsMeasure, 3> measures = {
        StatisticsMeasure::Hours, StatisticsMeasure::Gigabytes, StatisticsMeasure::Movies};
    std::size_t next = 0;
    for (auto _ : state) {
        p.frmStatistics->showMeasure(measures.at(next++ % measures.size()));
        QApplication::processEvents();
        p.frmStatistics->repaint();
    }
}

long residentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

BENCHMARK(OpenFullCatalogueIntoEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(OpenSortedCatalogueIntoEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReadSortedCatalogue)->Unit(benchmark::kMillisecond)->Iterations(9);
BENCHMARK(ReadShuffledCatalogue)->Unit(benchmark::kMillisecond)->Iterations(9);
BENCHMARK(SaveFullCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ExportFullList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(AddMovie)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(ModifyMovie)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(DeleteMovie)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(UndoRedoDelete)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(HistoryAfter10000Steps)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FilterByGenre)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(SearchByName)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(RefreshFullList)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(WaitWindowProgress)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ShowDetailsOfLastSlot)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(OpenStatisticsWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SwitchStatisticsMeasure)->Unit(benchmark::kMillisecond)->Iterations(30);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Peak memory of this run (full table and list loaded): %ld MB\n",
                residentMegabytes());
    return 0;
}

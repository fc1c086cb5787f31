// Timings of the main commands with the catalogue at its full 100,000 movies.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

#include <random>

#include "catalogue/CatalogueFile.h"
#include "main_window/ReelcaseProgram.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A full catalogue file in random name order, written once.
QString fullCatalogueFile() {
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("full.rcb"));
        std::mt19937 random(11);
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(CatalogueCapacity) * RecordSize);
        for (int i = 0; i < CatalogueCapacity; ++i) {
            std::string name =
                "Movie " + std::to_string(random() % 1000000) + " " + std::to_string(i);
            if (i % 3 == 0) {
                name[0] = 'm';
            }
            bytes += recordBytes(Movie{name, "Drama", "DVD", "Nice", "A note.", 100, 3, 700});
        }
        writeBytes(file, bytes);
        return file;
    }();
    return path;
}

struct Program {
    Catalogue catalogue;
    FakeUserDialogs dialogs;
    MainWindowLogic logic{catalogue, dialogs};
    TfrmMain frmMain{logic};
};

void OpenFullCatalogueIntoEmptyWindow(benchmark::State& state) {
    const QString file = fullCatalogueFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->frmMain.show();
        QApplication::processEvents();
        state.ResumeTiming();
        program->frmMain.FormCreate(file);
        program->frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"))->repaint();
        QApplication::processEvents();
        if (program->logic.list().size() != CatalogueCapacity) {
            state.SkipWithError("not all movies listed");
        }
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}

void WithFullCatalogue(benchmark::State& state, void (*command)(Program&)) {
    Program program;
    program.frmMain.FormCreate(fullCatalogueFile());
    for (auto _ : state) {
        command(program);
    }
}

void SaveFullCatalogue(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) {
        p.catalogue.CurrentFileName = folder().filePath(QStringLiteral("saved.rcb"));
        p.logic.MenuSaveDatabaseClick();
    });
}

void RefreshFullList(benchmark::State& state) {
    WithFullCatalogue(state, [](Program& p) { p.logic.RefreshMovieList(); });
}

void ShowDetailsOfLastSlot(benchmark::State& state) {
    Program p;
    p.frmMain.FormCreate(fullCatalogueFile());
    // The name in the last slot is the longest scan.
    const std::string last(nameOf(p.catalogue.slot(p.catalogue.MovieCount)));
    int position = 0;
    while (p.logic.list().at(position) != last) {
        ++position;
    }
    for (auto _ : state) {
        p.logic.selectEntry(position);
        benchmark::DoNotOptimize(p.logic.details());
    }
}

long residentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

BENCHMARK(OpenFullCatalogueIntoEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SaveFullCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RefreshFullList)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(ShowDetailsOfLastSlot)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Peak memory of this run (full table and list loaded): %ld MB\n",
                residentMegabytes());
    return 0;
}

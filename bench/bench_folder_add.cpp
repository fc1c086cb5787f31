// Timings of adding a folder of movies: listing a large tree, measuring its clips on one and
// on every core, and adding 10,000 movies to a catalogue of 90,000 with the list shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "folder_add/FolderAdding.h"
#include "folder_add/FolderMeasuring.h"
#include "folder_add/FolderScan.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/FfmpegMediaDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;
constexpr int kClipsPerFolder = 10;  // 1,000 clips among 10,000 files

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// 100 folders of 100 files: 10 copies of a 2-second clip each, the rest pictures, subtitles
// and notes. Empty when the ffmpeg command to make the clip is missing.
QString tree() {
    static QString root;
    if (!root.isEmpty()) {
        return root;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
        return {};
    }
    const QString clip = folder().filePath(QStringLiteral("clip.avi"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                  "testsrc=duration=2:size=64x48:rate=25", "-c:v", "mpeg4", clip});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
        return {};
    }
    const QDir base(folder().filePath(QStringLiteral("tree")));
    static const char* const others[] = {"jpg", "srt", "nfo", "txt"};
    for (int f = 0; f < kFolders; ++f) {
        const QString shelf = base.filePath(QStringLiteral("Shelf %1/Box %2").arg(f / 10).arg(f));
        QDir().mkpath(shelf);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const QString name = QStringLiteral("%1/Title %2 %3").arg(shelf).arg(f).arg(i);
            if (i < kClipsPerFolder) {
                QFile::copy(clip, name + QStringLiteral(".avi"));
            } else {
                QFile file(name + QLatin1Char('.') + QLatin1String(others[i % 4]));
                file.open(QIODevice::WriteOnly);
                file.write("x");
            }
        }
    }
    root = base.path();
    return root;
}

void ListTreeOf10000Files(benchmark::State& state) {
    const QString root = tree();
    if (root.isEmpty()) {
        state.SkipWithError("no ffmpeg command to make clips");
        return;
    }
    const std::atomic<bool> stop{false};
    for (auto _ : state) {
        const ScanResult result = scanFolder(root, stop);
        if (result.files.size() != kFolders * kClipsPerFolder) {
            state.SkipWithError("not every clip found");
        }
    }
}

void Measure1000Clips(benchmark::State& state) {
    const QString root = tree();
    if (root.isEmpty()) {
        state.SkipWithError("no ffmpeg command to make clips");
        return;
    }
    const int threads =
        state.range(0) == 0 ? QThread::idealThreadCount() : static_cast<int>(state.range(0));
    for (auto _ : state) {
        FolderMeasuring measuring(
            [](const std::atomic<bool>& stop) -> std::unique_ptr<MediaDevice> {
                return std::make_unique<FfmpegMediaDevice>(&stop);
            },
            threads);
        measuring.start(root);
        while (!measuring.progress().finished()) {
            QThread::msleep(1);
        }
        int timed = 0;
        for (const MeasuredPart& part : measuring.takeMeasured()) {
            timed += part.measure.measured() ? 1 : 0;
        }
        if (timed != kFolders * kClipsPerFolder) {
            state.SkipWithError("not every clip measured");
        }
    }
    state.counters["files_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kFolders * kClipsPerFolder,
                           benchmark::Counter::kIsRate);
    state.counters["threads"] = threads;
}

class ChosenMovies : public FolderAddDialog {
  public:
    std::vector<MovieForm> forms;
    std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString&) override { return forms; }
};

void Add10000MoviesTo90000(benchmark::State& state) {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    ChosenMovies window;
    MainWindowLogic logic{catalogue, doubles.seams({.folderAdd = &window})};
    AppearanceChoices choices;
    TfrmMain frmMain{logic, choices, doubles.windowSeams()};
    for (int i = 0; i < 90000; ++i) {
        catalogue.addMovie(makeRecord({"Movie " + std::to_string((i * 7919) % 90000)}));
    }
    logic.state.RefreshMovieList();
    frmMain.show();
    QApplication::processEvents();
    for (int i = 0; i < 10000; ++i) {
        window.forms.push_back(
            {"Folder movie " + std::to_string((i * 104729) % 10000), "", 0, 2, 0, 2, "95", "700"});
    }
    auto* list = frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"));
    for (auto _ : state) {
        dialogs.folderAnswers.push_back(QStringLiteral("/films"));
        logic.folderAdd.addFromFolder();
        list->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        if (logic.state.list().size() != 100000) {
            state.SkipWithError("not every movie added");
        }
        logic.undo.undoStep();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(ListTreeOf10000Files)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Measure1000Clips)
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(Add10000MoviesTo90000)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

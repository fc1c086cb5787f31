#include "main_window/ReadyReport.h"

#include <cstdio>
#include <ctime>
#include <functional>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

namespace reelcase {

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void print(const char* event) {
    std::printf("%s %lld\n", event, monotonicNanoseconds());
    std::fflush(stdout);
}

// The process's own peak (VmHWM), not getrusage's, which keeps the peak of whatever ran in
// the process before it became this program: a benchmark that forks after reading large files
// would be charged for them.
void printPeak(const char* when) {
    long kb = -1;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
                break;
            }
        }
        std::fclose(status);
    }
    std::printf("peak-kb %s %ld\n", when, kb);
    std::fflush(stdout);
}

// Runs then once widget has been drawn (its paint event handled and put on the screen).
class AfterPaint : public QObject {
  public:
    AfterPaint(QWidget* widget, std::function<void()> then)
        : QObject(widget), then_(std::move(then)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            // A zero timer runs after the paint in progress has finished and been flushed.
            QTimer::singleShot(0, watched, std::move(then_));
            then_ = nullptr;
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

void afterPaint(QWidget* widget, std::function<void()> then) {
    new AfterPaint(widget, std::move(then));
}

// Runs then once a list view has laid out its rows anew and drawn them. A view lays out on a
// zero timer after a reset, which may come after the first paint; asking for a row's place
// makes a pending layout happen now, and the paint asked for after it shows its result.
void afterLayoutAndPaint(QAbstractItemView* view, std::function<void()> then) {
    QTimer::singleShot(0, view, [view, then = std::move(then)]() mutable {
        if (view->model() != nullptr && view->model()->rowCount() > 0) {
            (void)view->visualRect(view->model()->index(0, 0));
        }
        afterPaint(view->viewport(), std::move(then));
        view->viewport()->update();
    });
}

}  // namespace

// Watches every window the program shows: a message box is timed as it comes up and once it
// is drawn, and is then closed as a user would close it.
class ReadyReport::MessageWatch : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            print("message-asked");
            afterPaint(box, [box] {
                print("message-shown");
                box->close();
            });
        }
        return false;
    }
};

std::unique_ptr<ReadyReport> ReadyReport::fromEnvironment() {
    const QByteArray asked = qgetenv("REELCASE_READY_REPORT");
    if (asked.isEmpty()) {
        return nullptr;
    }
    const Mode mode = asked == "save" ? Mode::Save : asked == "filter" ? Mode::Filter : Mode::Ready;
    return std::make_unique<ReadyReport>(mode);
}

ReadyReport::ReadyReport(Mode mode) : mode_(mode) {
    if (mode_ == Mode::Save) {
        watch_ = std::make_unique<MessageWatch>();
        QApplication::instance()->installEventFilter(watch_.get());
    }
}

ReadyReport::~ReadyReport() = default;

void ReadyReport::start(QWidget& mainWindow) {
    window_ = &mainWindow;
    auto* list = mainWindow.findChild<QAbstractItemView*>(QStringLiteral("lbxMovie"));
    afterPaint(list != nullptr ? list->viewport() : &mainWindow, [this] { ready(); });
}

void ReadyReport::ready() {
    print("ready");
    printPeak("ready");
    switch (mode_) {
        case Mode::Ready:
            QApplication::exit(0);
            return;
        case Mode::Save:
            // Queued, so that the save runs from the event loop as a menu pick does.
            QTimer::singleShot(0, this, [this] { afterSave(); });
            return;
        case Mode::Filter:
            QTimer::singleShot(0, this, [this] { afterFilter(); });
            return;
    }
}

void ReadyReport::afterSave() {
    auto* save = window_->findChild<QAction*>(QStringLiteral("MenuSaveDatabase"));
    print("save-asked");
    if (save != nullptr) {
        save->trigger();
    }
    print("save-done");
    printPeak("saved");
    QApplication::exit(0);
}

void ReadyReport::afterFilter() {
    auto* genre = window_->findChild<QComboBox*>(QStringLiteral("comboGenreList"));
    auto* list = window_->findChild<QAbstractItemView*>(QStringLiteral("lbxMovie"));
    if (genre == nullptr || list == nullptr) {
        QApplication::exit(1);
        return;
    }
    Q_EMIT genre->activated(3);
    afterLayoutAndPaint(list, [genre, list] {
        print("filter-asked");
        Q_EMIT genre->activated(genre->count() - 1);
        afterLayoutAndPaint(list, [] {
            print("full-list-shown");
            QApplication::exit(0);
        });
    });
}

}  // namespace reelcase

#include "main_window/ReadyReport.h"

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <functional>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
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

void printPeak(const char* when) {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("peak-kb %s %ld\n", when, usage.ru_maxrss);
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

// Passes everything on; a plain message is timed as it is asked for and once its box is
// drawn, and the box is then closed as a user would close it.
class ReadyReport::WatchedDialogs : public UserDialogs {
  public:
    explicit WatchedDialogs(UserDialogs& shown) : shown_(shown) {}
    void showMessage(const QString& text) override {
        print("message-asked");
        auto* poll = new QTimer;
        poll->setInterval(1);
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                return;
            }
            poll->stop();
            poll->deleteLater();
            afterPaint(box, [box] {
                print("message-shown");
                box->close();
            });
            box->update();
        });
        poll->start();
        shown_.showMessage(text);
    }
    bool confirm(const QString& text) override { return shown_.confirm(text); }
    Answer confirmWithCancel(const QString& text) override {
        return shown_.confirmWithCancel(text);
    }
    void showError(const QString& text) override { shown_.showError(text); }
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override {
        return shown_.chooseFileToOpen(request);
    }
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override {
        return shown_.chooseFileToSave(request);
    }
    std::optional<QString> chooseFolder(const QString& title) override {
        return shown_.chooseFolder(title);
    }
    bool chooseFont(QFont& font) override { return shown_.chooseFont(font); }

  private:
    UserDialogs& shown_;
};

std::unique_ptr<ReadyReport> ReadyReport::fromEnvironment(UserDialogs& dialogs) {
    const QByteArray asked = qgetenv("REELCASE_READY_REPORT");
    if (asked.isEmpty()) {
        return nullptr;
    }
    const Mode mode = asked == "save" ? Mode::Save : asked == "filter" ? Mode::Filter : Mode::Ready;
    return std::make_unique<ReadyReport>(mode, dialogs);
}

ReadyReport::ReadyReport(Mode mode, UserDialogs& dialogs)
    : mode_(mode), dialogs_(std::make_unique<WatchedDialogs>(dialogs)) {}

ReadyReport::~ReadyReport() = default;

UserDialogs& ReadyReport::dialogs() {
    return *dialogs_;
}

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

#include "platform/ui/QtBackgroundWork.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "platform/ui/WindowInUse.h"

namespace reelcase {

namespace {

using namespace std::chrono_literals;

// Below what a user notices as a pause: short work neither shows a window nor lets any input
// in between.
constexpr auto kQuietWait = 100ms;
// How often the progress window looks at the work; a cancelled work stops well within the
// next look.
constexpr auto kLookInterval = 20ms;

// Whether the work has returned, told across threads.
class Finished {
  public:
    void set() {
        const std::lock_guard lock(mutex_);
        done_ = true;
        changed_.notify_all();
    }
    bool waitFor(std::chrono::milliseconds time) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, time, [this] { return done_; });
    }
    void wait() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return done_; });
    }
    bool isSet() {
        const std::lock_guard lock(mutex_);
        return done_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
};

}  // namespace

QtBackgroundWork::QtBackgroundWork() {
    pool_.setMaxThreadCount(1);
}

QtBackgroundWork::~QtBackgroundWork() {
    pool_.waitForDone();
}

bool QtBackgroundWork::run(const QString& label, const std::function<void(WorkProgress&)>& work) {
    WorkProgress progress;
    Finished finished;
    pool_.start([&work, &progress, &finished] {
        work(progress);
        finished.set();
    });
    if (finished.waitFor(kQuietWait)) {
        return !progress.cancelled();
    }

    QProgressDialog dialog(label, QCoreApplication::translate("BackgroundWork", "Cancel"), 0,
                           WorkProgress::Whole, windowInUse());
    dialog.setWindowTitle(QStringLiteral("Reel-Case Database"));
    dialog.setMinimumWidth(360);  // room for the title and a file name
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress, &dialog] {
        progress.cancel();
        dialog.setLabelText(QCoreApplication::translate("BackgroundWork", "Cancelling..."));
    });
    QTimer look;
    look.setInterval(kLookInterval);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (finished.isSet()) {
            loop.quit();
        } else {
            dialog.setValue(progress.done());
        }
    });
    dialog.setValue(progress.done());
    dialog.show();
    look.start();
    loop.exec();
    // The loop may also end because the program is quitting: the work is stopped and waited
    // for, since it uses what the caller owns.
    if (!finished.isSet()) {
        progress.cancel();
        finished.wait();
    }
    return !progress.cancelled();
}

}  // namespace reelcase

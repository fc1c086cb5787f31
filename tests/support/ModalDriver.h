#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace reelcase::test {

// Drives the modal windows a command opens, one action per window in the order they open, and
// makes a window test fail promptly instead of hanging in the command's exec() until the CTest
// timeout: when an expected window does not open, when a check inside an action fails, when an
// action leaves its window open, or when a window nobody expected opens. In each case every modal
// window is closed from then on, so exec() returns and the test function can report. A window
// that was expected but never opened while the command ran fails the test when the driver goes
// out of scope. Windows are polled rather than found by a single timer shot.
class [[nodiscard]] ModalDriver {
  public:
    using Action = std::function<void(QWidget*)>;
    // How long a window may take to open or to close after its action: a wait for an event, not
    // a limit on speed, so generous for a sanitized build on a busy machine.
    static constexpr int kDefaultWaitMs = 30000;

    explicit ModalDriver(int waitMs = kDefaultWaitMs) : state_(std::make_unique<State>()) {
        state_->waitMs = waitMs;
    }
    ModalDriver(ModalDriver&&) noexcept = default;
    ModalDriver& operator=(ModalDriver&&) = delete;
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ~ModalDriver() {
        if (!state_) {
            return;
        }
        for (const auto& timer : state_->timers) {
            timer->stop();
        }
        if (!state_->steps.empty() && !QTest::currentTestFailed()) {
            const Step& missed = state_->steps.front();
            QTest::qFail("the modal window this action expects never opened", missed.file,
                         missed.line);
        }
    }

    // Queues action for the next modal window that opens after the one before it in the queue;
    // file and line name the action in a failure.
    ModalDriver& expect(Action action, const char* file = __builtin_FILE(),
                        int line = __builtin_LINE()) {
        state_->steps.push_back({std::move(action), file, line});
        if (state_->timers.empty()) {
            watch(*state_);
        }
        return *this;
    }

  private:
    struct Step {
        Action action;
        const char* file;
        int line;
    };
    struct State {
        int waitMs = kDefaultWaitMs;
        std::deque<Step> steps;
        std::vector<std::unique_ptr<QTimer>> timers;
        QPointer<QWidget> previous;  // the window of the last action run
        bool previousGone = true;    // seen closed since, so it may be driven again
        bool closing = false;        // the test failed: close whatever opens
        const char* lastFile = __FILE__;
        int lastLine = __LINE__;
    };

    static void closeModals() {
        // Bounded: a window that refuses to close must not turn the guard into a hang.
        for (int i = 0; i < 16; ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    }

    static void fail(State& s, const char* message, const char* file, int line) {
        if (!QTest::currentTestFailed()) {
            QTest::qFail(message, file, line);
        }
        s.closing = true;
        closeModals();
    }

    // Each step polls with a timer of its own, started before the previous action runs: a timer
    // does not fire again while its own handler runs, and an action may open the next window
    // from inside (a button whose click runs another exec()).
    static void watch(State& s) {
        auto timer = std::make_unique<QTimer>();
        QTimer* t = timer.get();
        t->setInterval(10);
        const QDeadlineTimer deadline(s.waitMs);
        QObject::connect(t, &QTimer::timeout, [&s, t, deadline] { poll(s, *t, deadline); });
        s.timers.push_back(std::move(timer));
        t->start();
    }

    static void poll(State& s, QTimer& timer, const QDeadlineTimer& deadline) {
        if (s.closing) {
            closeModals();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != s.previous) {
            s.previousGone = true;
        }
        const bool fresh = modal != nullptr && s.previousGone;
        if (s.steps.empty()) {
            if (fresh) {
                fail(s, "a modal window opened that no action expects", s.lastFile, s.lastLine);
            } else if (modal != nullptr && deadline.hasExpired()) {
                fail(s, "the action left its modal window open", s.lastFile, s.lastLine);
            }
            return;
        }
        if (!fresh) {
            if (deadline.hasExpired()) {
                const Step& next = s.steps.front();
                fail(s, "the modal window this action expects did not open", next.file, next.line);
            }
            return;
        }
        Step step = std::move(s.steps.front());
        s.steps.pop_front();
        timer.stop();
        s.previous = modal;
        s.previousGone = false;
        s.lastFile = step.file;
        s.lastLine = step.line;
        watch(s);
        step.action(modal);
        if (QTest::currentTestFailed()) {
            s.closing = true;
            closeModals();
        }
    }

    std::unique_ptr<State> state_;
};

// The common case: one action for the next modal window that opens.
inline ModalDriver whenModalOpens(ModalDriver::Action action, const char* file = __builtin_FILE(),
                                  int line = __builtin_LINE()) {
    ModalDriver driver;
    driver.expect(std::move(action), file, line);
    return driver;
}

}  // namespace reelcase::test

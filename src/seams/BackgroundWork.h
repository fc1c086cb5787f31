#pragma once

#include <algorithm>
#include <atomic>
#include <functional>

#include <QString>

namespace reelcase {

// What long work running off the window's thread shares with the progress window: how far
// it has come, and whether the user cancelled. Work checks cancelled() often enough to stop
// within a few milliseconds.
class WorkProgress {
  public:
    static constexpr int Whole = 1000;

    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }

    // The share done, of the part of the work that runs from first to last (in thousandths).
    void setDone(long long done, long long total, int first = 0, int last = Whole) {
        const long long share =
            total > 0 ? std::clamp(done, 0LL, total) * (last - first) / total : 0;
        done_.store(first + static_cast<int>(share), std::memory_order_relaxed);
    }
    int done() const { return done_.load(std::memory_order_relaxed); }

  private:
    std::atomic<bool> cancelled_{false};
    std::atomic<int> done_{0};
};

// Runs work that may take long (reading a large collection, writing a large export) off the
// window's thread while the windows keep drawing. It returns once work has returned; while it
// runs, a progress window (only when the work takes a moment) shows label and offers Cancel,
// and no window takes input. Whatever the catalogue's state is, only the caller changes it,
// afterwards, on the window's thread. True unless the user cancelled.
class BackgroundWork {
  public:
    virtual ~BackgroundWork() = default;
    virtual bool run(const QString& label, const std::function<void(WorkProgress&)>& work) = 0;
};

// Runs the work on the caller's thread: where there is no window to keep drawing.
class ImmediateWork : public BackgroundWork {
  public:
    bool run(const QString& /*label*/, const std::function<void(WorkProgress&)>& work) override {
        WorkProgress progress;
        work(progress);
        return !progress.cancelled();
    }
};

}  // namespace reelcase

#pragma once

#include <QThreadPool>

#include "seams/BackgroundWork.h"

namespace reelcase {

// Work on a thread of its own pool while the window's thread keeps the windows drawing.
// The progress window stands over the window the user works in.
// Work that ends within a moment shows nothing; longer work shows a progress window, modal
// to the whole program, whose Cancel (or Escape, or its close box) cancels it.
class QtBackgroundWork : public BackgroundWork {
  public:
    QtBackgroundWork();
    ~QtBackgroundWork() override;
    QtBackgroundWork(const QtBackgroundWork&) = delete;
    QtBackgroundWork& operator=(const QtBackgroundWork&) = delete;

    bool run(const QString& label, const std::function<void(WorkProgress&)>& work) override;

  private:
    QThreadPool pool_;
};

}  // namespace reelcase

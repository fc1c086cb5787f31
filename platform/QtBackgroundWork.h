#pragma once

#include <QThreadPool>

#include "seams/BackgroundWork.h"

class QWidget;

namespace reelcase {

// Work on a thread of its own pool while the window's thread keeps the windows drawing.
// Work that ends within a moment shows nothing; longer work shows a progress window, modal
// to the whole program, whose Cancel (or Escape, or its close box) cancels it.
class QtBackgroundWork : public BackgroundWork {
  public:
    explicit QtBackgroundWork(QWidget* parentWindow = nullptr);
    // The window the progress window stands over, made after this.
    void setParentWindow(QWidget* window) { parentWindow_ = window; }
    ~QtBackgroundWork() override;

    bool run(const QString& label, const std::function<void(WorkProgress&)>& work) override;

  private:
    QWidget* parentWindow_;
    QThreadPool pool_;
};

}  // namespace reelcase

#pragma once

#include <QWidget>

#include "editing/FileAnalysis.h"

class QLabel;
class QProgressBar;

namespace reelcase {

// The wait window shown while a movie file is being opened for measuring.
class TfrmWait : public QWidget, public WaitDisplay {
    Q_OBJECT
  public:
    explicit TfrmWait(QWidget* parent = nullptr);

    void showNow() override;
    void ProgressFirstHalf() override;
    void ProgressSecondHalf() override;
    void hideNow() override;

  private:
    void setPosition(int position);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* WaitBar = nullptr;
};

}  // namespace reelcase

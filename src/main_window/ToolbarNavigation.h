#pragma once

#include <QList>
#include <QObject>

class QToolButton;

namespace reelcase {

// Makes a row of tool buttons one stop of the window's tab order, as a desktop toolbar is:
// the button focused last is the stop, and the arrow keys (Home and End too) move the focus
// along the row. A click never takes the focus.
class ToolbarNavigation : public QObject {
    Q_OBJECT
  public:
    ToolbarNavigation(QList<QToolButton*> buttons, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeStop(QToolButton* stop);

    QList<QToolButton*> buttons_;
};

}  // namespace reelcase

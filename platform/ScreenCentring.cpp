#include "platform/ScreenCentring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace reelcase {

namespace {

void placeFrame(QWidget& window) {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window.frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());  // a top-level window's move places its frame
    }
}

// Waits for the frame to appear around the shown window, centres the window once more, and
// goes away.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(name());
    }
    static QString name() { return QStringLiteral("reelcaseFrameWatch"); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &window_ && window_.isVisible() &&
            (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
            window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            placeFrame(window_);
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& window_;
};

}  // namespace

void centreOnScreen(QWidget& window) {
    placeFrame(window);
    // A window without a frame of its own keeps its watch: one is enough.
    if (window.frameGeometry().size() == window.size() &&
        window.findChild<QObject*>(FrameWatch::name(), Qt::FindDirectChildrenOnly) == nullptr) {
        window.installEventFilter(new FrameWatch(window));
    }
}

}  // namespace reelcase

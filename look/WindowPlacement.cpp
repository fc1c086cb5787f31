#include "look/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace reelcase {

namespace {

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The window's own frame once it has one, otherwise that of the window it belongs to.
QMargins estimatedFrame(const QWidget& window) {
    const QMargins own = frameMargins(window);
    if (!own.isNull() || window.parentWidget() == nullptr) {
        return own;
    }
    const QWidget* owner = window.parentWidget()->window();
    return owner->isVisible() ? frameMargins(*owner) : QMargins();
}

void centreWith(QWidget& window, const QMargins& frame) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize outer = window.size().grownBy(frame);
    QRect placed(QPoint(0, 0), outer);
    placed.moveCenter(screen->availableGeometry().center());
    // For a window, move() places the frame's top left corner.
    window.move(placed.topLeft());
}

class Centring : public QObject {
  public:
    explicit Centring(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) {
            return false;
        }
        // A spontaneous show is the window coming back from the task bar: it stays where it was.
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            used_ = estimatedFrame(window_);
            centreWith(window_, used_);
            checking_ = true;
        } else if (checking_ && (event->type() == QEvent::Move || event->type() == QEvent::Expose ||
                                 event->type() == QEvent::WindowActivate)) {
            const QMargins own = frameMargins(window_);
            if (!own.isNull()) {
                checking_ = false;
                if (own != used_) {
                    used_ = own;
                    centreWith(window_, own);
                }
            }
        } else if (event->type() == QEvent::Hide) {
            checking_ = false;
        }
        return false;
    }

  private:
    QWidget& window_;
    QMargins used_;
    bool checking_ = false;
};

}  // namespace

void centreWhenShown(QWidget& window) {
    new Centring(window);
}

void centreOnScreen(QWidget& window) {
    centreWith(window, estimatedFrame(window));
}

}  // namespace reelcase

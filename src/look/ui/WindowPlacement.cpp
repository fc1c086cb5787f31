#include "look/ui/WindowPlacement.h"

#include <cstdlib>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace reelcase {

namespace {

// Asked of the window system's window: the widget's own copy of the frame is renewed only
// when the window moves, and a window manager may frame a window without moving it.
QMargins frameMargins(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle(); handle != nullptr) {
        return handle->frameMargins();
    }
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QRect frameGeometry(const QWidget& window) {
    return window.geometry().marginsAdded(frameMargins(window));
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
            centreWith(window_, estimatedFrame(window_));
            checking_ = true;
            corrections_ = 0;
            // A busy window manager may frame the window without another event reaching it
            // (seen: a dialog left 20 px high on a loaded machine): look again on a few timers
            // as well. They cost nothing before the first paint.
            for (const int ms : {100, 300, 700, 1500, 3000, 6000}) {
                QTimer::singleShot(ms, this, [this] { lookAgain(); });
            }
        } else if (checking_ && (event->type() == QEvent::Move || event->type() == QEvent::Expose ||
                                 event->type() == QEvent::WindowActivate)) {
            lookAgain();
        } else if (event->type() == QEvent::Hide) {
            checking_ = false;
        }
        return false;
    }

  private:
    // The frame arrives after the window is shown (seconds later on a loaded machine), and a
    // busy window manager may still move the window once more as it applies it: look again
    // until the frame stands centred, a few times at most. Counted, not timed: on a loaded
    // machine the corrections may come seconds after the frame, and once the window was seen
    // centred it is the user's to move.
    void lookAgain() {
        if (!checking_ || !window_.isVisible()) {
            return;
        }
        const QMargins own = frameMargins(window_);
        if (own.isNull()) {
            return;
        }
        if (offCentre(window_) && corrections_ < 4) {
            ++corrections_;
            centreWith(window_, own);
        } else {
            checking_ = false;  // centred with its frame: from now on it is the user's
        }
    }

    static bool offCentre(const QWidget& window) {
        const QScreen* screen = window.screen();
        if (screen == nullptr) {
            return false;
        }
        // Twice the distance, so that half a pixel (an odd difference) counts as centred.
        const QRect frame = frameGeometry(window);
        const QRect area = screen->availableGeometry();
        const int dx = 2 * frame.left() + frame.width() - (2 * area.left() + area.width());
        const int dy = 2 * frame.top() + frame.height() - (2 * area.top() + area.height());
        return std::abs(dx) > 1 || std::abs(dy) > 1;
    }

    QWidget& window_;
    bool checking_ = false;
    int corrections_ = 0;
};

}  // namespace

void centreWhenShown(QWidget& window) {
    new Centring(window);
}

void centreOnScreen(QWidget& window) {
    centreWith(window, estimatedFrame(window));
}

}  // namespace reelcase

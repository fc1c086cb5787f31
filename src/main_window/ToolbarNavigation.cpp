#include "main_window/ToolbarNavigation.h"

#include <QKeyEvent>
#include <QToolButton>

namespace reelcase {

ToolbarNavigation::ToolbarNavigation(QList<QToolButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
    for (QToolButton* button : buttons_) {
        button->installEventFilter(this);
    }
    if (!buttons_.isEmpty()) {
        makeStop(buttons_.constFirst());
    }
}

void ToolbarNavigation::makeStop(QToolButton* stop) {
    for (QToolButton* button : buttons_) {
        button->setFocusPolicy(button == stop ? Qt::TabFocus : Qt::NoFocus);
    }
}

bool ToolbarNavigation::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QToolButton*>(watched);
    const qsizetype at = buttons_.indexOf(button);
    if (at < 0 || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const qsizetype last = buttons_.size() - 1;
    qsizetype next = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            next = at == 0 ? last : at - 1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            next = at == last ? 0 : at + 1;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = last;
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    QToolButton* target = buttons_.at(next);
    makeStop(target);
    target->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace reelcase

#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace reelcase::test {

// Runs action on the next modal window that opens, polling rather than trusting a single
// timer shot to find it up.
inline void whenModalOpens(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

}  // namespace reelcase::test

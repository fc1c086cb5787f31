#include "platform/ui/QtDesktopShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QWidget>

namespace reelcase {

void QtDesktopShell::minimiseApplication() {
    // Menus, tool tips and other popups are not windows of their own to put away.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog)) {
            widget->showMinimized();
        }
    }
}

bool QtDesktopShell::openAddress(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

}  // namespace reelcase

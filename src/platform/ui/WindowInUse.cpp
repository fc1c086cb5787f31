#include "platform/ui/WindowInUse.h"

#include <QApplication>
#include <QWidget>

namespace reelcase {

QWidget* windowInUse() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

}  // namespace reelcase

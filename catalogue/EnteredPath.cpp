#include "catalogue/EnteredPath.h"

#include <QDir>

namespace reelcase {

QString enteredPath(const QString& path) {
    if (path.isEmpty()) {
        return path;
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

}  // namespace reelcase

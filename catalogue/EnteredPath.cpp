#include "catalogue/EnteredPath.h"

#include <QDir>

namespace reelcase {

QString enteredPath(const QString& path) {
    if (path.isEmpty()) {
        return path;
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace reelcase

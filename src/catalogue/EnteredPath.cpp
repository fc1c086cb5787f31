#include "catalogue/EnteredPath.h"

#include <unistd.h>

#include <cerrno>

#include <QDir>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

// The working folder as the bytes it is: QDir::current() changes those that are not UTF-8.
QString workingFolder() {
    QByteArray folder(4096, '\0');
    while (::getcwd(folder.data(), static_cast<std::size_t>(folder.size())) == nullptr) {
        if (errno != ERANGE) {
            return QDir::currentPath();
        }
        folder.resize(folder.size() * 2);
    }
    return fileNameFromBytes(QByteArrayView(folder.constData()));
}

}  // namespace

QString enteredPath(const QString& path) {
    if (path.isEmpty()) {
        return path;
    }
    if (path.startsWith(QLatin1Char('/'))) {
        return QDir::cleanPath(path);
    }
    return QDir::cleanPath(workingFolder() + QLatin1Char('/') + path);
}

QString fileNameOf(const QString& path) {
    return shownFileName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

}  // namespace reelcase

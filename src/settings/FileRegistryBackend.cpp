#include "settings/FileRegistryBackend.h"

#include <unistd.h>

#include <cstring>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "careful_files/AtomicFile.h"

namespace reelcase {

FileRegistryBackend::FileRegistryBackend(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty()) {
        folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/reel-case");
    }
}

QString FileRegistryBackend::fileOf(Root root) const {
    return folder_ + (root == Root::LocalMachine ? QStringLiteral("/settings.reg")
                                                 : QStringLiteral("/file-types.reg"));
}

bool FileRegistryBackend::load(Root root, KeyTree& tree) {
    const QString path = fileOf(root);
    QFile file(path);
    if (!file.exists()) {
        tree = KeyTree{};
        return true;
    }
    if (::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0 ||
        !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray text = file.readAll();
    // A short read would parse as a store with keys missing, and the next save would drop them.
    if (file.error() != QFileDevice::NoError || text.size() != file.size()) {
        return false;
    }
    tree = KeyTree::parse(text);
    return true;
}

bool FileRegistryBackend::save(Root root, const KeyTree& tree) {
    if (!QDir().mkpath(folder_)) {
        qWarning("Reel-Case Database: could not make the settings folder %s", qPrintable(folder_));
        return false;
    }
    const QByteArray text = tree.serialise(root == Root::LocalMachine
                                               ? QStringLiteral("Reel-Case Database settings")
                                               : QStringLiteral("Reel-Case Database file types"));
    const int error = writeFileSafely(
        fileOf(root), std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
        realFileSystem());
    if (error != 0) {
        qWarning("Reel-Case Database: could not write %s: %s", qPrintable(fileOf(root)),
                 std::strerror(error));
    }
    return error == 0;
}

}  // namespace reelcase

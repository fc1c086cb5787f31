#include "disk_check/CheckFolders.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

#include "careful_files/FileNames.h"
#include "settings/KeyTree.h"

namespace reelcase {

namespace {

const QString kKey = QStringLiteral("\\SOFTWARE\\Reel-Case Check Against Folders");
const QString kMeasureAll = QStringLiteral("Measure_All");

QString folderValue(qsizetype index) {
    return QStringLiteral("Folder_%1").arg(index + 1);
}

}  // namespace

QString folderProblem(const QString& folder) {
    DIR* dir = ::opendir(fileNameBytes(folder).constData());
    if (dir == nullptr) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    ::closedir(dir);
    return {};
}

CheckRequest rememberedCheck(RegistryBackend& backend) {
    CheckRequest request;
    KeyTree tree;
    if (!backend.load(Root::LocalMachine, tree)) {
        return request;
    }
    for (qsizetype i = 0;; ++i) {
        const auto value = tree.value(kKey, folderValue(i));
        if (!value || !value->isText || value->data.isEmpty()) {
            break;
        }
        request.folders << value->data;
    }
    const auto measureAll = tree.value(kKey, kMeasureAll);
    request.measureAll = measureAll && measureAll->isText && measureAll->data == QLatin1String("1");
    return request;
}

bool rememberCheck(RegistryBackend& backend, const CheckRequest& request) {
    KeyTree tree;
    if (!backend.load(Root::LocalMachine, tree)) {
        return false;
    }
    // Written whole in one save: fewer folders than last time leave none of the old behind.
    tree.deleteTree(kKey);
    tree.createKey(kKey);
    for (qsizetype i = 0; i < request.folders.size(); ++i) {
        tree.setText(kKey, folderValue(i), request.folders.at(i));
    }
    tree.setText(kKey, kMeasureAll, request.measureAll ? QStringLiteral("1") : QStringLiteral("0"));
    return backend.save(Root::LocalMachine, tree);
}

}  // namespace reelcase

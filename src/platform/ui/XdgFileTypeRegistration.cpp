#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "careful_files/AtomicFile.h"
#include "careful_files/FileNames.h"
#include "careful_files/FileSystemCalls.h"
#include "platform/DesktopEntry.h"
#include "seams/FileTypeRegistration.h"

// The resources live in a static library: the linker keeps them only when asked by name.
static void initialiseResources() {
    Q_INIT_RESOURCE(resources);
}

namespace reelcase {

namespace {

QString dataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString mimePackage() {
    return dataHome() + QStringLiteral("/mime/packages/reel-case-catalogue.xml");
}
QString desktopEntry(const QString& name = DesktopFileName) {
    return dataHome() + QStringLiteral("/applications/") + name;
}
QString mimeappsList() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/mimeapps.list");
}

QByteArray resource(const QString& name) {
    initialiseResources();
    QFile file(QStringLiteral(":/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        qWarning("Reel-Case Database: could not make the folder of %s", qPrintable(path));
        return false;
    }
    const int error = writeFileSafely(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        realFileSystem());
    if (error != 0) {
        qWarning("Reel-Case Database: could not write %s: %s", qPrintable(path),
                 std::strerror(error));
    }
    return error == 0;
}

// Removes path if it is there; true when it is gone.
bool removeFile(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT) {
        return true;
    }
    qWarning("Reel-Case Database: could not remove %s: %s", qPrintable(path), std::strerror(errno));
    return false;
}

void runTool(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        qWarning(
            "Reel-Case Database: %s is not installed; the desktop may not see the change "
            "until it is run",
            qPrintable(tool));
        return;
    }
    // A cache tool that hangs must not hold the preferences window for ever.
    QProcess process;
    process.start(program, {folder});
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        qWarning("Reel-Case Database: %s did not finish; the desktop may not see the change",
                 qPrintable(tool));
    } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("Reel-Case Database: %s failed (exit code %d)", qPrintable(tool),
                 process.exitCode());
    }
}

bool updateDefault(bool set) {
    QString text;
    QFile file(mimeappsList());
    if (file.open(QIODevice::ReadOnly)) {
        text = QString::fromUtf8(file.readAll());
        if (file.error() != QFileDevice::NoError) {
            qWarning("Reel-Case Database: could not read %s; it is left as it is",
                     qPrintable(mimeappsList()));
            return false;
        }
        file.close();
    } else if (QFile::exists(mimeappsList())) {
        // Rewritten from nothing, the user's other defaults would be lost.
        qWarning("Reel-Case Database: could not read %s; it is left as it is",
                 qPrintable(mimeappsList()));
        return false;
    } else if (!set) {
        return true;
    }
    const QString changed = withCatalogueDefault(text, set);
    return changed == text || writeFile(mimeappsList(), changed.toUtf8());
}

}  // namespace

// Each stops at the first file that could not be written or removed, as a failed settings
// write stops the preferences' remaining writes.
bool XdgFileTypeRegistration::registerCatalogueType(const QString& programPath) {
    // A desktop entry is UTF-8 text: a program whose path is not cannot be named in one, and
    // an entry naming a changed path would open nothing.
    if (fileNameBytes(programPath) != programPath.toUtf8()) {
        qWarning(
            "Reel-Case Database: the program's path is not UTF-8; no desktop entry can "
            "name it");
        return false;
    }
    if (!writeFile(mimePackage(), resource(QStringLiteral("reel-case-catalogue.xml")))) {
        return false;
    }
    runTool(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    QByteArray entry = resource(QStringLiteral("io.github.reelcase.ReelCase.desktop.in"));
    entry.replace("@REELCASE_EXEC@ %f", desktopExecLine(programPath).toUtf8());
    if (!writeFile(desktopEntry(), entry)) {
        return false;
    }
    // An entry under the former name would list the program twice in the desktop's menus.
    if (!removeFile(desktopEntry(FormerDesktopFileName))) {
        return false;
    }
    runTool(QStringLiteral("update-desktop-database"),
            dataHome() + QStringLiteral("/applications"));
    return updateDefault(true);
}

bool XdgFileTypeRegistration::unregisterCatalogueType() {
    const bool hadPackage = QFile::exists(mimePackage());
    if (!removeFile(mimePackage())) {
        return false;
    }
    if (hadPackage) {
        runTool(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    }
    const bool hadEntry =
        QFile::exists(desktopEntry()) || QFile::exists(desktopEntry(FormerDesktopFileName));
    if (!removeFile(desktopEntry()) || !removeFile(desktopEntry(FormerDesktopFileName))) {
        return false;
    }
    if (hadEntry) {
        runTool(QStringLiteral("update-desktop-database"),
                dataHome() + QStringLiteral("/applications"));
    }
    return updateDefault(false);
}

}  // namespace reelcase

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "catalogue/AtomicFile.h"
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
QString desktopEntry() {
    return dataHome() + QStringLiteral("/applications/") + DesktopFileName;
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

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    if (writeFileSafely(path, std::string_view(bytes.constData(),
                                               static_cast<std::size_t>(bytes.size()))) != 0) {
        qWarning("Reel-Case Database: could not write %s", qPrintable(path));
    }
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

void updateDefault(bool set) {
    QString text;
    QFile file(mimeappsList());
    if (file.open(QIODevice::ReadOnly)) {
        text = QString::fromUtf8(file.readAll());
        if (file.error() != QFileDevice::NoError) {
            qWarning("Reel-Case Database: could not read %s; it is left as it is",
                     qPrintable(mimeappsList()));
            return;
        }
        file.close();
    } else if (QFile::exists(mimeappsList())) {
        // Rewritten from nothing, the user's other defaults would be lost.
        qWarning("Reel-Case Database: could not read %s; it is left as it is",
                 qPrintable(mimeappsList()));
        return;
    } else if (!set) {
        return;
    }
    const QString changed = withCatalogueDefault(text, set);
    if (changed != text) {
        writeFile(mimeappsList(), changed.toUtf8());
    }
}

}  // namespace

void XdgFileTypeRegistration::registerCatalogueType(const QString& programPath) {
    writeFile(mimePackage(), resource(QStringLiteral("reel-case-catalogue.xml")));
    runTool(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    QByteArray entry = resource(QStringLiteral("reel-case.desktop.in"));
    entry.replace("@REELCASE_EXEC@ %f", desktopExecLine(programPath).toUtf8());
    writeFile(desktopEntry(), entry);
    runTool(QStringLiteral("update-desktop-database"),
            dataHome() + QStringLiteral("/applications"));
    updateDefault(true);
}

void XdgFileTypeRegistration::unregisterCatalogueType() {
    if (QFile::remove(mimePackage())) {
        runTool(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    }
    if (QFile::remove(desktopEntry())) {
        runTool(QStringLiteral("update-desktop-database"),
                dataHome() + QStringLiteral("/applications"));
    }
    updateDefault(false);
}

}  // namespace reelcase

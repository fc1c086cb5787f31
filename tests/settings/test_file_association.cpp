#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "careful_files/FileNames.h"
#include "platform/DesktopEntry.h"
#include "seams/FileTypeRegistration.h"

using namespace reelcase;

class FileAssociationTest : public QObject {
    Q_OBJECT
    QDir sandbox_;
    QString data() const { return sandbox_.filePath(QStringLiteral("data")); }
    QString config() const { return sandbox_.filePath(QStringLiteral("config")); }

    static QString run(const QString& program, const QStringList& args, int* code = nullptr) {
        QProcess process;
        process.start(program, args);
        process.waitForFinished(30000);
        if (code != nullptr) {
            *code = process.exitCode();
        }
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())
            .trimmed();
    }
    QString probe() const {
        return run(QStringLiteral(REELCASE_MIME_PROBE), {QStringLiteral("catalogue.rcb")});
    }

  public:
    explicit FileAssociationTest(const QString& sandbox) : sandbox_(sandbox) {}

    // Every XDG folder, the system's too, inside the sandbox, set before anything reads
    // them: neither the user's registrations nor an installed copy's are seen or touched.
    static void useOnlyFoldersIn(const QString& sandbox) {
        const QDir root(sandbox);
        const std::pair<const char*, const char*> folders[] = {
            {"XDG_DATA_HOME", "data"},        {"XDG_CONFIG_HOME", "config"},
            {"XDG_CACHE_HOME", "cache"},      {"XDG_STATE_HOME", "state"},
            {"XDG_DATA_DIRS", "system-data"}, {"XDG_CONFIG_DIRS", "system-config"}};
        for (const auto& [variable, folder] : folders) {
            qputenv(variable, root.filePath(QLatin1String(folder)).toUtf8());
        }
    }

  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(false); }

    void execLinesFollowTheDesktopEntryRules() {
        QCOMPARE(desktopExecLine(QStringLiteral("/usr/bin/reelcase")),
                 QStringLiteral("/usr/bin/reelcase %f"));
        QCOMPARE(desktopExecLine(QStringLiteral("/opt/My Movies/reel case")),
                 QStringLiteral("\"/opt/My Movies/reel case\" %f"));
        // A quote and a dollar escaped inside the quotes, then every backslash doubled.
        QCOMPARE(desktopExecLine(QStringLiteral("/a \"b\"/$c")),
                 QStringLiteral("\"/a \\\\\"b\\\\\"/\\\\$c\" %f"));
        QCOMPARE(desktopExecLine(QStringLiteral("/x/100%")), QStringLiteral("/x/100%% %f"));
    }

    void defaultApplicationIsTheOnlyLineChanged() {
        const QString other = QStringLiteral(
            "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
            "[Default Applications]\nimage/png=eog.desktop\n");
        const QString set = withCatalogueDefault(other, true);
        QCOMPARE(set, QStringLiteral(
                          "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                          "[Default Applications]\n"
                          "application/x-reel-case-catalogue=io.github.reelcase.ReelCase.desktop\n"
                          "image/png=eog.desktop\n"));
        QCOMPARE(withCatalogueDefault(set, true), set);  // set twice: one line
        QCOMPARE(withCatalogueDefault(set, false), other);
        QCOMPARE(withCatalogueDefault(QString(), true),
                 QStringLiteral("[Default "
                                "Applications]\napplication/"
                                "x-reel-case-catalogue=io.github.reelcase.ReelCase.desktop\n"));
        const QString foreign = QStringLiteral(
            "[Default Applications]\napplication/x-reel-case-catalogue=other.desktop\n");
        QCOMPARE(withCatalogueDefault(foreign, false), foreign);
        // A default set under the entry's former name is this program's: replaced, removed.
        const QString former = QStringLiteral(
            "[Default Applications]\napplication/x-reel-case-catalogue=reel-case.desktop\n"
            "image/png=eog.desktop\n");
        QCOMPARE(withCatalogueDefault(former, true),
                 QStringLiteral("[Default Applications]\n"
                                "application/x-reel-case-catalogue="
                                "io.github.reelcase.ReelCase.desktop\n"
                                "image/png=eog.desktop\n"));
        QCOMPARE(withCatalogueDefault(former, false),
                 QStringLiteral("[Default Applications]\nimage/png=eog.desktop\n"));
    }

    void registrationIsSeenByTheDesktopAndUndone() {
        const QString mimeapps = config() + QStringLiteral("/mimeapps.list");
        QDir().mkpath(config());
        {
            QFile f(mimeapps);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Default Applications]\nimage/png=eog.desktop\n");
        }
        QVERIFY(probe() != CatalogueMimeType);

        // A program whose path holds blanks and quotes; it notes the file it was given, whole
        // before the note appears (the test may look between the shell's create and write).
        const QString folder = sandbox_.filePath(QStringLiteral("My \"Movie\" Tools"));
        QDir().mkpath(folder);
        const QString program = folder + QStringLiteral("/reel case");
        const QString seen = sandbox_.filePath(QStringLiteral("seen.txt"));
        {
            QFile script(program);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + seen + ".part' && mv '" + seen +
                          ".part' '" + seen + "'\n")
                             .toUtf8());
        }
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        XdgFileTypeRegistration registration;
        QVERIFY(registration.registerCatalogueType(program));
        QCOMPARE(probe(), CatalogueMimeType);
        const QString entry =
            data() + QStringLiteral("/applications/io.github.reelcase.ReelCase.desktop");
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            int code = -1;
            const QString report = run(QStringLiteral("desktop-file-validate"), {entry}, &code);
            QVERIFY2(code == 0, qPrintable(report));
        }
        if (!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty()) {
            // Not empty: an empty file is given the "empty file" type whatever its name.
            const QString catalogue = sandbox_.filePath(QStringLiteral("my movies.rcb"));
            QVERIFY(QFile::copy(QStringLiteral(REELCASE_TEST_DATA "/sample.rcb"), catalogue));
            run(QStringLiteral("gio"), {QStringLiteral("open"), catalogue});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(seen), 10000);
            QFile noted(seen);
            QVERIFY(noted.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(noted.readAll()), catalogue);
        }

        QVERIFY(registration.unregisterCatalogueType());
        QVERIFY(probe() != CatalogueMimeType);
        QVERIFY(!QFile::exists(entry));
        QFile f(mimeapps);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Default Applications]\nimage/png=eog.desktop\n"));
    }

    // A registration made before the entry took the AppStream id: registering again leaves one
    // entry in the menus, unregistering leaves none.
    void formerEntryIsReplacedAndRemoved() {
        const QString applications = data() + QStringLiteral("/applications/");
        const auto writeFormer = [&] {
            QDir().mkpath(applications);
            QFile former(applications + QStringLiteral("reel-case.desktop"));
            QVERIFY(former.open(QIODevice::WriteOnly));
            former.write(
                "[Desktop Entry]\nType=Application\nName=Reel-Case Database\n"
                "Exec=/opt/old/reelcase %f\n");
        };
        XdgFileTypeRegistration registration;
        writeFormer();
        QVERIFY(registration.registerCatalogueType(QStringLiteral("/usr/bin/reelcase")));
        QVERIFY(
            QFile::exists(applications + QStringLiteral("io.github.reelcase.ReelCase.desktop")));
        QVERIFY(!QFile::exists(applications + QStringLiteral("reel-case.desktop")));
        QVERIFY(registration.unregisterCatalogueType());

        writeFormer();
        QVERIFY(registration.unregisterCatalogueType());
        QVERIFY(!QFile::exists(applications + QStringLiteral("reel-case.desktop")));
        QVERIFY(
            !QFile::exists(applications + QStringLiteral("io.github.reelcase.ReelCase.desktop")));
    }

    // A data folder that cannot be made (a file stands in its way, which stops root too).
    void registrationThatCannotWriteSaysSo() {
        const QString blocker = sandbox_.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/data")).toUtf8());
        XdgFileTypeRegistration registration;
        const bool registered = registration.registerCatalogueType(QStringLiteral("/usr/bin/x"));
        qputenv("XDG_DATA_HOME", data().toUtf8());
        QVERIFY(!registered);
        // A program path that is not UTF-8 cannot be written into a desktop entry at all.
        QVERIFY(!registration.registerCatalogueType(fileNameFromBytes("/opt/caf\xe9/reelcase")));
        QVERIFY(!QFile::exists(
            data() + QStringLiteral("/applications/io.github.reelcase.ReelCase.desktop")));
    }

    // Root reads every file: as root this case runs itself again as nobody.
    void unreadableDefaultsAreNeverRewritten() {
        if (::geteuid() == 0) {
            QProcess child;
            child.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                         QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                         QStringLiteral("unreadableDefaultsAreNeverRewritten")});
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                     child.readAllStandardOutput() + child.readAllStandardError());
            return;
        }
        const QString mimeapps = config() + QStringLiteral("/mimeapps.list");
        QDir().mkpath(config());
        const QByteArray theirs = "[Default Applications]\nimage/png=eog.desktop\n";
        {
            QFile f(mimeapps);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(theirs);
        }
        QVERIFY(QFile::setPermissions(mimeapps, QFileDevice::Permissions{}));
        XdgFileTypeRegistration registration;
        // The defaults could not be read: reported as failures, and left as they are.
        QVERIFY(!registration.registerCatalogueType(QStringLiteral("/usr/bin/reelcase")));
        QVERIFY(!registration.unregisterCatalogueType());
        QVERIFY(QFile::setPermissions(mimeapps, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QFile f(mimeapps);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), theirs);
    }
};

int main(int argc, char* argv[]) {
    const QTemporaryDir sandbox;
    if (!sandbox.isValid()) {
        return 1;
    }
    FileAssociationTest::useOnlyFoldersIn(sandbox.path());
    const QCoreApplication app(argc, argv);
    FileAssociationTest test(sandbox.path());
    return QTest::qExec(&test, argc, argv);
}
#include "test_file_association.moc"

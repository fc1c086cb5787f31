#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <vector>

#include "careful_files/FileErrors.h"
#include "launcher/ProgramPaths.h"
#include "support/ProgramRun.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// The real program.
Run run(const QStringList& arguments, const QString& folder = QString()) {
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    process.start(QStringLiteral(REELCASE_BINARY), arguments);
    return finished(process, 60000);
}

// A file by the bytes of its name, which QFile would change where they are not UTF-8.
QByteArray readByName(const QByteArray& name) {
    QFile file;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle) ? file.readAll()
                                                                                 : QByteArray();
}

bool writeByName(const QByteArray& name, const QByteArray& bytes) {
    QFile file;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFile::AutoCloseHandle) &&
           file.write(bytes) == bytes.size();
}

// The program with its arguments as the bytes they are (QProcess passes them through
// QFile::encodeName), input on its standard input (none: closed), started in folder.
Run runBytes(const QList<QByteArray>& arguments,
             const std::optional<QByteArray>& input = QByteArray(), const QString& folder = {},
             const QByteArray& program = QByteArrayLiteral(REELCASE_BINARY),
             bool withDisplay = false) {
    QList<QByteArray> owned{program};
    owned += arguments;
    const auto argc = static_cast<std::size_t>(owned.size());
    for (const QString& entry : withoutDisplay().toStringList()) {
        owned << QFile::encodeName(entry);
    }
    if (withDisplay) {
        owned << QByteArrayLiteral("QT_QPA_PLATFORM=offscreen");
    }
    std::vector<char*> pointers;
    for (QByteArray& b : owned) {
        pointers.push_back(b.data());
    }
    pointers.insert(pointers.begin() + static_cast<std::ptrdiff_t>(argc), nullptr);
    pointers.push_back(nullptr);
    QProcess process;
    process.setWorkingDirectory(folder);
    // In the child, once its streams and folder are set: the program with the bytes.
    process.setChildProcessModifier([&pointers, argc, closed = !input] {
        if (closed) {
            ::close(STDIN_FILENO);
        }
        ::execve(pointers[0], pointers.data(), pointers.data() + argc + 1);
        ::_exit(127);
    });
    process.start(QFile::decodeName(program), {});
    process.write(input.value_or(QByteArray()));
    process.closeWriteChannel();
    return finished(process, 60000);
}

const Movie kHarbour{"Harbour Lights", "Drama", "DVD", "Pretty Good", "Rainy, twice", 112, 4, 4380};
const Movie kZebra{"Zebra Crossing", "Comedy", "RM", "Nice", "", 95, 3, 350};
const Movie kCafe{"Caf\xe9 Noir", "Drama", "AVI", "Nice", "", 90, 2, 700};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    QString catalogue_;

  private Q_SLOTS:
    void initTestCase();
    void helpAndVersion();
    void exportWritesEachFormat();
    void listFilters();
    void checkTellsFindingsByExitStatus();
    void importCreatesThenMerges();
    void importLeavesADamagedCatalogueAlone();
    void badArgumentsAndMissingFiles();
    void dashDashTakesANameThatLooksLikeAnOption();
    void commandsLoadNoWindowLibraries();
    void windowProgramGetsTheArgumentsAndTheProcess();
    void internalProgramsAreFoundWhereInstalled();
    void onlyCatalogueNamesOpenTheWindow();
    void dashIsStandardInputOrRefused();
    void namesThatAreNotUtf8KeepTheirBytes();
};

void CommandLineTest::initTestCase() {
    catalogue_ = path("movies.rcb");
    writeBytes(catalogue_, recordBytes(kZebra) + recordBytes(kHarbour) + recordBytes(kCafe));
}

void CommandLineTest::helpAndVersion() {
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: reelcase [CATALOGUE.rcb]\n"));
    QVERIFY(help.out.contains("reelcase check CATALOGUE.rcb\n"));
    QCOMPARE(help.err, QByteArray());
    const Run version = run({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("reelcase " REELCASE_VERSION "\n"));
}

void CommandLineTest::exportWritesEachFormat() {
    const Run text = run({QStringLiteral("export"), catalogue_});
    QCOMPARE(text.status, 0);
    const QList<QByteArray> lines = text.out.split('\n');
    QCOMPARE(lines.size(), 8);  // seven lines, each ended by CR LF
    QCOMPARE(lines[1], QByteArray("   1. Caf\xe9 Noir                     |Drama    | AVI  |Nice   "
                                  "         | 90Min |  2/5  | 700MB\r"));
    QCOMPARE(lines[3], QByteArray("   3. Zebra Crossing                |Comedy   | RM  |Nice      "
                                  "      | 95Min |  3/5  | 350MB\r"));

    const Run csv = run({QStringLiteral("export"), catalogue_, QStringLiteral("--format=csv")});
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out,
             QByteArray("Name,Genre,Format,Rating,Length,Quality,Size,Personal Info\r\n"
                        "Caf\xc3\xa9 Noir,Drama,AVI,Nice,90,2,700,\r\n"
                        "Harbour Lights,Drama,DVD,Pretty Good,112,4,4380,\"Rainy, twice\"\r\n"
                        "Zebra Crossing,Comedy,RM,Nice,95,3,350,\r\n"));

    const QString page = path("list.html");
    const Run html = run({QStringLiteral("export"), QStringLiteral("--format"),
                          QStringLiteral("html"), catalogue_, QStringLiteral("-o"), page});
    QCOMPARE(html.status, 0);
    QCOMPARE(html.out, QByteArray());
    const QByteArray written = readBytes(page);
    QVERIFY(written.startsWith("<!DOCTYPE html>"));
    QVERIFY(written.contains("<td>Caf\xc3\xa9 Noir</td>"));
    QVERIFY(written.contains("<p class=\"count\">3 movies</p>"));
}

void CommandLineTest::listFilters() {
    const auto names = [&](QStringList args) {
        args.prepend(catalogue_);
        args.prepend(QStringLiteral("list"));
        const Run r = run(args);
        return QPair<int, QByteArray>(r.status, r.out);
    };
    using Result = QPair<int, QByteArray>;
    QCOMPARE(names({}), Result(0, "Caf\xc3\xa9 Noir\nHarbour Lights\nZebra Crossing\n"));
    QCOMPARE(names({"--genre", "drama"}), Result(0, "Caf\xc3\xa9 Noir\nHarbour Lights\n"));
    QCOMPARE(names({"--genre", "Drama", "--quality", "4/5"}), Result(0, "Harbour Lights\n"));
    QCOMPARE(names({"--format", "realmedia"}), Result(0, "Zebra Crossing\n"));
    QCOMPARE(names({"--rating", "nice", "--name", "CROSS"}), Result(0, "Zebra Crossing\n"));
    QCOMPARE(names({"--name", "caf\xc3\xa9"}), Result(0, "Caf\xc3\xa9 Noir\n"));
    QCOMPARE(names({"--rating", "Perfect Movie"}), Result(0, ""));
    const Run unknown = run(
        {QStringLiteral("list"), catalogue_, QStringLiteral("--genre"), QStringLiteral("Western")});
    QCOMPARE(unknown.status, 2);
    QCOMPARE(unknown.err, QByteArray("reelcase: no genre 'Western'\nTry 'reelcase --help'.\n"));
}

void CommandLineTest::checkTellsFindingsByExitStatus() {
    const Run clean = run({QStringLiteral("check"), catalogue_});
    QCOMPARE(clean.status, 0);
    QCOMPARE(clean.out, QByteArray("3 records, 0 findings\n"));

    const QString damaged = path("damaged.rcb");
    writeBytes(damaged, recordBytes(kZebra) + recordBytes(Movie{""}) + recordBytes(kZebra) + "xyz");
    const Run findings = run({QStringLiteral("check"), damaged});
    QCOMPARE(findings.status, 1);
    QCOMPARE(findings.out,
             QByteArray("record 2: empty name\n"
                        "record 3: \"Zebra Crossing\" repeats record 1 (opening keeps the first)\n"
                        "the file ends 3 bytes into a record: it is not a whole number of "
                        "272-byte records\n"
                        "3 records, 3 findings\n"));

    const Run missing = run({QStringLiteral("check"), path("none.rcb")});
    QCOMPARE(missing.status, 2);
    QCOMPARE(missing.err,
             "reelcase: " + path("none.rcb").toUtf8() + ": No such file or directory\n");
    const Run folder = run({QStringLiteral("check"), dir_.path()});
    QCOMPARE(folder.status, 2);
    QCOMPARE(folder.err, "reelcase: " + dir_.path().toUtf8() + ": Is a directory\n");
}

void CommandLineTest::importCreatesThenMerges() {
    const QString source = path("source.csv");
    writeBytes(source, "Title;Genre;Length\nAlien;Sci-Fi;117\nHarbour Lights;Drama;1\n;Drama;2\n");
    const QString target = path("imported.rcb");

    const Run first = run({QStringLiteral("import"), source, QStringLiteral("-o"), target});
    QCOMPARE(first.status, 1);  // a row was not read
    QCOMPARE(first.out, QByteArray("Movies added: 2\nAlready present: 0\nNames cut: 0\n"
                                   "Values not mapped: 0\nRows not read: 1\n  line 4: no name\n"));
    QCOMPARE(readBytes(target).size(), qsizetype{2 * 272});
    QCOMPARE(run({QStringLiteral("list"), target}).out, QByteArray("Alien\nHarbour Lights\n"));

    // Into an existing catalogue: the catalogue's Harbour Lights stays; a backup is kept.
    const QString existing = path("existing.rcb");
    writeBytes(existing, recordBytes(kHarbour));
    const Run merge = run({QStringLiteral("import"), source, QStringLiteral("--output"), existing});
    QCOMPARE(merge.status, 1);
    QVERIFY(merge.out.startsWith("Movies added: 1\nAlready present: 1\n"));
    QCOMPARE(readBytes(existing + QStringLiteral(".bak")),
             QByteArray::fromStdString(recordBytes(kHarbour)));
    const QByteArray csv =
        run({QStringLiteral("export"), existing, QStringLiteral("--format"), QStringLiteral("csv")})
            .out;
    QVERIFY(csv.contains("Harbour Lights,Drama,DVD,Pretty Good,112,4,4380,\"Rainy, twice\"\r\n"));
    QVERIFY(csv.contains("Alien,SF,,,117,0,0,\r\n"));

    // Nothing new: the file is not written again.
    const Run again = run({QStringLiteral("import"), source, QStringLiteral("-o"), existing});
    QVERIFY(again.out.startsWith("Movies added: 0\nAlready present: 2\n"));
}

void CommandLineTest::importLeavesADamagedCatalogueAlone() {
    const QString source = path("one.csv");
    writeBytes(source, "Name\nNew Movie\n");
    const QString target = path("short.rcb");
    const QByteArray damaged = QByteArray::fromStdString(recordBytes(kZebra)) + "xyz";
    writeBytes(target, damaged.toStdString());
    const Run r = run({QStringLiteral("import"), source, QStringLiteral("-o"), target});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.err, "reelcase: " + target.toUtf8() +
                        ": not a catalogue file (not a whole number of 272-byte records); nothing "
                        "written (--force to replace it)\n");
    QCOMPARE(readBytes(target), damaged);
    // Told to, it keeps the whole records and writes the catalogue anew; the damaged file is
    // not made the backup.
    const Run forced = run({QStringLiteral("import"), source, QStringLiteral("-o"), target,
                            QStringLiteral("--force")});
    QCOMPARE(forced.status, 0);
    QCOMPARE(readBytes(target).size(), 2 * 272);
    QVERIFY(!QFile::exists(target + ".bak"));

    const QString noName = path("noname.csv");
    writeBytes(noName, "Genre\nDrama\n");
    const Run refused =
        run({QStringLiteral("import"), noName, QStringLiteral("-o"), path("x.rcb")});
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.err, "reelcase: " + noName.toUtf8() + ": no Name column in the first row\n");
    QVERIFY(!QFile::exists(path("x.rcb")));
}

void CommandLineTest::badArgumentsAndMissingFiles() {
    const struct {
        QStringList args;
        const char* err;
    } cases[] = {
        {{"export"}, "reelcase: export needs one catalogue file\n"},
        {{"export", "a.rcb", "b.rcb"}, "reelcase: export needs one catalogue file\n"},
        {{"export", "a.rcb", "--format", "pdf"},
         "reelcase: unknown format 'pdf' (text, csv or html)\n"},
        {{"export", "a.rcb", "--format"}, "reelcase: option '--format' needs a value\n"},
        {{"export", "a.rcb", "-x"}, "reelcase: unknown option '-x'\n"},
        {{"import", "a.csv"}, "reelcase: import needs one source and -o CATALOGUE.rcb\n"},
        {{"check"}, "reelcase: check needs one catalogue file\n"},
        {{"list", "a.rcb", "--quality", "7"}, "reelcase: no quality '7'\n"},
    };
    for (const auto& c : cases) {
        const Run r = run(c.args, dir_.path());
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, QByteArray(c.err) + "Try 'reelcase --help'.\n");
        QCOMPARE(r.out, QByteArray());
    }
    const Run missing = run({QStringLiteral("export"), QStringLiteral("gone.rcb")}, dir_.path());
    QCOMPARE(missing.status, 2);
    QCOMPARE(missing.err, QByteArray("reelcase: gone.rcb: No such file or directory\n"));
    const Run source = run({QStringLiteral("import"), QStringLiteral("gone.csv"),
                            QStringLiteral("-o"), QStringLiteral("new.rcb")},
                           dir_.path());
    QCOMPARE(source.status, 2);
    QCOMPARE(source.err, QByteArray("reelcase: gone.csv: No such file or directory\n"));
    QVERIFY(!QFile::exists(path("new.rcb")));
    const QByteArray before = readBytes(catalogue_);
    const Run itself =
        run({QStringLiteral("export"), catalogue_, QStringLiteral("-o"), catalogue_});
    QCOMPARE(itself.status, 2);
    QCOMPARE(itself.err, "reelcase: " + catalogue_.toUtf8() +
                             ": is the catalogue being exported; not replaced\n");
    QCOMPARE(readBytes(catalogue_), before);
    const Run unwritable = run(
        {QStringLiteral("export"), catalogue_, QStringLiteral("-o"), path("no/such/folder.txt")});
    QCOMPARE(unwritable.status, 2);
    QCOMPARE(unwritable.err,
             "reelcase: " + path("no/such/folder.txt").toUtf8() + ": No such file or directory\n");
}

void CommandLineTest::dashDashTakesANameThatLooksLikeAnOption() {
    QVERIFY(QFile::copy(catalogue_, path("-o")));
    const Run plain = run({QStringLiteral("list"), QStringLiteral("-o")}, dir_.path());
    QCOMPARE(plain.status, 2);
    const Run dashed =
        run({QStringLiteral("list"), QStringLiteral("--"), QStringLiteral("-o")}, dir_.path());
    QCOMPARE(dashed.status, 0);
    QCOMPARE(dashed.out, QByteArray("Caf\xc3\xa9 Noir\nHarbour Lights\nZebra Crossing\n"));
    const Run exported =
        run({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("csv"),
             QStringLiteral("-o"), QStringLiteral("out.csv"), QStringLiteral("--"),
             QStringLiteral("-o")},
            dir_.path());
    QCOMPARE(exported.status, 0);
    QVERIFY(readBytes(path("out.csv")).startsWith("Name,Genre"));
}

// A command must not pay for loading the window system, printing or the media libraries, and
// the program users start loads not even Qt before it hands over.
void CommandLineTest::commandsLoadNoWindowLibraries() {
    const auto librariesOf = [](const char* program) {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QString::fromUtf8(program)});
        ldd.waitForFinished(30000);
        return ldd.readAllStandardOutput();
    };
    const QByteArray launcher = librariesOf(REELCASE_BINARY);
    QVERIFY2(launcher.contains("libc.so") && !launcher.contains("libQt6"), launcher.constData());
    const QByteArray libraries = librariesOf(REELCASE_COMMANDS_BINARY);
    QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
    for (const char* heavy : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libcups",
                              "libavformat", "libjpeg"}) {
        QVERIFY2(!libraries.contains(heavy), heavy);
    }
}

// Without a command the program becomes the window program found beside it (in the build
// folder; installed, in the package's folder for internal programs): same process, same
// arguments, its exit status, and the program's own path to register with the desktop.
void CommandLineTest::windowProgramGetsTheArgumentsAndTheProcess() {
    const QString folder = path("programs");
    QVERIFY(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/reelcase");
    QVERIFY(QFile::copy(QStringLiteral(REELCASE_BINARY), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const Run missing = [&] {
        QProcess process;
        process.start(program, {QStringLiteral("movies.rcb")});
        process.waitForFinished(30000);
        return Run{process.exitCode(), process.readAllStandardOutput(),
                   process.readAllStandardError()};
    }();
    QCOMPARE(missing.status, 2);
    // Without a display the window program is not started: one line says why.
    const Run noDisplay = [&] {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay());
        process.start(program, {QStringLiteral("movies.rcb")});
        return finished(process, 30000);
    }();
    QCOMPARE(noDisplay.status, 2);
    QVERIFY2(noDisplay.err.startsWith("reelcase: the window needs a display") &&
                 noDisplay.err.count('\n') == 1,
             noDisplay.err.constData());
    // Named where the package puts it.
    QVERIFY2(missing.err.startsWith("reelcase: " + folder.toUtf8() + "/") &&
                 missing.err.endsWith("/reelcase-window: No such file or directory\n"),
             missing.err.constData());

    writeBytes(folder + QStringLiteral("/reelcase-window"),
               "#!/bin/sh\n"
               "echo \"pid $$\"\n"
               "for a in \"$@\"; do echo \"[$a]\"; done\n"
               "echo \"user program $REELCASE_USER_PROGRAM\"\n"
               "exit 7\n");
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("/reelcase-window"),
                                  QFile::ReadOwner | QFile::ExeOwner));
    QProcess process;
    process.start(program, {QStringLiteral("--"), QStringLiteral("-my movies.rcb")});
    QVERIFY(process.waitForStarted(30000));
    const qint64 pid = process.processId();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 7);
    QCOMPARE(process.readAllStandardOutput(), "pid " + QByteArray::number(pid) +
                                                  "\n[--]\n[-my movies.rcb]\nuser program " +
                                                  program.toUtf8() + "\n");
}

// Internal programs lie where the package puts them, relative to the program users start, or
// beside it in a build folder.
void CommandLineTest::internalProgramsAreFoundWhereInstalled() {
    const std::vector<std::string> candidates =
        internalProgramCandidates("/opt/rc/bin/reelcase", CommandsProgramName);
    QCOMPARE(candidates.size(), std::size_t{2});
    QVERIFY(candidates[0].starts_with("/opt/rc/bin/"));
    QVERIFY(candidates[0].ends_with("/reelcase/reelcase-commands"));
    QCOMPARE(candidates[1], std::string("/opt/rc/bin/reelcase-commands"));
}

// A word that is no command opens the window only when it names a catalogue: a name that is
// there, ends in .rcb or holds a folder. Anything else is refused with the usage, so that a
// mistyped command never starts the window.
void CommandLineTest::onlyCatalogueNamesOpenTheWindow() {
    const QString folder = path("starter");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/work")));
    const QString program = folder + QStringLiteral("/reelcase");
    QVERIFY(QFile::copy(QStringLiteral(REELCASE_BINARY), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    // The commands refuse what is neither theirs nor the window's.
    QVERIFY(QFile::copy(QStringLiteral(REELCASE_COMMANDS_BINARY),
                        folder + QStringLiteral("/reelcase-commands")));
    const QString window = folder + QStringLiteral("/reelcase-window");
    writeBytes(window,
               "#!/bin/sh\nprintf window\nfor a in \"$@\"; do printf ' [%s]' \"$a\"; done\n");
    QVERIFY(QFile::setPermissions(window, QFile::ReadOwner | QFile::ExeOwner));
    const QString work = folder + QStringLiteral("/work");
    QVERIFY(writeByName(QFile::encodeName(work + "/notes"), "") &&
            writeByName(QFile::encodeName(work + "/list"), ""));
    const auto start = [&](const QList<QByteArray>& args) {
        return runBytes(args, QByteArray(), work, QFile::encodeName(program), true);
    };

    const struct {
        QList<QByteArray> args;
        QByteArray shown;
    } opened[] = {
        {{}, "window"},
        {{"movies.rcb"}, "window [movies.rcb]"},  // not there yet
        {{"OLD.RCB"}, "window [OLD.RCB]"},
        {{"sub/movies"}, "window [sub/movies]"},
        {{"notes"}, "window [notes]"},  // there, whatever its name
        {{"--", "-old"}, "window [--] [-old]"},
        {{"caf\xe9.rcb"}, "window [caf\xe9.rcb]"},
        // Qt's own options, for the window program to hand to Qt.
        {{"-platform", "offscreen", "movies.rcb", "--reverse"},
         "window [-platform] [offscreen] [movies.rcb] [--reverse]"},
        {{"-style", "fusion"}, "window [-style] [fusion]"},
    };
    for (const auto& o : opened) {
        const Run r = start(o.args);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, o.shown);
        QCOMPARE(r.status, 0);
    }

    const struct {
        QList<QByteArray> args;
        const char* err;
    } refused[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'\nUsage: reelcase"},
        {{"EXPORT", "movies.rcb"}, "unknown command 'EXPORT'\nUsage: reelcase"},
        {{"-x"}, "unknown option '-x'\nUsage: reelcase"},
        {{"-platform"}, "unknown option '-platform'\n"},  // its value missing
        {{"movies.rcb", "-style", "fusion", "x.rcb"}, "'x.rcb' is one too many"},
        {{"-"}, "not standard input"},
        {{"--", "-"}, "not standard input"},
        {{"movies.rcb", "frobnicate"}, "'frobnicate' is one too many"},
        {{"--", "a.rcb", "b.rcb"}, "'b.rcb' is one too many"},
        {{"list"}, "list needs one catalogue file"},  // a command, though a file has its name
    };
    for (const auto& r : refused) {
        const Run run = start(r.args);
        QVERIFY2(run.err.contains(r.err), run.err.constData());
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.status, 2);
    }
}

// "-" is standard input wherever a command reads a file, also after "--"; a catalogue is never
// written to a stream.
void CommandLineTest::dashIsStandardInputOrRefused() {
    const QByteArray catalogue = readBytes(catalogue_);
    const Run check = runBytes({"check", "-"}, catalogue);
    QCOMPARE(check.out, QByteArray("3 records, 0 findings\n"));
    QCOMPARE(check.status, 0);
    const Run list = runBytes({"list", "--", "-"}, catalogue);
    QCOMPARE(list.out, QByteArray("Caf\xc3\xa9 Noir\nHarbour Lights\nZebra Crossing\n"));
    const Run csv = runBytes({"export", "-", "--format", "csv", "-o", "-"}, catalogue);
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out,
             run({QStringLiteral("export"), catalogue_, QStringLiteral("--format=csv")}).out);
    const Run damaged = runBytes({"check", "-"}, catalogue + "xyz");
    QCOMPARE(damaged.status, 1);
    QVERIFY2(damaged.out.contains("the file ends 3 bytes into a record"), damaged.out.constData());
    const Run closed = runBytes({"list", "-"}, std::nullopt);
    QCOMPARE(closed.status, 2);
    QCOMPARE(closed.err, QByteArray("reelcase: standard input: Bad file descriptor\n"));

    const QByteArray target = QFile::encodeName(path("from-input.rcb"));
    const Run imported = runBytes({"import", "-", "-o", target}, "Name\nAlien\nBrazil\n");
    QCOMPARE(imported.status, 0);
    QVERIFY(imported.out.startsWith("Movies added: 2\n"));
    QCOMPARE(runBytes({"list", target}).out, QByteArray("Alien\nBrazil\n"));
    const Run noName = runBytes({"import", "-", "-o", target}, "Genre\nDrama\n");
    QCOMPARE(noName.status, 2);
    QCOMPARE(noName.err, QByteArray("reelcase: standard input: no Name column in the first row\n"));

    QVERIFY(writeByName(QFile::encodeName(path("stream.csv")), "Name\nAlien\n"));
    const Run toStream = runBytes({"import", "stream.csv", "-o", "-"}, QByteArray(), dir_.path());
    QCOMPARE(toStream.status, 2);
    QVERIFY2(toStream.err.contains("not to standard output"), toStream.err.constData());
    QCOMPARE(toStream.out, QByteArray());
    QVERIFY(!QFile::exists(path("-")));
}

// A name that is not UTF-8 names that very file when read, written and reported.
void CommandLineTest::namesThatAreNotUtf8KeepTheirBytes() {
    const QByteArray folder = QFile::encodeName(dir_.path());
    const QByteArray bad = folder + "/bad\xffname.rcb";
    const QByteArray exported = folder + "/list\xe9.csv";
    const QByteArray source = folder + "/source\xe9.csv";
    const QByteArray target = folder + "/into\xfc.rcb";
    // QTemporaryDir cannot remove them: it lists the folder through QFile::decodeName.
    const auto removed = qScopeGuard([&] {
        for (const QByteArray& name : {bad, exported, source, target, target + ".bak"}) {
            ::unlink(name.constData());
        }
    });
    QVERIFY(::link(QFile::encodeName(catalogue_).constData(), bad.constData()) == 0);
    const Run check = runBytes({"check", bad});
    QCOMPARE(check.err, QByteArray());
    QCOMPARE(check.out, QByteArray("3 records, 0 findings\n"));

    const Run written = runBytes({"export", bad, "--format", "csv", "-o", exported});
    QCOMPARE(written.status, 0);
    QCOMPARE(readByName(exported),
             run({QStringLiteral("export"), catalogue_, QStringLiteral("--format=csv")}).out);
    QVERIFY(!QFile::exists(path("list\uFFFD.csv")));

    QVERIFY(writeByName(source, "Name\nAlien\n"));
    for (int round = 0; round < 2; ++round) {
        const Run imported = runBytes({"import", source, "-o", target});
        QCOMPARE(imported.err, QByteArray());
        QCOMPARE(imported.status, 0);
        QVERIFY(writeByName(source, "Name\nBrazil\n"));
    }
    QCOMPARE(runBytes({"list", target}).out, QByteArray("Alien\nBrazil\n"));
    QCOMPARE(readByName(target + ".bak").size(), 272);  // the previous version, beside it

    const Run missing = runBytes({"list", folder + "/gone\xff.rcb"});
    QCOMPARE(missing.status, 2);
    QCOMPARE(missing.err, "reelcase: " + folder + "/gone\xff.rcb: No such file or directory\n");
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "careful_files/FileNames.h"
#include "main_window/MainWindowLogic.h"
#include "settings/SettingsStore.h"
#include "settings/StoredSettings.h"
#include "support/FakeUserDialogs.h"
#include "support/MemoryRegistryBackend.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;
using Kind = FakeUserDialogs::Kind;

namespace {

const QString kKey = QStringLiteral("SOFTWARE\\Reel-Case");
const QString kAsk = QStringLiteral("Ask_Before_Quiting");
const QString kLast = QStringLiteral("Open_Last_File");
const QString kProgram = QStringLiteral("/opt/My Movies/reel case");
const GeneralSettings kAllTicked{true, true, true, true};

struct Program {
    explicit Program(RegistryBackend& settings) : doubles(catalogue, &settings) {}
    Catalogue catalogue;
    TestSeams doubles;
    FakeUserDialogs& dialogs = doubles.dialogs;
    MainWindowLogic logic{catalogue, doubles.seams()};
};

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString catalogueFile(const char* name) {
        const QString path = dir_.filePath(QLatin1String(name));
        writeBytes(path, recordBytes(Movie{"Alien"}) + recordBytes(Movie{"Brazil"}));
        return path;
    }

  private Q_SLOTS:
    void firstRunHasNoKeys() {
        MemoryRegistryBackend store;
        FakeUserDialogs dialogs;
        QVERIFY(lastFileToReopen(store, dialogs).isEmpty());
        QVERIFY(asksBeforeQuitting(store, dialogs));
        QCOMPARE(readGeneralSettings(store, dialogs), GeneralSettings{});
        rememberLastFile(store, dialogs, QStringLiteral("/x.rcb"));
        QVERIFY(!store.tree(Root::LocalMachine).hasKey(kKey));  // never created by closing
        QCOMPARE(store.saves, 0);
    }

    void allTickedWithoutFileThenReopenAfterExit() {
        MemoryRegistryBackend store;
        FakeUserDialogs dialogs;
        QVERIFY(saveGeneralSettings(store, kAllTicked, {}, kProgram));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast), QStringLiteral("."));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kAsk), QStringLiteral("1"));
        QCOMPARE(readGeneralSettings(store, dialogs), kAllTicked);

        {
            Program first(store);
            first.logic.files.FormCreate({});
            // "." opens nothing and says nothing.
            QCOMPARE(first.catalogue.movieCount(), 0);
            QVERIFY(first.catalogue.currentFileName().isEmpty());
            QVERIFY(first.dialogs.shown.empty());
            first.dialogs.fileAnswers.push_back(catalogueFile("last.rcb"));
            first.logic.files.openCatalogue();
            first.dialogs.confirmAnswers.push_back(false);  // cancel the exit
            QVERIFY(!first.logic.files.FormCloseQuery());
            QCOMPARE(first.dialogs.shown.back().text,
                     QStringLiteral("Do You Really Want To Exit!"));
        }
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast),
                 dir_.filePath(QStringLiteral("last.rcb")));

        Program second(store);
        second.logic.files.FormCreate({});
        QCOMPARE(second.catalogue.movieCount(), 2);
        QCOMPARE(second.catalogue.currentFileName(), dir_.filePath(QStringLiteral("last.rcb")));

        // A file argument wins over the setting.
        Program third(store);
        const QString other = catalogueFile("other.rcb");
        third.logic.files.FormCreate(other);
        QCOMPARE(third.catalogue.currentFileName(), other);
    }

    void optionOffIsNeverRewrittenAndAskFollowsExactZero() {
        MemoryRegistryBackend store;
        FakeUserDialogs dialogs;
        QVERIFY(saveGeneralSettings(store, {true, false, false, true}, QStringLiteral("/a.rcb"),
                                    kProgram));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast), QString());
        QCOMPARE(store.text(Root::LocalMachine, kKey, kAsk), QStringLiteral("0"));
        rememberLastFile(store, dialogs, QStringLiteral("/b.rcb"));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast), QString());
        QVERIFY(!asksBeforeQuitting(store, dialogs));

        SettingsStore handle(store);
        handle.openKey(kKey, false);
        handle.writeText(kAsk, QStringLiteral("yes"));
        QVERIFY(asksBeforeQuitting(store, dialogs));
        QVERIFY(!readGeneralSettings(store, dialogs).askBeforeQuitting);
        QVERIFY(dialogs.shown.empty());
    }

    void associationIsWrittenQuotedAndRemoved() {
        MemoryRegistryBackend store;
        FakeUserDialogs dialogs;
        QVERIFY(saveGeneralSettings(store, kAllTicked, {}, kProgram));
        const KeyTree classes = store.tree(Root::ClassesRoot);
        QCOMPARE(classes.value(QStringLiteral(".rcb"), {})->data, QStringLiteral("Reel-Case.File"));
        QCOMPARE(classes.value(QStringLiteral("Reel-Case.File"), {})->data,
                 QStringLiteral("Reel-Case Database File"));
        QCOMPARE(classes.value(QStringLiteral("Reel-Case.File\\DefaultIcon"), {})->data,
                 kProgram + QStringLiteral(",0"));
        QCOMPARE(classes.value(QStringLiteral("Reel-Case.File\\shell\\open\\command"), {})->data,
                 QStringLiteral("\"/opt/My Movies/reel case\" \"%1\""));

        // ".rcb" removed by hand: the box still shows the association.
        SettingsStore handle(store);
        handle.setRoot(Root::ClassesRoot);
        QVERIFY(handle.deleteKey(QStringLiteral("\\.rcb")));
        QVERIFY(readGeneralSettings(store, dialogs).associateFiles);

        QVERIFY(saveGeneralSettings(store, {true, true, true, false}, {}, kProgram));
        QVERIFY(!store.tree(Root::ClassesRoot).hasKey(QStringLiteral("Reel-Case.File")));
        QVERIFY(
            !store.tree(Root::ClassesRoot).hasKey(QStringLiteral("Reel-Case.File\\DefaultIcon")));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kAsk), QStringLiteral("1"));

        QVERIFY(saveGeneralSettings(store, kAllTicked, {}, kProgram));
        QVERIFY(saveGeneralSettings(store, {false, true, true, true}, {}, kProgram));
        QVERIFY(!store.tree(Root::LocalMachine).hasKey(kKey));
        QVERIFY(!store.tree(Root::ClassesRoot).hasKey(QStringLiteral(".rcb")));
        QVERIFY(!store.tree(Root::ClassesRoot).hasKey(QStringLiteral("Reel-Case.File")));
    }

    void failuresAndForeignValues() {
        MemoryRegistryBackend store;
        FakeUserDialogs dialogs;
        store.savesBeforeFailure = 2;  // the key and the first value, then refusal
        QVERIFY(!saveGeneralSettings(store, kAllTicked, {}, kProgram));
        QCOMPARE(store.text(Root::LocalMachine, kKey, kAsk), QStringLiteral("1"));  // stays
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast), QStringLiteral("<absent>"));

        store.refuseAccess = true;  // a store that can't be opened reads as absent
        QVERIFY(!saveGeneralSettings(store, kAllTicked, {}, kProgram));
        QCOMPARE(readGeneralSettings(store, dialogs), GeneralSettings{});
        QVERIFY(asksBeforeQuitting(store, dialogs));

        MemoryRegistryBackend foreign;
        foreign.files[Root::LocalMachine] =
            "[SOFTWARE\\Reel-Case]\n\"Open_Last_File\"=dword:00000001\n\"Ask_Before_Quiting\"="
            "\"0\"\n";
        QVERIFY(lastFileToReopen(foreign, dialogs).isEmpty());
        QCOMPARE(dialogs.errors(),
                 QStringList{QStringLiteral("Invalid data type for 'Open_Last_File'")});
        QVERIFY(lastFileToReopenQuietly(foreign).isEmpty());  // and says nothing
        QCOMPARE(dialogs.errors().size(), 1);
        QVERIFY(!asksBeforeQuitting(foreign, dialogs));
    }

    void closeQueryPaths() {
        MemoryRegistryBackend store;
        QVERIFY(saveGeneralSettings(store, kAllTicked, {}, kProgram));
        Program p(store);
        p.logic.files.FormCreate(catalogueFile("close.rcb"));
        markEdited(p.catalogue);

        // Cancel at the save question: the window stays, the last file is remembered anyway.
        p.dialogs.cancelAnswers = {Answer::Cancel, Answer::Yes, Answer::No};
        QVERIFY(!p.logic.files.FormCloseQuery());
        QCOMPARE(store.text(Root::LocalMachine, kKey, kLast),
                 dir_.filePath(QStringLiteral("close.rcb")));
        // Yes, then the save falls back to Save As, which is cancelled: the window stays.
        p.catalogue.forgetCurrentFileName();
        p.dialogs.fileAnswers.push_back(std::nullopt);
        QVERIFY(!p.logic.files.FormCloseQuery());
        // No closes at once, without the quit question.
        p.dialogs.clear();
        QVERIFY(p.logic.files.FormCloseQuery());
        QCOMPARE(p.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(p.dialogs.shown.at(0).text, QStringLiteral("Exiting, Do You Want To Save First!"));

        // Unsaved changes but an empty list: straight to the quit question.
        p.logic.finding.filterChanged(FilterBox::Genre, 4);  // no horror here
        p.dialogs.clear();
        p.dialogs.confirmAnswers.push_back(true);
        QVERIFY(p.logic.files.FormCloseQuery());
        QCOMPARE(p.dialogs.shown.at(0).kind, Kind::Confirm);
        QCOMPARE(p.dialogs.unexpected, 0);
    }

    void fileStoreIsReadableAndSurvivesReopening() {
        QTemporaryDir config;
        FileRegistryBackend backend(config.path());
        // Quotes and a backslash before an n, which is no line break.
        const QString last = QStringLiteral("/m/a \"b\"\\n.rcb");
        QVERIFY(saveGeneralSettings(backend, kAllTicked, last, kProgram));
        QFile file(backend.fileOf(Root::LocalMachine));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[SOFTWARE\\Reel-Case]"));
        QVERIFY(text.contains("\"Open_Last_File\"=\"/m/a \\\"b\\\"\\\\n.rcb\""));
        FakeUserDialogs dialogs;
        FileRegistryBackend again(config.path());
        QCOMPARE(lastFileToReopen(again, dialogs), last);
        QCOMPARE(readGeneralSettings(again, dialogs), kAllTicked);

        // A store the user may not write cannot be opened at all: full access or nothing.
        QVERIFY(::chmod(QFile::encodeName(backend.fileOf(Root::LocalMachine)).constData(), 0444) ==
                0);
        if (::geteuid() != 0) {
            QCOMPARE(readGeneralSettings(again, dialogs), GeneralSettings{});
            QVERIFY(!saveGeneralSettings(again, kAllTicked, {}, kProgram));
        }
    }

    // A catalogue whose name is not UTF-8 is reopened by that name, not by one like it.
    void lastFileKeepsItsBytes() {
        QTemporaryDir config;
        FileRegistryBackend backend(config.path());
        const QString last = fileNameFromBytes("/m/caf\xe9.rcb");
        QVERIFY(saveGeneralSettings(backend, kAllTicked, last, kProgram));
        QVERIFY(readBytes(backend.fileOf(Root::LocalMachine))
                    .contains("\"Open_Last_File\"=\"/m/caf\xe9.rcb\"\n"));
        FakeUserDialogs dialogs;
        FileRegistryBackend again(config.path());
        QCOMPARE(lastFileToReopen(again, dialogs), last);
    }

    void handWrittenLinesSurviveARewrite() {
        QTemporaryDir config;
        FileRegistryBackend backend(config.path());
        const QList<QByteArray> own{"; my own notes", "; quitting stays quiet",
                                    "a line the reader does not understand", "\"Colour\"=\"blue\""};
        writeBytes(backend.fileOf(Root::LocalMachine),
                   "; my own notes\n\n[SOFTWARE\\Reel-Case]\n; quitting stays quiet\n"
                   "\"Ask_Before_Quiting\"=\"0\"\na line the reader does not understand\n\n"
                   "[SOFTWARE\\Other]\n\"Colour\"=\"blue\"\n"
                   "\"Broken\"=\"no closing quote\\\r\r\r\n");
        QByteArray previous;
        for (int save = 0; save < 2; ++save) {
            QVERIFY(saveGeneralSettings(backend, kAllTicked, QStringLiteral("/m/x.rcb"), kProgram));
            const QByteArray text = readBytes(backend.fileOf(Root::LocalMachine));
            for (const QByteArray& line : own) {
                QVERIFY2(text.count(line + '\n') == 1, text.constData());
            }
            QVERIFY(text.contains("\"Ask_Before_Quiting\"=\"1\""));
            // Nothing new to write, nothing changed: not even the returns ending a line.
            if (save > 0) {
                QCOMPARE(text, previous);
            }
            previous = text;
        }
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "look/ui/ClassicLook.h"
#include "main_window/ReelcaseProgram.h"
#include "settings/StoredSettings.h"
#include "settings/ui/untReelcasePreferences.h"
#include "support/FakeUserDialogs.h"
#include "support/MemoryRegistryBackend.h"
#include "support/ModalDriver.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

struct Program {
    Catalogue catalogue;
    TestSeams doubles{catalogue};
    FakeUserDialogs& dialogs = doubles.dialogs;
    MemoryRegistryBackend& settings = doubles.settings;
    AppearanceChoices choices;
    MainWindowLogic logic{catalogue, doubles.seams()};
    TfrmMain frmMain{logic, choices, doubles.windowSeams()};
    // The main window's own preferences window.
    TfrmPreferences& frmPreferences = frmMain.preferencesWindow();
    Program() { frmMain.FormCreate({}); }
    template <typename T>
    T* pref(const char* name) {
        return frmPreferences.findChild<T*>(QLatin1String(name));
    }
    QImage background() {
        return frmMain.findChild<QLabel*>(QStringLiteral("imgBackground"))->pixmap().toImage();
    }
    QImage preview() { return pref<QLabel>("Image11")->pixmap().toImage(); }
    // Opens the preferences, lets action work in them, and returns whether they were accepted
    // by the button action pressed.
    void withPreferences(const std::function<void()>& action) {
        const ModalDriver driver = whenModalOpens([action](QWidget*) { action(); });
        frmMain.MenuPreferencesClick();
    }
    void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }
};

}  // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { useDesignedFonts(); }

    void captionsStayInsideTheirGroups() {
        Program p;
        for (const auto* caption : p.frmPreferences.findChildren<QLabel*>()) {
            if (caption->text().isEmpty()) {
                continue;
            }
            const qreal end =
                caption->x() + QFontMetricsF(caption->font()).horizontalAdvance(caption->text());
            QVERIFY2(end <= caption->parentWidget()->width() - 3,
                     qPrintable(caption->text() + QStringLiteral(" ends at %1 of %2")
                                                      .arg(end)
                                                      .arg(caption->parentWidget()->width())));
        }
    }

    void opensInTheMiddleOfTheScreenByKeyboardAndByName() {
        Program p;
        p.frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.frmMain));
        p.frmMain.move(0, 0);  // the user moved it away from the middle
        QTRY_COMPARE(p.frmMain.pos(), QPoint(0, 0));
        QPoint centre;
        QStringList stops;
        QStringList unnamed;
        p.withPreferences([&] {
            centre = p.frmPreferences.frameGeometry().center();
            for (int i = 0; i < 9; ++i) {
                stops << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (QWidget* w : p.frmPreferences.findChildren<QWidget*>()) {
                if ((w->focusPolicy() & Qt::TabFocus) == 0) {
                    continue;
                }
                const QString name =
                    QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                const auto* group = qobject_cast<QGroupBox*>(w->parentWidget());
                if (name.isEmpty() || (group != nullptr && name == group->title())) {
                    unnamed << w->objectName();
                }
            }
            p.click(p.pref<QPushButton>("btnCancel"));
        });
        const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((centre - screenCentre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
        // The three boxes after "Save all the settings" are off: no settings are stored yet.
        QCOMPARE(stops, QStringList({"btnOk", "btnCancel", "SaveSettingsCheckBox", "NoSkinCheckBox",
                                     "lstbxExample", "Button1", "btnOk", "btnCancel",
                                     "SaveSettingsCheckBox"}));
        QCOMPARE(unnamed.join(QLatin1Char(',')), QString());
    }

    void okUntouchedKeepsTheBackgroundAndAppliesTheListFont() {
        Program p;
        const QImage before = p.background();
        bool noSkin = true;
        QImage preview;
        p.withPreferences([&] {
            noSkin = p.pref<QCheckBox>("NoSkinCheckBox")->isChecked();
            preview = p.preview();
            p.click(p.pref<QPushButton>("btnOk"));
        });
        QVERIFY(!noSkin);
        QCOMPARE(preview, before);
        QCOMPARE(p.background(), before);
        const QFont list = p.frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"))->font();
        QCOMPARE(list.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(list.pixelSize(), 11);
        QCOMPARE(p.frmMain.findChild<QPlainTextEdit*>(QStringLiteral("memMovieInfo"))
                     ->font()
                     .pixelSize(),
                 12);
        // First run: no keys, so the general boxes read unticked and disabled.
        QVERIFY(!p.pref<QCheckBox>("SaveSettingsCheckBox")->isChecked());
        QVERIFY(!p.pref<QCheckBox>("AskQuitProgramCheckBox")->isEnabled());
        // OK wrote the unticked state: nothing stored.
        QVERIFY(!p.settings.tree(Root::LocalMachine).hasKey(SettingsKey));
    }

    void noSkinEmptiesTheBackgroundAndUntickingPicksTheFirstSkin() {
        Program p;
        p.withPreferences([&] {
            p.pref<QCheckBox>("NoSkinCheckBox")->setChecked(true);
            QVERIFY(p.preview().isNull());
            p.click(p.pref<QPushButton>("btnOk"));
        });
        QVERIFY(p.choices.SelectedSkin == nullptr);
        QVERIFY(p.background().isNull());
        bool ticked = false;
        p.withPreferences([&] {
            ticked = p.pref<QCheckBox>("NoSkinCheckBox")->isChecked();
            p.pref<QCheckBox>("NoSkinCheckBox")->setChecked(false);
            p.click(p.pref<QPushButton>("btnOk"));
        });
        QVERIFY(ticked);
        QCOMPARE(p.background(), p.frmPreferences.skinPicture(0).toImage());
    }

    void thumbnailThenCancelKeepsEverything() {
        Program p;
        const QPixmap* before = p.choices.SelectedSkin;
        const QImage background = p.background();
        QImage preview;
        p.withPreferences([&] {
            p.click(p.pref<QLabel>("Image9"));
            preview = p.preview();
            p.click(p.pref<QPushButton>("btnCancel"));
        });
        QCOMPARE(preview, p.frmPreferences.skinPicture(8).toImage());
        QCOMPARE(p.choices.SelectedSkin, before);
        QCOMPARE(p.background(), background);

        p.withPreferences([&] {
            p.click(p.pref<QLabel>("Image7"));
            p.click(p.pref<QPushButton>("btnOk"));
        });
        QCOMPARE(p.background(), p.frmPreferences.skinPicture(6).toImage());
    }

    void thumbnailRereadsTheGeneralBoxes() {
        Program p;
        QVERIFY(saveGeneralSettings(p.settings, {true, false, true, false}, {}, {}));
        bool askAfterClick = true;
        bool saveAfterToggle = false;
        p.withPreferences([&] {
            auto* save = p.pref<QCheckBox>("SaveSettingsCheckBox");
            auto* ask = p.pref<QCheckBox>("AskQuitProgramCheckBox");
            QVERIFY(save->isChecked() && !ask->isChecked() && ask->isEnabled());
            ask->setChecked(true);
            p.click(p.pref<QLabel>("Image3"));
            askAfterClick = ask->isChecked();
            save->setChecked(false);
            save->setChecked(true);  // all three come back ticked and enabled
            saveAfterToggle =
                ask->isChecked() && p.pref<QCheckBox>("AssociateFilesCheckBox")->isChecked();
            p.click(p.pref<QPushButton>("btnCancel"));
        });
        QVERIFY(!askAfterClick);
        QVERIFY(saveAfterToggle);
        QCOMPARE(
            p.settings.text(Root::LocalMachine, SettingsKey, QStringLiteral("Ask_Before_Quiting")),
            QStringLiteral("0"));  // Cancel saved nothing
    }

    void fontChosenEarlierSurvivesACancel() {
        Program p;
        p.dialogs.fontAnswers.push_back([](QFont& f) {
            f.setFamily(QStringLiteral("Courier New"));
            f.setPointSize(14);
            return true;
        });
        p.withPreferences([&] {
            p.click(p.pref<QPushButton>("Button1"));
            p.click(p.pref<QPushButton>("btnCancel"));
        });
        auto* list = p.frmMain.findChild<QListView*>(QStringLiteral("lbxMovie"));
        QCOMPARE(list->font().family(), QStringLiteral("Times New Roman"));
        p.withPreferences([&] { p.click(p.pref<QPushButton>("btnOk")); });
        QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(list->font().pointSize(), 14);
    }

    void failedSaveStillAccepts() {
        Program p;
        p.settings.refuseAccess = true;
        p.withPreferences([&] {
            p.pref<QCheckBox>("SaveSettingsCheckBox")->setChecked(true);
            p.pref<QCheckBox>("NoSkinCheckBox")->setChecked(true);
            p.click(p.pref<QPushButton>("btnOk"));
        });
        QCOMPARE(
            p.dialogs.texts(),
            QStringList{QStringLiteral("There went something wrong with writing to the register")});
        QVERIFY(p.background().isNull());  // the skin was applied all the same
        // The settings were not written: the desktop is not told to open catalogues with us.
        QVERIFY(p.doubles.fileTypes.calls.empty());
    }

    // The desktop's side of the association is written as a part of the settings: a failure
    // there is the same failure to the user, and the window still closes as accepted.
    void associationFollowsTheBoxesAndItsFailureIsReported() {
        Program p;
        const auto accept = [&p](bool associate) {
            p.withPreferences([&] {
                p.pref<QCheckBox>("SaveSettingsCheckBox")->setChecked(true);
                p.pref<QCheckBox>("AssociateFilesCheckBox")->setChecked(associate);
                p.click(p.pref<QPushButton>("btnOk"));
            });
        };
        accept(true);
        accept(false);
        QCOMPARE(p.doubles.fileTypes.calls,
                 (std::vector<QString>{QStringLiteral("register /usr/bin/reelcase"),
                                       QStringLiteral("unregister")}));
        QVERIFY(p.dialogs.texts().isEmpty());

        p.doubles.fileTypes.fails = true;
        accept(true);
        QCOMPARE(
            p.dialogs.texts(),
            QStringList{QStringLiteral("There went something wrong with writing to the register")});
        QVERIFY(!p.frmPreferences.isVisible());
    }
};

QTEST_MAIN(PreferencesTest)
#include "test_preferences.moc"

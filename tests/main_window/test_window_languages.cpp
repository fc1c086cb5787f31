// The windows in German and French, through the same translations main() installs, and the
// English texts unchanged without them. What is stored or written stays English in every
// language.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QGroupBox>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/ReelcaseProgram.h"
#include "platform/UserLanguage.h"
#include "platform/ui/QtUserDialogs.h"
#include "statistics/StatisticsText.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"
#include "support/Records.h"
#include "support/TestSeams.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

}  // namespace

class WindowLanguagesTest : public QObject {
    Q_OBJECT

    struct Window {
        Catalogue catalogue;
        TestSeams doubles{catalogue};
        FakeUserDialogs& dialogs = doubles.dialogs;
        MainWindowLogic logic{catalogue, doubles.seams()};
        AppearanceChoices choices;
        TfrmMain frmMain{logic, choices, doubles.windowSeams()};

        Window() {
            appendMovie(catalogue, {"Alien", "SF", "DVD", "Nice", "Space", 117, 4, 700});
            appendMovie(catalogue, {"Brazil"});
            frmMain.FormCreate({});
            logic.state.RefreshMovieList();
        }
        template <typename T>
        T* control(const char* name) {
            return frmMain.findChild<T*>(QLatin1String(name));
        }
        QStringList menus() const {
            QStringList titles;
            for (const QAction* menu : frmMain.menuBar()->actions()) {
                titles << menu->text();
            }
            return titles;
        }
        QStringList details() {
            control<QListView>("lbxMovie")
                ->setCurrentIndex(control<QListView>("lbxMovie")->model()->index(0, 0));
            return control<QPlainTextEdit>("memMovieInfo")->toPlainText().split(QLatin1Char('\n'));
        }
        // Saves the catalogue and exports the list as CSV into dir; the files' bytes.
        QByteArray saveAndExport(const QString& dir) {
            const QString catalogueFile = dir + QStringLiteral("/movies.rcb");
            const QString csvFile = dir + QStringLiteral("/movies.csv");
            dialogs.fileAnswers = {catalogueFile, csvFile};
            control<QAction>("MenuSaveAsDatabase")->trigger();
            control<QAction>("MenuExportCsv")->trigger();
            return readBytes(catalogueFile) + readBytes(csvFile);
        }
    };

  private Q_SLOTS:
    void germanWindowAndCommands() {
        const UserLanguage language(kGerman);
        QVERIFY(language.translated());
        Window w;
        QCOMPARE(w.menus(),
                 (QStringList{"&Datei", "&Bearbeiten", "Filmdatenbank", "Filmliste", "Hilfe"}));
        QCOMPARE(w.control<QAction>("MenuSaveAsDatabase")->text(),
                 QStringLiteral("Speichern &unter..."));
        QCOMPARE(w.control<QPushButton>("btnSearch")->text(), QStringLiteral("Suchen"));
        QCOMPARE(w.control<QPushButton>("btnClearSearch")->text(), QStringLiteral("Leeren"));

        // The genres shown are the stored ones; the filter goes by them in any language.
        auto* genre = w.control<QComboBox>("comboGenreList");
        QCOMPARE(genre->itemText(6), QStringLiteral("SF"));
        QCOMPARE(genre->itemText(genre->count() - 1), QStringLiteral("Alle Genres"));
        genre->setCurrentIndex(6);
        Q_EMIT genre->activated(6);
        QCOMPARE(w.control<QListView>("lbxMovie")->model()->rowCount(), 1);

        // Labels translated and still in their column; the record's values as stored.
        const QStringList details = w.details();
        QCOMPARE(details.mid(0, 8), (QStringList{"    Film: Alien", "   Länge: 117 Minuten",
                                                 "  Format: DVD", "   Genre: SF", "Qualität: 4/5",
                                                 " Wertung: Nice", "   Größe: 700 MB", ""}));
        QCOMPARE(details.at(8), QStringLiteral("[========= Persönliche Notizen ========]"));
        QCOMPARE(details.at(8).size(), 40);

        // A command's messages through the dialogs, and the undo step it leaves.
        w.dialogs.confirmAnswers = {true};
        w.control<QAction>("MenuDeleteMovie")->trigger();
        QCOMPARE(w.dialogs.shown.at(0).text,
                 QStringLiteral("Möchten Sie den Film „Alien“ wirklich löschen?"));
        QCOMPARE(w.dialogs.texts(), QStringList{"Der Film wurde aus der Datenbank gelöscht."});
        QCOMPARE(w.control<QAction>("MenuUndo")->text(),
                 QStringLiteral("&Rückgängig: „Alien“ löschen"));
        w.control<QAction>("MenuDeleteMovie")->trigger();
        QCOMPARE(w.dialogs.texts().last(),
                 QStringLiteral("Wählen Sie zuerst den Film aus, den Sie löschen möchten!"));
        QCOMPARE(w.dialogs.unexpected, 0);
    }

    // The statistics window's texts come from code the command line shares: translated for
    // the window only, the filter's stored item kept.
    void germanStatistics() {
        const UserLanguage language(kGerman);
        FilterChoice filters;
        filters.rating = 3;  // "Nice"
        QCOMPARE(statisticsWindowTitle(1234, filters),
                 QStringLiteral("Statistik über 1,234 Filme (Bewertung: Nice)"));
        QCOMPARE(statisticsWindowTitle(1, FilterChoice{}), QStringLiteral("Statistik über 1 Film"));
        QCOMPARE(shownStatisticsText("Length of film"), QStringLiteral("Gesamtlänge"));
        QCOMPARE(shownStatisticsText("SF"), QStringLiteral("SF"));
        QCOMPARE(statisticsTitle(1234, filters),
                 std::string("Statistics of 1,234 movies (Rating: Nice)"));
    }

    void frenchWindow() {
        const UserLanguage language(kFrench);
        QVERIFY(language.translated());
        Window w;
        QCOMPARE(w.menus(),
                 (QStringList{"&Fichier", "É&dition", "Base de films", "Liste des films", "Aide"}));
        QCOMPARE(w.control<QAction>("MenuSaveAsDatabase")->text(),
                 QStringLiteral("Enregistrer &sous..."));
        // The panel shows the label's fixed blank before the colon as a plain one.
        QCOMPARE(w.details().at(1), QStringLiteral("  Durée : 117 minutes"));
        QTemporaryDir dir;
        w.saveAndExport(dir.path());
        QCOMPARE(w.dialogs.fileRequests.at(0).filterDescription,
                 QStringLiteral("Fichiers Reelcase (*.rcb)"));
        QCOMPARE(w.dialogs.texts().at(0),
                 QStringLiteral("Les 2 films ont bien été enregistrés\u00a0!"));
    }

    void englishUnchangedAndStoredFilesAlikeInEveryLanguage() {
        QTemporaryDir german;
        QTemporaryDir english;
        QByteArray writtenInGerman;
        {
            const UserLanguage language(kGerman);
            Window w;
            writtenInGerman = w.saveAndExport(german.path());
            QCOMPARE(w.dialogs.texts().at(0),
                     QStringLiteral("Die 2 Filme wurden erfolgreich gespeichert!"));
        }
        // Without a translation (and after the German one is gone) the texts are as written.
        const UserLanguage language(kEnglish);
        QVERIFY(!language.translated());
        Window w;
        QCOMPARE(w.menus(),
                 (QStringList{"&File", "&Edit", "Movie Database", "Movie List", "Help"}));
        QCOMPARE(w.control<QPushButton>("btnSearch")->text(), QStringLiteral("Search"));
        QCOMPARE(w.details().at(0), QStringLiteral("   Movie: Alien"));
        QCOMPARE(w.details().at(8), QStringLiteral("[============ Personal Info ===========]"));
        const QByteArray writtenInEnglish = w.saveAndExport(english.path());
        QCOMPARE(w.dialogs.fileRequests.at(0).filterDescription,
                 QStringLiteral("Reelcase Files (*.rcb)"));
        QCOMPARE(w.dialogs.texts().at(0),
                 QStringLiteral("The 2 MOVIES Are Now Succesfully Saved!"));
        QVERIFY(writtenInEnglish.contains("Name,Genre,Format,Rating,Length,Quality,Size"));
        QCOMPARE(writtenInGerman, writtenInEnglish);
    }

    void germanStandardDialogs() {
        const UserLanguage language(kGerman);
        QtUserDialogs dialogs;
        QString title;
        QStringList buttons;
        {
            const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box != nullptr);
                title = box->windowTitle();
                for (const QAbstractButton* button : box->buttons()) {
                    buttons << button->text();
                }
                QTest::keyClick(modal, Qt::Key_Escape);
            });
            QVERIFY(!dialogs.confirm(QStringLiteral("Wirklich?")));
        }
        QCOMPARE(title, QStringLiteral("Bestätigen"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Ja", "&Nein"}));

        // Qt's own texts come from Qt's translation, where the system has it.
        if (QFontDialog::tr("Effects") == QLatin1String("Effects")) {
            QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
        }
        bool effectsHidden = false;
        bool effectsFound = false;
        QFont font = QApplication::font();
        {
            const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
                for (const QGroupBox* group : modal->findChildren<QGroupBox*>()) {
                    if (group->title() == QLatin1String("Effekte")) {
                        effectsFound = true;
                        effectsHidden = group->isHidden();
                    }
                }
                QTest::keyClick(modal, Qt::Key_Escape);
            });
            QVERIFY(!dialogs.chooseFont(font));
        }
        QVERIFY(effectsFound);
        QVERIFY2(effectsHidden, "the font dialog shows its effects in German");
    }
};

QTEST_MAIN(WindowLanguagesTest)
#include "test_window_languages.moc"

#include <QTest>

#include "editing/WholeNumber.h"
#include "main_window/MainWindowLogic.h"
#include "support/EditingProgram.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

const QString kFillIn =
    QStringLiteral("Please Fill In The Complete Form, Enter Zero If You Don't Know The Info!");
const QString kInvalid = QStringLiteral("Your Input Is Not Valid!");
const QString kExists = QStringLiteral("That Movie Already Exist!");

using Fixture = EditingProgram;

}  // namespace

class MovieEditingTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void wholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("value");
        const auto yes = [](const char* t, int v) {
            QTest::newRow(t) << QString::fromLatin1(t) << true << v;
        };
        const auto no = [](const char* name, const char* t) {
            QTest::newRow(name) << QString::fromLatin1(t) << false << 0;
        };
        yes("0", 0);
        yes("-5", -5);
        yes(" 90", 90);
        yes("+7", 7);
        yes("$5A", 90);
        yes("x1A", 26);
        yes("0X1a", 26);
        yes("$FFFFFFFF", -1);
        yes("-2147483648", -2147483648);
        yes("2147483647", 2147483647);
        yes("007", 7);
        no("trailing blank", "90 ");
        no("decimal point", "1.5");
        no("empty", "");
        no("blanks only", "   ");
        no("too large", "2147483648");
        no("too small", "-2147483649");
        no("hex over 32 bits", "$1FFFFFFFF");
        no("letters after digits", "12a");
        no("sign only", "-");
        no("prefix only", "$");
        no("sign before hex", "-$5");
        no("bad hex digit", "0x1G");
    }
    void wholeNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, value);
        const auto read = readWholeNumber(text.toStdString());
        QCOMPARE(read.has_value(), accepted);
        if (accepted) {
            QCOMPARE(*read, value);
        }
    }

    void addWritesTheSlotInOrderAndListsIt() {
        Fixture f;
        f.add({[](MovieForm& m) {
            m.name = std::string(35, 'n');
            m.personalInfo = "line one\r\nline two";
            m.genre = 6;
            m.quality = 4;
            m.format = 4;
            m.rating = 5;
            m.lengthText = "$5A";
            m.sizeText = "-7";
        }});
        QCOMPARE(f.movieDialog.shownForms.at(0),
                 (MovieForm{"", "", 0, 2, 0, 2, "", ""}));  // the add defaults
        QCOMPARE(f.catalogue.movieCount(), 1);
        const MovieRecord& r = f.catalogue.slot(1);
        QCOMPARE(fieldText(r.Name), std::string_view(std::string(29, 'n')));
        QCOMPARE(fieldText(r.Genre), std::string_view("SF"));
        QCOMPARE(fieldText(r.Format), std::string_view("RM"));
        QCOMPARE(fieldText(r.Rating), std::string_view("Perfect Movie"));
        QCOMPARE(fieldText(r.PersonalInfo), std::string_view("line one\r\nline two"));
        QCOMPARE(r.Quality, 5);
        QCOMPARE(r.Length, 90);
        QCOMPARE(r.Size, -7);
        QCOMPARE(f.entries(), QStringList{QString(29, QLatin1Char('n'))});
        QVERIFY(f.catalogue.unsavedChanges());
        QVERIFY(f.logic.state.takeSearchFocusRequest());

        // A second name that differs only after the 29th character is the same movie.
        f.add({typed(std::string(29, 'n') + "other")});
        QCOMPARE(f.dialogs.texts(), QStringList{kExists});
        QCOMPARE(f.catalogue.movieCount(), 1);
        f.add({typed(std::string(29, 'N'))});  // case differs: another movie
        QCOMPARE(f.catalogue.movieCount(), 2);
    }

    void validationOrderAndMessages() {
        Fixture f;
        f.add({
            [](MovieForm& m) { m.personalInfo = std::string(199, 'x') + "\r\n"; },
            [](MovieForm& m) {
                m.personalInfo = std::string(200, 'x');
                m.genre = -1;
            },
            [](MovieForm& m) { m.genre = 1; },
            [](MovieForm& m) { m.name = "  "; },
            [](MovieForm& m) {
                m.lengthText = "90 ";
                m.sizeText = "5";
            },
            [](MovieForm& m) {
                m.lengthText = "90";
                m.sizeText = "1.5";
            },
            [](MovieForm& m) {
                m.lengthText = "";
                m.sizeText = "5";
            },
            [](MovieForm& m) { m.lengthText = "0"; },
        });
        QCOMPARE(
            f.dialogs.texts(),
            (QStringList{QStringLiteral("The Personal Info Must Be Shorter Then 200 Characters"),
                         kFillIn, kFillIn, kFillIn, kInvalid, kInvalid, kFillIn}));
        QCOMPARE(fieldText(f.catalogue.slot(1).Name), std::string_view("  "));
        QCOMPARE(fieldText(f.catalogue.slot(1).PersonalInfo).size(), std::size_t{200});
        QCOMPARE(fieldText(f.catalogue.slot(1).Genre), std::string_view("Thriller"));
    }

    void cancelAndFullTableChangeNothing() {
        Fixture f;
        f.add({typed("Kept")});
        f.add({});  // cancelled
        QCOMPARE(f.catalogue.movieCount(), 1);
        QCOMPARE(f.entries(), QStringList{"Kept"});

        f.catalogue.takeIntoUse(CatalogueCapacity);
        f.dialogs.clear();
        f.add({typed("One too many")});
        QCOMPARE(f.catalogue.movieCount(), CatalogueCapacity);
        QCOMPARE(f.dialogs.texts().size(), 1);
        QVERIFY(f.dialogs.texts().at(0).contains(QStringLiteral("100000")));
        QCOMPARE(f.movieDialog.sessions.size(), std::size_t{1});  // the dialog never opened
    }

    void modifyKeepsThePlaceAndRefusesAnotherMoviesName() {
        Fixture f;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            f.add({typed(name)});
        }
        f.logic.state.selectEntry(f.positionOf("Alpha"));
        f.movieDialog.sessions.push_back({{
            [](MovieForm& m) { m.name = "Gamma"; },  // another movie's name: refused
            [](MovieForm& m) { m.name = "Zulu"; },
        }});
        f.logic.editing.modifySelectedMovie();
        QCOMPARE(f.dialogs.texts(), QStringList{kExists});
        QCOMPARE(f.entries(), (QStringList{"Zulu", "Beta", "Gamma"}));
        QVERIFY(!f.logic.state.list().hasSelection());
        QVERIFY(f.logic.state.details().empty());
        QCOMPARE(f.catalogue.movieCount(), 3);
        QCOMPARE(fieldText(f.catalogue.slot(1).Name), std::string_view("Zulu"));

        // Keeping its own name is fine; the next Add refills the list in order.
        f.logic.state.selectEntry(f.positionOf("Beta"));
        f.movieDialog.sessions.push_back({{[](MovieForm& m) { m.lengthText = "120"; }}});
        f.logic.editing.modifySelectedMovie();
        QCOMPARE(f.catalogue.slot(2).Length, 120);
        f.add({typed("Delta")});
        QCOMPARE(f.entries(), (QStringList{"Beta", "Delta", "Gamma", "Zulu"}));
    }

    void modifyShowsStoredChoices() {
        Fixture f;
        Catalogue& c = f.catalogue;
        appendMovie(c, {"Odd", "Western", "RM", "Perfect Movie", "", 1, 0, 2});
        f.logic.state.RefreshMovieList();
        f.logic.state.selectEntry(0);
        f.movieDialog.sessions.push_back({{[](MovieForm&) {}}});  // OK straight away
        f.logic.editing.modifySelectedMovie();
        const MovieForm& shown = f.movieDialog.shownForms.at(0);
        QCOMPARE(shown.format, 4);
        QCOMPARE(shown.rating, 5);
        QCOMPARE(shown.genre, -1);    // a foreign genre keeps what was shown before: nothing
        QCOMPARE(shown.quality, -1);  // a stored 0 selects no quality
        QCOMPARE(f.dialogs.texts(), QStringList{kFillIn});
        QCOMPARE(fieldText(c.slot(1).Genre), std::string_view("Western"));  // nothing written
        QVERIFY(!c.unsavedChanges());

        f.dialogs.clear();
        f.logic.state.selectEntry(-1);
        f.logic.editing.modifySelectedMovie();
        QCOMPARE(f.dialogs.texts(),
                 QStringList{QStringLiteral("Select a movie before you try to modify!")});
    }

    void deleteLeavesAHoleThatAddDoesNotReuse() {
        Fixture f;
        for (const char* name : {"Alpha", "Beta"}) {
            f.add({typed(name)});
        }
        f.logic.finding.searchByName("");
        QCOMPARE(f.logic.state.searchRows().size(), std::size_t{2});
        f.logic.state.selectEntry(f.positionOf("Alpha"));
        f.dialogs.confirmAnswers = {false, true};
        f.logic.editing.deleteSelectedMovie();
        QCOMPARE(f.entries().size(), 2);
        f.logic.editing.deleteSelectedMovie();
        QCOMPARE(f.dialogs.shown.at(0).text,
                 QStringLiteral("Are you sure you want to Delete the Movie: \"Alpha\""));
        QCOMPARE(f.dialogs.texts(),
                 QStringList{QStringLiteral("The Movie is Succesfully Deleted From The Database")});
        QCOMPARE(f.entries(), QStringList{"Beta"});
        QVERIFY(f.logic.state.searchRows().empty());
        QCOMPARE(f.catalogue.movieCount(), 2);
        QVERIFY(nameOf(f.catalogue.slot(1)).empty());
        QVERIFY(fieldText(f.catalogue.slot(1).Genre).empty());
        QCOMPARE(f.catalogue.slot(1).Length, 90);  // the rest stays
        f.add({typed("Gamma")});
        QCOMPARE(f.catalogue.movieCount(), 3);
        QCOMPARE(fieldText(f.catalogue.slot(3).Name), std::string_view("Gamma"));

        f.dialogs.clear();
        f.logic.editing.deleteSelectedMovie();
        QCOMPARE(f.dialogs.texts(),
                 QStringList{QStringLiteral("Select a movie before you try to delete!")});
    }
};

QTEST_GUILESS_MAIN(MovieEditingTest)
#include "test_movie_editing.moc"

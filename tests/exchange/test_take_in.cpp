#include <QTemporaryDir>
#include <QTest>

#include "catalogue/CatalogueFile.h"
#include "exchange/CollectionImport.h"
#include "folder_add/FolderAdding.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// Two free slots left, one name listed: what comes next meets every rule of taking in.
void nearlyFull(Catalogue& catalogue, MovieList& list) {
    catalogue.takeIntoUse(CatalogueCapacity - 3);
    appendMovie(catalogue, {"Present"});
    list.add("Present");
}

// Offered in this order: listed, new, new (case counts), new past the table, met before,
// new past the table, and the one past the table again.
const std::vector<std::string> kOffered = {"Present", "New One",   "new one", "New Two",
                                           "New One", "New Three", "New Two"};

void compareTail(const Catalogue& catalogue, const MovieList& list) {
    QCOMPARE(catalogue.movieCount(), CatalogueCapacity);
    QCOMPARE(nameOf(catalogue.slot(CatalogueCapacity - 1)), std::string_view("New One"));
    QCOMPARE(nameOf(catalogue.slot(CatalogueCapacity)), std::string_view("new one"));
    QCOMPARE(entriesOf(list), QStringList({"New One", "new one", "Present"}));
}

}  // namespace

class TakeInTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Open, import and add from folder take the same movies in, count the same and leave
    // the same table: the listed record stays, each new name left out is counted once.
    void openImportAndFolderAddKeepOneRule() {
        QTemporaryDir dir;
        const QString file = dir.filePath("offered.rcb");
        std::string bytes;
        std::string csv = "Name\n";
        std::vector<MovieForm> forms;
        for (const std::string& name : kOffered) {
            bytes += recordBytes(Movie{name});
            csv += name + "\n";
            forms.push_back(MovieForm{name, "", 0, 1, 2, 2, "95", "250"});
        }
        writeBytes(file, bytes);

        Catalogue opened;
        MovieList openedList;
        nearlyFull(opened, openedList);
        const OpenOutcome open = readCatalogueFile(file, opened, openedList);
        QCOMPARE(open.error, 0);
        QCOMPARE(open.leftOut, 2LL);
        compareTail(opened, openedList);
        QVERIFY(!opened.unsavedChanges());

        Catalogue imported;
        MovieList importedList;
        nearlyFull(imported, importedList);
        const ImportReport report = importCollection(readCsv(csv), imported, importedList);
        QCOMPARE(report.added, 2);
        QCOMPARE(report.alreadyPresent, 3);  // "Present", and "New One", "New Two" met again
        QCOMPARE(report.leftOut, 2LL);
        compareTail(imported, importedList);
        QVERIFY(imported.unsavedChanges());

        Catalogue added;
        MovieList addedList;
        nearlyFull(added, addedList);
        FakeUserDialogs dialogs;
        const FolderAddOutcome outcome = addFolderMovies(forms, added, addedList, dialogs);
        QCOMPARE(outcome.added, 2);
        QCOMPARE(outcome.alreadyPresent, 2);
        QCOMPARE(outcome.leftOut, 2);
        compareTail(added, addedList);
        QVERIFY(added.unsavedChanges());
        QCOMPARE(added.history().undoStep().text, QString("Add 2 Movies from Folder"));
        QVERIFY(added.undo() != nullptr);
        QCOMPARE(added.movieCount(), CatalogueCapacity - 2);
        QVERIFY(!added.unsavedChanges());
    }

    // An open into an empty catalogue lists a file of our own as it comes; a name that
    // stops rising, and any repeat after it, must still meet the names before it.
    void repeatsAfterTheNamesStopRisingAreDropped() {
        QTemporaryDir dir;
        const QString file = dir.filePath("mixed.rcb");
        std::string bytes;
        for (const char* name : {"Alpha", "Bravo", "Charlie", "Alpha", "Delta", "Bravo", "Echo"}) {
            bytes += recordBytes(Movie{name, "Drama", "DVD", "Nice", name});
        }
        writeBytes(file, bytes);
        Catalogue catalogue;
        MovieList list;
        QCOMPARE(readCatalogueFile(file, catalogue, list).error, 0);
        QCOMPARE(catalogue.movieCount(), 5);
        QCOMPARE(entriesOf(list), QStringList({"Alpha", "Bravo", "Charlie", "Delta", "Echo"}));
        QCOMPARE(nameOf(catalogue.slot(4)), std::string_view("Delta"));
        // The slots the repeats were read into keep nothing of them.
        QCOMPARE(nameOf(catalogue.slot(6)), std::string_view());
        QCOMPARE(nameOf(catalogue.slot(7)), std::string_view());

        // Names gathered unjudged up to the table's end: their repeats give up their slots
        // before any name past the end is left out.
        bytes.clear();
        for (const char* name : {"Bravo", "Alpha", "Alpha", "Charlie", "Delta", "Echo", "Alpha"}) {
            bytes += recordBytes(Movie{name});
        }
        writeBytes(file, bytes);
        Catalogue full;
        MovieList fullList;
        full.takeIntoUse(CatalogueCapacity - 3);
        const OpenOutcome outcome = readCatalogueFile(file, full, fullList);
        QCOMPARE(outcome.error, 0);
        QCOMPARE(outcome.leftOut, 2LL);
        QCOMPARE(entriesOf(fullList), QStringList({"Alpha", "Bravo", "Charlie"}));
        QCOMPARE(nameOf(full.slot(CatalogueCapacity - 2)), std::string_view("Bravo"));
        QCOMPARE(nameOf(full.slot(CatalogueCapacity - 1)), std::string_view("Alpha"));
        QCOMPARE(nameOf(full.slot(CatalogueCapacity)), std::string_view("Charlie"));
    }
};

QTEST_GUILESS_MAIN(TakeInTest)
#include "test_take_in.moc"

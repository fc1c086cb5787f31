// Undo and redo of every change to the catalogue: exact bytes, counts, current file, the
// unsaved flag, and the list as a refresh would show it.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/CatalogueFile.h"
#include "support/EditingProgram.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// The table as far as any command of a test reached, with the count and the current file.
struct TableState {
    std::string slots;
    int count = 0;
    QString file;
    bool operator==(const TableState&) const = default;
};

TableState stateOf(const Catalogue& catalogue, int reach) {
    TableState state;
    for (int n = 1; n <= reach; ++n) {
        state.slots += recordBytes(catalogue.slot(n));
    }
    state.count = catalogue.movieCount();
    state.file = catalogue.currentFileName();
    return state;
}

// The list as a refresh would fill it.
QStringList refreshed(EditingProgram& p) {
    MovieList list;
    for (int n = 1; n <= p.catalogue.movieCount(); ++n) {
        if (!nameOf(p.catalogue.slot(n)).empty()) {
            list.add(nameOf(p.catalogue.slot(n)));
        }
    }
    return entriesOf(list);
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

    // The bytes a save would write now.
    static std::string savedBytes(EditingProgram& p) {
        if (p.logic.state.list().empty()) {
            return {};
        }
        p.logic.state.RefreshMovieList();
        return catalogueFileBytes(p.catalogue, p.logic.state.list());
    }

  private Q_SLOTS:
    void eachCommandIsOneNamedStep() {
        const QString family = path(QStringLiteral("family.rcb"));
        writeBytes(family, numberedMovies(3, "Family "));
        EditingProgram p;
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo"));
        p.add({typed("Alien")});
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Add \"Alien\""));
        p.dialogs.fileAnswers.push_back(family);
        p.logic.files.openCatalogue();
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Open \"family.rcb\""));
        p.logic.state.selectEntry(p.positionOf("Alien"));
        p.dialogs.confirmAnswers = {true};
        p.logic.editing.deleteSelectedMovie();
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Delete \"Alien\""));

        // The hole comes back as the movie, in the list as a refresh shows it.
        p.logic.finding.filterChanged(FilterBox::Genre, 3);
        p.logic.undo.undoStep();
        QCOMPARE(p.entries(), (QStringList{"Alien", "Family 0", "Family 1", "Family 2"}));
        QCOMPARE(p.logic.state.filters(), FilterChoice{});
        QVERIFY(p.logic.state.details().empty());
        QCOMPARE(p.logic.undo.redoCaption(), QStringLiteral("&Redo Delete \"Alien\""));
        p.logic.undo.undoStep();  // the open: the merge and the current file it set
        QCOMPARE(p.entries(), QStringList{"Alien"});
        QVERIFY(p.catalogue.currentFileName().isEmpty());
        for (int n = 2; n <= 4; ++n) {  // the slots it filled are as they were: never used
            QVERIFY(recordBytes(p.catalogue.slot(n)) == std::string(RecordSize, '\0'));
        }
        p.logic.undo.redoStep();
        QCOMPARE(p.catalogue.currentFileName(), family);
        QCOMPARE(p.catalogue.movieCount(), 4);

        // New answered Yes by mistake.
        p.dialogs.confirmAnswers = {true};
        p.logic.files.startNewCatalogue();
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo New"));
        p.logic.undo.undoStep();
        QCOMPARE(p.entries(), (QStringList{"Alien", "Family 0", "Family 1", "Family 2"}));
        QCOMPARE(p.catalogue.currentFileName(), family);
        // A new step drops what could be redone.
        p.add({typed("Brazil")});
        QCOMPARE(p.logic.undo.redoCaption(), QStringLiteral("&Redo"));

        // Opening the current file again adds nothing: no step to undo.
        p.logic.files.saveCatalogue();
        const std::uint64_t saved = p.catalogue.history().position();
        p.dialogs.fileAnswers.push_back(family);
        p.logic.files.openCatalogue();
        QCOMPARE(p.catalogue.history().position(), saved);
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Add \"Brazil\""));
        // Nor does a Modify confirmed without a change.
        p.logic.state.selectEntry(p.positionOf("Brazil"));
        p.movieDialog.sessions.push_back({{[](MovieForm&) {}}});
        p.logic.editing.modifySelectedMovie();
        QCOMPARE(p.movieDialog.requests.size(), std::size_t{3});
        QCOMPARE(p.catalogue.history().position(), saved);
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Add \"Brazil\""));
        QCOMPARE(p.dialogs.unexpected, 0);
    }

    void unsavedFlagFollowsTheSteps() {
        const QString file = path(QStringLiteral("flag.rcb"));
        writeBytes(file, numberedMovies(2, "Saved "));
        EditingProgram p;
        p.logic.files.FormCreate(file);
        QVERIFY(!p.catalogue.unsavedChanges());
        p.add({typed("One")});
        QVERIFY(p.catalogue.unsavedChanges());
        p.logic.undo.undoStep();  // back at the opened state
        QVERIFY(!p.catalogue.unsavedChanges());
        p.dialogs.confirmAnswers = {true};
        QVERIFY(p.logic.files.FormCloseQuery());  // only the quit question: nothing to save
        QCOMPARE(p.dialogs.shown.at(0).text, QStringLiteral("Do You Really Want To Exit!"));
        p.logic.undo.redoStep();
        QVERIFY(p.catalogue.unsavedChanges());
        p.logic.files.saveCatalogue();
        QVERIFY(!p.catalogue.unsavedChanges());
        QCOMPARE(p.logic.undo.undoCaption(), QStringLiteral("&Undo Add \"One\""));  // kept
        p.logic.undo.undoStep();                                                    // past the save
        QVERIFY(p.catalogue.unsavedChanges());
        p.dialogs.clear();
        p.dialogs.cancelAnswers = {Answer::No};
        QVERIFY(p.logic.files.FormCloseQuery());
        QCOMPARE(p.dialogs.shown.at(0).text, QStringLiteral("Exiting, Do You Want To Save First!"));
        p.logic.undo.redoStep();  // back at the saved state
        QVERIFY(!p.catalogue.unsavedChanges());
        // Undoing past the save and taking another step leaves the saved state out of reach.
        p.logic.undo.undoStep();
        p.add({typed("Two")});
        p.logic.undo.undoStep();
        QVERIFY(p.catalogue.unsavedChanges());
    }

    void randomSequencesUndoToTheStartAndRedoToTheEnd() {
        auto* random = QRandomGenerator::global();
        const QString other = path(QStringLiteral("other.rcb"));
        writeBytes(other, numberedMovies(5, "Other ") + numberedMovies(2, "Start "));
        const QString file = path(QStringLiteral("start.rcb"));
        for (int run = 0; run < 1000; ++run) {
            writeBytes(file, numberedMovies(4, "Start "));
            EditingProgram p;
            p.logic.files.FormCreate(file);
            const int reach = 40;
            const TableState start = stateOf(p.catalogue, reach);
            const std::uint64_t startPosition = p.catalogue.history().position();
            const std::string startBytes = savedBytes(p);
            const int steps = 1 + static_cast<int>(random->bounded(12));
            for (int step = 0; step < steps; ++step) {
                const int size = p.logic.state.list().size();
                if (size > 0) {
                    p.logic.state.selectEntry(static_cast<int>(random->bounded(size)));
                }
                switch (random->bounded(7)) {
                    case 0:
                    case 1:
                        // Names equal but for letter case, too.
                        p.add({typed((random->bounded(2) == 0 ? "Added " : "added ") +
                                         std::to_string(random->bounded(9)),
                                     std::to_string(random->bounded(300)))});
                        break;
                    case 2:
                        p.movieDialog.sessions.push_back({{[&](MovieForm& m) {
                            m.name = "Renamed " + std::to_string(random->bounded(9));
                            m.personalInfo = "note";
                        }}});
                        p.logic.editing.modifySelectedMovie();
                        break;
                    case 3:
                        p.dialogs.confirmAnswers.push_back(true);
                        p.logic.editing.deleteSelectedMovie();
                        break;
                    case 4:
                        p.dialogs.fileAnswers.push_back(other);
                        p.logic.files.openCatalogue();
                        break;
                    case 5:
                        p.dialogs.confirmAnswers.push_back(random->bounded(2) == 0);
                        p.logic.files.startNewCatalogue();
                        break;
                    default:
                        if (!p.catalogue.currentFileName().isEmpty() &&
                            !p.logic.state.list().empty()) {
                            p.logic.files.saveCatalogue();
                        }
                        break;
                }
            }
            const TableState end = stateOf(p.catalogue, reach);
            const std::string endBytes = savedBytes(p);
            while (p.catalogue.history().position() > startPosition) {
                p.logic.undo.undoStep();
                QCOMPARE(p.entries(), refreshed(p));
            }
            QVERIFY(stateOf(p.catalogue, reach) == start);
            QVERIFY(savedBytes(p) == startBytes);
            while (p.catalogue.history().canRedo()) {
                p.logic.undo.redoStep();
                QCOMPARE(p.entries(), refreshed(p));
            }
            QVERIFY(stateOf(p.catalogue, reach) == end);
            QVERIFY(savedBytes(p) == endBytes);
            QCOMPARE(p.dialogs.unexpected, 0);
        }
    }

    void historyStaysWithinItsMemoryBound() {
        CatalogueHistory history(100 * 1024);
        for (int i = 0; i < 1000; ++i) {
            CatalogueStep step;
            step.text = QStringLiteral("Delete");
            step.records.resize(2);
            step.changes.push_back({1, 0});
            history.push(std::move(step));
        }
        QVERIFY(history.memoryUsed() <= 100 * 1024);
        QVERIFY(history.stepCount() > 100);
        QCOMPARE(history.position(), std::uint64_t{1000});
        QVERIFY(history.canUndo());
    }

    // A step may grow when undone (an undone open keeps the movies it took in). Past the
    // bound, the steps behind the position go, never the one undone nor any that can be
    // redone.
    void undoneStepsOverTheBoundAreKeptForRedo() {
        constexpr std::size_t kBound = 64 * 1024;
        constexpr int kSteps = 10;
        CatalogueHistory history(kBound);
        for (int i = 0; i < kSteps; ++i) {
            CatalogueStep step;
            step.changes.push_back({i + 1, -1});
            history.push(std::move(step));
        }
        QCOMPARE(history.stepCount(), std::size_t{kSteps});
        int undone = 0;
        while (history.canUndo()) {
            const CatalogueStep& step =
                history.undo([](CatalogueStep& s) { s.records.resize(100); });
            QCOMPARE(step.changes.at(0).slot, kSteps - undone);
            ++undone;
        }
        QVERIFY(history.memoryUsed() > kBound);
        QVERIFY(undone >= 2 && undone < kSteps);
        int redone = 0;
        while (history.canRedo()) {
            QCOMPARE(history.redoStep().changes.at(0).slot, kSteps - undone + redone + 1);
            history.redo([](CatalogueStep&) {});
            ++redone;
        }
        QCOMPARE(redone, undone);
        QCOMPARE(history.position(), std::uint64_t{kSteps});
        QVERIFY(history.memoryUsed() <= kBound);
    }
};

QTEST_GUILESS_MAIN(UndoTest)
#include "test_undo.moc"

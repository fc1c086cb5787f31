// A save streams the catalogue in pieces; what lands on disk must be what writing the whole
// file at once wrote, also when a step of the save fails.
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "catalogue/CatalogueFile.h"
#include "catalogue/SlotChains.h"
#include "support/FailingFileSystem.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

// The file's bytes found the slow, literal way: every list entry, then every slot in use.
std::string scannedBytes(const Catalogue& catalogue, const MovieList& list) {
    std::string bytes;
    for (int i = 0; i < list.size(); ++i) {
        for (int n = 1; n <= catalogue.movieCount(); ++n) {
            if (nameOf(catalogue.slot(n)) == list.at(i)) {
                bytes += recordBytes(catalogue.slot(n));
            }
        }
    }
    return bytes;
}

// Many pieces' worth of movies, with twins (also three apart), holes and an entry that
// names no slot.
void fill(Catalogue& catalogue, MovieList& list, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string name = "Movie " + std::to_string((i * 7919) % count);
        appendMovie(catalogue, {name, i % 2 == 0 ? "Drama" : "Action"});
        if (i % 97 == 0) {
            appendMovie(catalogue, {name, "Horror"});
        }
    }
    for (int n = 5; n <= catalogue.movieCount(); n += 401) {
        catalogue.deleteMovie(n);
    }
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        if (!nameOf(catalogue.slot(n)).empty()) {
            list.add(nameOf(catalogue.slot(n)));
        }
    }
    list.add("Not in the table");
}

struct Result {
    int error = 0;
    int backupError = 0;
    QByteArray file;
    QByteArray backup;
    bool operator==(const Result&) const = default;
};

}  // namespace

class StreamedSaveTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    // Saves over a fresh copy of old at name, one way or the other, with the failure given.
    Result save(const QString& name, const std::string& old, bool linked, bool streamed,
                const Catalogue& catalogue, const MovieList& list, FailingFileSystem calls) {
        const QString file = dir_.filePath(name);
        QFile::remove(file);
        QFile::remove(file + ".bak");
        QFile::remove(file + ".link");
        writeBytes(file, old);
        // A second hard link makes the save write the file in place.
        if (linked && ::link(QFile::encodeName(file).constData(),
                             QFile::encodeName(file + ".link").constData()) != 0) {
            qFatal("no hard link");
        }
        const SaveOutcome outcome = streamed ? saveCatalogueFile(file, catalogue, list, calls)
                                             : saveOverFile(file, scannedBytes(catalogue, list),
                                                            calls, {Backup::KeepPrevious});
        return {outcome.error, outcome.backupError, readBytes(file), readBytes(file + ".bak")};
    }

  private Q_SLOTS:
    void streamHoldsTheScannedBytes() {
        for (const int count : {0, 1, 959, 960, 961, 2500}) {
            Catalogue catalogue;
            MovieList list;
            fill(catalogue, list, count);
            const std::string expected = scannedBytes(catalogue, list);
            QCOMPARE(catalogueFileBytes(catalogue, list) == expected, true);
            const StreamedBytes stream = catalogueFileStream(catalogue, list);
            QCOMPARE(stream.size, expected.size());
            // Pieces stay small, and a refused piece ends the stream with its error.
            std::size_t pieces = 0;
            const int error = stream.produce([&pieces](std::string_view piece) {
                [&] { QVERIFY(piece.size() <= 300'000); }();
                return ++pieces == 2 ? EIO : 0;
            });
            QCOMPARE(error, expected.size() > 261'120 ? EIO : 0);
        }
    }

    // Slots standing in list order, one a name, are walked without a lookup; each near miss
    // (a twin listed twice, a hole, two slots swapped, a list longer than the table) must take
    // the lookup path and still stream what the literal scan finds.
    void slotsInListOrderAndTheirNearMisses() {
        for (const int count : {1, 960, 2500}) {
            for (const int spoil : {0, 1, 2, 3, 4}) {
                Catalogue catalogue;
                MovieList list;
                const auto name = [](int i) {
                    std::string n = std::to_string(i);
                    return "Movie " + std::string(6 - n.size(), '0') + n;
                };
                for (int i = 0; i < count; ++i) {
                    appendMovie(catalogue, {name(i), "Drama"});
                    list.add(name(i));
                }
                const int middle = (count + 1) / 2;
                if (spoil == 1) {
                    appendMovie(catalogue, {name(count - 1), "Horror"});
                    list.add(name(count - 1));
                } else if (spoil == 2) {
                    catalogue.deleteMovie(middle);
                } else if (spoil == 3 && count > 1) {
                    const MovieRecord first = catalogue.slot(1);
                    catalogue.replaceMovie(1, catalogue.slot(2));
                    catalogue.replaceMovie(2, first);
                } else if (spoil == 4) {
                    list.add("Not in the table");
                }
                const std::string expected = scannedBytes(catalogue, list);
                const StreamedBytes stream = catalogueFileStream(catalogue, list);
                QCOMPARE(stream.size, expected.size());
                std::string streamed;
                QCOMPARE(stream.produce([&streamed](std::string_view piece) {
                    streamed.append(piece);
                    return 0;
                }),
                         0);
                QVERIFY2(streamed == expected,
                         qPrintable(QStringLiteral("%1 movies, spoil %2").arg(count).arg(spoil)));
                // A refused piece ends the stream with its error.
                int pieces = 0;
                QCOMPARE(
                    stream.produce([&pieces](std::string_view) { return ++pieces == 2 ? EIO : 0; }),
                    expected.size() > 261'120 ? EIO : 0);
            }
        }
    }

    void chainsFindEverySlotOfAName() {
        Catalogue catalogue;
        appendMovie(catalogue, {"Twin"});
        appendMovie(catalogue, {"Other"});
        appendMovie(catalogue, {"Twin"});
        appendMovie(catalogue, {"twin"});
        appendMovie(catalogue, {"Gone"});
        catalogue.deleteMovie(5);
        const SlotChains chains(catalogue);
        QCOMPARE(chains.first("Twin"), 1);
        QCOMPARE(chains.next(1), 3);
        QCOMPARE(chains.next(3), 0);
        QCOMPARE(chains.first("twin"), 4);
        QCOMPARE(chains.first("Gone"), 0);
        QCOMPARE(chains.first(""), 0);
    }

    // Each failure point of the save, by rename and in place, leaves the same files whichever
    // way the bytes came.
    void failuresLeaveTheSameFiles() {
        using S = FailingFileSystem::Step;
        Catalogue catalogue;
        MovieList list;
        fill(catalogue, list, 1500);  // about 1.6 pieces
        const std::string old = scannedBytes(catalogue, list).substr(0, 50 * RecordSize);
        int compared = 0;
        struct Failure {
            S step;
            int error;
            int write;
            std::size_t limit;  // short writes line the two up: the same call fails alike
        };
        for (const bool linked : {false, true}) {
            for (const Failure& f : std::initializer_list<Failure>{{S::None, 0, 1, 0},
                                                                   {S::Write, ENOSPC, 1, 0},
                                                                   {S::Write, ENOSPC, 3, 100'000},
                                                                   {S::Write, EIO, 40, 100'000},
                                                                   {S::Create, EACCES, 1, 0},
                                                                   {S::Fsync, EIO, 1, 0},
                                                                   {S::Close, EDQUOT, 1, 0},
                                                                   {S::Rename, EXDEV, 1, 0},
                                                                   {S::Link, EPERM, 1, 0}}) {
                FailingFileSystem calls;
                calls.failAt = f.step;
                calls.error = f.error;
                calls.failOnWriteNumber = f.write;
                calls.shortWriteLimit = f.limit;
                const Result whole = save("whole.rcb", old, linked, false, catalogue, list, calls);
                const Result streamed =
                    save("streamed.rcb", old, linked, true, catalogue, list, calls);
                QCOMPARE(streamed.error, whole.error);
                QCOMPARE(streamed.backupError, whole.backupError);
                QCOMPARE(streamed.file == whole.file, true);
                QCOMPARE(streamed.backup == whole.backup, true);
                ++compared;
            }
        }
        qInfo("save outcomes compared: %d", compared);
    }
};

QTEST_GUILESS_MAIN(StreamedSaveTest)
#include "test_streamed_save.moc"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <cerrno>

#include "careful_files/FileErrors.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/NameCollation.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

class CatalogueFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    static QStringList listed(const MovieList& list) {
        QStringList names;
        for (int i = 0; i < list.size(); ++i) {
            names << QString::fromLatin1(list.at(i));
        }
        return names;
    }

  private Q_SLOTS:
    void workedExampleIsExactBytes() {
        const std::string bytes = recordBytes(Movie{"Alien", "SF", "AVI", "Nice", "", 117, 4, 700});
        std::string expected(272, '\0');
        expected.replace(0, 6,
                         "\x05"
                         "Alien");
        expected.replace(30, 3,
                         "\x02"
                         "SF");
        expected.replace(39, 4,
                         "\x03"
                         "AVI");
        expected.replace(43, 5,
                         "\x04"
                         "Nice");
        expected.replace(260, 4, std::string("\x75\x00\x00\x00", 4));
        expected.replace(264, 4, std::string("\x04\x00\x00\x00", 4));
        expected.replace(268, 4, std::string("\xBC\x02\x00\x00", 4));
        QCOMPARE(QByteArray::fromStdString(bytes).toHex(),
                 QByteArray::fromStdString(expected).toHex());
    }

    void textFieldsCutAndKeepTheirTail() {
        MovieRecord r{};
        setFieldText(r.Name, std::string(35, 'x'));
        QCOMPARE(fieldText(r.Name).size(), std::size_t{29});
        setFieldText(r.Name, "Alien");
        QCOMPARE(fieldText(r.Name), std::string_view("Alien"));
        QCOMPARE(r.Name[6], std::uint8_t{'x'});  // old tail stays
        setFieldText(r.PersonalInfo, std::string(200, 'n'));
        QCOMPARE(fieldText(r.PersonalInfo).size(), std::size_t{200});
        r.Genre[0] = 200;  // damaged length byte reads as the field's room
        QCOMPARE(fieldText(r.Genre).size(), std::size_t{8});
    }

    void openMergesByExactName() {
        Catalogue catalogue;
        MovieList list;
        appendMovie(catalogue, {"Alien", "SF"});
        list.add("Alien");
        writeBytes(path("m.rcb"), recordBytes(Movie{"Alien", "Horror"}) +
                                      recordBytes(Movie{"alien"}) + recordBytes(Movie{"Brazil"}) +
                                      recordBytes(Movie{"Brazil", "Comedy"}) +
                                      recordBytes(Movie{""}) + recordBytes(Movie{"", "Anime"}) +
                                      recordBytes(Movie{"Alien "}));
        const OpenOutcome outcome = readCatalogueFile(path("m.rcb"), catalogue, list);
        QCOMPARE(outcome.error, 0);
        // Alien held first keeps its record; one empty name is taken in, the second is not.
        QCOMPARE(catalogue.movieCount(), 5);
        QCOMPARE(fieldText(catalogue.slot(1).Genre), std::string_view("SF"));
        QCOMPARE(fieldText(catalogue.slot(3).Genre), std::string_view("Drama"));  // first Brazil
        QCOMPARE(listed(list), (QStringList{"", "Alien", "alien", "Alien ", "Brazil"}));

        // The same file again adds nothing.
        QCOMPARE(readCatalogueFile(path("m.rcb"), catalogue, list).error, 0);
        QCOMPARE(catalogue.movieCount(), 5);
        QCOMPARE(list.size(), 5);
    }

    // Into an empty list, names that rise in list order are taken without an index until
    // they stop rising: the result must be what the indexed merge gives (checked here by
    // opening the same file beside a movie already listed, which takes the indexed way).
    void risingNamesMergeAsTheIndexedWayDoes() {
        std::vector<std::string> longRun;
        for (int i = 0; i < 3000; ++i) {
            longRun.push_back("Movie " + std::to_string(10000 + i));
        }
        longRun.push_back("Movie 10005");  // a repeat after several reads
        longRun.push_back("Movie 99999");
        // In no order, enough to be sorted by their key bytes: repeats, names equal but for
        // letter case, and names alike in their first 16 key bytes.
        std::vector<std::string> scrambled;
        for (int i = 0; i < 300; ++i) {
            const int k = (i * 73) % 151;
            scrambled.push_back(std::string(k % 3 == 0   ? "the lord of the rings "
                                            : k % 3 == 1 ? "The Lord of the Rings "
                                                         : "Movie ") +
                                std::to_string(k % 50));
        }
        const std::vector<std::vector<std::string>> files = {
            {"A", "B", "C"},
            {"A", "B", "A", "C"},
            {"A", "B", "b", "C", "B"},
            {"", "A", "", "B"},
            {"B", "A", "B"},
            {"Alien", "alien", "Alien"},
            // Alike in the first 16 key bytes.
            {"The Lord of the Rings 1", "The Lord of the Rings 2", "the lord of the rings 2",
             "The Lord of the Rings 3"},
            {"The Lord of the Rings 2", "The Lord of the Rings 1"},
            longRun,
            scrambled};
        for (const auto& names : files) {
            std::string bytes;
            for (std::size_t i = 0; i < names.size(); ++i) {
                bytes += recordBytes(Movie{names[i], i % 2 == 0 ? "Drama" : "SF"});
            }
            writeBytes(path("rising.rcb"), bytes);
            Catalogue plain;
            MovieList plainList;
            QCOMPARE(readCatalogueFile(path("rising.rcb"), plain, plainList).error, 0);
            Catalogue indexed;
            MovieList indexedList;
            appendMovie(indexed, {"~ already listed"});
            indexedList.add("~ already listed");
            QCOMPARE(readCatalogueFile(path("rising.rcb"), indexed, indexedList).error, 0);

            QCOMPARE(plain.movieCount(), indexed.movieCount() - 1);
            for (int n = 1; n <= plain.movieCount(); ++n) {
                QVERIFY(std::memcmp(&plain.slot(n), &indexed.slot(n + 1), RecordSize) == 0);
            }
            QStringList expected = listed(indexedList);
            expected.removeOne(QStringLiteral("~ already listed"));
            QCOMPARE(listed(plainList), expected);

            // Both agree with the rule written out plainly: each name's first time, in a stable
            // sort by the whole key.
            std::vector<std::string> firsts;
            for (const std::string& name : names) {
                if (std::find(firsts.begin(), firsts.end(), name) == firsts.end()) {
                    firsts.push_back(name);
                }
            }
            std::stable_sort(firsts.begin(), firsts.end(), [](const auto& a, const auto& b) {
                return collationKey(a) < collationKey(b);
            });
            QStringList plainly;
            for (const std::string& name : firsts) {
                plainly << QString::fromLatin1(name);
            }
            QCOMPARE(listed(plainList), plainly);
        }
    }

    void openFailuresKeepWholeRecords() {
        Catalogue catalogue;
        MovieList list;
        writeBytes(path("short.rcb"),
                   recordBytes(Movie{"One"}) + recordBytes(Movie{"Two"}) + std::string(100, 'z'));
        const OpenOutcome outcome = readCatalogueFile(path("short.rcb"), catalogue, list);
        QCOMPARE(outcome.error, ReadBeyondEndOfFile);
        QCOMPARE(catalogue.movieCount(), 2);
        QCOMPARE(list.size(), 2);
        QCOMPARE(fileErrorText(outcome.error), QStringLiteral("Read beyond end of file."));

        writeBytes(path("empty.rcb"), "");
        QCOMPARE(readCatalogueFile(path("empty.rcb"), catalogue, list).error, 0);
        QCOMPARE(catalogue.movieCount(), 2);
    }

    void errorTextsFollowTheCause() {
        Catalogue catalogue;
        MovieList list;
        QCOMPARE(fileErrorText(readCatalogueFile(path("missing.rcb"), catalogue, list).error),
                 QStringLiteral("File not found."));
        QCOMPARE(fileErrorText(readCatalogueFile(dir_.path(), catalogue, list).error),
                 QStringLiteral("File access denied."));
        writeBytes(path("plain"), "x");
        QCOMPARE(fileErrorText(
                     readCatalogueFile(path("plain") + QStringLiteral("/in.rcb"), catalogue, list)
                         .error),
                 QStringLiteral("Invalid filename."));
        QCOMPARE(fileErrorText(
                     readCatalogueFile(QString(5000, QLatin1Char('n')), catalogue, list).error),
                 QStringLiteral("Invalid filename."));
        QCOMPARE(fileErrorText(EMFILE), QStringLiteral("Too many open files."));
        QCOMPARE(fileErrorText(ENOSPC), QStringLiteral("Disk full."));
        QCOMPARE(fileErrorText(EIO), QStringLiteral("I/O error 5."));
        QCOMPARE(catalogue.movieCount(), 0);
    }

    void readOnlyFileOpens() {
        Catalogue catalogue;
        MovieList list;
        writeBytes(path("ro.rcb"), recordBytes(Movie{"Kept"}));
        QVERIFY(::chmod(QFile::encodeName(path("ro.rcb")).constData(), 0444) == 0);
        QCOMPARE(readCatalogueFile(path("ro.rcb"), catalogue, list).error, 0);
        QCOMPARE(catalogue.movieCount(), 1);
    }

    void fullTableTakesWhatFits() {
        Catalogue catalogue;
        MovieList list;
        catalogue.takeIntoUse(CatalogueCapacity - 2);
        std::string bytes;
        for (const char* name : {"A", "B", "C", "D", "E"}) {
            bytes += recordBytes(Movie{name});
        }
        writeBytes(path("five.rcb"), bytes);
        const OpenOutcome outcome = readCatalogueFile(path("five.rcb"), catalogue, list);
        QCOMPARE(outcome.error, 0);
        QCOMPARE(outcome.leftOut, 3LL);
        QCOMPARE(catalogue.movieCount(), CatalogueCapacity);
        QCOMPARE(listed(list), (QStringList{"A", "B"}));

        // A file that just fits, but ends in part of a record, says so; one whose names past
        // the room are all listed already loses nothing.
        Catalogue exact;
        MovieList exactList;
        exact.takeIntoUse(CatalogueCapacity - 2);
        writeBytes(path("broken.rcb"), bytes.substr(0, 2 * RecordSize) + "xy");
        OpenOutcome broken = readCatalogueFile(path("broken.rcb"), exact, exactList);
        QCOMPARE(broken.error, ReadBeyondEndOfFile);
        QCOMPARE(broken.leftOut, 0LL);
        QCOMPARE(listed(exactList), (QStringList{"A", "B"}));
        Catalogue repeats;
        MovieList repeatsList;
        repeats.takeIntoUse(CatalogueCapacity - 2);
        writeBytes(path("repeats.rcb"),
                   bytes.substr(0, 2 * RecordSize) + bytes.substr(0, 2 * RecordSize));
        broken = readCatalogueFile(path("repeats.rcb"), repeats, repeatsList);
        QCOMPARE(broken.error, 0);
        QCOMPARE(broken.leftOut, 0LL);

        // The very last free slot is room too.
        Catalogue last;
        MovieList lastList;
        last.takeIntoUse(CatalogueCapacity - 1);
        writeBytes(path("one.rcb"), recordBytes(Movie{"Z"}));
        const OpenOutcome one = readCatalogueFile(path("one.rcb"), last, lastList);
        QCOMPARE(one.error, 0);
        QCOMPARE(one.leftOut, 0LL);
        QCOMPARE(last.movieCount(), CatalogueCapacity);
        QCOMPARE(listed(lastList), QStringList{"Z"});
    }

    void saveWritesListOrderAndOnlyNamedSlots() {
        Catalogue catalogue;
        MovieList list;
        appendMovie(catalogue, {"zulu"});
        appendMovie(catalogue, {"Gone"});
        appendMovie(catalogue, {"Alpha"});
        appendMovie(catalogue, {"Twin", "Action"});
        appendMovie(catalogue, {"Twin", "Horror"});
        catalogue.deleteMovie(2);
        for (int n = 1; n <= catalogue.movieCount(); ++n) {
            if (!nameOf(catalogue.slot(n)).empty()) {
                list.add(nameOf(catalogue.slot(n)));
            }
        }
        const std::string bytes = catalogueFileBytes(catalogue, list);
        // Each Twin entry writes both Twin slots.
        const std::string expected =
            recordBytes(catalogue.slot(3)) + recordBytes(catalogue.slot(4)) +
            recordBytes(catalogue.slot(5)) + recordBytes(catalogue.slot(4)) +
            recordBytes(catalogue.slot(5)) + recordBytes(catalogue.slot(1));
        QCOMPARE(bytes == expected, true);

        QCOMPARE(writeCatalogueFile(path("out.rcb"), catalogue, list, realFileSystem()), 0);
        QCOMPARE(readBytes(path("out.rcb")).toStdString() == expected, true);

        // Reopened into an empty table: no gaps, and Twin once.
        Catalogue again;
        MovieList againList;
        QCOMPARE(readCatalogueFile(path("out.rcb"), again, againList).error, 0);
        QCOMPARE(listed(againList), (QStringList{"Alpha", "Twin", "zulu"}));
        QCOMPARE(fieldText(again.slot(2).Genre), std::string_view("Action"));
    }

    void goldenFileRoundTrip() {
        // Written by an independent script: unsorted in, sorted out, byte for byte.
        const QString data = QStringLiteral(REELCASE_TEST_DATA);
        Catalogue catalogue;
        MovieList list;
        QCOMPARE(readCatalogueFile(data + QStringLiteral("/sample.rcb"), catalogue, list).error, 0);
        QCOMPARE(writeCatalogueFile(path("golden.rcb"), catalogue, list, realFileSystem()), 0);
        QCOMPARE(readBytes(path("golden.rcb")).toHex(),
                 readBytes(data + QStringLiteral("/sample_sorted.rcb")).toHex());
    }
};

QTEST_GUILESS_MAIN(CatalogueFileTest)
#include "test_catalogue_file.moc"

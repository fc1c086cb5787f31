// What an import takes in is what the source holds, or the report says what became of it.
#include <cerrno>

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

#include "catalogue/TextCodec.h"
#include "exchange/ByteTable.h"
#include "exchange/CatalogueCheck.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/CsvFieldCut.h"
#include "exchange/ListExports.h"
#include "seams/BackgroundWork.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

QStringList namesIn(const Catalogue& catalogue) {
    QStringList names;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        names << fromCatalogueText(nameOf(catalogue.slot(n)));
    }
    return names;
}

QString fixture(const char* name) {
    return QStringLiteral(REELCASE_EXCHANGE_DATA "/") + QLatin1String(name);
}

// Every field of every movie, one line each, for comparing two catalogues.
QStringList moviesIn(const Catalogue& catalogue) {
    QStringList movies;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const MovieRecord& r = catalogue.slot(n);
        movies << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                      .arg(fromCatalogueText(nameOf(r)), fromCatalogueText(fieldText(r.Genre)),
                           fromCatalogueText(fieldText(r.Format)),
                           fromCatalogueText(fieldText(r.Rating)),
                           fromCatalogueText(fieldText(r.PersonalInfo))
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n")))
                      .arg(r.Length)
                      .arg(r.Quality)
                      .arg(r.Size);
    }
    return movies;
}

// Cancels the work once a megabyte has been read from it.
class CancelAfterMegabyte : public QBuffer {
  public:
    CancelAfterMegabyte(QByteArray* bytes, WorkProgress& progress)
        : QBuffer(bytes), progress_(progress) {}

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos() > (1 << 20)) {
            progress_.cancel();
        }
        return QBuffer::readData(data, maxSize);
    }

  private:
    WorkProgress& progress_;
};

}  // namespace

class ImportFidelityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Letters the code page lacks are written as plain ones and listed; a name that cannot be
    // stored even so is left out and listed, never kept as "?" nor counted as present, nor
    // stored empty when nothing but control characters made it.
    void namesAreStoredAsPlainLettersOrLeftOut() {
        Catalogue catalogue;
        MovieList list;
        appendMovie(catalogue, {"L\xf3"
                                "dz"});
        list.add(nameOf(catalogue.slot(1)));
        const ImportReport report = importCollection(
            readCsv("Name,Personal Info\n"
                    "\xe6\x9d\xb1\xe4\xba\xac\xe7\x89\xa9\xe8\xaa\x9e,\n"  // 東京物語
                    "\xe4\xb8\x83\xe4\xba\xba\xe3\x81\xae\xe4\xbe\x8d,\n"  // 七人の侍
                    "\xc5\x81\xc3\xb3"
                    "d\xc5\xba,\n"  // Łódź
                    "\xc5\x9a\xc3\xb3"
                    "d\xc5\xba,\xe2\x86\x92 \xe6\x9d\xb1\n"  // Śódź, "→ 東"
                    "Plain,\n"
                    "\x01\x02,\n"),
            catalogue, list);
        QCOMPARE(namesIn(catalogue),
                 (QStringList{QString::fromUtf8("Lódz"), QString::fromUtf8("Sódz"), "Plain"}));
        QCOMPARE(report.added, 2);
        QCOMPARE(report.alreadyPresent, 0);
        QVERIFY(report.hasFindings());
        const QString text = report.text();
        QVERIFY2(text.contains(QString::fromUtf8("Texts changed: 3\n"
                                                 "  line 4: name \"Łódź\" kept as \"Lódz\"\n"
                                                 "  line 5: name \"Śódź\" kept as \"Sódz\"\n"
                                                 "  line 5: note \"→ 東\" kept as \"-> ?\"\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(QString::fromUtf8(
                     "Names not stored: 4\n"
                     "  line 2: \"東京物語\" left out: its characters have no form here\n"
                     "  line 3: \"七人の侍\" left out: its characters have no form here\n"
                     "  line 4: \"Lódz\" left out: its plain form is a name already listed\n"
                     "  line 7: \"\\x01\\x02\" left out: nothing of it is left without its control "
                     "characters\n")),
                 qPrintable(text));
    }

    // One byte of the code page far down a UTF-8 file changes how that line reads only.
    void eachLineIsReadInItsOwnEncoding() {
        std::string csv = "Name\nCaf\xc3\xa9 Society\n";
        for (int i = 0; i < 200; ++i) {
            csv += "Film " + std::to_string(i) + "\n";
        }
        csv += "Caf\xe8 Noir\n";
        const Collection read = readCsv(csv);
        QCOMPARE(read.entries.front().name, QString::fromUtf8("Café Society"));
        QCOMPARE(read.entries.back().name, QString::fromUtf8("Cafè Noir"));
        QCOMPARE(read.encoding,
                 QStringLiteral("UTF-8, and Windows-1252 in 1 line (the first at line 203)"));
        QCOMPARE(readCsv("Name\nCaf\xc3\xa9\n").encoding, QString());
        QCOMPARE(readCsv("Name\nCaf\xe9\n").encoding, QStringLiteral("Windows-1252"));
    }

    // Notes kept as HTML are read as HTML: their text, entities decoded once.
    void htmlNotesGiveTheirText() {
        const std::string xml =
            R"(<?xml version="1.0" encoding="UTF-8"?>
<tellico syntaxVersion="11"><collection title="V" type="3">
 <entry id="1"><title>A</title>
  <comments>5&lt;6 and 7&gt;3&lt;br/&gt;AT&amp;T &amp;amp; co&lt;BR&gt;a &lt; b &gt; c&lt;p&gt;&amp;#233;t&amp;eacute;&lt;/p&gt;</comments>
 </entry>
</collection></tellico>)";
        const Collection read = readTellicoXml(xml);
        QCOMPARE(read.entries.size(), std::size_t{1});
        QCOMPARE(read.entries.front().info,
                 QString::fromUtf8("5<6 and 7>3\r\nAT&T & co\r\na < b > c\r\nét&eacute;"));
    }

    // Another catalogue program's CSV export keeps its mark under "Personal Rating".
    void personalRatingIsTheQualityMark() {
        Catalogue catalogue;
        MovieList list;
        const ImportReport report = importCollection(
            readCsv("Title,Personal Rating,Year\nAlien,4,1979\nBrazil,0,1985\n"), catalogue, list);
        QCOMPARE(report.columnsIgnored, QStringList{"Year"});
        QCOMPARE(catalogue.slot(1).Quality, 4);
        QCOMPARE(catalogue.slot(2).Quality, 0);
    }

    // Files of the shapes other programs write, kept in tests/exchange/data: each is taken
    // in as its program meant it, and what our CSV export makes of it reads back unchanged.
    void otherProgramsFilesRoundTrip() {
        const struct {
            const char* file;
            QStringList movies;
            QString reportHas;
        } cases[] = {
            {"video-collection.tc",
             {"Alien|SF|DVD||Seen in 1980\\r\\n5<6 & AT&T|117|4|0",
              QString::fromUtf8("Lódz Nights|Comedy||||105|2|0"),
              QString::fromUtf8("Le Mépris|Drama|DVD||Capri\\r\\nBardot & Piccoli|103|0|0"),
              "Spirited Away|Fantasy||||125|5|0"},
             QString::fromUtf8("\"七人の侍\" left out")},
            {"catalogue-export.csv",
             {"Alien|SF|||Seen in 1980|117|4|0", "Brazil|Comedy||||132|0|0",
              QString::fromUtf8("Amélie|Comedy|||Paris, \"rouge\" et vert|122|5|0"),
              "Stalker|Drama||||161|3|0"},
             "Values not mapped: 0\nRows not read: 0\nColumns ignored: Original Title, Year\n"},
            {"spreadsheet-1252.csv",
             {QString::fromUtf8("Café Noir|Drama|||Prix: 5€; vu deux fois|95|0|700"),
              QString::fromUtf8("Naïve|||||100|0|0"),
              "=SUM(1+2)|Thriller|||starts like a formula|90|0|650",
              QString::fromUtf8("Ærø|Family||||88|0|600")},
             "Read as: Windows-1252"},
        };
        for (const auto& c : cases) {
            Catalogue catalogue;
            MovieList list;
            const ImportReport report =
                importCollection(readCollectionFile(fixture(c.file)), catalogue, list);
            QVERIFY2(report.text().contains(c.reportHas), qPrintable(report.text()));
            QCOMPARE(moviesIn(catalogue), c.movies);
            Catalogue again;
            MovieList againList;
            const ImportReport back = importCollection(
                readCsv(std::string_view(listCsvBytes(catalogue, list, ByteTable()))), again,
                againList);
            QVERIFY2(!back.hasFindings(), qPrintable(back.text()));
            QStringList exported = moviesIn(again);
            QStringList kept = moviesIn(catalogue);
            exported.sort();
            kept.sort();
            QCOMPARE(exported, kept);
        }
    }

    // A line of any length is read with its fields cut, not dropped; quoting stays whole, a
    // stray quote still costs only its own row, and text that needs no cut passes unchanged.
    void overlongFieldsAreCutNotLost() {
        const std::string huge(std::size_t{40} << 20, 'x');
        std::string wide;
        for (int i = 0; i < 1000; ++i) {
            wide += "a,";  // more fields than a line keeps
        }
        const std::string csv =
            "Name,Personal Info,Length,Size\n"
            "Huge Note,\"a \"\"quoted\"\" start\n" +
            huge + "\",95,700\nHuge Name " + huge + ",plain,96,701\nWide," + wide +
            "\n"
            "Stray,\"open,97,702\n"
            "After,fine,98,703\n";
        Catalogue catalogue;
        MovieList list;
        const ImportReport report = importCollection(readCsv(csv), catalogue, list);
        QCOMPARE(namesIn(catalogue),
                 (QStringList{"Huge Note", "Huge Name xxxxxxxxxxxxxxxxxxx", "After"}));
        const std::string_view note = fieldText(catalogue.slot(1).PersonalInfo);
        QCOMPARE(note.substr(0, 22), std::string_view("a \"quoted\" start\r\nxxxx"));
        QCOMPARE(note.size(), std::size_t{200});
        QCOMPARE(catalogue.slot(1).Size, 700);
        QCOMPARE(catalogue.slot(2).Length, 96);
        QCOMPARE(catalogue.slot(3).Size, 703);
        QVERIFY2(report.text().contains("Names cut: 1\n  line 4: \"Huge Name xxx"),
                 qPrintable(report.text()));
        QVERIFY2(report.text().contains("Texts changed: 1\n  line 2: note \"a \"quoted"),
                 qPrintable(report.text()));
        QVERIFY2(report.text().contains("Rows not read: 2\n  line 5: 512 fields, the header has 4\n"
                                        "  line 6: quote not closed\n"),
                 qPrintable(report.text()));

        QRandomGenerator random(26);
        const char pieces[] = {'a', 'b', ',', ';', '"', ' ', '\n', '\r', '\xc3', '\xa9'};
        for (int round = 0; round < 2000; ++round) {
            std::string text(static_cast<std::size_t>(random.bounded(1, 400)), ' ');
            for (char& c : text) {
                c = pieces[random.bounded(static_cast<int>(sizeof pieces))];
            }
            CsvFieldCut cut;
            std::string out;
            cut.cut(text, out);
            QCOMPARE(out, text);
        }
    }

    // Control characters are dropped from names and notes and reported; line breaks and tabs
    // stay in notes. A catalogue file holding them is reported by the check.
    void controlCharactersAreDroppedAndReported() {
        Catalogue catalogue;
        MovieList list;
        using namespace std::string_literals;
        const std::string csv =
            "Name,Personal Info\n\"Nul\0led\",\"a\x07"s + "b\r\nc\td\"\nClean,\n";
        const ImportReport report = importCollection(readCsv(csv), catalogue, list);
        QCOMPARE(namesIn(catalogue), (QStringList{"Nulled", "Clean"}));
        QCOMPARE(fieldText(catalogue.slot(1).PersonalInfo), std::string_view("ab\r\nc\td"));
        QVERIFY2(report.text().contains("Texts changed: 2\n"
                                        "  line 2: name \"Nul\\x00led\" kept as \"Nulled\"\n"
                                        "  line 2: note \"a\\x07b\\r\\nc\\td\" kept as "
                                        "\"ab\\r\\nc\\td\"\n"),
                 qPrintable(report.text()));

        std::string file = recordBytes(Movie{"Bell\x07", "Drama"}) +
                           recordBytes(Movie{"Fine", "Drama", "DVD", "Nice", "two\r\nlines\tok"});
        const CheckResult checked = checkCatalogueBytes(file, ByteTable());
        QCOMPARE(checked.findings,
                 std::vector<std::string>{"record 1: control characters in the name"});
    }

    // Read piece by piece, a text reads as it does whole, wherever the pieces end: inside a
    // quoted field over several lines, between CR and LF, inside a UTF-8 character.
    void piecesReadAsTheWhole() {
        const std::string csv =
            "\xef\xbb\xbfName;Personal Info;Length\r\n"
            "\"Caf\xc3\xa9\";\"two\r\nlines, \"\"quoted\"\"\";90\r\n"
            "Broken;\"never closed;1\r\n"
            "Na\xefve;;100\r\n"
            "\r\n"
            "Last;\"x\ny\nz\";5";
        const auto describe = [](const Collection& c) {
            QStringList rows;
            for (const CollectionEntry& e : c.entries) {
                rows << QStringLiteral("%1|%2|%3|%4").arg(e.line).arg(e.name, e.info, e.length);
            }
            for (const RowNotRead& r : c.rowsNotRead) {
                rows << QStringLiteral("%1: %2").arg(r.line).arg(r.reason);
            }
            return rows.join(QLatin1Char('\n')) + QLatin1Char('\n') + c.encoding + c.problem;
        };
        const QString whole = describe(readCsv(csv));
        QVERIFY2(whole.contains(QString::fromUtf8("2|Café|two\r\nlines, \"quoted\"|90")),
                 qPrintable(whole));
        QVERIFY2(whole.contains(QStringLiteral("7|Last|x\ny\nz|5")), qPrintable(whole));
        for (std::size_t piece = 1; piece <= csv.size(); ++piece) {
            QCOMPARE(describe(readCsv(csv, nullptr, {}, piece)), whole);
        }
    }

    // However long the source, no more movies are kept than a table can take, and the report
    // keeps its first lines and the counts.
    void aHugeSourceKeepsATablesWorth() {
        std::string csv = "Name,Genre\n";
        constexpr int kRows = CatalogueCapacity + 30000;
        for (int i = 0; i < kRows; ++i) {
            csv += "Movie " + std::to_string(i) + (i % 2 == 0 ? ",Westernish\n" : ",Drama\n");
            if (i % 10 == 0) {
                csv += "Movie 0,Drama\n";  // met again: already present, kept once
            }
        }
        const MappedCollection mapped = mapCollection(readCsv(csv));
        QCOMPARE(mapped.records.size(), std::size_t{CatalogueCapacity});
        QCOMPARE(mapped.report.valuesNotMapped.size(), std::size_t{kRows / 2});
        QCOMPARE(mapped.report.valuesNotMapped.kept().size(), FirstFew<ValueNotMapped>::Kept);
        Catalogue catalogue;
        MovieList list;
        const ImportReport report = takeInMapped(mapped, catalogue, list);
        QCOMPARE(report.added, CatalogueCapacity);
        QCOMPARE(report.leftOut, 30000LL);
        QCOMPARE(report.alreadyPresent, kRows / 10);
        QVERIFY(report.text(5).contains(QStringLiteral("  ... and %1 more\n").arg(kRows / 2 - 5)));
    }

    // A collection read as it comes keeps no text run whole: a title of megabytes is cut, an
    // entity where the cut falls stays whole, and the entries after it are read.
    void anOverlongTextIsCutAsItIsRead() {
        const std::string huge = std::string(65530, 'A') + "&amp;&amp;" + std::string(1 << 20, 'B');
        const std::string xml =
            "<?xml version=\"1.0\"?><tellico><collection type=\"3\"><entry><title>" + huge +
            "</title><comments>" + huge +
            "</comments></entry><entry><title>Second</title>"
            "</entry></collection></tellico>";
        QByteArray bytes = QByteArray::fromStdString(xml);
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        const Collection read = readXmlCollection(device, bytes.size(), true);
        QCOMPARE(read.rowsNotRead.size(), std::size_t{0});
        QCOMPARE(read.entries.size(), std::size_t{2});
        QCOMPARE(read.entries[0].name, QString(4096, QLatin1Char('A')));
        QCOMPARE(read.entries[1].name, QStringLiteral("Second"));

        // Cancelled inside one huge run, the reading stops there, not at the run's end.
        QByteArray longRun = QByteArray::fromStdString(
            "<?xml version=\"1.0\"?><tellico><collection type=\"3\"><entry><title>" +
            std::string(std::size_t{64} << 20, 'C') + "</title></entry></collection></tellico>");
        WorkProgress progress;
        CancelAfterMegabyte cancelling(&longRun, progress);
        QVERIFY(cancelling.open(QIODevice::ReadOnly));
        const Collection cancelled = readXmlCollection(cancelling, longRun.size(), true, &progress);
        QCOMPARE(cancelled.error, ECANCELED);
        QVERIFY2(cancelling.pos() < (4 << 20), QByteArray::number(cancelling.pos()).constData());
    }
};

QTEST_GUILESS_MAIN(ImportFidelityTest)
#include "test_import_fidelity.moc"

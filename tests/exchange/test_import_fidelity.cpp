// What an import takes in is what the source holds, or the report says what became of it.
#include <QBuffer>
#include <QTest>

#include "catalogue/TextCodec.h"
#include "exchange/ByteTable.h"
#include "exchange/CatalogueCheck.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
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

}  // namespace

class ImportFidelityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Letters the code page lacks are written as plain ones and listed; a name that cannot be
    // stored even so is left out and listed, never kept as "?" nor counted as present.
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
                    "Plain,\n"),
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
                     "Names not stored: 3\n"
                     "  line 2: \"東京物語\" left out: its characters have no form here\n"
                     "  line 3: \"七人の侍\" left out: its characters have no form here\n"
                     "  line 4: \"Lódz\" left out: its plain form is a name already listed\n")),
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
    }
};

QTEST_GUILESS_MAIN(ImportFidelityTest)
#include "test_import_fidelity.moc"

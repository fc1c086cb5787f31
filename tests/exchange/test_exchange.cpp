#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

#include "exchange/ByteTable.h"
#include "exchange/CatalogueCheck.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/ListExports.h"
#include "exchange/Vocabulary.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

std::string csvOf(const Catalogue& catalogue, const MovieList& list) {
    return std::string(std::string_view(listCsvBytes(catalogue, list, ByteTable())));
}

void listAll(const Catalogue& catalogue, MovieList& list) {
    list.clear();
    std::vector<std::string_view> names;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        if (!nameOf(catalogue.slot(n)).empty()) {
            names.push_back(nameOf(catalogue.slot(n)));
        }
    }
    list.addAll(names);
}

QString importInto(Catalogue& catalogue, MovieList& list, const Collection& collection) {
    return importCollection(collection, catalogue, list).text();
}

// A zip archive holding one file, made the way an archiver would.
std::string zipped(const char* name, const std::string& content) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_source_t* file = zip_source_buffer_create(content.data(), content.size(), 0, &error);
    zip_file_add(archive, name, file, ZIP_FL_ENC_UTF_8);
    zip_close(archive);
    std::string bytes;
    zip_stat_t st;
    if (zip_source_stat(out, &st) == 0 && zip_source_open(out) == 0) {
        bytes.resize(st.size);
        bytes.resize(static_cast<std::size_t>(zip_source_read(out, bytes.data(), st.size)));
        zip_source_close(out);
    }
    zip_source_free(out);
    zip_error_fini(&error);
    return bytes;
}

#define COMPARE_TEXT(actual, expected) \
    QCOMPARE(fromCatalogueText(actual), QString::fromUtf8(expected))

}  // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    void csvRowsAreQuotedOnlyWhereNeeded();
    void csvRoundTripKeepsEveryField();
    void csvTextReadsBackAsWrittenAndNeverAsAFormula();
    void csvWritesOnlyTheListedMovies();
    void importFindsColumnsByHeadingAndMapsValues();
    void importReadsSemicolonWindows1252();
    void importReportsBrokenRowsAndKeepsCatalogueRecords();
    void importRefusesTextWithoutNameColumn();
    void importReadsZippedVideoCollection();
    void importRefusesOtherArchivesAndCollections();
    void importReadsFilmCollection();
    void vocabularyMapsCaseBlindAndSynonymsOnly();
    void checkFindsDamageAndRepeats();
    void webPageEscapesAndCountsTheMovies();
};

void ExchangeTest::csvRowsAreQuotedOnlyWhereNeeded() {
    const struct {
        const char* field;
        const char* written;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"one\r\ntwo", "\"one\r\ntwo\""},
        {" leading", "\" leading\""},
        {"trailing ", "\"trailing \""},
        {"semi;colon", "\"semi;colon\""},
        {"tab\there", "\"tab\there\""},
        {"inner space", "inner space"},
        // What a spreadsheet would take for a formula is written as text.
        {"=SUM(1+2)", "\"'=SUM(1+2)\""},
        {"'quoted", "\"''quoted\""},
        {"a=b-c", "a=b-c"},
    };
    for (const auto& c : cases) {
        LargeString out;
        appendCsvField(c.field, out);
        QCOMPARE(QByteArray(out.data(), static_cast<qsizetype>(out.size())), QByteArray(c.written));
    }

    Catalogue catalogue;
    MovieList list;
    appendMovie(catalogue,
                {"Zebra, the", "Comedy", "RM", "Nice", "Seen \"twice\"\r\nGood", 95, 3, 350});
    appendMovie(catalogue, {"Caf\xe9 \x80", "Drama", "DVD", "Pretty Good", "", -1, 4, 4380});
    appendMovie(catalogue, {"=1+2", "Drama", "DVD", "Nice", "-", -2, 0, -3});
    listAll(catalogue, list);
    QCOMPARE(
        QByteArray::fromStdString(csvOf(catalogue, list)),
        QByteArray("Name,Genre,Format,Rating,Length,Quality,Size,Personal Info\r\n"
                   "\"'=1+2\",Drama,DVD,Nice,-2,0,-3,\"'-\"\r\n"
                   "Caf\xc3\xa9 \xe2\x82\xac,Drama,DVD,Pretty Good,-1,4,4380,\r\n"
                   "\"Zebra, the\",Comedy,RM,Nice,95,3,350,\"Seen \"\"twice\"\"\r\nGood\"\r\n"));
}

void ExchangeTest::csvRoundTripKeepsEveryField() {
    Catalogue source;
    MovieList sourceList;
    const std::vector<Movie> movies = {
        {"Alien", "SF", "AVI", "Nice", "", 117, 4, 700},
        {"alien", "Horror", "ASF", "Walk Away Movie", "lower case, another movie", 0, 1, 0},
        {"Alien ", "Action", "MPG", "Boring", " leading and trailing ", -5, 2, -700},
        {"\"Quoted\" Name", "Thriller", "DVD", "Normal", "a \"quote\", a comma", 90, 3, 1},
        {"Notes", "Drama", "RM", "Pretty Good", "line one\r\nline two\r\n\r\nline four", 1234, 5,
         12345},
        {"Ende \xe9t\xe9 \x80\x9c", "Family", "", "Perfect Movie", "\xe0 la carte", 88, 5, 800},
        {std::string(29, 'N'), "Anime", "AVI", "", std::string(200, 'x'), 2147483647, 3,
         -2147483647 - 1},
        {"Blank Fields", "", "", "", "", 0, 0, 0},
        {"Fantasy; Semi", "Fantasy", "DVD", "Nice", ";", 1, 1, 1},
        {"=HYPERLINK(\"x\";\"y\")", "Drama", "DVD", "Nice", "@SUM(A1)", -1, 1, -1},
        {"'Round Midnight", "Drama", "DVD", "Nice", "'=1", 1, 1, 1},
        {"''", "Drama", "DVD", "Nice", "\r\n+", 1, 1, 1},
    };
    for (const Movie& m : movies) {
        appendMovie(source, m);
    }
    listAll(source, sourceList);
    const std::string csv = csvOf(source, sourceList);

    Catalogue copy;
    MovieList copyList;
    const ImportReport report = importCollection(readCsv(csv), copy, copyList);
    QCOMPARE(report.text(), QStringLiteral("Movies added: 12\nAlready present: 0\nNames cut: 0\n"
                                           "Values not mapped: 0\nRows not read: 0\n"));
    QCOMPARE(copy.movieCount(), static_cast<int>(movies.size()));
    for (int i = 0; i < sourceList.size(); ++i) {
        const MovieRecord& a = source.slot(source.findByName(sourceList.at(i)));
        const MovieRecord& b = copy.slot(i + 1);
        QCOMPARE(nameOf(b), nameOf(a));
        QCOMPARE(fieldText(b.Genre), fieldText(a.Genre));
        QCOMPARE(fieldText(b.Format), fieldText(a.Format));
        QCOMPARE(fieldText(b.Rating), fieldText(a.Rating));
        QCOMPARE(fieldText(b.PersonalInfo), fieldText(a.PersonalInfo));
        QCOMPARE(b.Length, a.Length);
        QCOMPARE(b.Quality, a.Quality);
        QCOMPARE(b.Size, a.Size);
    }
    // And the copy writes the same text again.
    QCOMPARE(csvOf(copy, copyList), csv);
}

// Every text of up to four characters from those that start a formula, mark one as text, or
// need quotes.
void ExchangeTest::csvTextReadsBackAsWrittenAndNeverAsAFormula() {
    const std::string_view alphabet = "'=+-@\t\r\n \";a";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0; texts.back().size() < 4;) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i) {
            for (const char c : alphabet) {
                texts.push_back(texts[i] + c);
            }
        }
        from = to;
    }
    LargeString csv;
    csv.append("Name,Genre,Format,Rating,Personal Info\r\n");
    for (const std::string& t : texts) {
        for (const std::string& field : {t + ".", t, t, t, t}) {
            const std::size_t at = csv.size();
            appendCsvField(field, csv);
            const std::string cell(std::string_view(csv).substr(at));
            const bool quoted = cell.starts_with('"');
            const std::string_view content = std::string_view(cell).substr(quoted ? 1 : 0);
            QVERIFY2(content.empty() ||
                         std::string_view("=+-@\t\r").find(content.front()) == std::string::npos,
                     cell.c_str());
            csv.push_back(',');
        }
        csv.back() = '\r';
        csv.push_back('\n');
    }
    const Collection read = readCsv(std::string_view(csv));
    QCOMPARE(read.rowsNotRead.size(), std::size_t{0});
    QCOMPARE(read.entries.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString t = QString::fromStdString(texts[i]);
        const CollectionEntry& e = read.entries[i];
        QCOMPARE(e.name, t + QLatin1Char('.'));
        // A genre cell holding ",", ";" or "/" is a list of genres.
        if (!t.contains(QRegularExpression(QStringLiteral("[,;/]")))) {
            QCOMPARE(e.genres, t.trimmed().isEmpty() ? QStringList() : QStringList{t.trimmed()});
        }
        QCOMPARE(e.format, t);
        QCOMPARE(e.rating, t);
        QCOMPARE(e.info, t);
    }
    // From another program, an apostrophe before other text is the text's own.
    const Collection other = readCsv("Name\n'Round Midnight\n'\n");
    QCOMPARE(other.entries.size(), std::size_t{2});
    QCOMPARE(other.entries[0].name, QStringLiteral("'Round Midnight"));
    QCOMPARE(other.entries[1].name, QStringLiteral("'"));
}

void ExchangeTest::csvWritesOnlyTheListedMovies() {
    Catalogue catalogue;
    MovieList list;
    appendMovie(catalogue, {"Beta", "Comedy"});
    appendMovie(catalogue, {"Alpha", "Drama"});
    appendMovie(catalogue, {"Gamma", "Comedy"});
    list.add("Gamma");
    list.add("Beta");
    QCOMPARE(QByteArray::fromStdString(csvOf(catalogue, list)),
             QByteArray("Name,Genre,Format,Rating,Length,Quality,Size,Personal Info\r\n"
                        "Beta,Comedy,DVD,Nice,100,3,700,\r\n"
                        "Gamma,Comedy,DVD,Nice,100,3,700,\r\n"));
}

void ExchangeTest::importFindsColumnsByHeadingAndMapsValues() {
    const std::string csv =
        "size,NOTES,Title,Year,genre,Rating,FORMAT,length,Quality\n"
        "4380 MB,\"Line one\nLine two\",Harbour Lights,1999,Drama,pretty good,dvd-video,1h 52min,"
        "4/5\n"
        "700,,Alien,1979,Science Fiction,NICE,avi,117 min,4\n"
        "\n"
        "350,,Zebra Crossing,,comedy,Nice,RealMedia,95,3\n";
    Catalogue catalogue;
    MovieList list;
    QCOMPARE(importInto(catalogue, list, readCsv(csv)),
             QStringLiteral("Movies added: 3\nAlready present: 0\nNames cut: 0\n"
                            "Values not mapped: 0\nRows not read: 0\nColumns ignored: Year\n"));
    QCOMPARE(entriesOf(list), QStringList({"Alien", "Harbour Lights", "Zebra Crossing"}));
    const MovieRecord& harbour = catalogue.slot(1);
    COMPARE_TEXT(nameOf(harbour), "Harbour Lights");
    COMPARE_TEXT(fieldText(harbour.Genre), "Drama");
    COMPARE_TEXT(fieldText(harbour.Format), "DVD");
    COMPARE_TEXT(fieldText(harbour.Rating), "Pretty Good");
    COMPARE_TEXT(fieldText(harbour.PersonalInfo), "Line one\r\nLine two");
    QCOMPARE(harbour.Length, 112);
    QCOMPARE(harbour.Quality, 4);
    QCOMPARE(harbour.Size, 4380);
    COMPARE_TEXT(fieldText(catalogue.slot(2).Genre), "SF");
    QCOMPARE(catalogue.slot(2).Length, 117);
    COMPARE_TEXT(fieldText(catalogue.slot(3).Format), "RM");
    QVERIFY(catalogue.unsavedChanges());

    // Two headings for the name: the first counts, the other is named as ignored.
    Catalogue twice;
    MovieList twiceList;
    QCOMPARE(importInto(twice, twiceList, readCsv("Name,Genre,Title\nBrazil,Comedy,Other\n")),
             QStringLiteral("Movies added: 1\nAlready present: 0\nNames cut: 0\n"
                            "Values not mapped: 0\nRows not read: 0\nColumns ignored: Title\n"));
    QCOMPARE(entriesOf(twiceList), QStringList{"Brazil"});
}

void ExchangeTest::importReadsSemicolonWindows1252() {
    // "Café Noir" and a euro sign, in the single-byte code page: not UTF-8.
    const std::string csv =
        "Name;Genre;Length;Personal Info\r\n"
        "Caf\xe9 Noir;Drama;95;\"Prix: 5\x80; vu deux fois\"\r\n"
        "Na\xefve;Com\xe9"
        "die;100,5;\r\n";
    Catalogue catalogue;
    MovieList list;
    QCOMPARE(importInto(catalogue, list, readCsv(csv)),
             QString::fromUtf8("Movies added: 2\nAlready present: 0\nNames cut: 0\n"
                               "Values not mapped: 2\n"
                               "  line 3: genre \"Comédie\" left empty\n"
                               "  line 3: length \"100,5\" left at 0\n"
                               "Rows not read: 0\n"
                               "Read as: Windows-1252\n"));
    QCOMPARE(nameOf(catalogue.slot(1)), std::string_view("Caf\xe9 Noir"));
    QCOMPARE(fieldText(catalogue.slot(1).PersonalInfo),
             std::string_view("Prix: 5\x80; vu deux fois"));
    QCOMPARE(catalogue.slot(1).Length, 95);
    QCOMPARE(nameOf(catalogue.slot(2)), std::string_view("Na\xefve"));
    QCOMPARE(fieldText(catalogue.slot(2).Genre), std::string_view());
    QCOMPARE(catalogue.slot(2).Quality, 0);

    // The same text in UTF-8 with a byte-order mark reads the same.
    Catalogue again;
    MovieList againList;
    importCollection(readCsv("\xef\xbb\xbfName;Genre\nCaf\xc3\xa9 Noir;Drama\n"), again, againList);
    QCOMPARE(nameOf(again.slot(1)), std::string_view("Caf\xe9 Noir"));
}

void ExchangeTest::importReportsBrokenRowsAndKeepsCatalogueRecords() {
    Catalogue catalogue;
    MovieList list;
    appendMovie(catalogue, {"Alien", "SF", "AVI", "Nice", "the catalogue's own", 117, 4, 700});
    listAll(catalogue, list);
    const std::string csv =
        "Name,Genre,Format,Rating,Quality\n"                               // 1
        "Alien,Horror,DVD,Boring,1\n"                                      // 2 present
        "alien,Horror,DVD,Boring,1\n"                                      // 3 added
        "Short Row,Drama\n"                                                // 4
        ",Drama,DVD,Nice,3\n"                                              // 5
        "\"Closed\" early,Drama,DVD,Nice,3\n"                              // 6
        "The Extraordinarily Long Title of a Film,Western,VHS,Superb,9\n"  // 7
        "alien,Comedy,AVI,Nice,2\n"                                        // 8 present
        "Multi,Drama,DVD,\"Nice\n\",3\n"                                   // 9-10
        "Last,Drama,DVD,Nice,3,,,\n"                                       // 11
        "\"Never closed,Drama,DVD,Nice,3\n"                                // 12
        "After,Drama,DVD,Nice,3\n";                                        // 13
    QCOMPARE(importInto(catalogue, list, readCsv(csv)),
             QStringLiteral("Movies added: 5\n"
                            "Already present: 2\n"
                            "Names cut: 1\n"
                            "  line 7: \"The Extraordinarily Long Title of a Film\" kept as "
                            "\"The Extraordinarily Long Titl\"\n"
                            "Values not mapped: 4\n"
                            "  line 7: genre \"Western\" left empty\n"
                            "  line 7: format \"VHS\" left empty\n"
                            "  line 7: rating \"Superb\" left empty\n"
                            "  line 7: quality \"9\" left at 0\n"
                            "Rows not read: 4\n"
                            "  line 4: 2 fields, the header has 5\n"
                            "  line 5: no name\n"
                            "  line 6: text after a closing quote\n"
                            "  line 12: quote not closed\n"));
    QCOMPARE(entriesOf(list), QStringList({"After", "Alien", "alien", "Last", "Multi",
                                           "The Extraordinarily Long Titl"}));
    // The catalogue's own record stays as it was.
    COMPARE_TEXT(fieldText(catalogue.slot(1).PersonalInfo), "the catalogue's own");
    COMPARE_TEXT(fieldText(catalogue.slot(1).Genre), "SF");
    QCOMPARE(catalogue.movieCount(), 6);
}

void ExchangeTest::importRefusesTextWithoutNameColumn() {
    const Collection c = readCsv("Genre,Format\nDrama,DVD\n");
    QCOMPARE(c.problem, QStringLiteral("no Name column in the first row"));
    QCOMPARE(readCsv("").problem, QStringLiteral("no header row"));
    QCOMPARE(readCsv("\r\n\r\n").problem, QStringLiteral("no header row"));

    // Blanks beside the separator around quoted fields; a lone CR ends a line too.
    const Collection spaced = readCsv("Name , Genre\r\"Spaced, Out\" , \"SF\"\r  Plain  ,x\r");
    QCOMPARE(spaced.rowsNotRead.size(), std::size_t{0});
    QCOMPARE(spaced.entries.size(), std::size_t{2});
    QCOMPARE(spaced.entries[0].name, QStringLiteral("Spaced, Out"));
    QCOMPARE(spaced.entries[0].genres, QStringList{"SF"});
    QCOMPARE(spaced.entries[1].name, QStringLiteral("  Plain  "));
    QCOMPARE(spaced.entries[1].line, 3);
}

void ExchangeTest::importReadsZippedVideoCollection() {
    const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE tellico PUBLIC "-//Robby Stephenson/DTD Tellico V11.0//EN" "http://periapsis.org/tellico/dtd/v11/tellico.dtd">
<tellico xmlns="http://periapsis.org/tellico/" syntaxVersion="11">
 <collection title="My Videos" type="3">
  <fields>
   <field name="_default"/>
  </fields>
  <entry id="1">
   <title>Alien</title>
   <genres>
    <genre>Science Fiction</genre>
    <genre>Horror</genre>
   </genres>
   <medium>DVD</medium>
   <running-time>117</running-time>
   <rating>4</rating>
   <comments>Seen in &lt;b&gt;1980&lt;/b&gt;&lt;br/&gt;again in 2001</comments>
  </entry>
  <entry id="2">
   <title>Le Mépris</title>
   <genres><genre>Romance</genre><genre>Drama</genre></genres>
   <medium>VHS</medium>
   <running-time>103</running-time>
  </entry>
  <entry id="3">
   <director>Nobody</director>
  </entry>
 </collection>
</tellico>
)";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("videos.tc"));
    writeBytes(path, zipped("tellico.xml", xml));
    Catalogue catalogue;
    MovieList list;
    QCOMPARE(importInto(catalogue, list, readCollectionFile(path)),
             QStringLiteral("Movies added: 2\nAlready present: 0\nNames cut: 0\n"
                            "Values not mapped: 1\n"
                            "  line 19: format \"VHS\" left empty\n"
                            "Rows not read: 1\n"
                            "  line 25: no name\n"));
    const MovieRecord& alien = catalogue.slot(1);
    COMPARE_TEXT(fieldText(alien.Genre), "SF");
    COMPARE_TEXT(fieldText(alien.Format), "DVD");
    QCOMPARE(alien.Length, 117);
    QCOMPARE(alien.Quality, 4);
    COMPARE_TEXT(fieldText(alien.PersonalInfo), "Seen in 1980\r\nagain in 2001");
    QCOMPARE(nameOf(catalogue.slot(2)), std::string_view("Le M\xe9pris"));
    COMPARE_TEXT(fieldText(catalogue.slot(2).Genre), "Drama");
}

void ExchangeTest::importRefusesOtherArchivesAndCollections() {
    QCOMPARE(readTellicoArchive(zipped("other.xml", "<x/>")).problem,
             QStringLiteral("no tellico.xml in the archive"));
    QVERIFY(readTellicoArchive("PK\x03\x04 broken")
                .problem.startsWith(QStringLiteral("not a readable zip archive")));
    QCOMPARE(readTellicoXml(R"(<tellico><collection type="2"><entry><title>A Book</title>)"
                            R"(</entry></collection></tellico>)")
                 .problem,
             QStringLiteral("not a video collection (collection type 2)"));
    const Collection cut = readTellicoXml(
        "<tellico><collection type=\"3\">\n<entry><title>Kept</title></entry>\n"
        "<entry><title>Lost</title></wrong>");
    QCOMPARE(cut.entries.size(), std::size_t{1});
    QCOMPARE(cut.rowsNotRead.size(), std::size_t{1});
    QCOMPARE(cut.rowsNotRead[0].line, 3);
    QVERIFY(cut.rowsNotRead[0].reason.startsWith(QStringLiteral("broken XML (")));
    QCOMPARE(readGcstar(R"(<?xml version="1.0"?><collection type="GCbooks"/>)").problem,
             QStringLiteral("not a film collection (type GCbooks)"));
}

void ExchangeTest::importReadsFilmCollection() {
    const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<collection type="GCfilms" items="3" version="1.7.0">
 <information>
  <maxId>3</maxId>
 </information>
 <item id="1" title="Harbour Lights" time="1h 52min" format="DVD" rating="7" date="1999">
  <synopsis>Not kept.</synopsis>
  <comment>Rainy evening.
Twice.</comment>
  <genre>
   <line><col>Drama</col></line>
   <line><col>Romance</col></line>
  </genre>
 </item>
 <item id="2" title="Zebra Crossing" time="95 min" format="Blu-ray" rating="10">
  <genre><line><col>Comedies</col></line></genre>
 </item>
 <item id="3" title="Harbour Lights" time="120" rating="0"/>
</collection>
)";
    Catalogue catalogue;
    MovieList list;
    QCOMPARE(importInto(catalogue, list, readGcstar(xml)),
             QStringLiteral("Movies added: 2\nAlready present: 1\nNames cut: 0\n"
                            "Values not mapped: 1\n"
                            "  line 15: format \"Blu-ray\" left empty\n"
                            "Rows not read: 0\n"));
    const MovieRecord& harbour = catalogue.slot(1);
    COMPARE_TEXT(fieldText(harbour.Genre), "Drama");
    QCOMPARE(harbour.Length, 112);
    QCOMPARE(harbour.Quality, 4);  // 7 of 10
    COMPARE_TEXT(fieldText(harbour.PersonalInfo), "Rainy evening.\r\nTwice.");
    COMPARE_TEXT(fieldText(catalogue.slot(2).Genre), "Comedy");
    QCOMPARE(catalogue.slot(2).Quality, 5);
    QCOMPARE(catalogue.slot(2).Length, 95);
}

void ExchangeTest::vocabularyMapsCaseBlindAndSynonymsOnly() {
    QCOMPARE(genreItem(QStringLiteral("  thriller ")), std::optional<std::string_view>("Thriller"));
    QCOMPARE(genreItem(QStringLiteral("Sci-Fi")), std::optional<std::string_view>("SF"));
    QCOMPARE(genreItem(QStringLiteral("Science  Fiction")), std::optional<std::string_view>("SF"));
    QCOMPARE(genreItem(QStringLiteral("Western")), std::nullopt);
    QCOMPARE(genreItem(QString()), std::nullopt);
    QCOMPARE(formatItem(QStringLiteral("DVD-Video")), std::optional<std::string_view>("DVD"));
    QCOMPARE(formatItem(QStringLiteral("mpeg-2")), std::optional<std::string_view>("MPG"));
    QCOMPARE(formatItem(QStringLiteral("rm")), std::optional<std::string_view>("RM"));
    QCOMPARE(formatItem(QStringLiteral("DivX")), std::nullopt);
    QCOMPARE(ratingItem(QStringLiteral("walk away movie")),
             std::optional<std::string_view>("Walk Away Movie"));
    QCOMPARE(ratingItem(QStringLiteral("4")), std::nullopt);
    QCOMPARE(qualityItem(QStringLiteral("3/5")), std::optional<int>(3));
    QCOMPARE(qualityItem(QStringLiteral("6")), std::nullopt);
    QCOMPARE(qualityItem(QStringLiteral("0")), std::nullopt);
    QCOMPARE(runningMinutes(QStringLiteral("2h")), std::optional<int>(120));
    QCOMPARE(runningMinutes(QStringLiteral("1:45")), std::optional<int>(105));
    QCOMPARE(runningMinutes(QStringLiteral("-3")), std::optional<int>(-3));
    QCOMPARE(runningMinutes(QStringLiteral("long")), std::nullopt);
    QCOMPARE(wholeNumber(QStringLiteral("99999999999")), std::nullopt);
}

void ExchangeTest::checkFindsDamageAndRepeats() {
    MovieRecord damaged = makeRecord({"Damaged"});
    damaged.Name[0] = 45;
    damaged.Genre[0] = 200;
    const std::string bytes = recordBytes(Movie{"Alien"}) + recordBytes(Movie{""}) +
                              recordBytes(damaged) + recordBytes(Movie{"Caf\xe9"}) +
                              recordBytes(Movie{"Alien"}) + recordBytes(Movie{"Caf\xe9"}) +
                              std::string(100, 'x');
    const CheckResult result = checkCatalogueBytes(bytes, ByteTable());
    QCOMPARE(result.records, 6LL);
    QCOMPARE(result.trailingBytes, 100LL);
    const std::vector<std::string> expected = {
        "record 2: empty name",
        "record 3: name length 45 is above its room of 29 (damaged; read as cut to 29)",
        "record 3: genre length 200 is above its room of 8 (damaged; read as cut to 8)",
        "record 5: \"Alien\" repeats record 1 (opening keeps the first)",
        "record 6: \"Caf\xc3\xa9\" repeats record 4 (opening keeps the first)",
        "the file ends 100 bytes into a record: it is not a whole number of 272-byte records"};
    QCOMPARE(result.findings, expected);
    QVERIFY(checkCatalogueBytes(recordBytes(Movie{"One"}) + recordBytes(Movie{"Two"}), ByteTable())
                .findings.empty());
}

void ExchangeTest::webPageEscapesAndCountsTheMovies() {
    Catalogue catalogue;
    MovieList list;
    appendMovie(catalogue,
                {"<b>Bold</b> & \"Co\"", "Drama", "DVD", "Nice", "one\r\ntwo", 90, 3, 7});
    appendMovie(catalogue, {"Caf\xe9", "Comedy", "RM", "Nice", "", 5, 1, 12345});
    listAll(catalogue, list);
    const std::string page = listHtmlBytes(catalogue, list, ByteTable());
    const auto has = [&](std::string_view s) { return page.find(s) != std::string::npos; };
    QVERIFY(has("<p class=\"count\">2 movies</p>"));
    QVERIFY(has("<td>&lt;b&gt;Bold&lt;/b&gt; &amp; &quot;Co&quot;</td>"));
    QVERIFY(has("<td class=\"info\">one\ntwo</td>"));
    QVERIFY(has("<td>Caf\xc3\xa9</td>"));
    QVERIFY(has("<td class=\"num\" data-value=\"12345\">12345 MB</td>"));
    QVERIFY(!has("<b>"));
    // Nothing is fetched from elsewhere.
    QVERIFY(!has("src=") && !has("href=") && !has("http") && !has("@import"));
}

QTEST_GUILESS_MAIN(ExchangeTest)
#include "test_exchange.moc"

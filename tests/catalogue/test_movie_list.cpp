#include <QTest>

#include "catalogue/MovieList.h"
#include "catalogue/NameCollation.h"
#include "catalogue/TextCodec.h"
#include "support/Records.h"

using namespace reelcase;

namespace {
QStringList entries(const MovieList& list) {
    return reelcase::test::entriesOf(list);
}
std::string cp1252(const char* utf8) {
    return toCatalogueText(QString::fromUtf8(utf8));
}
}  // namespace

class MovieListTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sortsIgnoringCaseWithAccentsBesidePlainLetters() {
        MovieList list;
        for (const char* name : {"Zebra", "apple", "Éclair", "Edge", "eclair", "ecl", "Apple",
                                 "10 Days", "!Bang", "Ähnlich", "Aha", "ALIEN", "alien"}) {
            list.add(cp1252(name));
        }
        QCOMPARE(entries(list),
                 (QStringList{"!Bang", "10 Days", "Aha", "Ähnlich", "ALIEN", "alien", "apple",
                              "Apple", "ecl", "eclair", "Éclair", "Edge", "Zebra"}));
    }

    void addAllMatchesAddingOneByOne() {
        const std::vector<std::string> names = {"b", "B", "a", "C", "b", "A", "c", "ab", "a b"};
        MovieList one;
        for (const auto& n : names) {
            one.add(n);
        }
        MovieList batch;
        batch.add("B");
        batch.addAll({"b", "a", "C", "b", "A", "c", "ab", "a b"});
        MovieList reference;
        reference.add("B");
        for (std::size_t i = 1; i < names.size(); ++i) {
            reference.add(names[i == 1 ? 0 : i]);
        }
        QCOMPARE(entries(batch), entries(reference));
        QCOMPARE(entries(one), (QStringList{"a", "A", "a b", "ab", "b", "B", "b", "C", "c"}));
    }

    void replaceKeepsPlaceAndRemoveMovesSelection() {
        MovieList list;
        list.addAll({"a", "b", "c", "d"});
        list.replaceAt(0, "zz");
        QCOMPARE(entries(list), (QStringList{"zz", "b", "c", "d"}));
        list.select(3);
        list.removeAt(1);
        QCOMPARE(list.selected(), 2);
        QCOMPARE(list.at(list.selected()), std::string_view("d"));
        list.removeAt(2);
        QVERIFY(!list.hasSelection());
        list.select(0);
        list.add("0");  // inserted before the selection: the selection follows its entry
        QCOMPARE(list.at(list.selected()), std::string_view("zz"));
    }

    void codecReplacesWhatDoesNotFit() {
        QCOMPARE(toCatalogueText(QString::fromUtf8("€é中x😀y")), std::string("\x80\xE9?x?y"));
        QCOMPARE(fromCatalogueText("\x80\xE9"), QString::fromUtf8("€é"));
        QCOMPARE(toCatalogueText(QString(QChar(0x1A))), std::string("\x1A"));
    }
};

QTEST_GUILESS_MAIN(MovieListTest)
#include "test_movie_list.moc"

#include <cstdint>
#include <cstring>
#include <vector>

#include <QTest>

#include "catalogue/LargeBlocks.h"
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
        batch.addAll(std::vector<std::string_view>{"b", "a", "C", "b", "A", "c", "ab", "a b"});
        MovieList reference;
        reference.add("B");
        for (std::size_t i = 1; i < names.size(); ++i) {
            reference.add(names[i == 1 ? 0 : i]);
        }
        QCOMPARE(entries(batch), entries(reference));
        QCOMPARE(entries(one), (QStringList{"a", "A", "a b", "ab", "b", "B", "b", "C", "c"}));
    }

    // Long names alike in their first 16 key bytes are ordered by their whole keys: filling
    // at once, adding one by one and sorting by the whole key agree, equal keys in the order
    // they came.
    void longNamesSortByTheirWholeKeys() {
        const std::vector<std::string> stems = {"The Long Goodbye Part ", "the long goodbye part ",
                                                cp1252("The Long Goodbyé Part "), "Short"};
        std::vector<std::string> names;
        for (int i = 0; i < 60; ++i) {
            names.push_back(stems[static_cast<std::size_t>(i * 7) % stems.size()] +
                            std::to_string((i * 37) % 11) + (i % 5 == 0 ? "b" : ""));
        }
        names.push_back(std::string(40, 'x'));  // cut to the room a name has
        names.push_back(std::string(29, 'x') + "y");
        MovieList one;
        for (const auto& n : names) {
            one.add(n);
        }
        MovieList batch;
        batch.addAll(std::vector<std::string_view>(names.begin(), names.end()));
        std::vector<std::string> sorted = names;
        for (auto& n : sorted) {
            n = n.substr(0, NameRoom);
        }
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return collationKey(a) < collationKey(b);
        });
        QStringList expected;
        for (const auto& n : sorted) {
            expected << fromCatalogueText(n);
        }
        QCOMPARE(entries(one), expected);
        QCOMPARE(entries(batch), expected);
        for (const auto& n : names) {
            QCOMPARE(one.at(one.positionOf(n)), std::string_view(n).substr(0, NameRoom));
            const CollationKey key = collationKey(n);
            const CollationPrefix prefix = collationPrefix(n);
            std::uint64_t high = 0;
            std::uint64_t low = 0;
            for (std::size_t i = 0; i < 8; ++i) {
                high = (high << 8) | key.bytes[i];
                low = (low << 8) | key.bytes[8 + i];
            }
            QCOMPARE(prefix.high, high);
            QCOMPARE(prefix.low, low);
        }
    }

    void replaceKeepsPlaceAndRemoveMovesSelection() {
        MovieList list;
        list.addAll(std::vector<std::string_view>{"a", "b", "c", "d"});
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

    // The memory the table and the large lists live in: zero-filled without being written,
    // on huge-page boundaries, and a vector that outgrows a small block into a large one
    // and back keeps its contents.
    void largeBlocksStartZeroedAndKeepContents() {
        const Catalogue fresh;
        const MovieRecord zero{};
        for (const int n : {1, CatalogueCapacity / 2, CatalogueCapacity}) {
            QVERIFY(std::memcmp(&fresh.slot(n), &zero, sizeof zero) == 0);
        }
        LargeVector<int> numbers;
        for (int i = 0; i < 600000; ++i) {  // 2.4 MB: past the large-block size
            numbers.push_back(i);
        }
        QCOMPARE(reinterpret_cast<std::uintptr_t>(numbers.data()) % (std::uintptr_t{2} << 20),
                 std::uintptr_t{0});
        numbers.resize(10);
        numbers.shrink_to_fit();  // back into a small block
        QCOMPARE(numbers.back(), 9);
        QCOMPARE(numbers.front(), 0);
    }
};

QTEST_GUILESS_MAIN(MovieListTest)
#include "test_movie_list.moc"

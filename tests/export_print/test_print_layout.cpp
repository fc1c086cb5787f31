#include <QTest>

#include "export_print/PrintLayout.h"

using namespace reelcase;

namespace {

// Every character 10 wide; text 20 high, or 30 when it holds a "T"; an empty line 18.
struct FixedMeasure : TextMeasure {
    int width = 1000;
    int height = 1000;
    TextSize textSize(std::string_view text) const override {
        return {10 * static_cast<int>(text.size()), text.find('T') == text.npos ? 20 : 30};
    }
    int characterHeight() const override { return 18; }
    int pageWidth() const override { return width; }
    int pageHeight() const override { return height; }
};

// Lays out lines of pieces ("|" ends a piece, "\n" a line) and tells each part placed as
// "page:x,y:text".
QStringList placed(const FixedMeasure& measure, const QString& text) {
    PageLayout layout(measure);
    QStringList parts;
    const auto place = [&](const PlacedText& t) {
        parts << QStringLiteral("%1:%2,%3:").arg(t.page).arg(t.x).arg(t.y) +
                     QLatin1String(t.text.data(), static_cast<qsizetype>(t.text.size()));
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QString& piece : lines[i].split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            layout.write(piece.toStdString(), place);
        }
        if (i + 1 < lines.size()) {
            layout.endLine();
        }
    }
    return parts;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void piecesFollowEachOtherAndLinesTakeTheirTallestText() {
        // The second line holds a 30 high text: 32 down; the empty line: 18.
        QCOMPARE(placed({}, "ab|cde\nxy|Tall\n\nz"),
                 (QStringList{"0:0,0:ab", "0:20,0:cde", "0:0,22:xy", "0:20,22:Tall", "0:0,72:z"}));
    }

    void aNewPageBeginsWhenTheNextLineWouldPassTheLimit() {
        // After k lines 22 high the next top is 22k: a page 110 high takes lines while
        // 22k <= 110 - 2 * 22, so four; 109 high only three.
        FixedMeasure m;
        m.height = 110;
        QCOMPARE(placed(m, "a\nb\nc\nd\ne").mid(3), (QStringList{"0:0,66:d", "1:0,0:e"}));
        m.height = 109;
        QCOMPARE(placed(m, "a\nb\nc\nd").mid(2), (QStringList{"0:0,44:c", "1:0,0:d"}));
        // An empty line counts as 0 high: it may end lower, down to the page height itself.
        m.height = 100;
        QCOMPARE(placed(m, "a\nb\n\n\n\n\nc"), (QStringList{"0:0,0:a", "0:0,22:b", "1:0,0:c"}));
        QCOMPARE(placed(m, "a\nb\n\n\nc"), (QStringList{"0:0,0:a", "0:0,22:b", "0:0,80:c"}));
    }

    void aPieceTooWideContinuesOnTheNextLine() {
        FixedMeasure m;
        m.width = 95;  // nine characters
        QCOMPARE(placed(m, "0123456789abcdefghijklmnop|qrs|0123456|uvw"),
                 (QStringList{"0:0,0:012345678", "0:0,22:9abcdefgh", "0:0,44:ijklmnop",
                              "0:80,44:q",  // one fits behind, two go on
                              "0:0,66:rs", "0:20,66:0123456",
                              "0:0,88:uvw"}));  // none fits behind: the whole piece goes on
        // Wrapped lines count in the page rule like any other.
        m.height = 100;
        QCOMPARE(
            placed(m, "aaaaaaaaabbbbbbbbbcccccccccd"),
            (QStringList{"0:0,0:aaaaaaaaa", "0:0,22:bbbbbbbbb", "0:0,44:ccccccccc", "1:0,0:d"}));
        // A character wider than the page is placed anyway, so the text moves on.
        m.width = 5;
        QCOMPARE(placed(m, "ab"), (QStringList{"0:0,0:a", "0:0,22:b"}));
    }
};

QTEST_GUILESS_MAIN(PrintLayoutTest)
#include "test_print_layout.moc"

#include "editing/ui/StorableTextInput.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

// The length in UTF-16 units of the character starting at text[i].
qsizetype characterLength(const QString& text, qsizetype i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
               ? 2
               : 1;
}

char32_t characterAt(const QString& text, qsizetype i) {
    return characterLength(text, i) == 2
               ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
               : (text.at(i).isSurrogate() ? char32_t{0xFFFD} : char32_t{text.at(i).unicode()});
}

}  // namespace

QValidator::State StorableTextValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptPos = pos;
    for (qsizetype i = 0; i < input.size();) {
        const qsizetype length = characterLength(input, i);
        if (isStorableCharacter(characterAt(input, i))) {
            kept.append(input.mid(i, length));
        } else if (i < pos) {
            keptPos -= static_cast<int>(length);
        }
        i += length;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

void keepStorableText(QPlainTextEdit& box) {
    QObject::connect(&box, &QPlainTextEdit::textChanged, &box, [&box] {
        QTextDocument* document = box.document();
        QTextCursor cursor(document);
        bool changed = false;
        // Last block first and from the end of each, so earlier positions stay valid.
        for (QTextBlock block = document->lastBlock(); block.isValid(); block = block.previous()) {
            const QString text = block.text();
            for (qsizetype i = text.size(); i > 0;) {
                qsizetype start = i - 1;
                if (text.at(start).isLowSurrogate() && start > 0 &&
                    text.at(start - 1).isHighSurrogate()) {
                    --start;
                }
                const char32_t ch = characterAt(text, start);
                if (ch != QChar::LineSeparator && !isStorableCharacter(ch)) {
                    if (!changed) {
                        cursor.joinPreviousEditBlock();  // one undo step with the insertion
                        changed = true;
                    }
                    cursor.setPosition(block.position() + static_cast<int>(start));
                    cursor.setPosition(block.position() + static_cast<int>(i),
                                       QTextCursor::KeepAnchor);
                    cursor.removeSelectedText();
                }
                i = start;
            }
        }
        if (changed) {
            cursor.endEditBlock();
        }
    });
}

}  // namespace reelcase

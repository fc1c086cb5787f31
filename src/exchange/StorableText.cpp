#include "exchange/StorableText.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include "exchange/ByteTable.h"

namespace reelcase {

StorableText::StorableText(const ByteTable& table) : table_(table) {}

StorableText::~StorableText() = default;

bool StorableText::appendPlain(const QString& character, std::string& out) const {
    if (!plain_ && !plainFailed_) {
        UErrorCode status = U_ZERO_ERROR;
        plain_.reset(icu::Transliterator::createInstance(icu::UnicodeString(u"Latin-ASCII"),
                                                         UTRANS_FORWARD, status));
        plainFailed_ = U_FAILURE(status) || !plain_;
    }
    if (plainFailed_) {
        return false;
    }
    icu::UnicodeString text(reinterpret_cast<const char16_t*>(character.utf16()),
                            static_cast<int32_t>(character.size()));
    plain_->transliterate(text);
    const QString plain = QString::fromUtf16(text.getBuffer(), text.length());
    if (plain == character) {
        return false;
    }
    const std::optional<std::string> bytes = table_.singleByteForm(plain);
    if (!bytes) {
        return false;
    }
    out += *bytes;
    return true;
}

StoredText StorableText::convert(const QString& text, bool lineBreaks) const {
    StoredText stored;
    stored.bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(c, text.at(i + 1)) : c.unicode();
        if (isControlCharacter(code) &&
            !(lineBreaks && (code == U'\r' || code == U'\n' || code == U'\t'))) {
            stored.controlsDropped = true;
            continue;
        }
        if (!pair) {
            if (const std::optional<char> b = table_.byteFor(c)) {
                stored.bytes.push_back(*b);
                continue;
            }
        }
        const QString character = pair ? text.mid(i, 2) : QString(c);
        if (pair) {
            ++i;
        }
        if (appendPlain(character, stored.bytes)) {
            stored.plainLetters = true;
        } else {
            stored.unstorable = true;
            stored.bytes.push_back('?');
        }
    }
    return stored;
}

}  // namespace reelcase

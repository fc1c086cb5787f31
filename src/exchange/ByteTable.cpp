#include "exchange/ByteTable.h"

#include "catalogue/TextCodec.h"

namespace reelcase {

ByteTable::ByteTable() : byteOf_(0x10000, 0) {
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) {
        all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    }
    const QString decoded = fromCatalogueText(all);
    for (int b = 0; b < 256 && b < decoded.size(); ++b) {
        const char16_t c = decoded.at(b).unicode();
        unicode_[static_cast<std::size_t>(b)] = c;
        const QByteArray utf8 = QString(QChar(c)).toUtf8();
        utf8_[static_cast<std::size_t>(b)] = std::string(utf8.constData(), utf8.size());
        // An undefined byte decodes to U+FFFD; it is not a character's form.
        if (c != 0xFFFD) {
            byteOf_[c] = static_cast<unsigned char>(b);
        }
    }
}

const ByteTable& ByteTable::shared() {
    static const ByteTable table;
    return table;
}

void ByteTable::appendUtf8(std::string_view bytes, std::string& out) const {
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            out += utf8_[b];
        }
    }
}

QString ByteTable::toUnicode(std::string_view bytes) const {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char ch : bytes) {
        *out++ = QChar(unicode_[static_cast<unsigned char>(ch)]);
    }
    return text;
}

std::string ByteTable::toSingleByte(const QString& text) const {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the basic plane: one "?"
            out.push_back('?');
            continue;
        }
        const unsigned char b = byteOf_[c.unicode()];
        out.push_back(b != 0 || c.unicode() == 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

}  // namespace reelcase

namespace reelcase {

std::optional<std::string> ByteTable::singleByteForm(const QString& text) const {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const std::optional<char> b = byteFor(c);
        if (!b) {
            return std::nullopt;
        }
        out.push_back(*b);
    }
    return out;
}

}  // namespace reelcase

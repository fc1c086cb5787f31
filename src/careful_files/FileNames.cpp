#include "careful_files/FileNames.h"

#include <algorithm>

#include <QStringDecoder>

namespace reelcase {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;  // + a byte of 0x80..0xFF
constexpr char16_t kFirstEscaped = 0xDC80;
constexpr char16_t kLastEscaped = 0xDCFF;

bool isEscapedByte(char16_t c) {
    return c >= kFirstEscaped && c <= kLastEscaped;
}

// The code point of the valid UTF-8 sequence at bytes[at], and its length; 0 where none
// starts there. Overlong forms, surrogates and code points beyond U+10FFFF are not valid:
// decoded, they would encode to other bytes.
int validSequence(QByteArrayView bytes, qsizetype at, char32_t& code) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        least = 0x80;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        least = 0x800;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        least = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(at + k);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

void appendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

QString fileNameFromBytes(QByteArrayView bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            name += QChar(static_cast<char16_t>(lead));
            ++at;
            continue;
        }
        char32_t code = 0;
        if (const int length = validSequence(bytes, at, code); length > 0) {
            if (QChar::requiresSurrogates(code)) {
                name += QChar(QChar::highSurrogate(code));
                name += QChar(QChar::lowSurrogate(code));
            } else {
                name += QChar(static_cast<char16_t>(code));
            }
            at += length;
        } else {
            // Only this byte: the next one may start a valid sequence.
            name += QChar(static_cast<char16_t>(kEscapedByte + lead));
            ++at;
        }
    }
    return name;
}

QByteArray fileNameBytes(QStringView name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(c, name[i + 1].unicode()));
            ++i;
        } else if (isEscapedByte(c)) {
            bytes += static_cast<char>(c - kEscapedByte);
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate no byte was kept as has no bytes of its own.
            appendUtf8(bytes, QChar::ReplacementCharacter);
        } else {
            appendUtf8(bytes, c);
        }
    }
    return bytes;
}

QString shownFileName(const QString& name) {
    if (std::none_of(name.cbegin(), name.cend(),
                     [](QChar c) { return isEscapedByte(c.unicode()); })) {
        return name;  // most names, shown often (a table repaints them)
    }
    QString shown = name;
    QStringDecoder codePage("windows-1252");
    for (QChar& c : shown) {
        if (isEscapedByte(c.unicode())) {
            const char byte = static_cast<char>(c.unicode() - kEscapedByte);
            const QString read = codePage.decode(QByteArrayView(&byte, 1));
            c = read.size() == 1 ? read.front() : QChar(QChar::ReplacementCharacter);
        }
    }
    return shown;
}

}  // namespace reelcase

#include "catalogue/TextCodec.h"

#include <algorithm>
#include <array>

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace reelcase {

namespace {
constexpr char kSubstitute = 0x1A;  // what the converter writes for an unmappable character

// The characters the 256 byte values read as, sorted, without the replacement character
// that stands for a byte the code page leaves undefined.
std::array<char16_t, 256> storableCharacters() {
    std::array<char16_t, 256> table{};
    QByteArray bytes(256, '\0');
    for (int b = 0; b < 256; ++b) {
        bytes[b] = static_cast<char>(b);
    }
    const QString decoded = fromCatalogueText(std::string_view(bytes.constData(), 256));
    for (int b = 0; b < 256; ++b) {
        const char16_t ch = b < decoded.size() ? decoded.at(b).unicode() : u'\0';
        table[static_cast<std::size_t>(b)] = ch == QChar::ReplacementCharacter ? u'\0' : ch;
    }
    std::sort(table.begin(), table.end());
    return table;
}

std::string_view upToZero(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

QString fromCatalogueText(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCatalogueText(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray encoded = encoder.encode(text);
    if (encoder.hasError()) {
        // The code page is single-byte: the converter writes exactly one byte per code point,
        // so the unmappable ones can be found by position and shown as "?".
        qsizetype i = 0;
        for (const auto* it = text.cbegin(); it != text.cend() && i < encoded.size(); ++it, ++i) {
            const bool pair = it->isHighSurrogate() && (it + 1) != text.cend();
            if (encoded[i] == kSubstitute && it->unicode() != 0x1A) {
                encoded[i] = '?';
            }
            if (pair) {
                ++it;
            }
        }
    }
    return {encoded.constData(), static_cast<std::size_t>(encoded.size())};
}

QString shownListText(std::string_view bytes) {
    std::string kept(upToZero(bytes));
    std::erase_if(kept, [](char c) { return static_cast<unsigned char>(c) < 32; });
    return fromCatalogueText(kept);
}

QString shownPanelText(std::string_view bytes) {
    const std::string_view text = upToZero(bytes);
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            kept.push_back('\n');
            ++i;
        } else if (static_cast<unsigned char>(c) >= 32 || c == '\t') {
            kept.push_back(c);
        }
    }
    return fromCatalogueText(kept);
}

bool isStorableCharacter(char32_t ch) {
    static const std::array<char16_t, 256> storable = storableCharacters();
    if (ch == U'\0') {
        return true;
    }
    return ch <= 0xFFFF &&
           std::binary_search(storable.begin(), storable.end(), static_cast<char16_t>(ch));
}

QString storableText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const char32_t ch : text.toUcs4()) {
        if (isStorableCharacter(ch)) {
            kept.append(QChar(static_cast<char16_t>(ch)));
        }
    }
    return kept;
}

}  // namespace reelcase

#include "catalogue/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace reelcase {

namespace {
constexpr char kSubstitute = 0x1A;  // what the converter writes for an unmappable character
}

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

}  // namespace reelcase

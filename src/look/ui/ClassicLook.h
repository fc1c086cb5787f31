#pragma once

#include <array>
#include <string_view>

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QString>
#include <QStringList>

#include "catalogue/TextCodec.h"

namespace reelcase {

// Group box captions that sit on the frame line, as the designed group heights assume.
inline QString classicGroupBoxStyle() {
    return QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0 2px; }");
}

// A designed font: its face and its height in pixels.
inline QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The designed faces, mapped to their metric twins so that designed sizes hold, and the
// windows' default font. Run once at start, before any window exists.
inline void useDesignedFonts() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
}

// The twin faces run a little wider than the designed ones: a caption that would cross the
// edge of its room is set a fraction of a pixel tighter per character, so it stays whole.
inline void fitCaption(QLabel& caption, int room) {
    const QFontMetricsF metrics(caption.font());
    const qreal excess = metrics.horizontalAdvance(caption.text()) - room;
    if (excess > 0 && caption.text().size() > 1) {
        QFont tighter = caption.font();
        tighter.setLetterSpacing(QFont::AbsoluteSpacing,
                                 -excess / static_cast<qreal>(caption.text().size() - 1));
        caption.setFont(tighter);
    }
    caption.adjustSize();
}

// A vocabulary's real items, without the empty entry that stands for "all".
template <std::size_t N>
QStringList vocabularyItems(const std::array<std::string_view, N>& vocabulary) {
    QStringList items;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        items << fromCatalogueText(vocabulary[i]);
    }
    return items;
}

}  // namespace reelcase

#pragma once

#include <QString>

namespace reelcase {

// Group box captions that sit on the frame line, as the designed group heights assume.
inline QString classicGroupBoxStyle() {
    return QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0 2px; }");
}

}  // namespace reelcase

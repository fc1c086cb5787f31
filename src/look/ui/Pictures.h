#pragma once

#include <array>

#include <QIcon>
#include <QPixmap>

#include "look/ColourRamp.h"

namespace reelcase {

// A 1-pixel-wide vertical ramp, to be stretched over a picture control.
QPixmap rampPixmap(const std::array<Rgb, 5>& samples, int height);

// The toolbar's seven 16 x 16 images: 0 open, 1 save, 2 print, 3 export, 4 add, 5 modify,
// 6 delete.
QPixmap toolbarImage(int index);

// The program's icon: a film reel.
QIcon programIcon();

}  // namespace reelcase

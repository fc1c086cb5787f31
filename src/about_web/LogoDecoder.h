#pragma once

#include <vector>

#include <QByteArrayView>

namespace reelcase {

// A decoded picture: height rows of width pixels, three bytes (red, green, blue) each.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    bool isEmpty() const { return rgb.empty(); }
};

// The largest width or height decodeJpeg accepts; a larger header is taken as damage rather
// than allocated.
inline constexpr int MaxPictureSide = 4096;

// Decodes a JPEG picture, baseline or progressive, with libjpeg from memory. Anything libjpeg
// objects to gives an empty picture, its warnings included: libjpeg otherwise "finishes" a
// truncated or corrupt file with made-up pixels.
RgbPicture decodeJpeg(QByteArrayView jpeg);

}  // namespace reelcase

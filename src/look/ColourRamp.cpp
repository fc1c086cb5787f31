#include "look/ColourRamp.h"

#include <cmath>

namespace reelcase {

std::vector<Rgb> colourRamp(const std::array<Rgb, 5>& samples, int height) {
    std::vector<Rgb> rows;
    if (height <= 0) {
        return rows;
    }
    rows.reserve(static_cast<std::size_t>(height));
    const auto mix = [](std::uint8_t a, std::uint8_t b, double t) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    for (int y = 0; y < height; ++y) {
        const double at = height == 1 ? 0.0 : 4.0 * y / (height - 1);
        const int k = at >= 4.0 ? 3 : static_cast<int>(at);
        const double t = at - k;
        const Rgb& a = samples[static_cast<std::size_t>(k)];
        const Rgb& b = samples[static_cast<std::size_t>(k) + 1];
        rows.push_back({mix(a.red, b.red, t), mix(a.green, b.green, t), mix(a.blue, b.blue, t)});
    }
    return rows;
}

}  // namespace reelcase

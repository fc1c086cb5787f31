#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace reelcase {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// A vertical colour ramp of the given height through five colours sampled at the top, one
// quarter, the middle, three quarters and the bottom, straight lines between them.
std::vector<Rgb> colourRamp(const std::array<Rgb, 5>& samples, int height);

// The colours of the first skin, which is also the main window's design background.
inline constexpr std::array<Rgb, 5> kBlueSkin = {
    {{0, 0, 128}, {197, 198, 251}, {212, 216, 238}, {48, 49, 153}, {168, 178, 216}}};

}  // namespace reelcase

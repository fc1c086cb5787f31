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

using SkinColours = std::array<Rgb, 5>;

// The ten background skins, first to tenth; the first is also the main window's design
// background.
inline constexpr std::array<SkinColours, 10> kSkins = {{
    {{{0, 0, 128}, {197, 198, 251}, {212, 216, 238}, {48, 49, 153}, {168, 178, 216}}},
    {{{128, 0, 0}, {251, 197, 197}, {239, 211, 211}, {153, 47, 47}, {216, 168, 168}}},
    {{{225, 225, 255}, {26, 26, 141}, {26, 26, 141}, {64, 64, 178}, {102, 102, 217}}},
    {{{255, 255, 255}, {247, 198, 190}, {240, 143, 127}, {232, 86, 62}, {226, 32, 0}}},
    {{{168, 178, 216}, {128, 197, 193}, {88, 217, 171}, {45, 237, 147}, {40, 240, 144}}},
    {{{0, 2, 255}, {0, 129, 127}, {2, 255, 0}, {129, 127, 0}, {255, 0, 0}}},
    {{{255, 255, 0}, {255, 165, 47}, {255, 70, 33}, {227, 0, 0}, {128, 0, 0}}},
    {{{255, 255, 2}, {255, 131, 124}, {255, 2, 249}, {132, 124, 255}, {0, 255, 255}}},
    {{{255, 255, 255}, {191, 191, 191}, {127, 127, 127}, {63, 63, 63}, {0, 0, 0}}},
    {{{255, 124, 0}, {211, 104, 19}, {167, 85, 39}, {123, 66, 59}, {79, 47, 79}}},
}};
inline constexpr const SkinColours& kBlueSkin = kSkins[0];

}  // namespace reelcase

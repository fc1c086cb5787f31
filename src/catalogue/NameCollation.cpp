#include "catalogue/NameCollation.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace reelcase {

namespace {

struct Weights {
    std::array<std::uint8_t, 256> primary{};
    std::array<std::uint8_t, 256> secondary{};
};

// Accent marks, as secondary weights: a plain letter sorts before its accented forms.
enum Accent : std::uint8_t {
    Plain = 0,
    Grave,
    Acute,
    Circumflex,
    Tilde,
    Diaeresis,
    Ring,
    Ligature,
    Cedilla,
    Caron,
    Stroke,
    Ordinal
};

struct Letter {
    std::uint8_t byte;
    char base;
    Accent accent;
};

// Windows-1252 letters above 127, upper and lower case alike.
constexpr auto kAccented = std::to_array<Letter>({
    {0x8A, 's', Caron},      {0x9A, 's', Caron},      {0x8C, 'o', Ligature},
    {0x9C, 'o', Ligature},   {0x8E, 'z', Caron},      {0x9E, 'z', Caron},
    {0x9F, 'y', Diaeresis},  {0xFF, 'y', Diaeresis},  {0x83, 'f', Stroke},
    {0xAA, 'a', Ordinal},    {0xBA, 'o', Ordinal},    {0xC0, 'a', Grave},
    {0xE0, 'a', Grave},      {0xC1, 'a', Acute},      {0xE1, 'a', Acute},
    {0xC2, 'a', Circumflex}, {0xE2, 'a', Circumflex}, {0xC3, 'a', Tilde},
    {0xE3, 'a', Tilde},      {0xC4, 'a', Diaeresis},  {0xE4, 'a', Diaeresis},
    {0xC5, 'a', Ring},       {0xE5, 'a', Ring},       {0xC6, 'a', Ligature},
    {0xE6, 'a', Ligature},   {0xC7, 'c', Cedilla},    {0xE7, 'c', Cedilla},
    {0xC8, 'e', Grave},      {0xE8, 'e', Grave},      {0xC9, 'e', Acute},
    {0xE9, 'e', Acute},      {0xCA, 'e', Circumflex}, {0xEA, 'e', Circumflex},
    {0xCB, 'e', Diaeresis},  {0xEB, 'e', Diaeresis},  {0xCC, 'i', Grave},
    {0xEC, 'i', Grave},      {0xCD, 'i', Acute},      {0xED, 'i', Acute},
    {0xCE, 'i', Circumflex}, {0xEE, 'i', Circumflex}, {0xCF, 'i', Diaeresis},
    {0xEF, 'i', Diaeresis},  {0xD0, 'd', Stroke},     {0xF0, 'd', Stroke},
    {0xD1, 'n', Tilde},      {0xF1, 'n', Tilde},      {0xD2, 'o', Grave},
    {0xF2, 'o', Grave},      {0xD3, 'o', Acute},      {0xF3, 'o', Acute},
    {0xD4, 'o', Circumflex}, {0xF4, 'o', Circumflex}, {0xD5, 'o', Tilde},
    {0xF5, 'o', Tilde},      {0xD6, 'o', Diaeresis},  {0xF6, 'o', Diaeresis},
    {0xD8, 'o', Stroke},     {0xF8, 'o', Stroke},     {0xD9, 'u', Grave},
    {0xF9, 'u', Grave},      {0xDA, 'u', Acute},      {0xFA, 'u', Acute},
    {0xDB, 'u', Circumflex}, {0xFB, 'u', Circumflex}, {0xDC, 'u', Diaeresis},
    {0xFC, 'u', Diaeresis},  {0xDD, 'y', Acute},      {0xFD, 'y', Acute},
    {0xDF, 's', Ligature},   {0xDE, 'z', Ring},       {0xFE, 'z', Ring},
    {0xB5, 'm', Ordinal},
});

constexpr bool isAsciiLetter(int b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

constexpr Weights makeWeights() {
    Weights w;
    std::array<bool, 256> isLetter{};
    for (const auto& l : kAccented) {
        isLetter[l.byte] = true;
    }
    // 1..: everything that is neither digit nor letter, in code order.
    std::uint8_t next = 1;
    for (int b = 0; b < 256; ++b) {
        if (!isAsciiLetter(b) && !(b >= '0' && b <= '9') &&
            !isLetter[static_cast<std::size_t>(b)]) {
            w.primary[static_cast<std::size_t>(b)] = next++;
        }
    }
    for (int b = '0'; b <= '9'; ++b) {
        w.primary[static_cast<std::size_t>(b)] = next++;
    }
    const std::uint8_t letterBase = next;
    for (int b = 'a'; b <= 'z'; ++b) {
        const auto weight = static_cast<std::uint8_t>(letterBase + (b - 'a'));
        w.primary[static_cast<std::size_t>(b)] = weight;
        w.primary[static_cast<std::size_t>(b) - 'a' + 'A'] = weight;
    }
    auto place = [&](const Letter& l) {
        w.primary[l.byte] = static_cast<std::uint8_t>(letterBase + (l.base - 'a'));
        w.secondary[l.byte] = l.accent;
    };
    for (const auto& l : kAccented) {
        place(l);
    }
    return w;
}

constexpr Weights kWeights = makeWeights();

}  // namespace

CollationKey collationKey(std::string_view name) {
    constexpr std::size_t kLongest = (CollationKeyRoom - 1) / 2;
    if (name.size() > kLongest) {
        name = name.substr(0, kLongest);
    }
    CollationKey key;  // bytes past size stay zero, which the 16-byte sort prefix relies on
    key.bytes.fill(0);
    std::size_t k = 0;
    unsigned char seen = 0;
    for (const char c : name) {
        seen |= static_cast<unsigned char>(c);
        key.bytes[k++] = kWeights.primary[static_cast<unsigned char>(c)];
    }
    // Primary weights are never 0, so the separator makes a shorter name sort first.
    key.bytes[k++] = 0;
    if (seen < 0x80) {
        // Plain characters only: every secondary weight is that of no accent.
        std::memset(key.bytes.data() + k, Plain + 1, name.size());
        k += name.size();
    } else {
        for (const char c : name) {
            key.bytes[k++] =
                static_cast<unsigned char>(kWeights.secondary[static_cast<unsigned char>(c)] + 1);
        }
    }
    key.size = static_cast<unsigned char>(k);
    return key;
}

CollationPrefix collationPrefix(std::string_view name) {
    constexpr std::size_t kLongest = (CollationKeyRoom - 1) / 2;
    constexpr std::size_t kRoom = 16;
    if (name.size() > kLongest) {
        name = name.substr(0, kLongest);
    }
    std::array<unsigned char, kRoom> bytes{};
    std::size_t k = 0;
    for (std::size_t i = 0; i < name.size() && k < kRoom; ++i) {
        bytes[k++] = kWeights.primary[static_cast<unsigned char>(name[i])];
    }
    if (k < kRoom) {
        bytes[k++] = 0;
        for (std::size_t i = 0; i < name.size() && k < kRoom; ++i) {
            bytes[k++] = static_cast<unsigned char>(
                kWeights.secondary[static_cast<unsigned char>(name[i])] + 1);
        }
    }
    CollationPrefix prefix{0, 0};
    for (std::size_t i = 0; i < 8; ++i) {
        prefix.high = (prefix.high << 8) | bytes[i];
        prefix.low = (prefix.low << 8) | bytes[8 + i];
    }
    return prefix;
}

bool operator<(const CollationKey& a, const CollationKey& b) {
    const std::size_t common = a.size < b.size ? a.size : b.size;
    const int order = std::memcmp(a.bytes.data(), b.bytes.data(), common);
    return order < 0 || (order == 0 && a.size < b.size);
}

}  // namespace reelcase

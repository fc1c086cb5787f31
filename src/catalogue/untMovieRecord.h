#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace reelcase {

inline constexpr int CatalogueCapacity = 100000;

// One movie, byte for byte as it lies in memory and in a catalogue file. Texts are a length
// byte followed by single-byte characters; the bytes after the length carry no meaning.
struct MovieRecord {
    std::uint8_t Name[30];
    std::uint8_t Genre[9];
    std::uint8_t Format[4];
    std::uint8_t Rating[16];
    std::uint8_t PersonalInfo[201];
    std::int32_t Length;
    std::int32_t Quality;
    std::int32_t Size;
};

inline constexpr std::size_t RecordSize = 272;
// The characters a name and a genre can hold: their fields less the length byte.
inline constexpr std::size_t NameRoom = sizeof(MovieRecord::Name) - 1;
inline constexpr std::size_t GenreRoom = sizeof(MovieRecord::Genre) - 1;
static_assert(sizeof(MovieRecord) == RecordSize);
static_assert(offsetof(MovieRecord, Genre) == 30);
static_assert(offsetof(MovieRecord, Format) == 39);
static_assert(offsetof(MovieRecord, Rating) == 43);
static_assert(offsetof(MovieRecord, PersonalInfo) == 59);
static_assert(offsetof(MovieRecord, Length) == 260);
static_assert(offsetof(MovieRecord, Quality) == 264);
static_assert(offsetof(MovieRecord, Size) == 268);
static_assert(std::endian::native == std::endian::little,
              "records hold little-endian integers and are copied as blocks");

// A stored length byte above the field's room (a damaged or foreign file) reads as the room.
template <std::size_t N>
std::string_view fieldText(const std::uint8_t (&field)[N]) {
    const std::size_t len = field[0] < N - 1 ? field[0] : N - 1;
    return {reinterpret_cast<const char*>(field + 1), len};
}

// Longer text is cut to the field's room; the bytes after the new length stay as they were.
template <std::size_t N>
void setFieldText(std::uint8_t (&field)[N], std::string_view text) {
    const std::size_t len = text.size() < N - 1 ? text.size() : N - 1;
    field[0] = static_cast<std::uint8_t>(len);
    for (std::size_t i = 0; i < len; ++i) {
        field[i + 1] = static_cast<std::uint8_t>(text[i]);
    }
}

inline std::string_view nameOf(const MovieRecord& r) {
    return fieldText(r.Name);
}

// The vocabularies: the real items, then one empty entry at the index of the filters'
// all-items entry.
inline constexpr std::array<std::string_view, 10> GenreNames = {
    "Action", "Thriller", "Comedy", "Drama", "Horror", "Family", "SF", "Anime", "Fantasy", ""};
inline constexpr std::array<std::string_view, 7> RatingNames = {
    "Walk Away Movie", "Boring", "Normal", "Nice", "Pretty Good", "Perfect Movie", ""};
inline constexpr std::array<std::string_view, 6> FormatNames = {"AVI", "ASF", "MPG",
                                                                "DVD", "RM",  ""};
inline constexpr int QualityCount = 5;

}  // namespace reelcase

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <QtGlobal>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "finding/CategoryFilter.h"
#include "program_state/ProgramState.h"

namespace reelcase {

// The four ways the statistics group movies, each by the field of one filter box, in the
// order they are shown.
inline constexpr std::array<FilterBox, 4> StatisticsGroupings = {
    FilterBox::Genre, FilterBox::Format, FilterBox::Rating, FilterBox::Quality};

// What a chart shows for each group.
enum class StatisticsMeasure { Movies, Hours, Gigabytes };

inline constexpr int MinutesPerHour = 60;
// Sizes are stored in megabytes of 1,048,576 bytes, as measuring a movie file makes them.
inline constexpr int MegabytesPerGigabyte = 1024;

// What a set of movies adds up to. A length or size of zero or below (unknown, or from a
// damaged file) is not measured: it adds nothing to the sums and is counted apart.
struct Tally {
    std::int64_t movies = 0;
    std::int64_t minutes = 0;    // of the movies whose length is measured
    std::int64_t megabytes = 0;  // of the movies whose size is measured
    std::int64_t timed = 0;      // movies whose length is measured
    std::int64_t sized = 0;      // movies whose size is measured

    void add(const MovieRecord& movie);
    std::int64_t withoutLength() const { return movies - timed; }
    std::int64_t withoutSize() const { return movies - sized; }
    double hours() const { return static_cast<double>(minutes) / MinutesPerHour; }
    double gigabytes() const { return static_cast<double>(megabytes) / MegabytesPerGigabyte; }
    double value(StatisticsMeasure measure) const;
};

// One group of a table: a vocabulary item (a quality as "3/5") or, last, every value outside
// the vocabulary together.
struct StatisticsGroup {
    std::string label;
    int item = -1;  // the filter box item that lists this group; -1 for the values outside
    Tally tally;
};

// The totals of a set of movies and their tables by genre, format, rating and quality. The
// groups stand in the vocabularies' order (ratings from "Walk Away Movie" up), every item
// included, with or without movies.
class MovieStatistics {
  public:
    MovieStatistics();

    void add(const MovieRecord& movie);

    const Tally& totals() const { return totals_; }
    // The groups of a table; the group of values outside the vocabulary only when it holds
    // a movie.
    std::span<const StatisticsGroup> groups(FilterBox grouping) const;

  private:
    Tally totals_;
    std::array<std::vector<StatisticsGroup>, 4> tables_;
};

// The label of the group of values outside a vocabulary.
inline constexpr std::string_view OutsideVocabularyLabel =
    QT_TRANSLATE_NOOP("Statistics", "(other)");

// The slots of the movies the list shows, each once, in list order. An entry whose name
// several slots carry stands for one of them not yet taken, one that passes the filter in
// force first: the list holds one entry per listed slot.
std::vector<int> listedSlots(const Catalogue& catalogue, const MovieList& list,
                             const FilterChoice& filters);

// The statistics of the movies the list shows.
MovieStatistics listedStatistics(const Catalogue& catalogue, const MovieList& list,
                                 const FilterChoice& filters);

}  // namespace reelcase

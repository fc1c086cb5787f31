// Counting the listed movies: totals and the four tables.
#include "statistics/MovieStatistics.h"

#include <optional>
#include <utility>

#include "catalogue/SlotChains.h"

namespace reelcase {

namespace {

constexpr std::size_t tableOf(FilterBox grouping) {
    return static_cast<std::size_t>(grouping);
}

// The index of a movie's item in a filter box, or -1 when its value is none of them.
int itemOf(const MovieRecord& movie, FilterBox grouping) {
    for (int i = 0; i < allItemIndex(grouping); ++i) {
        if (passesFilter(movie, grouping, i)) {
            return i;
        }
    }
    return -1;
}

// The filter box in force and its item; nothing when every box shows its all-items entry.
std::optional<std::pair<FilterBox, int>> filterInForce(const FilterChoice& filters) {
    const std::pair<FilterBox, int> chosen[] = {{FilterBox::Genre, filters.genre},
                                                {FilterBox::Rating, filters.rating},
                                                {FilterBox::Format, filters.format},
                                                {FilterBox::Quality, filters.quality}};
    for (const auto& [box, item] : chosen) {
        if (item >= 0 && item < allItemIndex(box)) {
            return std::pair{box, item};
        }
    }
    return std::nullopt;
}

}  // namespace

void Tally::add(const MovieRecord& movie) {
    ++movies;
    if (movie.Length > 0) {
        minutes += movie.Length;
        ++timed;
    }
    if (movie.Size > 0) {
        megabytes += movie.Size;
        ++sized;
    }
}

double Tally::value(StatisticsMeasure measure) const {
    switch (measure) {
        case StatisticsMeasure::Movies:
            break;
        case StatisticsMeasure::Hours:
            return hours();
        case StatisticsMeasure::Gigabytes:
            return gigabytes();
    }
    return static_cast<double>(movies);
}

MovieStatistics::MovieStatistics() {
    for (const FilterBox grouping : StatisticsGroupings) {
        std::vector<StatisticsGroup>& table = tables_[tableOf(grouping)];
        for (int i = 0; i < allItemIndex(grouping); ++i) {
            const auto at = static_cast<std::size_t>(i);
            std::string label;
            switch (grouping) {
                case FilterBox::Genre:
                    label = GenreNames.at(at);
                    break;
                case FilterBox::Rating:
                    label = RatingNames.at(at);
                    break;
                case FilterBox::Format:
                    label = FormatNames.at(at);
                    break;
                case FilterBox::Quality:
                    label = std::to_string(i + 1) + "/5";
                    break;
            }
            table.push_back({std::move(label), i, {}});
        }
        table.push_back({std::string(OutsideVocabularyLabel), -1, {}});
    }
}

void MovieStatistics::add(const MovieRecord& movie) {
    totals_.add(movie);
    for (const FilterBox grouping : StatisticsGroupings) {
        std::vector<StatisticsGroup>& table = tables_[tableOf(grouping)];
        const int item = itemOf(movie, grouping);
        table[item < 0 ? table.size() - 1 : static_cast<std::size_t>(item)].tally.add(movie);
    }
}

std::span<const StatisticsGroup> MovieStatistics::groups(FilterBox grouping) const {
    const std::vector<StatisticsGroup>& table = tables_[tableOf(grouping)];
    const bool outsideUsed = table.back().tally.movies > 0;
    return {table.data(), outsideUsed ? table.size() : table.size() - 1};
}

std::vector<int> listedSlots(const Catalogue& catalogue, const MovieList& list,
                             const FilterChoice& filters) {
    std::vector<int> slots;
    slots.reserve(static_cast<std::size_t>(list.size()));
    if (slotsInListOrder(catalogue, list)) {
        for (int i = 0; i < list.size(); ++i) {
            slots.push_back(i + 1);
        }
        return slots;
    }
    const std::optional<std::pair<FilterBox, int>> filter = filterInForce(filters);
    const auto passes = [&](int slot) {
        return !filter || passesFilter(catalogue.slot(slot), filter->first, filter->second);
    };
    const SlotChains chains(catalogue);
    std::vector<bool> taken(static_cast<std::size_t>(catalogue.movieCount()) + 1);
    for (int i = 0; i < list.size(); ++i) {
        int chosen = 0;
        int spare = 0;
        for (int n = chains.first(list.at(i)); n != 0; n = chains.next(n)) {
            if (taken[static_cast<std::size_t>(n)]) {
                continue;
            }
            if (passes(n)) {
                chosen = n;
                break;
            }
            if (spare == 0) {
                spare = n;
            }
        }
        if (chosen == 0) {
            chosen = spare;
        }
        if (chosen != 0) {
            taken[static_cast<std::size_t>(chosen)] = true;
            slots.push_back(chosen);
        }
    }
    return slots;
}

MovieStatistics listedStatistics(const Catalogue& catalogue, const MovieList& list,
                                 const FilterChoice& filters) {
    MovieStatistics statistics;
    for (const int slot : listedSlots(catalogue, list, filters)) {
        statistics.add(catalogue.slot(slot));
    }
    return statistics;
}

}  // namespace reelcase

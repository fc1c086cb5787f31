#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QString>

#include "program_state/ProgramState.h"
#include "statistics/MovieStatistics.h"

namespace reelcase {

// The statistics in words and numbers, as the window and the command line show them. Plain
// ASCII: no movie's text appears in them.

// 1234567 as "1,234,567".
std::string groupedNumber(std::int64_t number);
// A number with places decimals, rounded, its whole part grouped: "1,234.5".
std::string groupedDecimal(double number, int places);
// A length of film: "45 min", "1 h 05 min", "2,051 h 30 min".
std::string hoursAndMinutes(std::int64_t minutes);
// Megabytes as gigabytes with one decimal: "1,234.5 GB".
std::string gigabytesText(std::int64_t megabytes);
// The average length and size of the measured movies; "none measured" without any.
std::string averageLengthText(const Tally& tally);
std::string averageSizeText(const Tally& tally);
// The share of part in whole as a percentage with one decimal: "12.5 %".
std::string shareText(std::int64_t part, std::int64_t whole);

// A value as a chart writes it on its bar: movies whole, hours and gigabytes with one decimal.
std::string measureValueText(StatisticsMeasure measure, double value);
// The name of what a chart shows: "Movies", "Hours", "Gigabytes".
std::string measureName(StatisticsMeasure measure);
// The name of a grouping: "Genre", "Format", "Rating", "Quality".
std::string groupingName(FilterBox grouping);

// "Statistics of 1,234 movies", followed by the filter in force: " (Genre: SF)".
std::string statisticsTitle(std::int64_t movies, const FilterChoice& filters);

// The title as the window shows it, in the user's language; the filter's item stays as stored.
QString statisticsWindowTitle(std::int64_t movies, const FilterChoice& filters);
// One of the texts above (a label, a name, "none measured") in the user's language; any other
// text as it is.
QString shownStatisticsText(const std::string& text);

// The totals as lines of a label and its value.
struct TotalLine {
    std::string label;
    std::string value;
};
std::vector<TotalLine> totalLines(const Tally& totals);

// The report of the command line: the totals, then the table of one grouping or of all four.
std::string statisticsText(const MovieStatistics& statistics, std::optional<FilterBox> grouping);
// The same as comma-separated rows under one header: the totals as the row "all", then one
// row per group, with the sums in whole minutes and megabytes.
std::string statisticsCsv(const MovieStatistics& statistics, std::optional<FilterBox> grouping);

}  // namespace reelcase

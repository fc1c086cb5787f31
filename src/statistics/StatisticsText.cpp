// The statistics in words and numbers.
#include "statistics/StatisticsText.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>

namespace reelcase {

namespace {

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

// The groupings a report shows: the one asked for, or all four.
std::vector<FilterBox> reportedGroupings(std::optional<FilterBox> grouping) {
    if (grouping) {
        return {*grouping};
    }
    return {StatisticsGroupings.begin(), StatisticsGroupings.end()};
}

std::string lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// A value for a CSV field: quoted when it holds a comma or a quote.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string csvRow(const std::string& table, const std::string& value, const Tally& t) {
    return table + ',' + csvField(value) + ',' + std::to_string(t.movies) + ',' +
           std::to_string(t.minutes) + ',' + std::to_string(t.megabytes) + ',' +
           std::to_string(t.withoutLength()) + ',' + std::to_string(t.withoutSize()) + '\n';
}

}  // namespace

std::string groupedNumber(std::int64_t number) {
    const std::uint64_t magnitude =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    const std::string digits = std::to_string(magnitude);
    std::string grouped = number < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string groupedDecimal(double number, int places) {
    const double scale = std::pow(10.0, places);
    const auto scaled = static_cast<std::int64_t>(std::llround(std::abs(number) * scale));
    const auto whole = static_cast<std::int64_t>(scaled / static_cast<std::int64_t>(scale));
    // Appended rather than added to a literal, which GCC 12's -Wrestrict misreads when
    // optimising.
    std::string text = number < 0 && scaled != 0 ? "-" : "";
    text += groupedNumber(whole);
    if (places > 0) {
        const std::string fraction = std::to_string(scaled % static_cast<std::int64_t>(scale) +
                                                    static_cast<std::int64_t>(scale));
        text += '.' + fraction.substr(1);
    }
    return text;
}

std::string hoursAndMinutes(std::int64_t minutes) {
    if (minutes < MinutesPerHour) {
        return std::to_string(minutes) + " min";
    }
    const std::int64_t rest = minutes % MinutesPerHour;
    return groupedNumber(minutes / MinutesPerHour) + " h " + (rest < 10 ? "0" : "") +
           std::to_string(rest) + " min";
}

std::string gigabytesText(std::int64_t megabytes) {
    return groupedDecimal(static_cast<double>(megabytes) / MegabytesPerGigabyte, 1) + " GB";
}

std::string averageLengthText(const Tally& tally) {
    if (tally.timed == 0) {
        return QT_TRANSLATE_NOOP("Statistics", "none measured");
    }
    return hoursAndMinutes(
        std::llround(static_cast<double>(tally.minutes) / static_cast<double>(tally.timed)));
}

std::string averageSizeText(const Tally& tally) {
    if (tally.sized == 0) {
        return QT_TRANSLATE_NOOP("Statistics", "none measured");
    }
    return groupedNumber(std::llround(static_cast<double>(tally.megabytes) /
                                      static_cast<double>(tally.sized))) +
           " MB";
}

std::string shareText(std::int64_t part, std::int64_t whole) {
    if (whole <= 0) {
        return "-";
    }
    return groupedDecimal(100.0 * static_cast<double>(part) / static_cast<double>(whole), 1) + " %";
}

std::string measureValueText(StatisticsMeasure measure, double value) {
    return groupedDecimal(value, measure == StatisticsMeasure::Movies ? 0 : 1);
}

std::string measureName(StatisticsMeasure measure) {
    switch (measure) {
        case StatisticsMeasure::Movies:
            break;
        case StatisticsMeasure::Hours:
            return QT_TRANSLATE_NOOP("Statistics", "Hours");
        case StatisticsMeasure::Gigabytes:
            return QT_TRANSLATE_NOOP("Statistics", "Gigabytes");
    }
    return QT_TRANSLATE_NOOP("Statistics", "Movies");
}

std::string groupingName(FilterBox grouping) {
    switch (grouping) {
        case FilterBox::Genre:
            break;
        case FilterBox::Rating:
            return QT_TRANSLATE_NOOP("Statistics", "Rating");
        case FilterBox::Format:
            return QT_TRANSLATE_NOOP("Statistics", "Format");
        case FilterBox::Quality:
            return QT_TRANSLATE_NOOP("Statistics", "Quality");
    }
    return QT_TRANSLATE_NOOP("Statistics", "Genre");
}

std::string statisticsTitle(std::int64_t movies, const FilterChoice& filters) {
    std::string title =
        "Statistics of " + groupedNumber(movies) + (movies == 1 ? " movie" : " movies");
    const MovieStatistics names;  // the groups' labels are the filter boxes' items
    const std::pair<FilterBox, int> chosen[] = {{FilterBox::Genre, filters.genre},
                                                {FilterBox::Rating, filters.rating},
                                                {FilterBox::Format, filters.format},
                                                {FilterBox::Quality, filters.quality}};
    for (const auto& [box, item] : chosen) {
        if (item >= 0 && item < allItemIndex(box)) {
            title += " (" + groupingName(box) + ": " +
                     names.groups(box)[static_cast<std::size_t>(item)].label + ")";
            break;
        }
    }
    return title;
}

QString shownStatisticsText(const std::string& text) {
    return QCoreApplication::translate("Statistics", text.c_str());
}

QString statisticsWindowTitle(std::int64_t movies, const FilterChoice& filters) {
    const QString count = QString::fromStdString(groupedNumber(movies));
    QString title =
        movies == 1
            ? QCoreApplication::translate("Statistics", "Statistics of 1 movie")
            : QCoreApplication::translate("Statistics", "Statistics of %1 movies").arg(count);
    const std::string english = statisticsTitle(movies, filters);
    // The filter in force, its grouping's name translated; the item is a stored value.
    if (const std::size_t open = english.find(" ("); open != std::string::npos) {
        const std::size_t colon = english.find(": ", open);
        const std::string grouping = english.substr(open + 2, colon - open - 2);
        const std::string item = english.substr(colon + 2, english.size() - colon - 3);
        title = QCoreApplication::translate("Statistics", "%1 (%2: %3)")
                    .arg(title, shownStatisticsText(grouping), QString::fromStdString(item));
    }
    return title;
}

std::vector<TotalLine> totalLines(const Tally& totals) {
    return {
        {QT_TRANSLATE_NOOP("Statistics", "Movies"), groupedNumber(totals.movies)},
        {QT_TRANSLATE_NOOP("Statistics", "Length of film"), hoursAndMinutes(totals.minutes)},
        {QT_TRANSLATE_NOOP("Statistics", "Size"), gigabytesText(totals.megabytes)},
        {QT_TRANSLATE_NOOP("Statistics", "Average length"), averageLengthText(totals)},
        {QT_TRANSLATE_NOOP("Statistics", "Average size"), averageSizeText(totals)},
        {QT_TRANSLATE_NOOP("Statistics", "No length measured"),
         groupedNumber(totals.withoutLength())},
        {QT_TRANSLATE_NOOP("Statistics", "No size measured"), groupedNumber(totals.withoutSize())}};
}

std::string statisticsText(const MovieStatistics& statistics, std::optional<FilterBox> grouping) {
    constexpr std::size_t LabelWidth = 20;
    constexpr std::size_t GroupWidth = 16;
    constexpr std::size_t NumberWidth = 11;
    std::string text;
    for (const TotalLine& line : totalLines(statistics.totals())) {
        text += padRight(line.label, LabelWidth) + line.value + '\n';
    }
    const std::int64_t all = statistics.totals().movies;
    for (const FilterBox g : reportedGroupings(grouping)) {
        text += '\n';
        text += padRight(groupingName(g), GroupWidth) + padLeft("Movies", NumberWidth) +
                padLeft("Share", NumberWidth) + padLeft("Hours", NumberWidth) +
                padLeft("Gigabytes", NumberWidth) + '\n';
        for (const StatisticsGroup& group : statistics.groups(g)) {
            const Tally& t = group.tally;
            text += padRight(group.label, GroupWidth) +
                    padLeft(groupedNumber(t.movies), NumberWidth) +
                    padLeft(shareText(t.movies, all), NumberWidth) +
                    padLeft(groupedDecimal(t.hours(), 1), NumberWidth) +
                    padLeft(groupedDecimal(t.gigabytes(), 1), NumberWidth) + '\n';
        }
    }
    return text;
}

std::string statisticsCsv(const MovieStatistics& statistics, std::optional<FilterBox> grouping) {
    std::string text = "table,value,movies,minutes,megabytes,no length,no size\n";
    text += csvRow("all", "", statistics.totals());
    for (const FilterBox g : reportedGroupings(grouping)) {
        for (const StatisticsGroup& group : statistics.groups(g)) {
            text += csvRow(lowered(groupingName(g)), group.label, group.tally);
        }
    }
    return text;
}

}  // namespace reelcase

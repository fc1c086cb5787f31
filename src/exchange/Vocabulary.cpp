#include "exchange/Vocabulary.h"

#include <limits>
#include <utility>

#include <QRegularExpression>

#include "catalogue/Catalogue.h"

namespace reelcase {

namespace {

struct Synonym {
    const char* other;
    const char* item;
};

// Lower-case other names; kept small on purpose: each one is a certain match.
constexpr Synonym kGenreSynonyms[] = {
    {"science fiction", "SF"},
    {"science-fiction", "SF"},
    {"sci-fi", "SF"},
    {"scifi", "SF"},
    {"sf", "SF"},
    {"thrillers", "Thriller"},
    {"suspense", "Thriller"},
    {"comedies", "Comedy"},
    {"dramas", "Drama"},
    {"kids", "Family"},
    {"children", "Family"},
    {"anime", "Anime"},
};
constexpr Synonym kFormatSynonyms[] = {
    {"dvd-video", "DVD"}, {"dvd video", "DVD"},     {"dvd-rom", "DVD"},   {"mpeg", "MPG"},
    {"mpeg-1", "MPG"},    {"mpeg-2", "MPG"},        {"mpeg1", "MPG"},     {"mpeg2", "MPG"},
    {"vcd", "MPG"},       {"realmedia", "RM"},      {"real media", "RM"}, {"rmvb", "RM"},
    {"wmv", "ASF"},       {"windows media", "ASF"},
};
constexpr Synonym kRatingSynonyms[] = {
    {"walk away", "Walk Away Movie"},
    {"perfect", "Perfect Movie"},
};

template <std::size_t N, std::size_t M>
std::optional<std::string_view> lookUp(const QString& value,
                                       const std::array<std::string_view, N>& items,
                                       const Synonym (&synonyms)[M]) {
    // Most values need no blanks collapsed; they are looked up where they lie.
    QStringView key = QStringView(value).trimmed();
    QString simplified;
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (key[i].isSpace() && (key[i] != QLatin1Char(' ') || key[i + 1].isSpace())) {
            simplified = value.simplified();
            key = simplified;
            break;
        }
    }
    if (key.isEmpty()) {
        return std::nullopt;
    }
    const auto equal = [&key](std::string_view text) {
        return QLatin1String(text.data(), static_cast<qsizetype>(text.size()))
                   .compare(key, Qt::CaseInsensitive) == 0;
    };
    for (std::size_t i = 0; i + 1 < N; ++i) {  // the last item is the empty all-items entry
        if (equal(items[i])) {
            return items[i];
        }
    }
    for (const Synonym& s : synonyms) {
        if (equal(s.other)) {
            for (std::size_t i = 0; i + 1 < N; ++i) {
                if (items[i] == s.item) {
                    return items[i];
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> genreItem(const QString& value) {
    return lookUp(value, GenreNames, kGenreSynonyms);
}

std::optional<std::string_view> formatItem(const QString& value) {
    return lookUp(value, FormatNames, kFormatSynonyms);
}

std::optional<std::string_view> ratingItem(const QString& value) {
    return lookUp(value, RatingNames, kRatingSynonyms);
}

std::optional<int> qualityItem(const QString& value) {
    QStringView key = QStringView(value).trimmed();
    if (key.endsWith(QLatin1String("/5"))) {
        key.chop(2);
    }
    const std::optional<int> mark = wholeNumber(key.toString());
    if (mark && *mark >= 1 && *mark <= QualityCount) {
        return mark;
    }
    return std::nullopt;
}

std::optional<int> wholeNumber(const QString& value) {
    const QStringView text = QStringView(value).trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok, 10);
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(n);
}

std::optional<int> runningMinutes(const QString& value) {
    if (const std::optional<int> plain = wholeNumber(value)) {
        return plain;
    }
    const QString text = value.simplified().toLower();
    static const QRegularExpression minutesOnly(
        QStringLiteral("^(\\d{1,6}) ?(m|min|mins|minutes)\\.?$"));
    static const QRegularExpression hoursMinutes(QStringLiteral(
        "^(\\d{1,4}) ?(?:h|hr|hrs|hours?)(?: ?(\\d{1,2}) ?(?:m|min|mins|minutes)?\\.?)?$"));
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,4}):(\\d{2})$"));
    if (const auto m = minutesOnly.match(text); m.hasMatch()) {
        return m.captured(1).toInt();
    }
    for (const QRegularExpression* re : {&hoursMinutes, &clock}) {
        if (const auto m = re->match(text); m.hasMatch()) {
            return m.captured(1).toInt() * 60 + m.captured(2).toInt();
        }
    }
    return std::nullopt;
}

}  // namespace reelcase

#include "program_state/DetailsText.h"

#include <algorithm>

#include <QCoreApplication>

#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

constexpr qsizetype kLabelWidth = 9;    // "  Quality:" ends in column 9, then a blank
constexpr qsizetype kBannerWidth = 40;  // the memo's line

QString translated(const char* text) {
    return QCoreApplication::translate("MovieDetails", text);
}

// A label in the windows' language, right-aligned as the English ones are; the values after
// it are the record's, stored and shown in English.
std::string label(const char* text) {
    return toCatalogueText(translated(text).rightJustified(kLabelWidth) + QLatin1Char(' '));
}

// "[============ Personal Info ===========]": the heading between runs of "=", one more on
// the left when they cannot be even.
std::string banner() {
    const QString heading = QLatin1Char(' ') +
                            translated(QT_TRANSLATE_NOOP("MovieDetails", "Personal Info")) +
                            QLatin1Char(' ');
    const qsizetype fill = std::max<qsizetype>(kBannerWidth - 2 - heading.size(), 0);
    const qsizetype left = (fill + 1) / 2;
    return toCatalogueText(QLatin1Char('[') + QString(left, QLatin1Char('=')) + heading +
                           QString(fill - left, QLatin1Char('=')) + QLatin1Char(']'));
}

}  // namespace

std::string detailsText(const MovieRecord& movie) {
    const std::string eol = "\r\n";
    std::string text;
    text.reserve(512);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Movie:")))
        .append(fieldText(movie.Name))
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Length:")))
        .append(toCatalogueText(
            translated(QT_TRANSLATE_NOOP("MovieDetails", "%1 Minutes")).arg(movie.Length)))
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Format:")))
        .append(fieldText(movie.Format))
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Genre:")))
        .append(fieldText(movie.Genre))
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Quality:")))
        .append(std::to_string(movie.Quality))
        .append("/5")
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Rating:")))
        .append(fieldText(movie.Rating))
        .append(eol);
    text.append(label(QT_TRANSLATE_NOOP("MovieDetails", "Size:")))
        .append(
            toCatalogueText(translated(QT_TRANSLATE_NOOP("MovieDetails", "%1 MB")).arg(movie.Size)))
        .append(eol);
    text.append(eol);
    text.append(banner()).append(eol);
    text.append(fieldText(movie.PersonalInfo));
    return text;
}

}  // namespace reelcase

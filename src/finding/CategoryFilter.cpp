#include "finding/CategoryFilter.h"

namespace reelcase {

int allItemIndex(FilterBox box) {
    switch (box) {
        case FilterBox::Genre:
            return static_cast<int>(GenreNames.size()) - 1;
        case FilterBox::Rating:
            return static_cast<int>(RatingNames.size()) - 1;
        case FilterBox::Format:
            return static_cast<int>(FormatNames.size()) - 1;
        case FilterBox::Quality:
            break;
    }
    return QualityCount;
}

bool passesFilter(const MovieRecord& movie, FilterBox box, int index) {
    const auto i = static_cast<std::size_t>(index);
    switch (box) {
        case FilterBox::Genre:
            return fieldText(movie.Genre) == GenreNames.at(i);
        case FilterBox::Rating:
            return fieldText(movie.Rating) == RatingNames.at(i);
        case FilterBox::Format:
            return fieldText(movie.Format) == FormatNames.at(i);
        case FilterBox::Quality:
            break;
    }
    return movie.Quality == index + 1;
}

}  // namespace reelcase

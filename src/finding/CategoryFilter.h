#pragma once

#include "catalogue/Catalogue.h"

namespace reelcase {

enum class FilterBox { Genre, Rating, Format, Quality };

// The index of a filter box's all-items entry.
int allItemIndex(FilterBox box);

// Whether a movie passes item index of a filter box: its text equals the vocabulary entry
// exactly (case counts), or its quality equals index + 1.
bool passesFilter(const MovieRecord& movie, FilterBox box, int index);

}  // namespace reelcase

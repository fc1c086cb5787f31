// The main window's filter boxes and name search.
#include "finding/FindingCommands.h"

#include "finding/NameSearch.h"

namespace reelcase {

FindingCommands::FindingCommands(ProgramState& state)
    : state_(state), catalogue_(state.catalogue()), list_(state.list()) {}

void FindingCommands::filterChanged(FilterBox box, int index) {
    const bool wasFullListing = state_.fullListing();
    FilterChoice filters;
    switch (box) {
        case FilterBox::Genre:
            filters.genre = index;
            break;
        case FilterBox::Rating:
            filters.rating = index;
            break;
        case FilterBox::Format:
            filters.format = index;
            break;
        case FilterBox::Quality:
            filters.quality = index;
            break;
    }
    state_.setFilters(filters);
    state_.listNoLongerFull();
    state_.clearDetails();
    if (index < 0 || index >= allItemIndex(box)) {
        state_.RefreshMovieList();
        return;
    }
    std::vector<std::string_view> names;
    for (int n = 1; n <= catalogue_.movieCount(); ++n) {
        const MovieRecord& r = catalogue_.slot(n);
        if (passesFilter(r, box, index) && !nameOf(r).empty()) {
            names.push_back(nameOf(r));
        }
    }
    state_.showFiltered(names, wasFullListing);
}

void FindingCommands::searchByName(std::string_view text) {
    state_.setSearchRows(searchCatalogue(catalogue_, text));
    state_.requestSelectSearchText();
    state_.requestSearchFocus();
}

void FindingCommands::selectSearchResult(int row) {
    state_.RefreshMovieList();
    if (row < 0 || row >= static_cast<int>(state_.searchRows().size())) {
        return;
    }
    const std::string_view name = state_.searchRows()[static_cast<std::size_t>(row)].name();
    for (int i = 0; i < list_.size(); ++i) {
        if (list_.at(i) == name) {
            list_.select(i);
        }
    }
    state_.showSelectedDetails();
}

void FindingCommands::clearSearch() {
    state_.clearSearchRows();
    state_.requestSearchFocus();
}

}  // namespace reelcase

#include "program_state/ProgramState.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "program_state/DetailsText.h"

namespace reelcase {

SearchRow::SearchRow(std::string_view name, std::string_view genre)
    : nameLength_(static_cast<unsigned char>(std::min(name.size(), NameRoom))),
      genreLength_(static_cast<unsigned char>(std::min(genre.size(), GenreRoom))) {
    std::memcpy(name_.data(), name.data(), nameLength_);
    std::memcpy(genre_.data(), genre.data(), genreLength_);
}

void ProgramState::RefreshMovieList() {
    clearDetails();
    if (fullListing_) {
        list_.select(-1);
    } else {
        rebuildFullListing();
    }
    filters_ = FilterChoice{};
    stateChanged();
}

void ProgramState::rebuildFullListing() {
    fullListing_ = true;
    if (!keptFullListing_.entries.empty() && keptRevision_ == catalogue_.revision()) {
        list_.restore(keptFullListing_);
        return;
    }
    keptFullListing_ = {};
    std::vector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(catalogue_.movieCount()));
    for (int n = 1; n <= catalogue_.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue_.slot(n));
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    list_.replaceAll(names);
}

void ProgramState::showFiltered(const std::vector<std::string_view>& names, bool wasFullListing) {
    if (wasFullListing) {
        list_.replaceAll(names, keptFullListing_);
        keptRevision_ = catalogue_.revision();
    } else {
        list_.replaceAll(names);
    }
    fullListing_ = false;
}

void ProgramState::selectEntry(int position) {
    list_.select(position);
    showSelectedDetails();
}

void ProgramState::showSelectedDetails() {
    clearDetails();
    if (!list_.hasSelection()) {
        return;
    }
    const int slot = catalogue_.findByName(list_.at(list_.selected()));
    if (slot != 0) {
        details_ = detailsText(catalogue_.slot(slot));
    }
}

void ProgramState::setSearchRows(std::vector<SearchRow> rows) {
    searchRows_ = std::move(rows);
    ++searchRevision_;
}

bool ProgramState::takeSearchFocusRequest() {
    return std::exchange(searchFocusRequested_, false);
}

bool ProgramState::takeSelectSearchTextRequest() {
    return std::exchange(selectSearchTextRequested_, false);
}

}  // namespace reelcase

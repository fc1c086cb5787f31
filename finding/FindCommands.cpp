// The main window's filter boxes and name search.
#include "main_window/MainWindowLogic.h"

namespace reelcase {

void MainWindowLogic::filterChanged(FilterBox box, int index) {
    const bool wasFullListing = fullListing_;
    const FilterChoice all;
    filters_ = all;
    switch (box) {
        case FilterBox::Genre:
            filters_.genre = index;
            break;
        case FilterBox::Rating:
            filters_.rating = index;
            break;
        case FilterBox::Format:
            filters_.format = index;
            break;
        case FilterBox::Quality:
            filters_.quality = index;
            break;
    }
    fullListing_ = false;
    clearDetails();
    if (index < 0 || index >= allItemIndex(box)) {
        RefreshMovieList();
        return;
    }
    std::vector<std::string_view> names;
    for (int n = 1; n <= catalogue_.movieCount(); ++n) {
        const MovieRecord& r = catalogue_.slot(n);
        if (passesFilter(r, box, index) && !nameOf(r).empty()) {
            names.push_back(nameOf(r));
        }
    }
    if (wasFullListing) {
        list_.replaceAll(names, keptFullListing_);
        keptRevision_ = catalogue_.revision();
    } else {
        list_.replaceAll(names);
    }
}

void MainWindowLogic::clearSearchRows() {
    searchRows_.clear();
    ++searchRevision_;
}

void MainWindowLogic::btnSearchClick(std::string_view text) {
    searchRows_ = searchCatalogue(catalogue_, text);
    ++searchRevision_;
    selectSearchTextRequested_ = true;
    requestSearchFocus();
}

void MainWindowLogic::lstvwMovieSearchClick(int row) {
    RefreshMovieList();
    if (row < 0 || row >= static_cast<int>(searchRows_.size())) {
        return;
    }
    const std::string_view name = searchRows_[static_cast<std::size_t>(row)].name();
    for (int i = 0; i < list_.size(); ++i) {
        if (list_.at(i) == name) {
            list_.select(i);
        }
    }
    lbxMovieClick();
}

void MainWindowLogic::btnClearSearchClick() {
    clearSearchRows();
    requestSearchFocus();
}

}  // namespace reelcase

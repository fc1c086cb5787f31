#pragma once

#include <functional>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "program_state/SearchRow.h"

namespace reelcase {

// The selected item of each filter box; the last item of each is its all-items entry, at
// the index of the vocabulary's empty entry.
struct FilterChoice {
    static constexpr int AllGenres = static_cast<int>(GenreNames.size()) - 1;
    static constexpr int AllRatings = static_cast<int>(RatingNames.size()) - 1;
    static constexpr int AllFormats = static_cast<int>(FormatNames.size()) - 1;
    static constexpr int AllQualities = QualityCount;
    int genre = AllGenres;
    int rating = AllRatings;
    int format = AllFormats;
    int quality = AllQualities;
    bool operator==(const FilterChoice&) const = default;
};

// What the main window shows, shared by every feature's commands: the catalogue, the list of
// names (the working set of the file, export and editing commands), its selection and the
// details text, the filter boxes' choices, the search results, and the focus requests. The
// window shows this state after each command, and whenever stateChanged() is called inside
// one, so that it is up to date before the command's next dialog appears.
class ProgramState {
  public:
    explicit ProgramState(Catalogue& catalogue) : catalogue_(catalogue) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    Catalogue& catalogue() { return catalogue_; }
    const Catalogue& catalogue() const { return catalogue_; }
    MovieList& list() { return list_; }
    const MovieList& list() const { return list_; }

    // The list refilled from every movie in use, the filters on their all-items entries, no
    // selection, the details empty.
    void RefreshMovieList();
    // The list rebuilt from the whole catalogue, as RefreshMovieList makes it.
    void rebuildFullListing();
    // Whether the list holds exactly what RefreshMovieList would put in it: adding, deleting
    // and opening keep that so; filters, Modify and New do not. Refreshing such a list only
    // resets the filters, the selection and the details.
    bool fullListing() const { return fullListing_; }
    void listNoLongerFull() { fullListing_ = false; }
    // A filter's result in the list. A full listing is put aside, and a refresh puts it back
    // unless the catalogue changed meanwhile.
    void showFiltered(const std::vector<std::string_view>& names, bool wasFullListing);

    // The user selected the list entry at position (-1: none); shows its details.
    void selectEntry(int position);
    void showSelectedDetails();

    // The details panel's text, single-byte, lines ended by CR LF.
    const std::string& details() const { return details_; }
    void clearDetails() { details_.clear(); }

    const FilterChoice& filters() const { return filters_; }
    void setFilters(const FilterChoice& filters) { filters_ = filters; }

    // The rows of the search result list, and a number that changes whenever they do.
    const std::vector<SearchRow>& searchRows() const { return searchRows_; }
    int searchRevision() const { return searchRevision_; }
    void setSearchRows(std::vector<SearchRow> rows);
    void clearSearchRows() { setSearchRows({}); }

    // True once after a command moved the keyboard focus to the search box.
    bool takeSearchFocusRequest();
    void requestSearchFocus() { searchFocusRequested_ = true; }
    // True once after a search, which selects the whole search text.
    bool takeSelectSearchTextRequest();
    void requestSelectSearchText() { selectSearchTextRequested_ = true; }

    void setStateListener(std::function<void()> listener) { stateListener_ = std::move(listener); }
    void stateChanged() const {
        if (stateListener_) {
            stateListener_();
        }
    }

  private:
    Catalogue& catalogue_;
    MovieList list_;
    std::string details_;
    FilterChoice filters_;
    std::vector<SearchRow> searchRows_;
    int searchRevision_ = 0;
    bool searchFocusRequested_ = false;
    bool selectSearchTextRequested_ = false;
    bool fullListing_ = false;
    // The full listing put aside while a filter shows fewer, with the catalogue's revision
    // then.
    MovieList::Kept keptFullListing_;
    std::uint64_t keptRevision_ = 0;
    std::function<void()> stateListener_;
};

}  // namespace reelcase

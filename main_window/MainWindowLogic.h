#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "catalogue/FileStamp.h"
#include "catalogue/FileSystemCalls.h"
#include "catalogue/MovieList.h"
#include "catalogue/untMovieRecord.h"
#include "editing/MovieEditor.h"
#include "finding/CategoryFilter.h"
#include "finding/NameSearch.h"
#include "platform/PrintDevice.h"
#include "platform/UserDialogs.h"
#include "settings/RegistryBackend.h"

namespace reelcase {

class DesktopShell;

// The selected item of each filter box; the last item of each is its all-items entry.
struct FilterChoice {
    static constexpr int AllGenres = 9;
    static constexpr int AllRatings = 6;
    static constexpr int AllFormats = 5;
    static constexpr int AllQualities = 5;
    int genre = AllGenres;
    int rating = AllRatings;
    int format = AllFormats;
    int quality = AllQualities;
    bool operator==(const FilterChoice&) const = default;
};

// The two items of the "Movie List" menu, which share one handler.
enum class ListMenuItem { MenuPrintList, MenuExportList };

// What the main window shows and does, without the window: the list's entries and selection,
// the details text, the filter boxes' choices and the main window's commands. The window
// forwards its events here and then shows this state.
class MainWindowLogic {
  public:
    MainWindowLogic(Catalogue& catalogue, UserDialogs& dialogs,
                    FileSystemCalls& fileSystem = realFileSystem());

    Catalogue& catalogue() { return catalogue_; }
    const Catalogue& catalogue() const { return catalogue_; }
    MovieList& list() { return list_; }
    const MovieList& list() const { return list_; }
    // The details panel's text, single-byte, lines ended by CR LF.
    const std::string& details() const { return details_; }
    const FilterChoice& filters() const { return filters_; }
    // The rows of the search result list, and a number that changes whenever they do.
    const std::vector<SearchRow>& searchRows() const { return searchRows_; }
    int searchRevision() const { return searchRevision_; }
    // True once after a command moved the keyboard focus to the search box.
    bool takeSearchFocusRequest();
    // True once after a search, which selects the whole search text.
    bool takeSelectSearchTextRequest();
    // Called whenever the shown state changes inside a command, so that a window is up to
    // date before the command's next dialog appears.
    void setStateListener(std::function<void()> listener) { stateListener_ = std::move(listener); }

    // The settings store; without one nothing is reopened and the quit question is asked.
    void setSettings(RegistryBackend* settings) { settings_ = settings; }

    void FormCreate(const QString& firstArgument);
    // Whether the main window may close: remembers the last file, offers to save unsaved
    // changes, or asks before quitting.
    bool FormCloseQuery();
    void RefreshMovieList();
    // The user selected the list entry at position (-1: none); shows its details.
    void selectEntry(int position);
    void lbxMovieClick();

    // The add/modify dialog, created after the main window.
    void setMovieDialog(MovieDialog* dialog) { movieDialog_ = dialog; }
    void MenuAddNewMovieClick();
    void MenuModifyaMovieClick();
    void MenuDeleteMovieClick();

    // The user picked item index in a filter box.
    void filterChanged(FilterBox box, int index);

    // text is the search box's text in single-byte form.
    void btnSearchClick(std::string_view text);
    // row is the selected result row, or -1.
    void lstvwMovieSearchClick(int row);
    void btnClearSearchClick();

    // The movie-site lookup of the list's selected movie (nothing without a selection), and
    // the download page. Both minimise the program and hand an address to the browser.
    void lbxMovieDblClick(DesktopShell& shell);
    void CheckforUpdate1Click(DesktopShell& shell);
    // The printer the list is printed on; without one, printing fails.
    void setPrintDevice(PrintDevice* device) { printDevice_ = device; }
    // Writes the listed movies into a text file chosen by the user, or prints them.
    void MenuExportListClick(ListMenuItem sender);

    // Edit menu: undo and redo the last change to the catalogue. The texts name the step
    // ("&Undo Delete "Alien""); without one, the plain captions.
    void EditUndoClick();
    void EditRedoClick();
    QString undoCaption() const;
    QString redoCaption() const;

    // Beyond the designed commands: the listed movies written as comma-separated text or as
    // a web page, and another program's collection taken in as Open takes in a file.
    void MenuExportCsvClick();
    void MenuExportWebPageClick();
    void MenuImportClick();

    void New1Click();
    void MenuOpenDatabaseClick();
    void MenuSaveDatabaseClick();
    void MenuSaveAsDatabaseClick();

  private:
    // Where a catalogue to open came from: the open dialog, the command line, or the
    // last-file setting at start.
    enum class OpenOrigin { Chosen, CommandLine, LastFile };
    // Takes in the file at path (absolute and clean) after the movies already listed. Only a
    // file taken in whole becomes the current file.
    void openCatalogue(const QString& path, OpenOrigin origin);
    void clearDetails();
    // Shows the catalogue after an undo (undone) or a redo of step as a refresh would.
    void showStepApplied(const CatalogueStep& step, bool undone);
    // Writes the list's movies to path; true on success, otherwise the error box was shown.
    bool saveTo(const QString& path);
    // Whether a save may write over path: asks when another program changed the file since
    // it was read or written here.
    bool mayWriteOver(const QString& path);
    void requestSearchFocus() { searchFocusRequested_ = true; }
    void clearSearchRows();
    void exportList();
    void printList();
    enum class ListFileKind { Csv, WebPage };
    void exportListFile(ListFileKind kind);
    // The list, rebuilt from the whole catalogue, as RefreshMovieList would make it.
    void rebuildFullListing();
    void stateChanged() const {
        if (stateListener_) {
            stateListener_();
        }
    }

    Catalogue& catalogue_;
    UserDialogs& dialogs_;
    FileSystemCalls& fileSystem_;
    MovieList list_;
    std::string details_;
    FilterChoice filters_;
    bool searchFocusRequested_ = false;
    bool selectSearchTextRequested_ = false;
    std::vector<SearchRow> searchRows_;
    int searchRevision_ = 0;
    MovieDialog* movieDialog_ = nullptr;
    RegistryBackend* settings_ = nullptr;
    PrintDevice* printDevice_ = nullptr;
    // The name chosen in the export dialog, offered again at its next use.
    QString lastExportName_;
    // The same for the comma-separated and web page exports.
    QString lastCsvName_;
    QString lastWebPageName_;
    // True while the list holds exactly what RefreshMovieList would put in it: adding,
    // deleting and opening keep that so; filters, Modify and New do not. Refreshing such a
    // list only resets the filters, the selection and the details.
    bool fullListing_ = false;
    // The full listing put aside while a filter shows fewer, with the catalogue's revision
    // then: clearing the filter puts it back unless the catalogue changed meanwhile.
    MovieList::Kept keptFullListing_;
    std::uint64_t keptRevision_ = 0;
    std::function<void()> stateListener_;
    // The catalogue file as it was last read or written here.
    QString stampedFile_;
    std::optional<FileStamp> stamp_;
};

}  // namespace reelcase

// The main window's two commands that lead to the web: the movie-site lookup and the
// download page. Both hand an address to the desktop and wait for nothing.
#include "main_window/MainWindowLogic.h"
#include "platform/DesktopShell.h"
#include "settings/WebLookups.h"

namespace reelcase {

void MainWindowLogic::lbxMovieDblClick(DesktopShell& shell) {
    // Only the movie list's selection counts, also for a double click on a search result:
    // clicking a result has selected its movie in the list already.
    if (!list_.hasSelection()) {
        return;
    }
    shell.minimiseApplication();
    const std::string address = movieSearchAddress(list_.at(list_.selected()));
    // When no browser takes it, the program stays minimised and says nothing.
    shell.openAddress(browserUrl(address));
}

void MainWindowLogic::CheckforUpdate1Click(DesktopShell& shell) {
    shell.minimiseApplication();
    shell.openAddress(downloadPageUrl());
}

}  // namespace reelcase

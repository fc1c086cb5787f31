// The main window's two commands that lead to the web: the movie-site lookup and the
// download page. Both hand an address to the desktop and wait for nothing.
#include "about_web/WebCommands.h"

#include "about_web/WebLookups.h"

namespace reelcase {

void WebCommands::lookUpSelectedMovie() {
    // Only the movie list's selection counts, also for a double click on a search result:
    // clicking a result has selected its movie in the list already.
    if (!state_.list().hasSelection()) {
        return;
    }
    shell_.minimiseApplication();
    const std::string address = movieSearchAddress(state_.list().at(state_.list().selected()));
    // When no browser takes it, the program stays minimised and says nothing.
    shell_.openAddress(browserUrl(address));
}

void WebCommands::openDownloadPage() {
    shell_.minimiseApplication();
    shell_.openAddress(downloadPageUrl());
}

}  // namespace reelcase

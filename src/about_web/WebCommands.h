#pragma once

#include "program_state/ProgramState.h"
#include "seams/DesktopShell.h"

namespace reelcase {

// The main window's two commands that lead to the web: the movie-site lookup of the list's
// selected movie (nothing without a selection) and the download page. Both minimise the
// program and hand an address to the browser.
class WebCommands {
  public:
    WebCommands(const ProgramState& state, DesktopShell& shell) : state_(state), shell_(shell) {}

    void lookUpSelectedMovie();
    void openDownloadPage();

  private:
    const ProgramState& state_;
    DesktopShell& shell_;
};

}  // namespace reelcase

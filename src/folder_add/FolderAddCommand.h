#pragma once

#include "folder_add/FolderAdding.h"
#include "program_state/ProgramState.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// Beyond the designed commands: the movies of a folder and its subfolders, measured and
// chosen in the folder window, added as one step.
class FolderAddCommand {
  public:
    FolderAddCommand(ProgramState& state, UserDialogs& dialogs, FolderAddDialog& window);

    void addFromFolder();

  private:
    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
    UserDialogs& dialogs_;
    FolderAddDialog& window_;
};

}  // namespace reelcase

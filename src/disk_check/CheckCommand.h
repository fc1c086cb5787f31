#pragma once

#include <optional>

#include "disk_check/CheckApplying.h"
#include "disk_check/CheckFolders.h"
#include "program_state/ProgramState.h"
#include "seams/RegistryBackend.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// The check windows as the command sees them.
class DiskCheckDialog {
  public:
    virtual ~DiskCheckDialog() = default;
    // Asks for the folders to check, offering those of last; nothing when the user cancelled.
    virtual std::optional<CheckRequest> ChooseCheckFolders(const CheckRequest& last) = 0;
    // Checks the folders and lets the user choose among what was found; the chosen changes,
    // or nothing when the user cancelled.
    virtual std::optional<CheckChoices> ShowCheck(const CheckRequest& request) = 0;
};

// Beyond the designed commands: the catalogue checked against the movie files of folders,
// and the changes the user chooses made as one step.
class DiskCheckCommand {
  public:
    DiskCheckCommand(ProgramState& state, UserDialogs& dialogs, RegistryBackend& settings,
                     DiskCheckDialog& window);

    void MenuCheckAgainstFoldersClick();

  private:
    ProgramState& state_;
    UserDialogs& dialogs_;
    RegistryBackend& settings_;
    DiskCheckDialog& window_;
};

}  // namespace reelcase

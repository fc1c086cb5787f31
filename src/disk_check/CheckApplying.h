#pragma once

#include <utility>
#include <vector>

#include <QString>

#include "catalogue/untMovieRecord.h"
#include "editing/MovieEditor.h"
#include "folder_add/FolderAdding.h"
#include "program_state/ProgramState.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// What the user checked in the check window.
struct CheckChoices {
    std::vector<std::pair<int, MovieRecord>> updates;  // a slot and its record with new values
    std::vector<int> deletions;                        // slots
    std::vector<MovieForm> additions;                  // as the folder window gives them
    bool empty() const { return updates.empty() && deletions.empty() && additions.empty(); }
};

struct CheckOutcome {
    int updated = 0;
    int deleted = 0;
    FolderAddOutcome added;
};

// The Apply button's caption: it says how many movies a press deletes.
QString applyButtonText(int deletions);

// Makes every chosen change as one step: the new values written into their slots, the
// deleted movies' slots emptied as Delete empties them, the new files added as "Add Movies
// from Folder" adds them. A slot whose name changed since it was chosen is left alone. The
// list must show the whole catalogue; it shows it again afterwards.
CheckOutcome applyCheck(const CheckChoices& choices, ProgramState& state, UserDialogs& dialogs);

}  // namespace reelcase

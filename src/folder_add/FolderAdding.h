#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "editing/MovieEditor.h"
#include "seams/FolderAddDialog.h"
#include "seams/UserDialogs.h"

namespace reelcase {

struct FolderAddOutcome {
    int added = 0;
    int alreadyPresent = 0;  // names the catalogue holds, or that came earlier in the batch
    int leftOut = 0;         // movies the full table could not take
    int notValid = 0;        // forms the add dialog would have refused
};

// Adds the movies as the Add command adds one: each record made by the add dialog's OK from
// its form and the bytes of the slot it takes, refused when its name is already in use
// (exactly), and as many as the table holds. The list takes the names in once; the whole is
// one undo step.
FolderAddOutcome addFolderMovies(const std::vector<MovieForm>& forms, Catalogue& catalogue,
                                 MovieList& list, UserDialogs& dialogs);

// The same within a step the caller owns, for a command that adds beside other changes.
FolderAddOutcome takeInFolderMovies(const std::vector<MovieForm>& forms, Catalogue& catalogue,
                                    MovieList& list, UserDialogs& dialogs);

// What the user is told after adding, or an empty text when every movie went in.
QString folderAddReport(const FolderAddOutcome& outcome);

}  // namespace reelcase

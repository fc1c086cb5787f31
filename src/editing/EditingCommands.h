#pragma once

#include "editing/MovieEditor.h"
#include "program_state/ProgramState.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// Every command that adds movies: at capacity, says so, asks for the search box and returns
// true.
bool refusedAsFull(ProgramState& state, UserDialogs& dialogs);

// The Movie Database menu's commands: add, modify and delete a movie.
class EditingCommands {
  public:
    EditingCommands(ProgramState& state, UserDialogs& dialogs, MovieDialog& movieDialog);

    void addMovie();
    void modifySelectedMovie();
    void deleteSelectedMovie();

  private:
    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
    UserDialogs& dialogs_;
    MovieDialog& movieDialog_;
};

}  // namespace reelcase

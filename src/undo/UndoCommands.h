#pragma once

#include <QString>

#include "program_state/ProgramState.h"

namespace reelcase {

// The Edit menu: undo and redo the last change to the catalogue.
class UndoCommands {
  public:
    explicit UndoCommands(ProgramState& state)
        : state_(state), catalogue_(state.catalogue()), list_(state.list()) {}

    void undoStep();
    void redoStep();
    // The items' texts name the step ("&Undo Delete "Alien"", a "&" in it doubled); without
    // one, the plain captions.
    QString undoCaption() const;
    QString redoCaption() const;

  private:
    // Shows the catalogue after an undo (undone) or a redo of step as a refresh would.
    void showStepApplied(const CatalogueStep& step, bool undone);

    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
};

}  // namespace reelcase

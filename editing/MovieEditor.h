#pragma once

#include <optional>
#include <string>

#include <QString>

#include "catalogue/untMovieRecord.h"
#include "platform/UserDialogs.h"

namespace reelcase {

// What the add/modify dialog's controls hold, in the record's single-byte text (line breaks
// of the note as CR LF). A choice of -1 means no item is selected.
struct MovieForm {
    std::string name;
    std::string personalInfo;
    int genre = -1;
    int quality = -1;
    int format = -1;
    int rating = -1;
    std::string lengthText;
    std::string sizeText;
    bool operator==(const MovieForm&) const = default;
};

inline constexpr int MaxPersonalInfo = 200;

// The dialog's logic: what it shows and what OK checks and writes. The dialog always edits
// the slot numbered MovieCount.
class MovieEditor {
  public:
    MovieEditor(Catalogue& catalogue, UserDialogs& dialogs);

    // The form as the dialog shows it: empty with the default choices to add, the edit slot's
    // values to modify. A choice whose stored text matches no item keeps shownBefore's.
    MovieForm FormShow(const MovieForm& shownBefore) const;

    // Checks the form in the designed order; the first failure is shown and false returned,
    // with nothing written. Otherwise the edit slot is written and true returned. When
    // modifying, slotsInUse is the real number of slots in use, for the name check.
    bool btnAddOkClick(const MovieForm& form, int slotsInUse);

  private:
    Catalogue& catalogue_;
    UserDialogs& dialogs_;
};

// The add/modify dialog as the editing commands see it.
class MovieDialog {
  public:
    virtual ~MovieDialog() = default;
    // Shows the dialog modally; true when it was closed with OK (the edit slot written).
    virtual bool ShowMovieDialog(int slotsInUse) = 0;
};

}  // namespace reelcase

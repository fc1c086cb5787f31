#pragma once

#include <optional>
#include <string>

#include <QString>

#include "catalogue/Catalogue.h"
#include "seams/MovieDialog.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// The dialog's logic: what it shows and what OK checks and gives back.
class MovieEditor {
  public:
    MovieEditor(const Catalogue& catalogue, UserDialogs& dialogs);

    // The form as the dialog shows it: empty with the default choices to add, the record's
    // values to modify. A choice whose stored text matches no item keeps shownBefore's.
    static MovieForm FormShow(const MovieEditRequest& request, const MovieForm& shownBefore);

    // Checks the form in the designed order; the first failure is shown and nothing is
    // returned. Otherwise the request's record with the form's values.
    std::optional<MovieRecord> checkedRecord(const MovieForm& form,
                                             const MovieEditRequest& request) const;

  private:
    const Catalogue& catalogue_;
    UserDialogs& dialogs_;
};

}  // namespace reelcase

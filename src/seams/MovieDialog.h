#pragma once

#include <optional>
#include <string>

#include "catalogue/untMovieRecord.h"

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

// What the add/modify dialog is asked to edit. The dialog changes nothing: it hands back the
// edited record, and the command puts it into the catalogue.
struct MovieEditRequest {
    enum class Kind { Add, Modify };
    Kind kind = Kind::Add;
    // Modify: the slot edited, whose name the check for another movie of the same name skips.
    // Add: the slot the movie will take.
    int slot = 0;
    // The record to show (Modify), or the bytes of the slot the movie will take (Add); the
    // edits are applied to it, so bytes after the texts' lengths stay as they were.
    MovieRecord record{};
    bool modify() const { return kind == Kind::Modify; }
};

// The add/modify dialog as the editing commands see it.
class MovieDialog {
  public:
    virtual ~MovieDialog() = default;
    // Shows the dialog modally; the edited record when it was closed with OK.
    virtual std::optional<MovieRecord> ShowMovieDialog(const MovieEditRequest& request) = 0;
};

}  // namespace reelcase

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"
#include "seams/PrintDevice.h"

namespace reelcase {

// The fixed lines of the exported and printed list.
inline constexpr std::string_view ListHeader =
    "      Movie Name                    |Genre    |Format|Rating          |Length |Quality|"
    "Size   ";
inline constexpr std::string_view ListThanks =
    "                              Thank you for using Reel-Case Database!";
inline constexpr std::string_view ListClosing =
    "                           ---====>>>>> VANO <<<<<====---";
static_assert(ListHeader.size() == 94);

// One line of the list as the pieces it is written in: a movie row has sixteen, the fixed
// lines one, the empty line none. Single-byte text without its line end.
class ListLine {
  public:
    static constexpr int MaxPieces = 16;

    void clear() {
        text_.clear();
        count_ = 0;
    }
    // Pieces beyond MaxPieces join the last one.
    void addPiece(std::string_view piece);
    [[nodiscard]] std::string_view text() const { return text_; }
    [[nodiscard]] int pieceCount() const { return count_; }
    [[nodiscard]] std::string_view piece(int index) const;

  private:
    std::string text_;
    std::array<std::size_t, MaxPieces> ends_{};
    int count_ = 0;
};

// Fills line with the row of movie under row number number. Pieces wider than their column
// push the rest of the row to the right; nothing is cut.
void makeMovieRow(int number, const MovieRecord& movie, ListLine& line);

// Where the lines of the list go.
class ListOutput {
  public:
    virtual ~ListOutput() = default;
    virtual void setStyle(PrintStyle style) = 0;
    // False when the line could not be written; the writing stops there.
    [[nodiscard]] virtual bool writeLine(const ListLine& line) = 0;
};

// Writes the header (in the style already set), the movie rows and the closing lines into
// output, switching to regular after the header and to bold for the last line. For each
// entry of list, by its position i from 1, every slot in use whose Name equals the
// entry exactly is written with row number i. False as soon as a line fails.
bool writeListLines(const Catalogue& catalogue, const MovieList& list, ListOutput& output);

// The export file's bytes: the same lines, each ended by CR LF.
std::string listExportBytes(const Catalogue& catalogue, const MovieList& list);

}  // namespace reelcase

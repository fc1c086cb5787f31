#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace reelcase {

// Cuts comma-separated text as it streams in, so that a field keeps at most kFieldBytes bytes
// of each line it spans and a line at most kFieldsPerLine fields: what a hostile file packs
// into one line then costs little memory, and its row is still read, cut, rather than lost.
// Quoting stays whole: where a cut field's closing quote was dropped, one is put back where
// the field ends. Text that needs no cut passes unchanged. The separator (comma or
// semicolon) is the one the first line uses most outside quotes.
class CsvFieldCut {
  public:
    // Far more than any field of a record holds, so that a cut there is still seen: 4 bytes
    // for each of the 4,096 characters a field is read as at most.
    static constexpr std::size_t kFieldBytes = std::size_t{16} << 10;
    static constexpr int kFieldsPerLine = 512;

    // Appends bytes to out, cut.
    void cut(std::string_view bytes, std::string& out);
    char separator() const { return separator_; }

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteSeen };

    bool isSeparator(char c) const { return firstLine_ ? c == ',' || c == ';' : c == separator_; }
    // The state after c, and whether c ends a field (outside quotes).
    bool step(char c);
    void endOfFirstLine();
    // From i on, the bytes inside a field that only count; the first one that does not.
    std::size_t skipPlain(std::string_view bytes, std::size_t i);
    // A line end, outside quotes (boundary) or inside them.
    void lineEnd(bool boundary, std::string& out);
    // A separator outside quotes; false when the line is full and it is dropped.
    bool separator(std::string& out);

    State state_ = State::FieldStart;
    State emitted_ = State::FieldStart;  // the state the text handed on was left in
    bool dropping_ = false;              // the rest of this field on this line goes
    bool lineFull_ = false;              // the rest of this line goes
    std::size_t fieldBytes_ = 0;
    int fields_ = 0;
    bool firstLine_ = true;
    int commas_ = 0;
    int semicolons_ = 0;
    char separator_ = ',';
};

}  // namespace reelcase

#pragma once

#include <functional>
#include <string_view>

#include "export_print/ExportRows.h"
#include "seams/PrintDevice.h"

namespace reelcase {

// A part of a piece of text placed on paper: page 0 is the first page, (x, y) the part's top
// left corner in the printable area.
struct PlacedText {
    int page = 0;
    int x = 0;
    int y = 0;
    std::string_view text;
};

// Places the printed list's text line by line:
// - each line starts at the left edge, the first line of a page at the top edge;
// - pieces follow one another on a line;
// - a line is as high as its tallest text plus 2; a line without text advances by the
//   character height and counts as 0 high in the next rule;
// - after each line a new page begins if the next line's top would lie lower than the page
//   height minus twice the height of the line just finished;
// - a piece too wide for the rest of the line is shortened one character at a time until it
//   fits, and what is left continues at the start of the next line. A character wider than
//   the whole page is placed anyway, so that the text always moves on.
class PageLayout {
  public:
    using Place = std::function<void(const PlacedText&)>;

    explicit PageLayout(const TextMeasure& measure) : measure_(measure) {}

    // Places piece where the current line has got to, calling place for each part.
    void write(std::string_view piece, const Place& place);
    // Ends the current line.
    void endLine();

    [[nodiscard]] int page() const { return page_; }
    [[nodiscard]] int x() const { return x_; }
    [[nodiscard]] int y() const { return y_; }

  private:
    const TextMeasure& measure_;
    int page_ = 0;
    int x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;  // 0 while the line has no text
};

// Prints the list's lines on a device whose document has begun: the pages after the first
// are started as text comes to lie on them.
class PrintedList : public ListOutput {
  public:
    explicit PrintedList(PrintDevice& device) : device_(device), layout_(device) {}

    void setStyle(PrintStyle style) override { device_.setStyle(style); }
    bool writeLine(const ListLine& line) override;

  private:
    PrintDevice& device_;
    PageLayout layout_;
    int devicePage_ = 0;
};

}  // namespace reelcase

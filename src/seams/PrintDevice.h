#pragma once

#include <string_view>

#include <QString>

namespace reelcase {

// The styles of the printer's font, "Courier New" at 10 points.
enum class PrintStyle { Regular, Bold, BoldUnderlined };

struct TextSize {
    int width = 0;
    int height = 0;
};

// What placing text on a page needs to know: sizes in device units, in the current font.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The extent of single-byte text.
    [[nodiscard]] virtual TextSize textSize(std::string_view text) const = 0;
    // How far a line without any text advances.
    [[nodiscard]] virtual int characterHeight() const = 0;
    // The printable area; (0, 0) is its top left corner.
    [[nodiscard]] virtual int pageWidth() const = 0;
    [[nodiscard]] virtual int pageHeight() const = 0;
};

// The system's default printer. A document runs from beginDocument to endDocument (or
// abortDocument); the font style may be set before the document begins and at any time in it.
class PrintDevice : public TextMeasure {
  public:
    // Starts a document on its first page, without a dialog and without a title. False when
    // there is no printer or it cannot start.
    [[nodiscard]] virtual bool beginDocument() = 0;
    virtual void setStyle(PrintStyle style) = 0;
    // Draws single-byte text with its top left corner at (x, y) on the current page.
    virtual void drawText(int x, int y, std::string_view text) = 0;
    [[nodiscard]] virtual bool newPage() = 0;
    // Ends the document and sends it to the printer; false when that fails.
    [[nodiscard]] virtual bool endDocument() = 0;
    // Drops an unfinished document.
    virtual void abortDocument() = 0;
    // The name under which the system lists the printer of the last document begun.
    [[nodiscard]] virtual QString printerName() const = 0;
};

}  // namespace reelcase

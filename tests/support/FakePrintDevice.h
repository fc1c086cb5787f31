#pragma once

#include <string>
#include <vector>

#include <QByteArrayList>

#include "seams/PrintDevice.h"

namespace reelcase::test {

// A printer with fixed metrics (every character 10 wide, text 20 high, an empty line 18)
// that records what is drawn where and in which style, and fails at the step asked.
class FakePrintDevice : public PrintDevice {
  public:
    struct Drawn {
        int page;
        int x;
        int y;
        std::string text;
        PrintStyle style;
    };
    int width = 1000;
    int height = 1000;
    bool failBegin = false;
    int failNewPageNumber = 0;  // when not 0: which newPage call fails
    bool failEnd = false;

    std::vector<Drawn> drawn;
    QByteArrayList calls;  // style, begin, newPage, end, abort, in order
    int page = 0;

    TextSize textSize(std::string_view text) const override {
        return {10 * static_cast<int>(text.size()), 20};
    }
    int characterHeight() const override { return 18; }
    int pageWidth() const override { return width; }
    int pageHeight() const override { return height; }

    bool beginDocument() override {
        calls << "begin";
        return !failBegin;
    }
    void setStyle(PrintStyle style) override {
        calls << "style";
        style_ = style;
    }
    void drawText(int x, int y, std::string_view text) override {
        drawn.push_back({page, x, y, std::string(text), style_});
    }
    bool newPage() override {
        calls << "newPage";
        if (calls.count("newPage") == failNewPageNumber) {
            return false;
        }
        ++page;
        return true;
    }
    bool endDocument() override {
        calls << "end";
        return !failEnd;
    }
    void abortDocument() override { calls << "abort"; }
    QString printerName() const override { return QStringLiteral("Office Laser"); }

  private:
    PrintStyle style_ = PrintStyle::Regular;
};

}  // namespace reelcase::test

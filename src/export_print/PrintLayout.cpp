#include "export_print/PrintLayout.h"

#include <algorithm>

namespace reelcase {

void PageLayout::write(std::string_view piece, const Place& place) {
    while (!piece.empty()) {
        std::size_t length = piece.size();
        TextSize size = measure_.textSize(piece);
        while (length > 0 && x_ + size.width > measure_.pageWidth()) {
            --length;
            size = measure_.textSize(piece.substr(0, length));
        }
        if (length == 0) {
            if (x_ > 0) {
                endLine();
                continue;
            }
            length = 1;
            size = measure_.textSize(piece.substr(0, 1));
        }
        lineHeight_ = std::max(lineHeight_, size.height + 2);
        place({page_, x_, y_, piece.substr(0, length)});
        piece.remove_prefix(length);
        if (piece.empty()) {
            x_ += size.width;
        } else {
            endLine();
        }
    }
}

void PageLayout::endLine() {
    x_ = 0;
    y_ += lineHeight_ == 0 ? measure_.characterHeight() : lineHeight_;
    if (y_ > measure_.pageHeight() - 2 * lineHeight_) {
        ++page_;
        y_ = 0;
    }
    lineHeight_ = 0;
}

bool PrintedList::writeLine(const ListLine& line) {
    bool ok = true;
    const PageLayout::Place draw = [&](const PlacedText& part) {
        while (ok && devicePage_ < part.page) {
            ok = device_.newPage();
            ++devicePage_;
        }
        if (ok) {
            device_.drawText(part.x, part.y, part.text);
        }
    };
    for (int i = 0; i < line.pieceCount() && ok; ++i) {
        layout_.write(line.piece(i), draw);
    }
    layout_.endLine();
    return ok;
}

}  // namespace reelcase

#include "export_print/ExportRows.h"

#include <algorithm>
#include <charconv>

#include "catalogue/SlotChains.h"

namespace reelcase {

void ListLine::addPiece(std::string_view piece) {
    text_.append(piece);
    if (count_ < MaxPieces) {
        ++count_;
    }
    ends_[static_cast<std::size_t>(count_ - 1)] = text_.size();
}

std::string_view ListLine::piece(int index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[static_cast<std::size_t>(index - 1)];
    const std::size_t end = ends_[static_cast<std::size_t>(index)];
    return std::string_view(text_).substr(begin, end - begin);
}

namespace {

// Builds one piece at a time in a small buffer; a 32-bit number with its words fits easily.
class Piece {
  public:
    Piece& text(std::string_view s) {
        const std::size_t n = s.size() < room() ? s.size() : room();
        s.copy(buffer_.data() + size_, n);
        size_ += n;
        return *this;
    }
    Piece& number(std::int64_t value) {
        const auto [end, error] =
            std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), value);
        if (error == std::errc{}) {
            size_ = static_cast<std::size_t>(end - buffer_.data());
        }
        return *this;
    }
    // Spaces behind up to width characters.
    Piece& padRight(std::size_t width) {
        while (size_ < width && size_ < buffer_.size()) {
            buffer_[size_++] = ' ';
        }
        return *this;
    }
    // Spaces in front up to width characters.
    Piece& padLeft(std::size_t width) {
        if (size_ < width && width <= buffer_.size()) {
            const std::size_t shift = width - size_;
            std::copy_backward(buffer_.begin(),
                               buffer_.begin() + static_cast<std::ptrdiff_t>(size_),
                               buffer_.begin() + static_cast<std::ptrdiff_t>(width));
            std::fill_n(buffer_.begin(), shift, ' ');
            size_ = width;
        }
        return *this;
    }
    [[nodiscard]] std::string_view view() const { return {buffer_.data(), size_}; }

  private:
    [[nodiscard]] std::size_t room() const { return buffer_.size() - size_; }
    std::array<char, 48> buffer_{};
    std::size_t size_ = 0;
};

}  // namespace

void makeMovieRow(int number, const MovieRecord& movie, ListLine& line) {
    line.clear();
    line.addPiece(Piece().number(number).text(". ").padLeft(6).view());
    line.addPiece(Piece().text(fieldText(movie.Name)).padRight(29).view());
    line.addPiece(" |");
    line.addPiece(Piece().text(fieldText(movie.Genre)).padRight(8).view());
    line.addPiece(" | ");
    line.addPiece(fieldText(movie.Format));
    line.addPiece("  |");
    line.addPiece(Piece().text(fieldText(movie.Rating)).padRight(15).view());
    line.addPiece(" |");
    line.addPiece(Piece().number(movie.Length).text("Min").padLeft(6).view());
    line.addPiece(" |  ");
    line.addPiece(Piece().number(movie.Quality).view());
    line.addPiece("/5");
    line.addPiece("  |");
    line.addPiece(Piece().number(movie.Size).padLeft(4).view());
    line.addPiece("MB");
}

bool writeListLines(const Catalogue& catalogue, const MovieList& list, ListOutput& output) {
    ListLine line;
    line.addPiece(ListHeader);
    if (!output.writeLine(line)) {
        return false;
    }
    output.setStyle(PrintStyle::Regular);
    const bool written = forEachListedSlot(catalogue, list, [&](int position, int slot) {
        makeMovieRow(position + 1, catalogue.slot(slot), line);
        return output.writeLine(line);
    });
    if (!written) {
        return false;
    }
    line.clear();
    if (!output.writeLine(line)) {
        return false;
    }
    line.addPiece(ListThanks);
    if (!output.writeLine(line)) {
        return false;
    }
    output.setStyle(PrintStyle::Bold);
    line.clear();
    line.addPiece(ListClosing);
    return output.writeLine(line);
}

namespace {

class ExportBytes : public ListOutput {
  public:
    explicit ExportBytes(std::string& bytes) : bytes_(bytes) {}
    void setStyle(PrintStyle /*style*/) override {}
    bool writeLine(const ListLine& line) override {
        bytes_.append(line.text());
        bytes_.append("\r\n");
        return true;
    }

  private:
    std::string& bytes_;
};

}  // namespace

std::string listExportBytes(const Catalogue& catalogue, const MovieList& list) {
    std::string bytes;
    // A row is 93 characters and its line end in the usual case.
    bytes.reserve((static_cast<std::size_t>(list.size()) + 4) * 95 + ListHeader.size());
    ExportBytes output(bytes);
    static_cast<void>(writeListLines(catalogue, list, output));
    return bytes;
}

}  // namespace reelcase

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace reelcase {

// The catalogue's single-byte code page as two lookup tables, built once from the catalogue's
// own converter, so that exchanging a hundred thousand movies does not start a converter for
// every field.
class ByteTable {
  public:
    ByteTable();
    // One table for the whole process: built on first use and never changed after, so that a
    // reader, a mapping and a take-in share it instead of building 64 kB each.
    static const ByteTable& shared();

    // Appends the UTF-8 form of single-byte text to out.
    void appendUtf8(std::string_view bytes, std::string& out) const;
    QString toUnicode(std::string_view bytes) const;
    // A character without a single-byte form becomes "?".
    std::string toSingleByte(const QString& text) const;
    // The byte of a character, where the code page has it.
    std::optional<char> byteFor(QChar c) const {
        const unsigned char b = byteOf_[c.unicode()];
        if (b == 0 && c.unicode() != 0) {
            return std::nullopt;
        }
        return static_cast<char>(b);
    }
    // The whole text in single bytes, or nothing where a character has no byte.
    std::optional<std::string> singleByteForm(const QString& text) const;

  private:
    std::array<char16_t, 256> unicode_{};
    std::array<std::string, 256> utf8_{};
    // The byte of each character U+0000..U+FFFF that has one; 0 for none (U+0000 is byte 0).
    std::basic_string<unsigned char> byteOf_;
};

}  // namespace reelcase

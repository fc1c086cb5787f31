#pragma once

#include <memory>
#include <string>

#include <QString>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Transliterator;
U_NAMESPACE_END

namespace reelcase {

class ByteTable;

// A text from outside as a catalogue field can hold it, and what it took.
struct StoredText {
    std::string bytes;             // in the catalogue's single-byte code page
    bool plainLetters = false;     // letters the code page lacks were written as plain ones
    bool unstorable = false;       // characters without a plain form remained, each as "?"
    bool controlsDropped = false;  // control characters were dropped
};

// Makes texts from other programs fit the catalogue's code page without changing them
// silently: a letter the code page lacks is written as its plain letter where one exists
// ("Łódź" as "Lódz", with the letters the code page has kept), through ICU's Latin-ASCII
// transliteration; control characters are dropped. Not for sharing between threads.
class StorableText {
  public:
    explicit StorableText(const ByteTable& table);
    StorableText(const StorableText&) = delete;
    StorableText& operator=(const StorableText&) = delete;
    ~StorableText();

    // lineBreaks keeps CR, LF and tab (notes); elsewhere every control character goes.
    StoredText convert(const QString& text, bool lineBreaks) const;
    [[nodiscard]] const ByteTable& table() const { return table_; }

  private:
    // The plain form of one character, or nothing where the code page cannot hold it either.
    bool appendPlain(const QString& character, std::string& out) const;

    const ByteTable& table_;
    // Made at the first character that needs it: most imports never do.
    mutable std::unique_ptr<icu::Transliterator> plain_;
    mutable bool plainFailed_ = false;
};

// Whether c is a control character: C0, DEL or C1.
inline bool isControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace reelcase

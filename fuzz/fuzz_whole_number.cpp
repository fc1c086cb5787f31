// Reads any text as a typed whole number, and checks accepted decimals against a reference.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editing/WholeNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = reelcase::readWholeNumber(text);
    const std::size_t start = text.find_first_not_of(' ');
    if (!value || start == std::string::npos) {
        return 0;
    }
    const char first = text[start];
    const bool hex =
        first == '$' || first == 'x' || first == 'X' ||
        (first == '0' && start + 1 < size && (text[start + 1] == 'x' || text[start + 1] == 'X'));
    if (!hex) {
        // An accepted decimal reads as the C library reads it, and nothing follows its digits.
        errno = 0;
        char* end = nullptr;
        const long long reference = std::strtoll(text.c_str() + start, &end, 10);
        if (errno != 0 || end != text.c_str() + size || reference != *value) {
            __builtin_trap();
        }
    }
    return 0;
}

#include "launcher/ProgramChoice.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

namespace reelcase {

namespace {

template <std::size_t N>
bool among(const std::string_view (&words)[N], std::string_view word) {
    return std::ranges::find(words, word) != std::end(words);
}

bool endsWithRcb(std::string_view word) {
    constexpr std::string_view kEnding = ".rcb";
    return word.size() >= kEnding.size() &&
           std::ranges::equal(
               word.substr(word.size() - kEnding.size()), kEnding,
               [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

std::vector<std::string_view> withoutQtOptions(std::span<const char* const> arguments) {
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "--") {
            rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.end());
            break;
        }
        const std::string_view bare = word.starts_with("--")  ? word.substr(2)
                                      : word.starts_with('-') ? word.substr(1)
                                                              : std::string_view();
        if (!bare.empty() && among(QtFlags, bare)) {
            continue;
        }
        if (!bare.empty() && i + 1 < arguments.size() && among(QtOptionsWithValue, bare)) {
            ++i;
            continue;
        }
        rest.push_back(word);
    }
    return rest;
}

bool namesCatalogue(std::string_view word) {
    if (word.empty() || word.starts_with('-')) {
        return false;
    }
    if (word.find('/') != std::string_view::npos || endsWithRcb(word)) {
        return true;
    }
    struct stat st {};
    return ::lstat(std::string(word).c_str(), &st) == 0;
}

bool opensWindow(std::span<const char* const> arguments) {
    // A command takes no Qt option: its word comes first.
    if (!arguments.empty() && among(CommandWords, arguments.front())) {
        return false;
    }
    const std::vector<std::string_view> words = withoutQtOptions(arguments);
    if (words.empty()) {
        return true;
    }
    if (words.front() == "--") {
        return words.size() == 1 || (words.size() == 2 && words[1] != "-");
    }
    return words.size() == 1 && namesCatalogue(words.front());
}

}  // namespace reelcase

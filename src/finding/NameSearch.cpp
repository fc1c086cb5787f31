#include "finding/NameSearch.h"

#include <algorithm>
#include <cstring>

namespace reelcase {

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool nameContains(std::string_view name, std::string_view text) {
    if (text.size() > name.size()) {
        return false;
    }
    for (std::size_t p = 0; p + text.size() <= name.size(); ++p) {
        std::size_t i = 0;
        while (i < text.size() && upper(name[p + i]) == upper(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            return true;
        }
    }
    return false;
}

std::vector<SearchRow> searchCatalogue(const Catalogue& catalogue, std::string_view text) {
    std::vector<SearchRow> rows;
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const MovieRecord& r = catalogue.slot(n);
        const std::string_view name = nameOf(r);
        if (!name.empty() && nameContains(name, text)) {
            rows.emplace_back(name, fieldText(r.Genre));
        }
    }
    return rows;
}

}  // namespace reelcase

#include "exchange/CatalogueCheck.h"

#include <cstring>

#include "catalogue/NameIndex.h"
#include "catalogue/untMovieRecord.h"
#include "exchange/ByteTable.h"

namespace reelcase {

namespace {

template <std::size_t N>
void checkLength(long long number, const char* field, const std::uint8_t (&bytes)[N],
                 std::vector<std::string>& findings) {
    if (bytes[0] > N - 1) {
        findings.push_back("record " + std::to_string(number) + ": " + field + " length " +
                           std::to_string(bytes[0]) + " is above its room of " +
                           std::to_string(N - 1) + " (damaged; read as cut to " +
                           std::to_string(N - 1) + ")");
    }
}

}  // namespace

CheckResult checkCatalogueBytes(std::string_view bytes, const ByteTable& table) {
    CheckResult result;
    result.records = static_cast<long long>(bytes.size() / RecordSize);
    result.trailingBytes = static_cast<long long>(bytes.size() % RecordSize);
    NameIndex names(static_cast<std::size_t>(result.records));
    std::string shown;
    for (long long k = 0; k < result.records; ++k) {
        MovieRecord r;
        std::memcpy(&r, bytes.data() + k * static_cast<long long>(RecordSize), RecordSize);
        const long long number = k + 1;
        checkLength(number, "name", r.Name, result.findings);
        checkLength(number, "genre", r.Genre, result.findings);
        checkLength(number, "format", r.Format, result.findings);
        checkLength(number, "rating", r.Rating, result.findings);
        checkLength(number, "personal info", r.PersonalInfo, result.findings);
        // The views stay valid: they point into bytes, which outlives the index.
        const std::string_view name(bytes.data() + k * static_cast<long long>(RecordSize) + 1,
                                    nameOf(r).size());
        if (name.empty()) {
            result.findings.push_back("record " + std::to_string(number) + ": empty name");
            continue;
        }
        const auto [first, isNew] = names.insert(name, static_cast<int>(number));
        if (!isNew) {
            shown.clear();
            table.appendUtf8(name, shown);
            result.findings.push_back("record " + std::to_string(number) + ": \"" + shown +
                                      "\" repeats record " + std::to_string(*first) +
                                      " (opening keeps the first)");
        }
    }
    if (result.trailingBytes != 0) {
        result.findings.push_back("the file ends " + std::to_string(result.trailingBytes) +
                                  " bytes into a record: it is not a whole number of " +
                                  std::to_string(RecordSize) + "-byte records");
    }
    return result;
}

}  // namespace reelcase

#include "exchange/CatalogueCheck.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <QFileInfo>

#include "catalogue/Catalogue.h"
#include "catalogue/NameIndex.h"
#include "exchange/ByteTable.h"
#include "exchange/Collection.h"

namespace reelcase {

namespace {

// A text field's length beyond its room (damage), or control bytes in it: kept by the file,
// shown raw by every list and export. Notes may hold line breaks and tabs.
template <std::size_t N>
void checkField(long long number, const char* field, const std::uint8_t (&bytes)[N],
                bool lineBreaks, std::vector<std::string>& findings) {
    if (bytes[0] > N - 1) {
        findings.push_back("record " + std::to_string(number) + ": " + field + " length " +
                           std::to_string(bytes[0]) + " is above its room of " +
                           std::to_string(N - 1) + " (damaged; read as cut to " +
                           std::to_string(N - 1) + ")");
        return;
    }
    const auto control = [lineBreaks](std::uint8_t b) {
        return (b < 0x20 || b == 0x7F) && !(lineBreaks && (b == '\r' || b == '\n' || b == '\t'));
    };
    if (std::any_of(bytes + 1, bytes + 1 + bytes[0], control)) {
        findings.push_back("record " + std::to_string(number) + ": control characters in the " +
                           field);
    }
}

// Takes records one after the other; keeps a copy of each name for the index to view.
class Checker {
  public:
    Checker(const ByteTable& table, std::size_t expectedRecords)
        : table_(table), names_(expectedRecords) {}

    void add(const char* bytes) {
        MovieRecord r;
        std::memcpy(&r, bytes, RecordSize);
        const long long number = ++result_.records;
        checkField(number, "name", r.Name, false, result_.findings);
        checkField(number, "genre", r.Genre, false, result_.findings);
        checkField(number, "format", r.Format, false, result_.findings);
        checkField(number, "rating", r.Rating, false, result_.findings);
        checkField(number, "personal info", r.PersonalInfo, true, result_.findings);
        const std::string_view name = keep(nameOf(r));
        if (name.empty()) {
            result_.findings.push_back("record " + std::to_string(number) + ": empty name");
            return;
        }
        const auto [first, isNew] = names_.insert(name, static_cast<int>(number));
        if (!isNew) {
            shown_.clear();
            table_.appendUtf8(name, shown_);
            result_.findings.push_back("record " + std::to_string(number) + ": \"" + shown_ +
                                       "\" repeats record " + std::to_string(*first) +
                                       " (opening keeps the first)");
        }
    }

    CheckResult finish(long long trailingBytes) {
        result_.trailingBytes = trailingBytes;
        if (trailingBytes != 0) {
            result_.findings.push_back("the file ends " + std::to_string(trailingBytes) +
                                       " bytes into a record: it is not a whole number of " +
                                       std::to_string(RecordSize) + "-byte records");
        }
        return std::move(result_);
    }

  private:
    static constexpr std::size_t kNamesPerBlock = 4096;

    // Names lie in blocks that never move, so the index's views stay valid.
    std::string_view keep(std::string_view name) {
        if (used_ == kNamesPerBlock || blocks_.empty()) {
            blocks_.push_back(std::make_unique<char[]>(kNamesPerBlock * NameRoom));
            used_ = 0;
        }
        char* place = blocks_.back().get() + used_++ * NameRoom;
        std::memcpy(place, name.data(), name.size());
        return {place, name.size()};
    }

    const ByteTable& table_;
    CheckResult result_;
    NameIndex names_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
    std::string shown_;
};

}  // namespace

CheckResult checkCatalogueBytes(std::string_view bytes, const ByteTable& table) {
    const std::size_t whole = bytes.size() / RecordSize;
    Checker checker(table, whole);
    for (std::size_t k = 0; k < whole; ++k) {
        checker.add(bytes.data() + k * RecordSize);
    }
    return checker.finish(static_cast<long long>(bytes.size() % RecordSize));
}

int checkCatalogueFile(const QString& path, const ByteTable& table, CheckResult& result) {
    // The size is only a hint for the index: the file may change while it is read.
    Checker checker(
        table, std::min<std::size_t>(static_cast<std::size_t>(QFileInfo(path).size()) / RecordSize,
                                     CatalogueCapacity));
    constexpr std::size_t kRecordsPerPiece = 4096;
    long long carried = 0;
    const int error =
        readFileInPieces(path, kRecordsPerPiece * RecordSize, [&](std::string_view piece) {
            for (std::size_t at = 0; at + RecordSize <= piece.size(); at += RecordSize) {
                checker.add(piece.data() + at);
            }
            // Only the last piece can be short.
            carried = static_cast<long long>(piece.size() % RecordSize);
        });
    result = checker.finish(carried);
    return error;
}

}  // namespace reelcase

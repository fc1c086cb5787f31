// Builds an export row from any record bytes and row number; the row must be its sixteen
// pieces in order, each at least its column's width, the texts never cut.
#include <cstdint>
#include <cstring>
#include <string>

#include "export_print/ExportRows.h"
#include "fuzz/FuzzSupport.h"

using namespace reelcase;
using reelcase::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t number = 0;
    if (size >= sizeof number) {
        std::memcpy(&number, data, sizeof number);
        data += sizeof number;
        size -= sizeof number;
    }
    MovieRecord record{};
    std::memcpy(&record, data, size < RecordSize ? size : RecordSize);
    ListLine line;
    makeMovieRow(number, record, line);
    require(line.pieceCount() == ListLine::MaxPieces);
    std::string joined;
    for (int i = 0; i < line.pieceCount(); ++i) {
        joined += line.piece(i);
    }
    require(joined == line.text());
    require(line.piece(0).size() >= 6 && line.piece(1).size() >= 29 && line.piece(3).size() >= 8);
    require(line.piece(1).substr(0, fieldText(record.Name).size()) == fieldText(record.Name));
    require(line.piece(5) == fieldText(record.Format));
    return 0;
}

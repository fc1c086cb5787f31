#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QString>

namespace reelcase {

class ByteTable;

// What a look through a catalogue file's bytes found, without taking anything in: the
// records, and each thing that opening the file would silently cut, drop or refuse.
struct CheckResult {
    long long records = 0;
    long long trailingBytes = 0;        // bytes after the last whole record
    std::vector<std::string> findings;  // UTF-8, one line each
};

CheckResult checkCatalogueBytes(std::string_view bytes, const ByteTable& table);

// The same look through a catalogue file read piece by piece, so that only the names are
// kept; 0 or an errno value.
int checkCatalogueFile(const QString& path, const ByteTable& table, CheckResult& result);

}  // namespace reelcase

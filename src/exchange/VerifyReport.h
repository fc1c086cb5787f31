#pragma once

#include <string>

#include "catalogue/LargeBlocks.h"
#include "disk_check/CheckTable.h"
#include "folder_add/FolderScan.h"

namespace reelcase {

// What verify prints of a finished check: the groups of the check window, each movie with
// its old and new values and the files it matched, in UTF-8 (file names as their bytes).

// For people: a heading per group, a line per movie, its files indented below it, the count
// in step, and what the scan passed over.
std::string verifyText(const CheckTable& table, const SkippedCounts& skipped);

// For scripts: a header row, then a row per movie of the Changed, Not found and New files
// groups, quoted as the list's CSV export quotes.
inline constexpr std::string_view VerifyCsvHeader =
    "Group,Name,Format,New Format,Length,New Length,Size,New Size,Quality,New Quality,Note,"
    "File 1,File 2,File 3";
LargeString verifyCsv(const CheckTable& table);

}  // namespace reelcase

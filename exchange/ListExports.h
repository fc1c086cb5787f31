#pragma once

#include <string>
#include <string_view>

#include "catalogue/MovieList.h"
#include "catalogue/untMovieRecord.h"

namespace reelcase {

class ByteTable;
class WorkProgress;

// The listed movies, as the designed export picks them: for each list entry in list order,
// every slot in use whose Name equals it.

// A spreadsheet's comma-separated text: UTF-8, a header row, lines ended by CR LF, a field
// quoted when it holds a comma, a quote, a line break or blanks at either end.
inline constexpr std::string_view CsvHeader =
    "Name,Genre,Format,Rating,Length,Quality,Size,Personal Info";
// The exports report how far they came to progress, when given, and return nothing when it
// is cancelled.
LargeString listCsvBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                         WorkProgress* progress = nullptr);
// One field as it stands in a row.
void appendCsvField(std::string_view utf8, LargeString& out);

// One web page that needs nothing else: the table, sortable by clicking a column heading,
// laid out for printing too.
std::string listHtmlBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                          WorkProgress* progress = nullptr);

}  // namespace reelcase

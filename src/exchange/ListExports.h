#pragma once

#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "catalogue/MovieList.h"

namespace reelcase {

class ByteTable;
class WorkProgress;

// The listed movies, as the designed export picks them: for each list entry in list order,
// every slot in use whose Name equals it.

// A spreadsheet's comma-separated text: UTF-8, a header row, lines ended by CR LF, a field
// quoted when it holds a comma, a semicolon, a tab, a quote, a line break or blanks at either
// end. A text a spreadsheet would evaluate, as it starts with one of CsvFormulaStarts, is
// quoted with an apostrophe in front, and so is one that starts with an apostrophe: the
// import takes off exactly that one again.
inline constexpr std::string_view CsvHeader =
    "Name,Genre,Format,Rating,Length,Quality,Size,Personal Info";
inline constexpr std::string_view CsvFormulaStarts = "=+-@\t\r";
// The exports report how far they came to progress, when given, and return nothing when it
// is cancelled.
LargeString listCsvBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                         WorkProgress* progress = nullptr);
// One text field as it stands in a row.
void appendCsvField(std::string_view utf8, LargeString& out);

// One web page that needs nothing else: the table, sortable by clicking a column heading,
// laid out for printing too.
std::string listHtmlBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                          WorkProgress* progress = nullptr);

}  // namespace reelcase

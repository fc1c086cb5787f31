#include "exchange/ListExports.h"

#include <algorithm>
#include <charconv>

#include "catalogue/SlotChains.h"
#include "exchange/ByteTable.h"
#include "seams/BackgroundWork.h"

namespace reelcase {

namespace {

// False when progress was cancelled before every listed movie was visited.
template <typename Visit>
bool forEachListed(const Catalogue& catalogue, const MovieList& list, WorkProgress* progress,
                   Visit visit) {
    int told = -1;
    return forEachListedSlot(catalogue, list, [&](int position, int slot) {
        if (progress != nullptr && position % 256 == 0 && position != told) {
            told = position;
            progress->setDone(position, list.size());
            if (progress->cancelled()) {
                return false;
            }
        }
        visit(catalogue.slot(slot));
        return true;
    });
}

template <typename Text>
void appendNumber(int value, Text& out) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// A spreadsheet set to semicolons or tabs splits a cell there unless it is quoted.
bool needsQuotes(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    if (text.front() == ' ' || text.back() == ' ') {
        return true;
    }
    return text.find_first_of(",;\t\"\r\n") != std::string_view::npos;
}

// An apostrophe of its own at the start is marked too, so that the import, which takes one
// off before these starts only, gives back every text as it was.
bool needsTextMark(std::string_view text) {
    return !text.empty() &&
           (text.front() == '\'' || CsvFormulaStarts.find(text.front()) != std::string_view::npos);
}

// Worst first, as the vocabulary lists them, no rating after them and one it lacks last.
int ratingRank(std::string_view rating) {
    return static_cast<int>(std::ranges::find(RatingNames, rating) - RatingNames.begin());
}

void appendHtmlEscaped(std::string_view utf8, std::string& out) {
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '\r':
                break;  // CR LF becomes one line break in the cell
            default:
                out.push_back(c);
        }
    }
}

// Kept in one piece so the page is readable as a file too. The sort keeps equal rows in
// their list order and compares numbers, and ratings by their rank, as numbers.
constexpr std::string_view kPageHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="generator" content="Reel-Case Database">
<title>Movie List</title>
<style>
body { font-family: Arial, "Liberation Sans", sans-serif; margin: 1.5em; color: #111; }
h1 { font-size: 1.4em; margin: 0 0 0.5em 0; }
p.count { margin: 0 0 1em 0; color: #444; }
table { border-collapse: collapse; width: 100%; font-size: 0.9em; }
th, td { border: 1px solid #999; padding: 0.25em 0.5em; text-align: left; vertical-align: top; }
th { background: #dde4ee; cursor: pointer; user-select: none; white-space: nowrap; }
th[aria-sort="ascending"]::after { content: " \25B2"; }
th[aria-sort="descending"]::after { content: " \25BC"; }
td.num { text-align: right; white-space: nowrap; }
td.short { white-space: nowrap; }
td.info { white-space: pre-line; }
tbody tr:nth-child(even) { background: #f4f6f9; }
@media print {
  body { margin: 0; }
  th { background: none; cursor: auto; }
  th::after { content: none !important; }
  tbody tr:nth-child(even) { background: none; }
  tr { page-break-inside: avoid; }
  thead { display: table-header-group; }
}
</style>
</head>
<body>
<h1>Movie List</h1>
)";

constexpr std::string_view kTableHead = R"(<table id="movies">
<thead><tr><th data-type="text">Name</th><th data-type="text">Genre</th><th data-type="text">Format</th><th data-type="number">Rating</th><th data-type="number">Length</th><th data-type="number">Quality</th><th data-type="number">Size</th><th data-type="text">Personal Info</th></tr></thead>
<tbody>
)";

constexpr std::string_view kPageTail = R"(</tbody>
</table>
<script>
(function () {
  var table = document.getElementById("movies");
  var body = table.tBodies[0];
  var heads = table.tHead.rows[0].cells;
  var rows = Array.prototype.slice.call(body.rows);
  rows.forEach(function (r, i) { r.dataset.order = i; });
  function key(row, col, numeric) {
    var cell = row.cells[col];
    var text = cell.hasAttribute("data-value") ? cell.getAttribute("data-value") : cell.textContent;
    return numeric ? parseFloat(text) || 0 : text.toLowerCase();
  }
  Array.prototype.forEach.call(heads, function (th, col) {
    th.tabIndex = 0;
    function sort() {
      var ascending = th.getAttribute("aria-sort") !== "ascending";
      var numeric = th.getAttribute("data-type") === "number";
      Array.prototype.forEach.call(heads, function (h) { h.removeAttribute("aria-sort"); });
      th.setAttribute("aria-sort", ascending ? "ascending" : "descending");
      rows.sort(function (a, b) {
        var x = key(a, col, numeric), y = key(b, col, numeric);
        var c = numeric ? (x < y ? -1 : x > y ? 1 : 0) : x.localeCompare(y);
        if (!ascending) c = -c;
        return c || a.dataset.order - b.dataset.order;
      });
      rows.forEach(function (r) { body.appendChild(r); });
    }
    th.addEventListener("click", sort);
    th.addEventListener("keydown", function (e) { if (e.key === "Enter") sort(); });
  });
})();
</script>
</body>
</html>
)";

}  // namespace

void appendCsvField(std::string_view utf8, LargeString& out) {
    const bool mark = needsTextMark(utf8);
    if (!mark && !needsQuotes(utf8)) {
        out.append(utf8);
        return;
    }
    out.push_back('"');
    if (mark) {
        out.push_back('\'');
    }
    for (const char c : utf8) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

LargeString listCsvBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                         WorkProgress* progress) {
    LargeString out;
    // Room for most rows at once (room not written to costs nothing): growing would copy.
    out.reserve(64 + static_cast<std::size_t>(list.size()) * 128);
    out.append(CsvHeader);
    out.append("\r\n");
    std::string field;
    const auto text = [&](std::string_view bytes) {
        field.clear();
        table.appendUtf8(bytes, field);
        appendCsvField(field, out);
        out.push_back(',');
    };
    const bool whole = forEachListed(catalogue, list, progress, [&](const MovieRecord& m) {
        text(fieldText(m.Name));
        text(fieldText(m.Genre));
        text(fieldText(m.Format));
        text(fieldText(m.Rating));
        appendNumber(m.Length, out);
        out.push_back(',');
        appendNumber(m.Quality, out);
        out.push_back(',');
        appendNumber(m.Size, out);
        out.push_back(',');
        field.clear();
        table.appendUtf8(fieldText(m.PersonalInfo), field);
        appendCsvField(field, out);
        out.append("\r\n");
    });
    if (!whole) {
        return {};
    }
    return out;  // moved, where a conditional expression would copy the whole text
}

std::string listHtmlBytes(const Catalogue& catalogue, const MovieList& list, const ByteTable& table,
                          WorkProgress* progress) {
    std::string rows;
    int count = 0;
    std::string field;
    const auto cell = [&](std::string_view bytes, std::string_view open) {
        field.clear();
        table.appendUtf8(bytes, field);
        rows.append(open);
        appendHtmlEscaped(field, rows);
        rows.append("</td>");
    };
    const auto number = [&](int value, std::string_view suffix) {
        rows.append("<td class=\"num\" data-value=\"");
        appendNumber(value, rows);
        rows.append("\">");
        appendNumber(value, rows);
        rows.append(suffix);
        rows.append("</td>");
    };
    const bool whole = forEachListed(catalogue, list, progress, [&](const MovieRecord& m) {
        ++count;
        rows.append("<tr>");
        cell(fieldText(m.Name), "<td>");
        cell(fieldText(m.Genre), "<td class=\"short\">");
        cell(fieldText(m.Format), "<td class=\"short\">");
        rows.append("<td class=\"short\" data-value=\"");
        appendNumber(ratingRank(fieldText(m.Rating)), rows);
        cell(fieldText(m.Rating), "\">");
        number(m.Length, " min");
        number(m.Quality, "/5");
        number(m.Size, " MB");
        cell(fieldText(m.PersonalInfo), "<td class=\"info\">");
        rows.append("</tr>\n");
    });
    if (!whole) {
        return {};
    }
    std::string page(kPageHead);
    page.append("<p class=\"count\">");
    appendNumber(count, page);
    page.append(count == 1 ? " movie" : " movies");
    page.append("</p>\n");
    page.append(kTableHead);
    page.append(rows);
    page.append(kPageTail);
    return page;
}

}  // namespace reelcase

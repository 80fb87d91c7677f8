#pragma once
// A panel's messages as a spreadsheet table, out and back in. One row per message in the panel's order
// (PLC messages, then the local menu depth first; set points by number), the values as the editors show
// them, and each run of N positions of data item K in a text written {K:N}, the PLC-controlled decimal
// point {.} and a literal '{' doubled. Reading is all or nothing: every problem is named by its row and
// column, and the panel keeps its messages unless none was found.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class AddressCheck;
class TQMPanel;

// The columns every table starts with, in this order.
extern const std::vector<std::string> kMessageCsvColumns;
// The columns a table may add after them; the export writes them so that a round trip is exact.
extern const std::vector<std::string> kMessageCsvExtraColumns;

std::string ExportMessagesCsv(const TQMPanel& panel);

// A message text in the table's form, and back ("" and the text, or the reason it cannot be read).
// A spreadsheet program does not keep every cell as typed: it runs a cell that begins with = + - @ as a
// formula, and stores one that reads as a number, a date, a time or a logical value (00012, 1E5, 3/4, 12:30,
// TRUE) as that value, which it writes back in its own form. Such a cell gets a leading ', which the
// spreadsheet keeps and which makes it text; so does a text that begins with ' itself. Reading takes exactly
// one leading ' off.
std::string MessageTextToCsv(std::string_view text);
std::string MessageTextFromCsv(std::string_view cell, std::string& text);

struct CsvProblem {
  int row = 0;          // as a spreadsheet numbers it: the header is row 1
  std::string column;   // the header's name of the column
  std::string reason;
};
// "IN.csv:ROW:COLUMN: reason"
std::string CsvProblemLine(const std::string& file, const CsvProblem& problem);

// What a table's import found wrong. The first kCsvProblemsKept problems are kept, the rest only counted:
// a table of a million bad rows is told on a page.
inline constexpr size_t kCsvProblemsKept = 100;
struct CsvProblems {
  std::vector<CsvProblem> kept;  // in the table's order
  size_t count = 0;              // all that were found

  void Add(CsvProblem problem);
  bool empty() const { return count == 0; }
};

// Replaces the panel's messages with the table's rows, checked with the project rules, every address with
// `addresses` and, in a project linked to a tag map, every tag with the map; local items are numbered 256
// downwards in menu order as the message editor numbers them. Nothing changes when a problem is found.
CsvProblems ImportMessagesCsv(std::string_view csv, TQMPanel& panel, AddressCheck& addresses);

}  // namespace lumora

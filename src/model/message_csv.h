#pragma once
// A panel's messages as a spreadsheet table, out and back in. One row per message in the panel's order
// (PLC messages, then the local menu depth first; set points by number), the values as the editors show
// them, and each run of N positions of data item K in a text written {K:N}, the PLC-controlled decimal
// point {.} and a literal '{' doubled. Reading is all or nothing: every problem is named by its row and
// column, and the panel keeps its messages unless none was found.

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
std::string MessageTextToCsv(std::string_view text);
std::string MessageTextFromCsv(std::string_view cell, std::string& text);

struct CsvProblem {
  int row = 0;          // as a spreadsheet numbers it: the header is row 1
  std::string column;   // the header's name of the column
  std::string reason;
};
// "IN.csv:ROW:COLUMN: reason"
std::string CsvProblemLine(const std::string& file, const CsvProblem& problem);

// Replaces the panel's messages with the table's rows, checked with the project rules and every address
// with `addresses`; local items are numbered 256 downwards in menu order as the message editor numbers
// them. Nothing changes when a problem is returned.
std::vector<CsvProblem> ImportMessagesCsv(std::string_view csv, TQMPanel& panel, AddressCheck& addresses);

}  // namespace lumora

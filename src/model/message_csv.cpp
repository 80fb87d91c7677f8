#include "model/message_csv.h"

#include <cstdio>

#include "model/message_csv_columns.h"
#include "model/message_text.h"
#include "model/panel.h"

namespace lumora {

const std::vector<std::string> kMessageCsvColumns = {
    "Kind",          "Number",        "Level",          "Folder",
    "Text",          "Item1 Address", "Item1 Tag",      "Item1 Type",
    "Item1 Access",  "Item1 Limits",  "Item1 Min",      "Item1 Max",
    "Item1 Password", "Item1 Decimal", "Item1 Decimal Address", "Item1 Leading Zeros",
    "Item2 Address", "Item2 Tag",     "Item2 Type",     "Item2 Leading Zeros",
    "Item3 Address", "Item3 Tag",     "Item3 Type",     "Item3 Leading Zeros"};

const std::vector<std::string> kMessageCsvExtraColumns = {"Item1 Decimal Tag", "Item1 Decimal Type"};

namespace message_csv {

const std::string& ColumnName(size_t column) {
  return column < kMessageCsvColumns.size() ? kMessageCsvColumns[column]
                                            : kMessageCsvExtraColumns[column - kMessageCsvColumns.size()];
}

bool HoldsItemOne(const TQMPanel& panel, const TQMMessage& message) {
  return panel.IsSetPointPanel() || MessageHasDataItem(message.text, 1);
}

std::string ShownCell(std::string_view cell) {
  std::string shown;
  size_t characters = 0;
  for (size_t i = 0; i < cell.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(cell[i]);
    const bool continuation = (byte & 0xC0) == 0x80;  // of a UTF-8 character: never cut off its start
    if (!continuation && characters == kShownCellLength) return shown + "...";
    if (!continuation) ++characters;
    if (byte == '\r') {
      shown += "\\r";
    } else if (byte == '\n') {
      shown += "\\n";
    } else if (byte == '\t') {
      shown += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += static_cast<char>(byte);
    }
  }
  return shown;
}

std::string QuotedCell(std::string_view cell) {
  return "\"" + ShownCell(cell) + "\"";
}

}  // namespace message_csv

void CsvProblems::Add(CsvProblem problem) {
  if (kept.size() < kCsvProblemsKept) kept.push_back(std::move(problem));
  ++count;
}

std::string CsvProblemLine(const std::string& file, const CsvProblem& problem) {
  return file + ":" + std::to_string(problem.row) + ":" + problem.column + ": " + problem.reason;
}

}  // namespace lumora

#pragma once
// Comma-separated tables as RFC 4180 writes them, and as spreadsheet programs write them back: an optional
// UTF-8 byte-order mark, CR LF or LF line ends, and ';' instead of ',' where the decimal point is a comma.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The field as a record holds it: quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator = ',');
// The fields joined with ',' and ended with CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

struct CsvTable {
  char separator = ',';
  // Each record with the row a spreadsheet shows it on (the first record is row 1). Records whose
  // fields are all empty (blank lines) are left out.
  struct Record {
    int row = 0;
    std::vector<std::string> fields;
  };
  std::vector<Record> records;
};

struct CsvSyntaxError {
  int row = 0;
  int field = 0;  // 0-based position of the field in its record
  std::string reason;
};

// Reads `text`; the separator is the first ',' or ';' outside quotes on the first line. False, with the
// row and the reason, when a quoted field is not closed or a closing quote is followed by more text.
bool ReadCsvTable(std::string_view text, CsvTable& table, CsvSyntaxError& error);

}  // namespace lumora

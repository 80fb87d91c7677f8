#include "model/csv_table.h"

#include <algorithm>

#include "model/translation.h"

namespace lumora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char SeparatorOf(std::string_view text) {
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',' || c == ';') return c;
    if (c == '\r' || c == '\n') break;
  }
  return ',';
}

}  // namespace

std::string CsvField(std::string_view text, char separator) {
  if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
    return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (size_t i = 0; i < fields.size(); ++i)
    record += (i ? "," : "") + CsvField(fields[i]);
  return record + "\r\n";
}

bool ReadCsvTable(std::string_view text, CsvTable& table, CsvSyntaxError& error) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  table = CsvTable{};
  table.separator = SeparatorOf(text);
  const char separator = table.separator;

  int row = 1;
  CsvTable::Record record{row, {std::string()}};
  auto endRecord = [&] {
    bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                             [](const std::string& field) { return field.empty(); });
    if (!blank) table.records.push_back(std::move(record));
    ++row;
    record = CsvTable::Record{row, {std::string()}};
  };

  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    std::string& field = record.fields.back();
    if (c == '"' && field.empty()) {
      // A quoted field: up to the closing quote; "" is one quote; line breaks belong to the field.
      size_t j = i + 1;
      bool closed = false;
      while (j < text.size()) {
        if (text[j] == '"') {
          if (j + 1 < text.size() && text[j + 1] == '"') {
            field += '"';
            j += 2;
            continue;
          }
          closed = true;
          ++j;
          break;
        }
        field += text[j++];
      }
      if (!closed) {
        error = {record.row, static_cast<int>(record.fields.size()) - 1,
                 translate("Core", "a quoted field is not closed")};
        return false;
      }
      if (j < text.size() && text[j] != separator && text[j] != '\r' && text[j] != '\n') {
        error = {record.row, static_cast<int>(record.fields.size()) - 1,
                 translate("Core", "text follows a closing quote")};
        return false;
      }
      i = j;
      continue;
    }
    if (c == separator) {
      record.fields.emplace_back();
      ++i;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      endRecord();
      i += 2;
    } else if (c == '\n') {
      endRecord();
      ++i;
    } else {
      field += c;
      ++i;
    }
  }
  endRecord();
  return true;
}

}  // namespace lumora

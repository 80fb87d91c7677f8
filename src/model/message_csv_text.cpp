// The message table's text form: the data items' runs as {K:N}, the decimal point as {.}, and the guard
// that keeps a spreadsheet program from reading the cell as anything but text.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>

#include "model/message_csv.h"
#include "model/message_csv_columns.h"
#include "model/message_text.h"
#include "model/translation.h"

namespace lumora {
namespace {

bool IsWord(std::string_view word, std::initializer_list<std::string_view> words) {
  for (std::string_view known : words) {
    if (word.size() == known.size() &&
        std::equal(word.begin(), word.end(), known.begin(),
                   [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; }))
      return true;
  }
  return false;
}

// The words a spreadsheet reads in a number, a date or a time: the exponent, the months, AM and PM.
bool IsValueWord(std::string_view word) {
  return IsWord(word, {"E", "A", "P", "AM", "PM", "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG",
                       "SEP", "SEPT", "OCT", "NOV", "DEC", "JANUARY", "FEBRUARY", "MARCH", "APRIL", "JUNE",
                       "JULY", "AUGUST", "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"});
}

// Whether a spreadsheet program would change the cell as it reads it. It runs a cell that begins with
// = + - @ as a formula (and a TAB or CR there hides one from a reader's eye). It stores a value instead of
// the text when the cell, blanks around it aside, is TRUE or FALSE, or is made of digits with the
// characters and words of numbers, dates and times only: 12, 00012, 3.5, 1,000, 1E5, 50 %, $5, (5), 3/4,
// 2024-01-05, 12:30 PM, JAN 5. Even a plain 12 counts: the cell becomes a number, and what is written back
// is the spreadsheet's form of the number in its locale and format, not the text. Anything else stays text
// as typed, so ordinary texts export unchanged; a cell that begins with ' is guarded too, so that reading
// gives back its own '.
bool SpreadsheetChanges(std::string_view cell) {
  if (cell.empty()) return false;
  if (std::string_view("=+-@'\t\r\n").find(cell.front()) != std::string_view::npos) return true;
  size_t first = cell.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  std::string_view value = cell.substr(first, cell.find_last_not_of(' ') - first + 1);
  if (IsWord(value, {"TRUE", "FALSE"})) return true;
  bool digits = false;
  for (size_t i = 0; i < value.size();) {
    unsigned char c = static_cast<unsigned char>(value[i]);
    if (std::isdigit(c)) {
      digits = true;
      ++i;
    } else if (std::isalpha(c)) {
      size_t end = i;
      while (end < value.size() && std::isalpha(static_cast<unsigned char>(value[end]))) ++end;
      if (!IsValueWord(value.substr(i, end - i))) return false;
      i = end;
    } else if (std::string_view(" .,/:-+%$()").find(static_cast<char>(c)) != std::string_view::npos) {
      ++i;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace

std::string MessageTextToCsv(std::string_view text) {
  std::string cell;
  for (size_t i = 0; i < text.size();) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte == kMarkerDecimalPoint) {
      cell += "{.}";
      ++i;
    } else if (byte >= kMarkerData3) {
      size_t run = 1;
      while (i + run < text.size() && text[i + run] == text[i]) ++run;
      int item = byte == kMarkerData1 ? 1 : byte == kMarkerData2 ? 2 : 3;
      cell += "{" + std::to_string(item) + ":" + std::to_string(run) + "}";
      i += run;
    } else {
      cell += byte == '{' ? "{{" : std::string(1, static_cast<char>(byte));
      ++i;
    }
  }
  return SpreadsheetChanges(cell) ? "'" + cell : cell;
}

std::string MessageTextFromCsv(std::string_view cell, std::string& text) {
  text.clear();
  if (!cell.empty() && cell.front() == '\'') cell.remove_prefix(1);
  for (size_t i = 0; i < cell.size();) {
    unsigned char c = static_cast<unsigned char>(cell[i]);
    if (c < 0x20 || c > 0x7E) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%02X", c);
      return Arg(translate("Core", "the panel cannot show the character 0x%1 (only printable ASCII)"), hex);
    }
    if (c != '{') {
      text += static_cast<char>(c);
      ++i;
      continue;
    }
    if (cell.substr(i, 2) == "{{") {
      text += '{';
      i += 2;
      continue;
    }
    size_t close = cell.find('}', i);
    if (close == std::string_view::npos)
      return translate("Core", "an unclosed { (write {{ for the character itself)");
    std::string_view token = cell.substr(i, close - i + 1);
    if (token == "{.}") {
      text += static_cast<char>(kMarkerDecimalPoint);
    } else {
      // {K:N}: N positions of data item K.
      int item = 0;
      int count = 0;
      bool shaped = token.size() >= 5 && token[2] == ':';
      if (shaped) {
        auto [stop, error] = std::from_chars(token.data() + 1, token.data() + 2, item);
        auto [stop2, error2] = std::from_chars(token.data() + 3, token.data() + token.size() - 1, count);
        shaped = error == std::errc() && error2 == std::errc() && stop2 == token.data() + token.size() - 1 &&
                 token.size() <= 6;  // at most 99 positions
      }
      const std::string shown = message_csv::ShownCell(token);
      if (!shaped) return Arg(translate("Core", "%1 is not {K:N}, {.} or {{"), shown);
      if (item < 1 || item > 3) return Arg(translate("Core", "%1: data items are 1 to 3"), shown);
      if (count < 1) return Arg(translate("Core", "%1: a data item takes at least one position"), shown);
      text.append(static_cast<size_t>(count), static_cast<char>(DataItemMarker(item)));
    }
    i = close + 1;
  }
  return "";
}

}  // namespace lumora

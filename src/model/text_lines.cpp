#include "model/text_lines.h"

#include <algorithm>
#include <climits>

namespace lumora {

void LineWriter::Line(std::string_view text) {
  text_.append(text);
  text_.append(lineEnd_);
}

void LineWriter::Int(long long value) {
  Line(std::to_string(value));
}
void LineWriter::Unsigned(uint32_t value) {
  Line(std::to_string(value));
}

std::string LineReader::Line() {
  ++lineNumber_;
  if (pos_ >= text_.size()) {
    if (!pastEnd_) firstMissingLine_ = lineNumber_;
    pastEnd_ = true;
    return {};
  }
  size_t end = text_.find('\n', pos_);
  std::string_view line;
  if (end == std::string_view::npos) {
    line = text_.substr(pos_);
    pos_ = text_.size();
  } else {
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

int LineReader::Int() {
  return ParseLenientInt(Line());
}

uint32_t LineReader::Unsigned() {
  return static_cast<uint32_t>(ParseLenientNumber(Line()));
}

long long ParseLenientNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > (1LL << 40)) break;  // far beyond any stored value; stop before overflow
  }
  return negative ? -value : value;
}

std::optional<long long> ParseLeadingNumber(std::string_view text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return std::nullopt;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  if (i == text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > (1LL << 40)) return std::nullopt;  // far beyond any stored value
  }
  return negative ? -value : value;
}

int ParseLenientInt(std::string_view text) {
  long long value = ParseLenientNumber(text);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace lumora

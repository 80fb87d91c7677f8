#pragma once
// Line-oriented reading and writing of the project's single-byte text format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Writes lines; each line gets `lineEnd` ("\r\n" in files, "\n" in the clipboard form).
class LineWriter {
 public:
  explicit LineWriter(std::string lineEnd = "\r\n") : lineEnd_(std::move(lineEnd)) {}
  void Line(std::string_view text);
  void Int(long long value);
  void Unsigned(uint32_t value);
  void Bool(bool value) { Int(value ? 1 : 0); }
  const std::string& Text() const { return text_; }
  std::string& MutableText() { return text_; }

 private:
  std::string text_;
  std::string lineEnd_;
};

// Reads lines from a buffer. A line ends at "\n"; a "\r" before it is dropped. Past the end every line
// reads as empty, which is how a short file reads.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  std::string Line();
  int Int();            // lenient: sign, leading digits, rest ignored, no digits give 0
  uint32_t Unsigned();  // as Int, taken modulo 2^32
  bool BoolExactlyOne() { return Int() == 1; }
  bool BoolNonZero() { return Int() != 0; }
  void Rewind() {
    pos_ = 0;
    pastEnd_ = false;
    lineNumber_ = 0;
    firstMissingLine_ = 0;
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  // A line was asked for after the last one: the text ended before its reader was done.
  bool PastEnd() const { return pastEnd_; }
  // The 1-based number of the line read last (counting lines asked for past the end).
  size_t LineNumber() const { return lineNumber_; }
  // The number of the first line that was asked for but missing; 0 while none was.
  size_t FirstMissingLine() const { return firstMissingLine_; }
  size_t Position() const { return pos_; }
  std::string_view Rest() const { return text_.substr(pos_ < text_.size() ? pos_ : text_.size()); }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  bool pastEnd_ = false;
  size_t lineNumber_ = 0;
  size_t firstMissingLine_ = 0;
};

// The number a line begins with, by the file format's rule (blanks, an optional sign, digits; the rest of the
// line is ignored, so "-1 none" is -1 and "500abc" 500), or nothing when no digit comes first: unlike the
// lenient rule, "abc" and an empty line are not read as 0 here. A number too large for any stored field is
// nothing too.
std::optional<long long> ParseLeadingNumber(std::string_view text);

// The lenient number rule of the file format, shared by every reader.
long long ParseLenientNumber(std::string_view text);
int ParseLenientInt(std::string_view text);

}  // namespace lumora

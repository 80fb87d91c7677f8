#include "link/firmware_image.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "model/text_lines.h"
#include "model/translation.h"

namespace lumora {
namespace {

// Two digits from position `at`; false when the line is too short.
bool ByteAt(const std::string& line, size_t at, int& value) {
  if (at + 1 >= line.size()) return false;
  value = (HexDigitValue(line[at]) * 16 + HexDigitValue(line[at + 1])) & 0xFF;
  return true;
}

bool AppendGap(std::vector<uint8_t>& image, long gap) {
  if (gap < 0 || image.size() + static_cast<size_t>(gap) > kMaxImageSize) return false;
  image.insert(image.end(), static_cast<size_t>(gap), 0xFF);
  return true;
}

// A reason about the line just read: its number in for "%1".
std::string At(const LineReader& file, const std::string& reason) {
  return Arg(reason, static_cast<long long>(file.LineNumber()));
}

std::string Damaged(const LineReader& file) {
  return At(file, translate("Core",
                            "line %1 is damaged: a character that is no hexadecimal digit, a count that "
                            "does not match, or a wrong checksum"));
}

bool IsHexDigit(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// One S-record of the given address width: its address and data, checked against its count and
// checksum. Anything but hexadecimal digits after the type makes the record invalid.
bool ParseSRecord(const std::string& line, int addressBytes, long& address, std::vector<uint8_t>& data) {
  if (!std::all_of(line.begin() + 2, line.end(), IsHexDigit)) return false;
  int count = 0;
  if (!ByteAt(line, 2, count)) return false;
  int dataCount = count - addressBytes - 1;
  if (dataCount < 0 || line.size() < 4 + 2 * static_cast<size_t>(count)) return false;
  int sum = count;
  address = 0;
  for (int i = 0; i < addressBytes; ++i) {
    int byte = 0;
    ByteAt(line, 4 + 2 * static_cast<size_t>(i), byte);
    address = (address << 8) | byte;
    sum += byte;
  }
  data.assign(static_cast<size_t>(dataCount), 0);
  size_t dataAt = 4 + 2 * static_cast<size_t>(addressBytes);
  for (int i = 0; i < dataCount; ++i) {
    int byte = 0;
    ByteAt(line, dataAt + 2 * static_cast<size_t>(i), byte);
    data[static_cast<size_t>(i)] = static_cast<uint8_t>(byte);
    sum += byte;
  }
  int checksum = 0;
  ByteAt(line, line.size() - 2, checksum);
  return ((~sum) & 0xFF) == checksum;
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return std::toupper(static_cast<unsigned char>(c)) - 55;
}

void TQMExec::Reject(std::string problem) {
  valid_ = false;
  problem_ = std::move(problem);
}

TQMExec::TQMExec(std::string_view fileText, int base) : nextAddress_(base) {
  Read(fileText);
  if (!valid_) image_.clear();
}

void TQMExec::Read(std::string_view fileText) {
  LineReader file(fileText);
  bool sawData = false;
  while (lastRecordType_ != 1) {
    std::string line = file.Line();
    if (file.PastEnd()) return Reject(translate("Core", "the file ends before its end record"));
    if (line.empty() || line[0] != ':')
      return Reject(At(file, translate("Core", "line %1 is not an Intel HEX record")));
    // A damaged record must not pass for data: only digits, exactly as many as the count asks for.
    int count = 0, high = 0, low = 0, type = 0;
    if (!std::all_of(line.begin() + 1, line.end(), IsHexDigit) || !ByteAt(line, 1, count) ||
        line.size() != 11 + 2 * static_cast<size_t>(count)) {
      return Reject(At(file, translate("Core",
                                       "line %1 holds a character that is no hexadecimal digit, or more or "
                                       "fewer digits than its count")));
    }
    ByteAt(line, 3, high);
    ByteAt(line, 5, low);
    ByteAt(line, 7, type);
    lastRecordType_ = type;
    long address = (high << 8) | low;
    std::vector<uint8_t> data(static_cast<size_t>(count));
    int sum = count + high + low + type;
    for (int i = 0; i < count; ++i) {
      int byte = 0;
      ByteAt(line, 9 + 2 * static_cast<size_t>(i), byte);
      data[static_cast<size_t>(i)] = static_cast<uint8_t>(byte);
      sum += byte;
    }
    int checksum = 0;
    ByteAt(line, line.size() - 2, checksum);
    if (((sum + checksum) & 0xFF) != 0)
      return Reject(At(file, translate("Core", "line %1 has a wrong checksum")));
    if (type == 2 || type == 4) {
      // Tools write a zero segment or upper address first; anything else lies outside the 16-bit image.
      if (count != 2 || data[0] != 0 || data[1] != 0)
        return Reject(At(file, translate("Core", "line %1 moves the address beyond the first 64 KiB")));
      continue;
    }
    if (type == 3 || type == 5) continue;  // a start address has no place in the image
    if (type != 0 && type != 1)
      return Reject(At(file, translate("Core", "line %1 has an unknown record type")));
    long previous = nextAddress_;
    nextAddress_ = address + count;
    if (type == 0 && address != previous && !AppendGap(image_, address - previous))
      return Reject(
          At(file,
             translate(
                 "Core",
                 "line %1 goes back to an address before the record above it, or leaves too large a gap")));
    if (image_.size() + data.size() > kMaxImageSize)
      return Reject(translate("Core", "the image is larger than 16 MiB"));
    image_.insert(image_.end(), data.begin(), data.end());
    sawData = sawData || count > 0;
  }
  // An end record alone would erase a panel and load nothing.
  if (!sawData) return Reject(translate("Core", "the file holds no data"));
  // Records after the end record would be left out of the image: a file with more than one end (two
  // files joined, or one cut into another) is not loaded in part. Blank lines and a DOS end-of-file
  // mark may follow.
  while (!file.AtEnd()) {
    std::string rest = file.Line();
    if (!std::all_of(rest.begin(), rest.end(), [](char c) { return c == ' ' || c == '\t' || c == '\x1A'; }))
      return Reject(At(file, translate("Core", "line %1 follows the end record")));
  }
}

void TQMMuxExec::Reject(std::string problem) {
  valid_ = false;
  problem_ = std::move(problem);
}

TQMMuxExec::TQMMuxExec(std::string_view fileText, int startAddress) : expectedAddress_(startAddress) {
  Read(fileText);
  if (!valid_) image_.clear();
}

void TQMMuxExec::Read(std::string_view fileText) {
  LineReader file(fileText);
  // A file cut short at a line end would otherwise pass: the data records must be followed by a
  // termination record (S7, S8, S9) or by a count record (S5, S6) that counts every one of them.
  bool ended = false;
  long dataRecords = 0;
  while (!file.AtEnd()) {
    std::string line = file.Line();
    if (line.empty()) continue;
    if (line[0] == 's') return Reject(At(file, translate("Core", "line %1 has a lower-case record mark")));
    if (line[0] != 'S') continue;
    if (line.size() < 2) return Reject(At(file, translate("Core", "line %1 is not an S-record")));
    char type = line[1];
    long address = 0;
    std::vector<uint8_t> data;
    if (type == '7' || type == '8' || type == '9') {
      if (!ParseSRecord(line, type == '7' ? 4 : type == '8' ? 3 : 2, address, data)) return Reject(Damaged(file));
      ended = true;  // its start address is not part of the image
      continue;
    }
    if (type == '5' || type == '6') {
      // The count sits in the address field; a count that differs from the data records read so far
      // says that records were lost or added.
      if (!ParseSRecord(line, type == '5' ? 2 : 3, address, data)) return Reject(Damaged(file));
      if (address != dataRecords) {
        return Reject(
            Arg(Arg(At(file, translate("Core", "line %1 counts %2 data records, but %3 come before it")),
                    address),
                dataRecords));
      }
      ended = true;
      continue;
    }
    if (type == '0' || type == '4') {  // header and reserved records
      ended = false;
      continue;
    }
    ended = false;
    int addressBytes = type == '1' ? 2 : type == '2' ? 3 : type == '3' ? 4 : 0;
    if (addressBytes == 0) return Reject(At(file, translate("Core", "line %1 has an unknown record type")));
    if (!ParseSRecord(line, addressBytes, address, data)) return Reject(Damaged(file));
    ++dataRecords;
    if (expectedAddress_ == 0x10000 && address != 0x10000)
      return Reject(
          At(file,
             translate("Core", "line %1 is the first data record but does not start at address 10000 hex")));
    long previous = expectedAddress_;
    expectedAddress_ = address + static_cast<long>(data.size());
    if (address != previous && !AppendGap(image_, address - previous))
      return Reject(
          At(file,
             translate(
                 "Core",
                 "line %1 goes back to an address before the record above it, or leaves too large a gap")));
    if (image_.size() + data.size() > kMaxImageSize)
      return Reject(translate("Core", "the image is larger than 16 MiB"));
    image_.insert(image_.end(), data.begin(), data.end());
  }
  if (!ended) {
    Reject(translate("Core",
                     "the data records are not followed by a termination record (S7, S8 or S9) or a count "
                     "record (S5 or S6), so the file cannot be told from one cut short"));
  }
}

}  // namespace lumora

#include "link/firmware_image.h"

#include <cctype>

#include "model/text_lines.h"

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

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return std::toupper(static_cast<unsigned char>(c)) - 55;
}

TQMExec::TQMExec(std::string_view fileText, int base) : nextAddress_(base) {
  Read(fileText);
  if (!valid_) image_.clear();
}

void TQMExec::Read(std::string_view fileText) {
  LineReader file(fileText);
  while (lastRecordType_ == 0) {
    std::string line = file.Line();
    if (line.empty() || line[0] != ':') {
      valid_ = false;  // also the end of the file before the end record
      return;
    }
    int count, high, low, type;
    if (!ByteAt(line, 1, count) || !ByteAt(line, 3, high) || !ByteAt(line, 5, low) ||
        !ByteAt(line, 7, type) || line.size() < 9 + 2 * static_cast<size_t>(count) + 2) {
      valid_ = false;
      return;
    }
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
    if (((sum + checksum) & 0xFF) != 0) {
      valid_ = false;
      return;
    }
    long previous = nextAddress_;
    nextAddress_ = address + count;
    if (type == 0 && address != previous && !AppendGap(image_, address - previous)) {
      valid_ = false;  // a record behind the previous one, or an absurd gap
      return;
    }
    if (image_.size() + data.size() > kMaxImageSize) {
      valid_ = false;
      return;
    }
    image_.insert(image_.end(), data.begin(), data.end());
  }
}

TQMMuxExec::TQMMuxExec(std::string_view fileText, int startAddress) : expectedAddress_(startAddress) {
  Read(fileText);
  if (!valid_) image_.clear();
}

void TQMMuxExec::Read(std::string_view fileText) {
  LineReader file(fileText);
  while (!file.AtEnd()) {
    std::string line = file.Line();
    if (line.empty()) continue;
    if (line[0] == 's') {
      valid_ = false;
      return;
    }
    if (line[0] != 'S') continue;
    if (line.size() < 2) {
      valid_ = false;
      return;
    }
    char type = line[1];
    if (type == '0' || type == '4' || type == '5' || type == '6' || type == '7' || type == '8' ||
        type == '9') {
      continue;  // header, count and start-address records
    }
    int addressBytes = type == '1' ? 2 : type == '2' ? 3 : type == '3' ? 4 : 0;
    int count = 0;
    if (addressBytes == 0 || !ByteAt(line, 2, count)) {
      valid_ = false;
      return;
    }
    int dataCount = count - addressBytes - 1;
    if (dataCount < 0 || line.size() < 4 + 2 * static_cast<size_t>(count)) {
      valid_ = false;
      return;
    }
    int sum = count;
    long address = 0;
    for (int i = 0; i < addressBytes; ++i) {
      int byte = 0;
      ByteAt(line, 4 + 2 * static_cast<size_t>(i), byte);
      address = (address << 8) | byte;
      sum += byte;
    }
    if (expectedAddress_ == 0x10000 && address != 0x10000) {
      valid_ = false;
      return;
    }
    std::vector<uint8_t> data(static_cast<size_t>(dataCount));
    size_t dataAt = 4 + 2 * static_cast<size_t>(addressBytes);
    for (int i = 0; i < dataCount; ++i) {
      int byte = 0;
      ByteAt(line, dataAt + 2 * static_cast<size_t>(i), byte);
      data[static_cast<size_t>(i)] = static_cast<uint8_t>(byte);
      sum += byte;
    }
    int checksum = 0;
    ByteAt(line, line.size() - 2, checksum);
    if (((~sum) & 0xFF) != checksum) {
      valid_ = false;
      return;
    }
    long previous = expectedAddress_;
    expectedAddress_ = address + dataCount;
    if (address != previous && !AppendGap(image_, address - previous)) {
      valid_ = false;
      return;
    }
    if (image_.size() + data.size() > kMaxImageSize) {
      valid_ = false;
      return;
    }
    image_.insert(image_.end(), data.begin(), data.end());
  }
}

}  // namespace lumora

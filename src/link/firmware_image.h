#pragma once
// Readers of firmware and driver files into flat memory images: Intel HEX (TQMExec, panels) and
// Motorola S-record (TQMMuxExec, the multiplexer). Gaps are filled with 0xFF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Larger images, and gaps that would need more, cannot be firmware: the file is malformed.
inline constexpr size_t kMaxImageSize = 16u * 1024 * 1024;

// Reads records up to the end record. Start address records and zero extended addresses are skipped; any
// other extended address, an unknown record type, a character that is no hex digit, a record whose length
// does not match its count, a file without data bytes and anything but blank lines after the end record
// make the file invalid.
class TQMExec {
 public:
  // Reads the whole file text; `base` is the address of the image's first byte.
  TQMExec(std::string_view fileText, int base);
  virtual ~TQMExec() = default;
  bool IsValid() const { return valid_; }
  // Why the file is invalid, in words for its user ("line 7 has a wrong checksum"); empty when valid.
  const std::string& Problem() const { return problem_; }
  const std::vector<uint8_t>& GetImage() const { return image_; }

 private:
  void Read(std::string_view fileText);
  void Reject(std::string problem);
  std::string problem_;
  long nextAddress_;
  int lastRecordType_ = 0;
  std::vector<uint8_t> image_;
  bool valid_ = true;
};

// Reads S1 to S3 data records to the end of the file. The data records must be followed by a termination
// record (S7, S8 or S9) or by a count record (S5, S6) whose count is the number of data records before it,
// so that a file cut short is invalid; a count record with any other count makes the file invalid too.
class TQMMuxExec {
 public:
  TQMMuxExec(std::string_view fileText, int startAddress);
  virtual ~TQMMuxExec() = default;
  bool IsValid() const { return valid_; }
  const std::string& Problem() const { return problem_; }
  const std::vector<uint8_t>& GetImage() const { return image_; }

 private:
  void Read(std::string_view fileText);
  void Reject(std::string problem);
  std::string problem_;
  std::vector<uint8_t> image_;
  bool valid_ = true;
  long expectedAddress_;
};

// Digit rule of both formats: "0".."9" are 0..9, any other character its upper-case code minus 55.
int HexDigitValue(char c);

}  // namespace lumora

#pragma once
// Every reply the PC receives, the error codes with their messages, and the rule that judges a reply.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/translation.h"

namespace lumora {

enum ReplyCode : uint8_t {
  kReplyStd = 0x00,
  kReplyStatusId = 0x12,
  kReplyMuxPlcAttr = 0x2A,
  kReplyMessage = 0xB4,
  kReplyTags = 0xB6,
  kReplySysAttr = 0xB8,
  kReplyPlcAttr = 0xBB,
};

// Link errors found by the PC itself; they share the numbers of the panel's error codes.
enum LinkError : int { kLinkOk = 0, kLinkChecksum = 1, kLinkTimeout = 2, kLinkBadLength = 25 };

class TQMXResp {
 public:
  virtual ~TQMXResp() = default;
  // Stores the five header bytes; subclasses take their own fields. `size` is the packet's byte count.
  virtual void Decode(const uint8_t* packet, size_t size);
  uint8_t Code() const { return header_[4]; }
  uint8_t LengthByte() const { return header_[1]; }

 protected:
  uint8_t header_[5] = {};
};

class TQMErrorResp : public TQMXResp {
 public:
  explicit TQMErrorResp(int code);
  int ErrorCode() const { return code_; }
  std::string GetErrorText() const;  // in the user's language
  static std::string TextFor(int code);
  static std::string EnglishTextFor(int code);  // as the communication log keeps it

 private:
  std::map<int, std::string> table_;
  int code_;
};

class TQMStdResp : public TQMXResp {
 public:
  void Decode(const uint8_t* packet, size_t size) override;
  uint8_t Status() const { return status_; }
  int ErrorCode() const { return error_; }
  std::string GetErrorText() const;

 private:
  uint8_t status_ = 0;
  int error_ = 0;
};

// What a status answer tells, from a panel or from the multiplexer.
class TQMStatusResp : public TQMXResp {
 public:
  virtual int GetPanelModel() const = 0;
  virtual std::string GetFirmwareText() const;
  virtual std::string GetMemoryText() const = 0;
  std::string GetDriverVersionText() const;
  char RevisionLetter() const { return static_cast<char>(revisionLetter_); }
  int RevisionNumber() const { return revisionNumber_; }
  int ManufacturerId() const { return manufacturerId_; }
  int ModelId() const { return modelId_; }
  bool HasDriver() const { return manufacturerId_ != 0 && modelId_ != 0; }
  uint8_t Family() const { return family_; }

 protected:
  uint8_t family_ = 0;
  uint8_t revisionLetter_ = 0;
  uint8_t revisionNumber_ = 0;
  uint8_t manufacturerId_ = 0;
  uint8_t modelId_ = 0;
  uint8_t driverVersion_ = 0;
};

class TQMStatusIdResp : public TQMStatusResp {
 public:
  void Decode(const uint8_t* packet, size_t size) override;
  int GetPanelModel() const override;
  std::string GetMemoryText() const override;  // "%4d KB"
  uint8_t ModelByte(int which) const { return model_[which]; }
  int MemoryKilobytes() const { return memory_; }

 private:
  uint8_t model_[3] = {};
  uint8_t memory_ = 0;
  uint8_t reserved_ = 0;
};

class TQMMuxStatusIdResp : public TQMStatusResp {
 public:
  void Decode(const uint8_t* packet, size_t size) override;
  int GetPanelModel() const override;          // 6 for family "4"
  std::string GetMemoryText() const override;  // "%4d Bytes"
  uint32_t MemoryBytes() const { return memoryBytes_; }

 private:
  uint8_t bytes_[2] = {};
  uint32_t kept_ = 0;
  uint32_t memoryBytes_ = 0;
};

// One block of a dump: flags (bit 1 = last block), count and data.
class TQMBlockResp : public TQMXResp {
 public:
  void Decode(const uint8_t* packet, size_t size) override;
  const std::vector<uint8_t>& GetData() const { return data_; }
  bool IsLastBlock() const { return (flags_ & 0x02) != 0; }
  uint8_t Flags() const { return flags_; }

 private:
  uint8_t flags_ = 0;
  std::vector<uint8_t> data_;
};

class TQMTagResp : public TQMBlockResp {};
class TQMMuxPlcAttrResp : public TQMBlockResp {};

class TQMSysAttrResp : public TQMXResp {
 public:
  void Decode(const uint8_t* packet, size_t size) override;
  int FirstLocalNumber() const { return firstLocalNumber_; }
  void ApplyTo(TQMPanel& panel) const;

 private:
  uint8_t bytes_[36] = {};
  int firstLocalNumber_ = 0;
};

class TQMPlcAttrResp : public TQMXResp {
 public:
  explicit TQMPlcAttrResp(SystemType systemType) : systemType_(systemType) {}
  void Decode(const uint8_t* packet, size_t size) override;
  // The attributes without their 32-byte header, length as before the increase, without the inner CRC.
  const std::vector<uint8_t>& GetData() const { return data_; }

 private:
  SystemType systemType_;
  std::vector<uint8_t> data_;
};

class TQMMsgResp : public TQMXResp {
 public:
  // Decodes against `panel` (its type decides the layout); the message belongs to that panel.
  explicit TQMMsgResp(TQMPanel* panel);
  void Decode(const uint8_t* packet, size_t size) override;
  const TQMMessage& Message() const { return message_; }
  TQMMessage& Message() { return message_; }
  bool IsEmptySlot() const { return empty_; }

 private:
  TQMPanel* panel_;
  TQMMessage message_;
  bool empty_ = true;
};

// The 20 text bytes of a message reply back to a model text with markers.
std::string DecodeMessageText(const uint8_t* bytes, bool isFolder);

// Turns a received packet (null when the receive failed) into a reply object. A packet too short for
// its reply class gives the link error 25; an unknown reply code gives null.
std::unique_ptr<TQMXResp> MakeResponse(const uint8_t* packet, int linkError, TQMProject* project);

// The judging rule every user of the link follows. Returns the expected reply, or null with `failure`
// holding the message: the error reply's text, a standard reply's text, or "Unknown Error".
template <typename Expected>
Expected* ExpectResponse(TQMXResp* response, std::string& failure);

// For commands answered by TQMStdResp: true when it came with error code 0.
bool IsGoodStdResponse(const TQMXResp* response, std::string& failure);

inline constexpr const char* kUnknownErrorText = QT_TRANSLATE_NOOP("Core", "Unknown Error");

template <typename Expected>
Expected* ExpectResponse(TQMXResp* response, std::string& failure) {
  failure.clear();
  if (auto* expected = dynamic_cast<Expected*>(response)) {
    if constexpr (std::is_same_v<Expected, TQMStdResp>) {
      if (expected->ErrorCode() != 0) {
        failure = expected->GetErrorText();
        return nullptr;
      }
    }
    return expected;
  }
  if (auto* error = dynamic_cast<TQMErrorResp*>(response)) {
    failure = error->GetErrorText();
  } else if (auto* standard = dynamic_cast<TQMStdResp*>(response)) {
    failure = standard->GetErrorText();
  } else {
    failure = translate("Core", kUnknownErrorText);
  }
  return nullptr;
}

}  // namespace lumora

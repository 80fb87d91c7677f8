#pragma once
// Every command the PC sends to a panel or to the multiplexer. Serialize writes the length byte (offset 1)
// and the payload (from offset 5); BuildPacket adds the CRC. A command whose bytes do not fit one length
// byte refuses to build and is never sent.

#include <array>
#include <cstdint>
#include <vector>

#include "link/packet.h"

namespace lumora {

class TQMMessage;
class TQMPanel;

enum CommandCode : uint8_t {
  kCmdClearMemory = 0x0B,
  kCmdStatusId = 0x12,
  kCmdWriteMuxPlcAttr = 0x29,
  kCmdReadMuxPlcAttr = 0x2A,
  kCmdExecBoot = 0x3E,
  kCmdExecExec = 0x3F,
  kCmdReadMessage = 0xB4,
  kCmdWriteMessage = 0xB5,
  kCmdReadTags = 0xB6,
  kCmdWriteTags = 0xB7,
  kCmdReadSysAttr = 0xB8,
  kCmdWriteSysAttr = 0xB9,
  kCmdLoadPlc = 0xBA,
  kCmdReadPlcAttr = 0xBB,
  kCmdWritePlcAttr = 0xBC,
  kCmdLoadExec = 0xBD,
  kCmdRestart = 0xBE,
  kCmdSwitchPort = 0xC1,
};

enum BlockKind : uint8_t { kBlockData = 0, kBlockStart = 1, kBlockEnd = 2 };
enum DumpKind : uint8_t { kDumpNext = 0, kDumpStart = 1 };
inline constexpr int kBlockSize = 50;

class TQMXCmd {
 public:
  explicit TQMXCmd(uint8_t code);
  virtual ~TQMXCmd() = default;

  // Serializes and stores the CRC; false (and nothing to send) when the command does not fit.
  bool BuildPacket();
  const uint8_t* Packet() const { return packet_.data(); }
  size_t PacketSize() const { return static_cast<size_t>(packet_[1]) + 1; }
  uint8_t Code() const { return packet_[4]; }

 protected:
  // Writes the length byte and the payload; false when they cannot be described by one length byte.
  virtual bool Serialize(uint8_t* packet) = 0;
  std::array<uint8_t, kCommandAreaSize> packet_{};
};

// Commands without payload: clear memory, status, exec boot, exec exec, read system attributes, read
// PLC attributes, restart.
class TQMNoPayloadCmd : public TQMXCmd {
 public:
  using TQMXCmd::TQMXCmd;

 protected:
  bool Serialize(uint8_t* packet) override;
};

class TQMClrMemCmd : public TQMNoPayloadCmd {
 public:
  TQMClrMemCmd() : TQMNoPayloadCmd(kCmdClearMemory) {}
};
class TQMStatusIdCmd : public TQMNoPayloadCmd {
 public:
  TQMStatusIdCmd() : TQMNoPayloadCmd(kCmdStatusId) {}
};
class TQMExecBootCmd : public TQMNoPayloadCmd {
 public:
  TQMExecBootCmd() : TQMNoPayloadCmd(kCmdExecBoot) {}
};
class TQMExecExecCmd : public TQMNoPayloadCmd {
 public:
  TQMExecExecCmd() : TQMNoPayloadCmd(kCmdExecExec) {}
};
class TQMReadSysAttrCmd : public TQMNoPayloadCmd {
 public:
  TQMReadSysAttrCmd() : TQMNoPayloadCmd(kCmdReadSysAttr) {}
};
class TQMReadPlcAttrCmd : public TQMNoPayloadCmd {
 public:
  TQMReadPlcAttrCmd() : TQMNoPayloadCmd(kCmdReadPlcAttr) {}
};
class TQMRestartCmd : public TQMNoPayloadCmd {
 public:
  TQMRestartCmd() : TQMNoPayloadCmd(kCmdRestart) {}
};

class TQMSwitchPrtCmd : public TQMXCmd {
 public:
  explicit TQMSwitchPrtCmd(int port) : TQMXCmd(kCmdSwitchPort), port_(port) {}

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  int port_;
};

// Start (kind 1), data block (kind 0) and end (kind 2) of a block transfer: sequence, kind, count, data.
class TQMBlockCmd : public TQMXCmd {
 public:
  TQMBlockCmd(uint8_t code, uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence, int first,
              int end);

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  uint8_t kind_;
  const std::vector<uint8_t>& data_;
  uint8_t sequence_;
  int first_;
  int end_;
};

class TQMLoadPlcCmd : public TQMBlockCmd {
 public:
  TQMLoadPlcCmd(uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence, int first, int end)
      : TQMBlockCmd(kCmdLoadPlc, kind, data, sequence, first, end) {}
};
class TQMWriteTagCmd : public TQMBlockCmd {
 public:
  TQMWriteTagCmd(uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence, int first, int end)
      : TQMBlockCmd(kCmdWriteTags, kind, data, sequence, first, end) {}
};
class TQMLoadExecCmd : public TQMBlockCmd {
 public:
  TQMLoadExecCmd(uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence, int first, int end)
      : TQMBlockCmd(kCmdLoadExec, kind, data, sequence, first, end) {}
};
class TQMWriteMuxPlcAttrCmd : public TQMBlockCmd {
 public:
  TQMWriteMuxPlcAttrCmd(uint8_t kind, const std::vector<uint8_t>& data, uint8_t sequence, int first, int end)
      : TQMBlockCmd(kCmdWriteMuxPlcAttr, kind, data, sequence, first, end) {}
};

// Dump reads: index (messages) or sequence (tags, multiplexer attributes), then kind.
class TQMDumpCmd : public TQMXCmd {
 public:
  TQMDumpCmd(uint8_t code, uint8_t kind, uint8_t indexOrSequence)
      : TQMXCmd(code), kind_(kind), index_(indexOrSequence) {}

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  uint8_t kind_;
  uint8_t index_;
};

class TQMReadMsgCmd : public TQMDumpCmd {
 public:
  TQMReadMsgCmd(uint8_t kind, uint8_t index) : TQMDumpCmd(kCmdReadMessage, kind, index) {}
};
class TQMReadTagCmd : public TQMDumpCmd {
 public:
  TQMReadTagCmd(uint8_t kind, uint8_t sequence) : TQMDumpCmd(kCmdReadTags, kind, sequence) {}
};
class TQMReadMuxPlcAttrCmd : public TQMDumpCmd {
 public:
  TQMReadMuxPlcAttrCmd(uint8_t kind, uint8_t sequence) : TQMDumpCmd(kCmdReadMuxPlcAttr, kind, sequence) {}
};

class TQMWriteMsgCmd : public TQMXCmd {
 public:
  // `splitNumber` -1 means no mapping of local message numbers.
  TQMWriteMsgCmd(const TQMMessage& message, int splitNumber, bool setPointPanel, bool blank);

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  const TQMMessage& message_;
  int split_;
  bool setPoint_;
  bool blank_;
};

class TQMWriteSysAttrCmd : public TQMXCmd {
 public:
  explicit TQMWriteSysAttrCmd(const TQMPanel& panel) : TQMXCmd(kCmdWriteSysAttr), panel_(panel) {}

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  const TQMPanel& panel_;
};

// PLC attributes of a single-panel project: inner CRC after the data, high byte first.
class TQMWritePlcAttrCmd : public TQMXCmd {
 public:
  explicit TQMWritePlcAttrCmd(const std::vector<uint8_t>& attributes)
      : TQMXCmd(kCmdWritePlcAttr), attributes_(attributes) {}

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  const std::vector<uint8_t>& attributes_;
};

// PLC attributes of a panel in a multiplexer project: inner CRC at offsets 7 (low) and 8 (high).
class TQMWrtMltPnlPlcAttrCmd : public TQMXCmd {
 public:
  explicit TQMWrtMltPnlPlcAttrCmd(const std::vector<uint8_t>& attributes)
      : TQMXCmd(kCmdWritePlcAttr), attributes_(attributes) {}

 protected:
  bool Serialize(uint8_t* packet) override;

 private:
  const std::vector<uint8_t>& attributes_;
};

// The wire number of a message: with split s, numbers m >= s travel as s - m + 256. Its own inverse.
int WireMessageNumber(int number, int splitNumber);
// The 20 text bytes of the standard message layout.
std::array<uint8_t, 20> EncodeMessageText(const TQMMessage& message);
// The multiplexer PLC attribute stream: the attributes after their header with the leading length
// increased by 2, and PacketCrc of the first k bytes at positions k (low) and k + 1 (high).
std::vector<uint8_t> MuxPlcAttributeStream(const std::vector<uint8_t>& attributes);

}  // namespace lumora

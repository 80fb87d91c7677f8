#pragma once
// TQMXComm: one open serial port for one user operation. Writes framed packets, reads replies byte by
// byte with time-outs, and runs command/response exchanges with one retry.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "link/link_timeouts.h"
#include "model/translation.h"

namespace lumora {

class TQMProject;
class TQMXCmd;
class TQMXResp;

inline constexpr const char* kC003Text = QT_TRANSLATE_NOOP("Core", "Error C003: Error opening port");
inline constexpr const char* kC004Text =
    QT_TRANSLATE_NOOP("Core", "Error C004: Error in setting communication attributes");

class TQMXComm {
 public:
  // Opens and configures the port. Test `ok` right after construction.
  TQMXComm(const std::string& portName, TQMProject* project);
  virtual ~TQMXComm();
  TQMXComm(const TQMXComm&) = delete;
  TQMXComm& operator=(const TQMXComm&) = delete;

  void Open(const std::string& portName);
  // The process-wide time-outs (link_timeouts.h; by default about 2.51 s for one byte) and the line
  // settings at the application's link speed.
  bool Configure();
  // Sets the read-interval time-out and the read total constant to `milliseconds`.
  bool SetReadTimeout(int milliseconds);
  // Discards whatever arrived unasked (a reply that came after its time-out must not answer this packet),
  // then writes the packet.
  void SendPacket(const uint8_t* packet);
  // One byte, or -1 when none arrived within the time-out, the read failed or the device is gone.
  int ReadByte();
  // The received packet, or null with `linkError` telling why.
  const uint8_t* ReceivePacket();
  std::unique_ptr<TQMXResp> Transact(TQMXCmd& command);
  bool Close();

  bool IsOpen() const { return fd_ >= 0; }
  // The device hung up (unplugged adapter, closed terminal): every later read and write fails at once.
  bool DeviceGone() const { return gone_; }
  // One line that explains a failed open (permissions, a port in use, the devices that exist).
  std::string OpenHint() const;
  const std::string& Device() const { return device_; }
  void SetProject(TQMProject* project) { project_ = project; }

  std::string errorText;
  bool ok = true;
  int linkError = 0;

 private:
  using Clock = std::chrono::steady_clock;
  // Reads and logs whatever is waiting: it answers an earlier packet, never the next one.
  void DiscardStaleInput();
  // Asks the driver for low latency where it has the setting; Close() puts back what it was.
  void RequestLowLatency();
  void RestoreLatency();
  // After a reply to a repeated packet whose first copy went unanswered: true when another reply
  // follows, which makes both replies late ones (read into the communication log).
  bool LateReplyFollows(Clock::duration firstReplyDelay);

  int fd_ = -1;
  uint8_t buffer_[104] = {};
  TQMProject* project_;
  std::string device_;
  int openErrno_ = 0;
  bool gone_ = false;
  uint64_t bytesRead_ = 0;
  bool restoreLatency_ = false;  // low latency was off and has been asked for: Close() turns it off
  LinkTimeouts timeouts_;
};

}  // namespace lumora

#include "link/serial_link.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/link_speed.h"
#include "link/packet.h"
#include "link/port_names.h"
#include "link/responses.h"

namespace lumora {
namespace {

using Clock = std::chrono::steady_clock;

speed_t SpeedConstant(int bitsPerSecond) {
  switch (bitsPerSecond) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B9600;
  }
}

enum class Wait { Ready, TimedOut, HungUp };

// Waits for `events` on `fd` for at most `milliseconds`, restarting after signals.
Wait WaitFor(int fd, short events, int milliseconds) {
  auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    if (left < 0) left = 0;
    pollfd entry{fd, events, 0};
    int ready = ::poll(&entry, 1, left);
    if (ready > 0) {
      if (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) return Wait::HungUp;
      return (entry.revents & events) ? Wait::Ready : Wait::TimedOut;
    }
    if (ready == 0) return Wait::TimedOut;
    if (errno != EINTR) return Wait::HungUp;
  }
}

int MillisecondsLeft(Clock::time_point deadline) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
}

}  // namespace

TQMXComm::TQMXComm(const std::string& portName, TQMProject* project) : project_(project) {
  Open(portName);
}

TQMXComm::~TQMXComm() {
  Close();
}

void TQMXComm::Open(const std::string& portName) {
  Close();
  device_ = ResolvePortDevice(portName);
  int fd = device_.empty() ? -1 : ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openErrno_ = device_.empty() ? ENOENT : errno;
    ok = false;
    errorText = translate("Core", kC003Text);
    return;
  }
  // Two programs must not talk to one panel at once.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    openErrno_ = EBUSY;
    ::close(fd);
    ok = false;
    errorText = translate("Core", kC003Text);
    return;
  }
  fd_ = fd;
  gone_ = false;
  if (!Configure()) {
    ok = false;
    errorText = translate("Core", kC004Text);
    return;
  }
  RequestLowLatency();
  ::tcflush(fd_, TCIFLUSH);
}

void TQMXComm::RequestLowLatency() {
  // USB serial adapters hold short replies back until their latency timer runs out (16 ms on the common
  // chips), which adds up over the thousand exchanges of a write. Ports whose driver knows no such
  // setting (pseudo-terminals, many on-board UARTs) refuse the request; they are used as they are.
  serial_struct serial{};
  if (::ioctl(fd_, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY)) return;
  serial.flags |= ASYNC_LOW_LATENCY;
  if (::ioctl(fd_, TIOCSSERIAL, &serial) != 0) return;
  restoreLatency_ = true;
  CommLogNote("low latency requested from the serial driver of " + device_);
}

void TQMXComm::RestoreLatency() {
  if (!restoreLatency_) return;
  restoreLatency_ = false;
  serial_struct serial{};
  if (::ioctl(fd_, TIOCGSERIAL, &serial) == 0) {
    serial.flags &= ~ASYNC_LOW_LATENCY;  // it was off before Open()
    ::ioctl(fd_, TIOCSSERIAL, &serial);
  }
}

bool TQMXComm::Configure() {
  if (fd_ < 0) return false;
  timeouts_ = CurrentLinkTimeouts();
  termios settings;
  std::memset(&settings, 0, sizeof settings);
  if (::tcgetattr(fd_, &settings) != 0) return false;
  // Raw bytes at the link speed, 8 data bits, no parity; stop bits and flow control stay as the port has
  // them.
  settings.c_iflag &=
      ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK);
  settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  settings.c_cflag |= CS8 | CREAD | CLOCAL;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  speed_t speed = SpeedConstant(LinkSpeed());
  if (::cfsetispeed(&settings, speed) != 0 || ::cfsetospeed(&settings, speed) != 0) return false;
  return ::tcsetattr(fd_, TCSANOW, &settings) == 0;
}

bool TQMXComm::SetReadTimeout(int milliseconds) {
  if (fd_ < 0) return false;
  timeouts_.readIntervalMs = milliseconds;
  timeouts_.readConstantMs = milliseconds;
  return true;
}

void TQMXComm::SendPacket(const uint8_t* packet) {
  size_t size = static_cast<size_t>(packet[1]) + 1;
  for (size_t i = 0; i < size; ++i)
    CommLogByte(packet[i]);
  if (fd_ < 0 || gone_) {
    ok = false;
    errorText = translate("Core", "Error Writing File");
    return;
  }
  // Replies are not numbered: anything already waiting answers an earlier packet, never this one.
  ::tcflush(fd_, TCIFLUSH);
  int budget = timeouts_.writeMultiplierMs * static_cast<int>(size) + timeouts_.writeConstantMs;
  auto deadline = Clock::now() + std::chrono::milliseconds(budget);
  size_t written = 0;
  while (written < size) {
    ssize_t n = ::write(fd_, packet + written, size - written);
    if (n > 0) {
      written += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
      gone_ = errno == EIO || errno == ENXIO || errno == ENODEV || errno == EBADF;
      break;
    }
    int left = MillisecondsLeft(deadline);
    if (left <= 0) break;
    Wait wait = WaitFor(fd_, POLLOUT, left);
    if (wait == Wait::TimedOut) break;
    if (wait == Wait::HungUp) {
      // A hang-up may still leave the write possible; only a failing write says the device is gone.
      n = ::write(fd_, packet + written, size - written);
      if (n > 0) {
        written += static_cast<size_t>(n);
        continue;
      }
      gone_ = true;
      break;
    }
  }
  if (written < size) {
    ok = false;
    errorText = translate("Core", "Error Writing File");
  }
}

int TQMXComm::ReadByte() {
  if (fd_ < 0 || gone_) return -1;
  // Bytes are read one at a time, so a byte may take the whole total time-out.
  int budget = timeouts_.readMultiplierMs + timeouts_.readConstantMs;
  auto deadline = Clock::now() + std::chrono::milliseconds(budget);
  bool hungUp = false;
  for (;;) {
    uint8_t byte = 0;
    ssize_t n = ::read(fd_, &byte, 1);
    if (n == 1) {
      CommLogByte(byte);
      ++bytesRead_;
      return byte;
    }
    // An I/O error, or nothing to read after a hang-up (unplugged adapter, closed terminal): waiting again
    // would return at once, over and over, until the time-out. A raw terminal with nothing to read gives 0
    // or EAGAIN, so only the hang-up tells the two apart.
    bool interrupted = n < 0 && errno == EINTR;
    if ((n < 0 && errno != EAGAIN && !interrupted) || (hungUp && !interrupted)) {
      gone_ = true;
      return -1;
    }
    int left = MillisecondsLeft(deadline);
    if (left <= 0) return -1;
    Wait wait = WaitFor(fd_, POLLIN, left);
    if (wait == Wait::TimedOut) return -1;
    hungUp = wait == Wait::HungUp;
  }
}

const uint8_t* TQMXComm::ReceivePacket() {
  CommLogHeader("Panel said:\n");
  linkError = kLinkOk;
  int skipped = 0;
  for (;;) {
    int byte = ReadByte();
    if (byte < 0) {
      linkError = kLinkTimeout;
      return nullptr;
    }
    if (byte == kStartByte) break;
    if (++skipped > 100) {
      linkError = kLinkTimeout;
      return nullptr;
    }
  }
  buffer_[0] = kStartByte;
  int length = ReadByte();
  if (length < 0) {
    linkError = kLinkTimeout;
    return nullptr;
  }
  // A length byte must leave room for the header and the checksum and fit the 70-byte packet.
  if (length > kMaxReplyLength || length < 6) {
    linkError = kLinkBadLength;
    return nullptr;
  }
  buffer_[1] = static_cast<uint8_t>(length);
  for (int i = 2; i <= length; ++i) {
    int byte = ReadByte();
    if (byte < 0) {
      linkError = kLinkTimeout;
      return nullptr;
    }
    buffer_[i] = static_cast<uint8_t>(byte);
  }
  if (!VerifyPacketCrc(buffer_)) {
    linkError = kLinkChecksum;
    return nullptr;
  }
  return buffer_;
}

std::unique_ptr<TQMXResp> TQMXComm::Transact(TQMXCmd& command) {
  if (!command.BuildPacket()) {
    // Not describable by one length byte: refused here rather than sent truncated.
    return std::make_unique<TQMErrorResp>(8);
  }
  Clock::time_point firstSent{};
  bool firstUnanswered = false;
  for (int attempt = 1;; ++attempt) {
    DiscardStaleInput();
    CommLogHeader("I said:\n");
    if (attempt == 1) firstSent = Clock::now();
    SendPacket(command.Packet());
    uint64_t before = bytesRead_;
    const uint8_t* packet = ReceivePacket();
    std::unique_ptr<TQMXResp> response = MakeResponse(packet, linkError, project_);
    // Not a byte came back: the unit may have lost the packet, or it may still be working on it.
    if (attempt == 1) firstUnanswered = linkError == kLinkTimeout && bytesRead_ == before;
    if (attempt == 2 && packet && firstUnanswered && !gone_ && LateReplyFollows(Clock::now() - firstSent)) {
      // The reply was the late answer to the first packet, and the repeated packet was answered as late:
      // the unit answers after the time-out, and neither reply may stand for the other packet.
      linkError = kLinkTimeout;
      return MakeResponse(nullptr, linkError, project_);
    }
    if (attempt == 2 || gone_ || !dynamic_cast<TQMErrorResp*>(response.get())) return response;
  }
}

void TQMXComm::DiscardStaleInput() {
  if (fd_ < 0 || gone_) return;
  uint8_t byte = 0;
  bool noted = false;
  while (::read(fd_, &byte, 1) == 1) {
    // Kept in the log: a late reply is worth seeing when a link misbehaves.
    if (!noted) CommLogNote("discarded before the next packet:");
    noted = true;
    CommLogByte(byte);
  }
}

bool TQMXComm::LateReplyFollows(Clock::duration firstReplyDelay) {
  // The first packet went unanswered, and a reply came while the repeated packet waited for its own. Either
  // the unit lost the first packet and answered the repeated one, or the reply is the late answer to the
  // first packet. A unit that answers that late answers the repeated packet as late again: at most the
  // first reply's delay after that reply (a unit that takes packets one at a time). Nothing in that time
  // means the reply was the repeated packet's own.
  CommLogNote("a reply after a time-out: waiting whether the repeated packet is answered as late");
  int interval = timeouts_.readIntervalMs;
  auto deadline = Clock::now() + firstReplyDelay + std::chrono::milliseconds(5 * interval + 50);
  int received = 0;
  for (;;) {
    uint8_t byte = 0;
    while (received < 2 * (kMaxReplyLength + 1) && ::read(fd_, &byte, 1) == 1) {
      CommLogByte(byte);
      ++received;
    }
    if (received >= 2 * (kMaxReplyLength + 1)) break;
    // Once a reply has begun, it is read until the line is quiet again.
    int left = received ? 2 * interval + 10 : MillisecondsLeft(deadline);
    if (left <= 0) break;
    Wait outcome = WaitFor(fd_, POLLIN, left);
    if (outcome == Wait::HungUp || (outcome == Wait::TimedOut && received)) break;
  }
  if (received) CommLogNote("late replies: the unit answers after the time-out");
  return received > 0;
}

bool TQMXComm::Close() {
  if (fd_ < 0) return true;
  if (!gone_) RestoreLatency();
  restoreLatency_ = false;
  ::flock(fd_, LOCK_UN);
  bool closed = ::close(fd_) == 0;
  fd_ = -1;
  return closed;
}

std::string TQMXComm::OpenHint() const {
  return openErrno_ ? PortOpenHint(openErrno_, device_) : "";
}

}  // namespace lumora

#include "sim_server.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "link/packet.h"

namespace panel_sim {
namespace {

using Clock = std::chrono::steady_clock;

QString ToHex(const Bytes& bytes) {
  return QString::fromLatin1(
      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())).toHex());
}
Bytes FromHex(const QJsonValue& value) {
  QByteArray bytes = QByteArray::fromHex(value.toString().toLatin1());
  return Bytes(bytes.begin(), bytes.end());
}

int BaudOf(speed_t speed) {
  switch (speed) {
    case B1200:
      return 1200;
    case B2400:
      return 2400;
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    default:
      return 9600;
  }
}

}  // namespace

std::string HexBytes(const std::vector<uint8_t>& bytes) {
  std::string text;
  char pair[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(pair, sizeof pair, i ? " %02x" : "%02x", bytes[i]);
    text += pair;
  }
  return text;
}

Server::Server(std::map<int, std::unique_ptr<Unit>> units, FaultOptions faults)
    : units_(std::move(units)), faults_(std::move(faults)) {
  // A throttled reply is due at a moment a few microseconds wide; the default slack of the sleeps (50 us)
  // would add itself to every exchange.
  if (faults_.throttle) ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

Server::~Server() {
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
}

std::string Server::Open(std::string& error) {
  char name[256] = {};
  if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
    error = std::strerror(errno);
    return "";
  }
  termios raw{};
  ::tcgetattr(slave_, &raw);
  ::cfmakeraw(&raw);
  ::cfsetispeed(&raw, B9600);
  ::cfsetospeed(&raw, B9600);
  ::tcsetattr(slave_, TCSANOW, &raw);
  // Keeping a descriptor of the slave open lets programs come and go without hang-ups on the master.
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  return name;
}

int Server::CurrentBaud() const {
  termios settings{};
  if (::tcgetattr(slave_, &settings) != 0) return 9600;
  return BaudOf(::cfgetospeed(&settings));
}

void Server::Trace(const std::string& line) {
  if (!trace_) return;
  std::fprintf(trace_, "%s\n", line.c_str());
  std::fflush(trace_);
}

void Server::Violation(const std::string& text) {
  Trace("VIOLATION " + text);
}

void Server::Serve(const volatile std::sig_atomic_t& stop, double maxSeconds) {
  auto started = Clock::now();
  Bytes pending;
  auto lastByte = Clock::now();
  while (!stop) {
    if (maxSeconds > 0 && std::chrono::duration<double>(Clock::now() - started).count() >= maxSeconds) break;
    pollfd entry{master_, POLLIN, 0};
    int ready = ::poll(&entry, 1, 50);
    if (ready > 0 && (entry.revents & POLLIN)) {
      uint8_t chunk[1024];
      ssize_t n = ::read(master_, chunk, sizeof chunk);
      if (n > 0) {
        pending.insert(pending.end(), chunk, chunk + n);
        lastByte = Clock::now();
      }
    }
    // Frame whole packets out of what arrived.
    for (;;) {
      size_t junk = 0;
      while (junk < pending.size() && pending[junk] != lumora::kStartByte)
        ++junk;
      if (junk > 0) {
        Violation("junk before a start byte: " +
                  HexBytes(Bytes(pending.begin(), pending.begin() + static_cast<long>(junk))));
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(junk));
      }
      if (pending.size() < 2) break;
      int length = pending[1];
      if (length < 6) {
        Violation("length byte " + std::to_string(length) + " cannot hold a command");
        pending.erase(pending.begin());
        continue;
      }
      if (pending.size() < static_cast<size_t>(length) + 1) {
        if (Clock::now() - lastByte > std::chrono::milliseconds(300)) {
          Violation("length byte " + std::to_string(length) + " but only " + std::to_string(pending.size()) +
                    " bytes received: " + HexBytes(pending));
          pending.clear();
        }
        break;
      }
      Bytes packet(pending.begin(), pending.begin() + length + 1);
      pending.erase(pending.begin(), pending.begin() + length + 1);
      Trace("IN  " + HexBytes(packet));
      if (!lumora::VerifyPacketCrc(packet.data())) {
        Violation("bad CRC in " + HexBytes(packet));
        continue;
      }
      if (packet[2] != 0x10 || packet[3] != 0x01)
        Violation("fixed bytes are not 10 01 in " + HexBytes(packet));
      HandlePacket(packet, lastByte);
    }
  }
  SaveState();
}

void Server::HandlePacket(const Bytes& packet, Clock::time_point received) {
  uint8_t code = packet[4];
  int occurrence = ++commandCounts_[code];
  Unit* root = units_.count(0) ? units_.at(0).get() : nullptr;
  bool multiplexer = root && root->IsMultiplexer();

  if (faults_.baudCheck) {
    int wanted = multiplexer ? 38400 : 9600;
    int baud = CurrentBaud();
    if (baud != wanted) {
      Trace("ignored at " + std::to_string(baud) + " bit/s");
      return;
    }
  }
  if (faults_.silent) return;
  for (const auto& forced : faults_.errors) {
    if (forced.command == code && (forced.occurrence == 0 || forced.occurrence == occurrence)) {
      SendReply(0x00, {0x00, static_cast<uint8_t>(forced.code)}, packet.size(), received);
      return;
    }
  }

  std::optional<Unit::Reply> reply;
  if (multiplexer && code == 0xC1) {
    if (packet[1] != 7) Violation("switch port with length byte " + std::to_string(packet[1]));
    int port = packet[5];
    if (port > 5) {
      reply = Unit::Reply{0x00, {0x00, 24}};
    } else {
      currentPort_ = port;
      Trace("routed to port " + std::to_string(port));
      reply = Unit::Reply{0x00, {0x00, 0x00}};
    }
  } else {
    auto it = units_.find(multiplexer ? currentPort_ : 0);
    if (it == units_.end()) {
      if (faults_.emptyPortStd) reply = Unit::Reply{0x00, {0x00, 3}};
    } else {
      reply = it->second->Handle(packet);
    }
  }
  for (auto& [port, unit] : units_) {
    if (unit->Modified()) {
      SaveState();
      for (auto& [p, u] : units_)
        u->ClearModified();
      break;
    }
  }
  if (reply) SendReply(reply->code, reply->payload, packet.size(), received);
}

void Server::SendReply(uint8_t code, const Bytes& payload, size_t requestSize, Clock::time_point received) {
  int number = ++replies_;
  Bytes packet(payload.size() + 7, 0);
  packet[0] = lumora::kStartByte;
  packet[1] = static_cast<uint8_t>(payload.size() + 6);
  packet[2] = 0x10;
  packet[3] = 0x01;
  packet[4] = code;
  std::copy(payload.begin(), payload.end(), packet.begin() + 5);
  lumora::StorePacketCrc(packet.data());
  if (faults_.drop.count(number)) {
    Trace("dropped reply " + std::to_string(number));
    return;
  }
  if (faults_.corrupt.count(number)) packet.back() ^= 0x5A;
  Bytes wire(static_cast<size_t>(faults_.garbage), 0x55);
  wire.insert(wire.end(), packet.begin(), packet.end());
  if (faults_.replyDelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(faults_.replyDelayMs));
  if (faults_.throttle) {
    int baud = CurrentBaud();
    auto onWire = [baud](size_t bytes) {
      return std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(static_cast<double>(bytes * 10) / baud));
    };
    // The request and the reply on the wire, counted from the request's arrival: the time the simulator
    // itself takes to handle the request lies inside that, as a panel's would. A request that came while
    // an earlier reply was still going out is answered after it.
    Clock::time_point due =
        std::max(received + std::chrono::milliseconds(std::max(0, faults_.replyDelayMs)) +
                     onWire(requestSize + wire.size()),
                 lineFree_ + onWire(wire.size()));
    // A sleep ends a wake-up latency after its moment (tens of microseconds, more on a loaded machine or in
    // a virtual one), which would count as the program's on every exchange: the last stretch is waited out
    // awake.
    auto wakeEarly = due - std::chrono::microseconds(400);
    if (Clock::now() < wakeEarly) std::this_thread::sleep_until(wakeEarly);
    while (Clock::now() < due) {
    }
    lineFree_ = due;
  }
  Trace("OUT " + HexBytes(packet));
  size_t written = 0;
  while (written < wire.size()) {
    ssize_t n = ::write(master_, wire.data() + written, wire.size() - written);
    if (n > 0) {
      written += static_cast<size_t>(n);
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      break;
    } else {
      pollfd entry{master_, POLLOUT, 0};
      ::poll(&entry, 1, 50);
    }
  }
}

void Server::SaveState() {
  if (statePath_.empty()) return;
  QJsonObject root;
  for (const auto& [port, unit] : units_) {
    const UnitConfig& config = unit->Config();
    const UnitMemory& memory = unit->Memory();
    QJsonObject object;
    object["type"] = QString::fromStdString(UnitTypeName(config.type));
    object["firmware"] = QString("%1.%2").arg(QChar(config.firmwareLetter)).arg(config.firmwareNumber);
    object["plc"] = QString("%1:%2").arg(config.manufacturerId).arg(config.modelId);
    object["driverVersion"] = QString(QChar(config.driverVersion));
    QJsonObject messages;
    for (const auto& [number, record] : memory.messages)
      messages[QString::number(number)] = ToHex(record);
    object["messages"] = messages;
    object["tagTable"] = ToHex(memory.tagTable);
    object["systemAttributes"] = ToHex(memory.systemAttributes);
    object["plcAttributes"] = ToHex(memory.plcAttributes);
    object["driver"] = ToHex(memory.driver);
    object["firmwareBytes"] = static_cast<qint64>(memory.firmware.size());
    root[QString::number(port)] = object;
  }
  QSaveFile file(QString::fromStdString(statePath_));
  bool saved = file.open(QIODevice::WriteOnly);
  if (saved) {
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    saved = file.commit();
  }
  // The start-up check makes this rare (a full disk, a folder removed meanwhile); it must not go unseen.
  if (!saved) {
    std::fprintf(stderr, "lumora-panel-sim: cannot save the panel memory to %s: %s\n", statePath_.c_str(),
                 file.errorString().toLocal8Bit().constData());
  }
}

bool Server::CanWriteState(std::string& error) const {
  if (statePath_.empty()) return true;
  // The same way as every save: a new file beside the old one, here dropped instead of renamed.
  QSaveFile probe(QString::fromStdString(statePath_));
  if (!probe.open(QIODevice::WriteOnly)) {
    error = probe.errorString().toLocal8Bit().toStdString();
    return false;
  }
  probe.cancelWriting();
  return true;
}

void Server::LoadState() {
  if (statePath_.empty()) return;
  QFile file(QString::fromStdString(statePath_));
  if (!file.open(QIODevice::ReadOnly)) return;
  QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  for (auto& [port, unit] : units_) {
    QJsonObject object = root.value(QString::number(port)).toObject();
    if (object.isEmpty() ||
        object.value("type").toString().toStdString() != UnitTypeName(unit->Config().type))
      continue;
    UnitConfig& config = unit->MutableConfig();
    QString firmware = object.value("firmware").toString();
    if (firmware.size() >= 3) {
      config.firmwareLetter = firmware[0].toLatin1();
      config.firmwareNumber = firmware.mid(2).toInt();
    }
    QStringList plc = object.value("plc").toString().split(':');
    if (plc.size() == 2) {
      config.manufacturerId = plc[0].toInt();
      config.modelId = plc[1].toInt();
    }
    QString driverVersion = object.value("driverVersion").toString();
    if (!driverVersion.isEmpty()) config.driverVersion = driverVersion[0].toLatin1();
    UnitMemory& memory = unit->Memory();
    QJsonObject messages = object.value("messages").toObject();
    for (auto it = messages.begin(); it != messages.end(); ++it)
      memory.messages[it.key().toInt()] = FromHex(it.value());
    memory.tagTable = FromHex(object.value("tagTable"));
    memory.systemAttributes = FromHex(object.value("systemAttributes"));
    memory.plcAttributes = FromHex(object.value("plcAttributes"));
    memory.driver = FromHex(object.value("driver"));
  }
}

}  // namespace panel_sim

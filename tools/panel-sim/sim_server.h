#pragma once
// The simulator's side of the serial line: a pseudo-terminal, packet framing, the multiplexer's port
// routing, fault injection, throttling to the wire's speed and the trace.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim_unit.h"

namespace panel_sim {

struct FaultOptions {
  std::set<int> drop;     // replies (1-based, counting every reply) that are not sent
  std::set<int> corrupt;  // replies sent with a bad checksum
  int garbage = 0;        // junk bytes before each reply
  struct ForcedError {
    int code;
    int command;
    int occurrence;  // 0 = every time
  };
  std::vector<ForcedError> errors;
  bool silent = false;
  int replyDelayMs = 0;
  bool throttle = false;
  bool baudCheck = false;
  bool emptyPortStd = false;
};

class Server {
 public:
  // `units` holds port 0 (a direct panel or the multiplexer) and, for a multiplexer, ports 1..5.
  Server(std::map<int, std::unique_ptr<Unit>> units, FaultOptions faults);
  ~Server();

  // Opens the pty pair; returns the slave's path, or "" with `error` set.
  std::string Open(std::string& error);
  void SetTrace(FILE* trace) { trace_ = trace; }
  void SetStatePath(const std::string& path) { statePath_ = path; }
  // Whether the state file can be written where it is named (its folder exists and takes a new file, and
  // an existing file may be replaced); `error` says why not.
  bool CanWriteState(std::string& error) const;
  // Serves until `stop` is set or `maxSeconds` passed (0 = no limit).
  void Serve(const volatile std::sig_atomic_t& stop, double maxSeconds);
  void SaveState();
  void LoadState();

 private:
  // `received`: when the packet's last byte arrived.
  void HandlePacket(const std::vector<uint8_t>& packet, std::chrono::steady_clock::time_point received);
  void SendReply(uint8_t code, const std::vector<uint8_t>& payload, size_t requestSize,
                 std::chrono::steady_clock::time_point received);
  int CurrentBaud() const;
  void Trace(const std::string& line);
  void Violation(const std::string& text);

  std::map<int, std::unique_ptr<Unit>> units_;
  FaultOptions faults_;
  int master_ = -1;
  int slave_ = -1;
  FILE* trace_ = nullptr;
  std::string statePath_;
  int currentPort_ = 0;
  int replies_ = 0;
  std::chrono::steady_clock::time_point lineFree_{};  // when the last throttled reply was all on the wire
  std::map<int, int> commandCounts_;
};

std::string HexBytes(const std::vector<uint8_t>& bytes);

}  // namespace panel_sim

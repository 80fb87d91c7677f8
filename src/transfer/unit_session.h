#pragma once
// One open link to the unit being worked on, and the one rule by which every reply is judged: the
// expected reply passes; anything else is reported once ("ERROR On ..." with the reply's text) and the
// exchange fails. Block uploads and dump reads are written once here for every table and image.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "link/responses.h"
#include "link/serial_link.h"
#include "transfer/progress_reporter.h"

namespace lumora {

class TQMProject;
class TQMXCmd;

class UnitSession {
 public:
  UnitSession(TQMXComm& link, ProgressReporter& report, TQMProject& project)
      : link_(link), report_(report), project_(project) {}

  // Sends `command`; the reply when it is an `Expected` (a standard reply also with error code 0),
  // otherwise null after the failure was reported.
  template <typename Expected>
  std::unique_ptr<Expected> Request(TQMXCmd& command);
  // A command answered by a standard reply with error code 0.
  bool Exchange(TQMXCmd& command) { return Request<TQMStdResp>(command) != nullptr; }
  // Reports a reply that is not the expected one.
  void ReportFailure(const TQMXResp* response);

  // Makes the multiplexer route the link to `port` (0 is the multiplexer itself).
  bool SwitchPort(int port);
  // Type and firmware revision of the panel on the line against the project's current panel; the
  // answer on success.
  std::unique_ptr<TQMStatusIdResp> StatusIdCheck(const std::string& mismatchText);
  // The multiplexer's status, checked to be a multiplexer.
  std::unique_ptr<TQMStatusResp> MultiplexerStatus();
  bool ClearMemory();
  // Clears the multiplexer and then the unit behind each of its ports 1 to 5, passing over a port that
  // does not answer, and returns to the multiplexer's port. False when the multiplexer cannot be cleared,
  // a panel of the project refuses, or the last switch fails.
  bool ClearAllUnits();
  // Every configured panel answers behind its port with the configured type; the project's selected
  // port is kept.
  bool TestAllPanelsConnected();
  // A cancelled write leaves a cleared panel, never half a project; always false.
  bool ClearAfterCancel();

  // Start, 50-byte data blocks numbered from 1 and the end block with the remainder. `startCarriesData`:
  // the start command carries the first block (multiplexer firmware). `afterBlock` runs after every
  // data block. A cancel between blocks clears the panel when `clearOnCancel`; otherwise (firmware) the
  // load ends before its next command without a message.
  struct Upload {
    uint8_t commandCode = 0;
    bool startCarriesData = false;
    bool clearOnCancel = true;
    std::function<void()> afterBlock;
  };
  bool UploadBlocks(const Upload& upload, const std::vector<uint8_t>& image);

  // Start and next requests of a dump until the reply marks its last block; the data of every block,
  // or nothing after a reported failure or a cancel. `keepGoing` sees the data so far after every block
  // and may stop a dump that breaks its own limits (it reports why).
  using DumpCheck = std::function<bool(const std::vector<uint8_t>& dataSoFar)>;
  template <typename Block>
  std::optional<std::vector<uint8_t>> ReadDump(uint8_t commandCode, const DumpCheck& keepGoing);

  TQMXComm& Link() { return link_; }
  ProgressReporter& Report() { return report_; }

 private:
  std::optional<std::vector<uint8_t>> ReadDumpBlocks(
      uint8_t commandCode, const std::function<TQMBlockResp*(std::unique_ptr<TQMXResp>&)>& judge,
      const DumpCheck& keepGoing);

  TQMXComm& link_;
  ProgressReporter& report_;
  TQMProject& project_;
};

template <typename Expected>
std::unique_ptr<Expected> UnitSession::Request(TQMXCmd& command) {
  std::unique_ptr<TQMXResp> response = link_.Transact(command);
  if (auto* expected = dynamic_cast<Expected*>(response.get())) {
    if constexpr (std::is_same_v<Expected, TQMStdResp>) {
      if (expected->ErrorCode() != 0) {
        report_.Error(expected->GetErrorText());
        return nullptr;
      }
    }
    response.release();
    return std::unique_ptr<Expected>(expected);
  }
  ReportFailure(response.get());
  return nullptr;
}

template <typename Block>
std::optional<std::vector<uint8_t>> UnitSession::ReadDump(uint8_t commandCode, const DumpCheck& keepGoing) {
  return ReadDumpBlocks(
      commandCode,
      [this](std::unique_ptr<TQMXResp>& response) -> TQMBlockResp* {
        if (auto* block = dynamic_cast<Block*>(response.get())) return block;
        ReportFailure(response.get());
        return nullptr;
      },
      keepGoing);
}

}  // namespace lumora

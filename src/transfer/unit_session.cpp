#include "transfer/unit_session.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "link/comm_log.h"
#include "link/commands.h"
#include "model/interaction.h"
#include "model/project.h"
#include "plc/install_dir.h"
#include "transfer/transfer_texts.h"

namespace lumora {

void UnitSession::ReportFailure(const TQMXResp* response) {
  if (auto* error = dynamic_cast<const TQMErrorResp*>(response)) {
    report_.Error(error->GetErrorText());
  } else if (!report_.Cancelled()) {
    if (auto* standard = dynamic_cast<const TQMStdResp*>(response)) {
      report_.Error(standard->GetErrorText());
    } else {
      report_.Error(translate("Core", kUnknownErrorText));
    }
  }
}

bool UnitSession::SwitchPort(int port) {
  report_.SetTargetPort(port);
  TQMSwitchPrtCmd command(port);
  std::unique_ptr<TQMXResp> response = link_.Transact(command);
  // The multiplexer's answer to a switch is any standard reply.
  if (dynamic_cast<TQMStdResp*>(response.get())) return true;
  ReportFailure(response.get());
  return false;
}

std::unique_ptr<TQMStatusIdResp> UnitSession::StatusIdCheck(const std::string& mismatchText) {
  TQMStatusIdCmd command;
  std::unique_ptr<TQMStatusIdResp> status = Request<TQMStatusIdResp>(command);
  if (!status || report_.Cancelled()) return nullptr;
  const TQMPanel* panel = project_.CurrentPanel();
  if (!panel || status->GetPanelModel() != panel->panelType) {
    report_.Error(mismatchText);
    return nullptr;
  }
  char letter = status->RevisionLetter();
  if (!std::isalpha(static_cast<unsigned char>(letter))) {
    report_.Ui().ShowMessage(translate("Core", kInvalidRevisionText), "", MessageIcon::Exclamation);
    return nullptr;
  }
  if (std::toupper(static_cast<unsigned char>(letter)) <= 'A') {
    char revision[16];
    std::snprintf(revision, sizeof revision, "%c.%d", letter, status->RevisionNumber());
    std::string folder = InstallDir() + "/Firmware/";
    report_.Ui().ShowMessage(Arg(Arg(translate("Core", kOldFirmwareFormat), revision), folder), "",
                             MessageIcon::Exclamation);
    return nullptr;
  }
  return status;
}

std::unique_ptr<TQMStatusResp> UnitSession::MultiplexerStatus() {
  TQMStatusIdCmd command;
  std::unique_ptr<TQMMuxStatusIdResp> status = Request<TQMMuxStatusIdResp>(command);
  if (!status) return nullptr;
  if (status->GetPanelModel() != kPanelMultiplexer) {
    report_.Error(translate("Core", kC001Text));
    return nullptr;
  }
  return status;
}

bool UnitSession::ClearMemory() {
  report_.SetStatusText(translate("Core", "Clearing the memory..."));
  report_.Step(kStepClearStart);
  TQMClrMemCmd command;
  if (!Exchange(command)) return false;
  report_.SetStatusText(translate("Core", "memory cleared"));
  report_.Step(kStepCleared);
  return true;
}

bool UnitSession::ClearAllUnits() {
  if (!SwitchPort(0) || !ClearMemory()) return false;
  // Every port, not only the project's: the whole system is cleared, a panel the project does not list
  // too. A port without a panel does not answer and is passed over.
  bool refused = false;
  for (int port = 1; port <= 5; ++port) {
    report_.SetTargetPort(port);
    CommLogNote("Switch Port " + std::to_string(port));
    TQMSwitchPrtCmd switchPort(port);
    std::unique_ptr<TQMXResp> response = link_.Transact(switchPort);
    if (!dynamic_cast<TQMStdResp*>(response.get())) {
      CommLogNote("no answer");
      continue;
    }
    CommLogNote("Clear Memory");
    TQMClrMemCmd clear;
    response = link_.Transact(clear);
    auto* answer = dynamic_cast<TQMStdResp*>(response.get());
    if (!answer) {
      CommLogNote("no panel answers");
    } else if (answer->ErrorCode() != 0 && project_.multiplexer.HasPanel(port)) {
      // A panel of the project that refuses is reported; what answers for a port the project leaves
      // empty is only noted.
      report_.Error(answer->GetErrorText());
      refused = true;
    } else if (answer->ErrorCode() != 0) {
      CommLogNote(TQMErrorResp::EnglishTextFor(answer->ErrorCode()));
    }
  }
  report_.SetTargetPort(0);
  return SwitchPort(0) && !refused;
}

bool UnitSession::TestAllPanelsConnected() {
  int previous = project_.multiplexer.selectedPort;
  CommLogNote("Testing whether all the panels configured are connected.");
  CommLogNote("Switch Port 0");
  report_.Target(kPanelMultiplexer, 0);
  if (!SwitchPort(0)) return false;
  bool result = true;
  for (int port = 1; port <= 5 && result; ++port) {
    if (!project_.multiplexer.HasPanel(port) || !project_.FindPanel(port)) continue;
    CommLogNote("Switch Port " + std::to_string(port));
    if (!SwitchPort(port)) {
      result = false;
      break;
    }
    project_.multiplexer.selectedPort = port;
    report_.Target(project_.CurrentPanel()->panelType, port);
    result = StatusIdCheck(translate("Core", kMultiplexerPanelMismatchText)) != nullptr;
  }
  report_.Target(kPanelMultiplexer, 0);
  bool switched = SwitchPort(0);
  project_.multiplexer.selectedPort = previous;
  return result && switched;
}

bool UnitSession::ClearAfterCancel() {
  if (!ClearMemory()) report_.Error(translate("Core", kC006Text));
  return false;
}

bool UnitSession::UploadBlocks(const Upload& upload, const std::vector<uint8_t>& image) {
  auto send = [&](uint8_t kind, int sequence, int first, int end) {
    if (!upload.clearOnCancel && report_.Cancelled()) return false;
    TQMBlockCmd command(upload.commandCode, kind, image, static_cast<uint8_t>(sequence), first, end);
    return Exchange(command);
  };
  int size = static_cast<int>(image.size());
  int blocks = size / kBlockSize;
  int firstData = 0;
  if (upload.startCarriesData) {
    if (!send(kBlockStart, 0, 0, kBlockSize)) return false;
    firstData = 1;
  } else if (!send(kBlockStart, 0, 0, 0)) {
    return false;
  }
  for (int i = firstData; i < blocks; ++i) {
    if (report_.Cancelled()) return upload.clearOnCancel ? ClearAfterCancel() : false;
    int sequence = upload.startCarriesData ? i : i + 1;
    if (!send(kBlockData, sequence, i * kBlockSize, i * kBlockSize + kBlockSize)) return false;
    if (upload.afterBlock) upload.afterBlock();
  }
  int endSequence = upload.startCarriesData ? blocks : blocks + 1;
  return send(kBlockEnd, endSequence, blocks * kBlockSize, size);
}

std::optional<std::vector<uint8_t>> UnitSession::ReadDumpBlocks(
    uint8_t commandCode, const std::function<TQMBlockResp*(std::unique_ptr<TQMXResp>&)>& judge,
    const DumpCheck& keepGoing) {
  std::vector<uint8_t> data;
  bool last = false;
  for (int sequence = 0; !last; ++sequence) {
    if (sequence > 0 && report_.Cancelled()) return std::nullopt;
    TQMDumpCmd command(commandCode, sequence == 0 ? kDumpStart : kDumpNext, static_cast<uint8_t>(sequence));
    std::unique_ptr<TQMXResp> response = link_.Transact(command);
    TQMBlockResp* block = judge(response);
    if (!block) return std::nullopt;
    data.insert(data.end(), block->GetData().begin(), block->GetData().end());
    last = block->IsLastBlock();
    if (keepGoing && !keepGoing(data)) return std::nullopt;
  }
  return data;
}

}  // namespace lumora

#include "transfer/project_helper.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/firmware_image.h"
#include "link/link_speed.h"
#include "link/packet.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "model/interaction.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"

namespace lumora {
namespace {

using std::chrono::milliseconds;

void Sleep(int ms) {
  std::this_thread::sleep_for(milliseconds(ms));
}

std::string Printf(const char* format, int value) {
  char text[256];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Two tags are the same map entry when both have no address, or the value types and encodings agree.
bool SameMapEntry(const TQMTag& a, const TQMTag& b, int addressSize) {
  if (a.address.empty() && b.address.empty()) return true;
  if (a.valueType != b.valueType) return false;
  int stored = static_cast<int>(std::max(a.encodedAddress.size(), b.encodedAddress.size()));
  for (int i = 0; i < std::min(addressSize, stored); ++i) {
    uint8_t x =
        static_cast<size_t>(i) < a.encodedAddress.size() ? a.encodedAddress[static_cast<size_t>(i)] : 0;
    uint8_t y =
        static_cast<size_t>(i) < b.encodedAddress.size() ? b.encodedAddress[static_cast<size_t>(i)] : 0;
    if (x != y) return false;
  }
  return true;
}

const char* SystemMessageText(int number) {
  switch (number) {
    case 257:
      return "READ ONLY VALUE";
    case 258:
      return "INVALID";
    case 260:
      return "ERROR MESSAGE";
    case 261:
      return "SETUP MODE";
    case 262:
      return "NO DATA SET";
    case 263:
      return "OUT OF RANGE";
    default:
      return "";
  }
}

}  // namespace

// Opens a file for a transfer as text, keeping it for reading later; the system's reason on failure.
struct OpenedFile {
  std::ifstream stream;
  std::string error;

  bool Open(const std::string& path) {
    stream.open(path, std::ios::binary);
    if (!stream) {
      error = std::strerror(errno);
      if (error.size() > 1024) error.resize(1024);
      return false;
    }
    return true;
  }
  bool ReadAll(std::string& contents) {
    std::ostringstream buffer;
    buffer << stream.rdbuf();
    if (stream.bad()) return false;
    contents = buffer.str();
    return true;
  }
};

// ---------------------------------------------------------------------------------------- the worker

bool StartTransfer(TransferContext& context) {
  if (context.workerRunning.load()) return false;
  if (context.workerThread.joinable()) context.workerThread.join();
  context.cancelRequested = false;
  context.finished = false;
  context.workerRunning = true;
  context.workerThread = std::thread([&context] {
    RunTransfer(context);
    context.workerRunning = false;
  });
  return true;
}

void CancelTransfer(TransferContext& context) {
  context.cancelRequested = true;
  if (context.workerThread.joinable()) context.workerThread.join();
}

void RunTransfer(TransferContext& context) {
  TQMProjectHelper helper(context);
  helper.CopyChoices();
  switch (context.operation) {
    case kOperationWrite:
      helper.WriteEntry();
      break;
    case kOperationRead:
      helper.ReadEntry();
      break;
    case kOperationPanelFirmware:
      helper.PanelFirmware();
      break;
    case kOperationMultiplexerFirmware:
      helper.MultiplexerFirmware();
      break;
    default:
      break;
  }
}

TQMProjectHelper::TQMProjectHelper(TransferContext& context) : context_(context) {}
TQMProjectHelper::~TQMProjectHelper() = default;

Interaction& TQMProjectHelper::ui() {
  static SilentInteraction silent;
  return context_.interaction ? *context_.interaction : silent;
}

// ------------------------------------------------------------------------------------------ reporting

void TQMProjectHelper::PostProgress() {
  TransferEvent event;
  event.message = TransferMessage::Progress;
  event.step = context_.step;
  event.percent = context_.percent;
  event.statusText = context_.StatusText();
  event.finished = context_.finished;
  event.targetPanelType = context_.targetPanelType;
  event.targetPort = context_.targetPort;
  if (context_.sink) context_.sink->Post(event);
}

void TQMProjectHelper::PostStep(int step) {
  if (Cancelled()) return;
  context_.step = step;
  PostProgress();
}

void TQMProjectHelper::PostStatus(const std::string& text) {
  context_.SetStatusText(text);
  PostProgress();
}

void TQMProjectHelper::PostTarget(int panelType, int port) {
  if (Cancelled()) return;
  context_.targetPanelType = panelType;
  context_.targetPort = port;
  TransferEvent event;
  event.message = TransferMessage::Target;
  event.targetPanelType = panelType;
  event.targetPort = port;
  event.percent = context_.percent;
  if (context_.sink) context_.sink->Post(event);
}

void TQMProjectHelper::ReportPlainError(const std::string& text, const std::string& hint) {
  context_.SetStatusText(text);
  TransferEvent event;
  event.message = TransferMessage::Error;
  event.statusText = text;
  event.hint = hint;
  event.percent = context_.percent;
  event.targetPanelType = context_.targetPanelType;
  event.targetPort = context_.targetPort;
  if (context_.sink) context_.sink->Post(event);
}

void TQMProjectHelper::ReportError(const std::string& text) {
  int port = context_.targetPort;
  std::string location = port == 0 ? "COM Port. " : Printf("Port %d. ", port);
  ReportPlainError("ERROR On " + location + text);
}

void TQMProjectHelper::ApplyFailureRule(const TQMXResp* response) {
  if (auto* error = dynamic_cast<const TQMErrorResp*>(response)) {
    ReportError(error->GetErrorText());
  } else if (!Cancelled()) {
    if (auto* standard = dynamic_cast<const TQMStdResp*>(response)) {
      ReportError(standard->GetErrorText());
    } else {
      ReportError(kUnknownErrorText);
    }
  }
}

bool TQMProjectHelper::CheckStdResponse(const TQMXResp* response) {
  if (auto* standard = dynamic_cast<const TQMStdResp*>(response)) {
    if (standard->ErrorCode() == 0) return true;
    ReportError(standard->GetErrorText());
    return false;
  }
  ApplyFailureRule(response);
  return false;
}

template <typename Expected>
Expected* TQMProjectHelper::Expect(std::unique_ptr<TQMXResp>& response) {
  if (auto* expected = dynamic_cast<Expected*>(response.get())) return expected;
  ApplyFailureRule(response.get());
  return nullptr;
}

void TQMProjectHelper::SetPercentFromBytes() {
  if (totalBytes_ > 0)
    context_.percent = static_cast<int>(std::min<int64_t>(100, sentBytes_ * 100 / totalBytes_));
}

void TQMProjectHelper::Finish(int step) {
  context_.percent = 100;
  context_.finished = true;
  Sleep(50);
  context_.step = step;
  PostProgress();
}

// ---------------------------------------------------------------------------------- short exchanges

bool TQMProjectHelper::SwitchPort(TQMXComm& link, int port) {
  currentPort_ = port;
  context_.targetPort = port;
  TQMSwitchPrtCmd command(port);
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  if (dynamic_cast<TQMStdResp*>(response.get())) return true;
  ApplyFailureRule(response.get());
  return false;
}

bool TQMProjectHelper::StatusIdCheck(TQMXComm& link, const std::string& mismatchText,
                                     std::unique_ptr<TQMStatusIdResp>* answer) {
  TQMStatusIdCmd command;
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  auto* status = Expect<TQMStatusIdResp>(response);
  if (!status) return false;
  if (Cancelled()) return false;
  TQMPanel* panel = project().CurrentPanel();
  if (!panel || status->GetPanelModel() != panel->panelType) {
    ReportError(mismatchText);
    return false;
  }
  char letter = status->RevisionLetter();
  if (!std::isalpha(static_cast<unsigned char>(letter))) {
    ui().ShowMessage(kInvalidRevisionText, "", MessageIcon::Exclamation);
    return false;
  }
  if (std::toupper(static_cast<unsigned char>(letter)) <= 'A') {
    char revision[16];
    std::snprintf(revision, sizeof revision, "%c.%d", letter, status->RevisionNumber());
    std::string folder = InstallDir() + "/Firmware/";
    std::vector<char> text(std::strlen(kOldFirmwareFormat) + folder.size() + 64);
    std::snprintf(text.data(), text.size(), kOldFirmwareFormat, revision, folder.c_str());
    ui().ShowMessage(text.data(), "", MessageIcon::Exclamation);
    return false;
  }
  if (answer) {
    response.release();
    answer->reset(status);
  }
  return true;
}

bool TQMProjectHelper::ClearMemory(TQMXComm& link) {
  context_.SetStatusText("Clearing the memory...");
  PostStep(kStepClearStart);
  TQMClrMemCmd command;
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  if (!CheckStdResponse(response.get())) return false;
  context_.SetStatusText("memory cleared");
  PostStep(kStepCleared);
  return true;
}

bool TQMProjectHelper::CancelHandling(TQMXComm& link) {
  // A cancelled write leaves a cleared panel, never half a project.
  if (!ClearMemory(link)) ReportError(kC006Text);
  return false;
}

std::unique_ptr<TQMStatusResp> TQMProjectHelper::MultiplexerStatus(TQMXComm& link) {
  TQMStatusIdCmd command;
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  auto* status = Expect<TQMMuxStatusIdResp>(response);
  if (!status) return nullptr;
  if (status->GetPanelModel() != kPanelMultiplexer) {
    ReportError(kC001Text);
    return nullptr;
  }
  response.release();
  return std::unique_ptr<TQMStatusResp>(status);
}

// -------------------------------------------------------------------------------------- block transfer

bool TQMProjectHelper::BlockTransfer(TQMXComm& link, BlockCommand command, const std::vector<uint8_t>& image,
                                     bool mapStatus) {
  auto send = [&](uint8_t kind, int sequence, int first, int end) {
    std::unique_ptr<TQMXResp> response;
    uint8_t seq = static_cast<uint8_t>(sequence);
    switch (command) {
      case BlockCommand::Tags: {
        TQMWriteTagCmd cmd(kind, image, seq, first, end);
        response = link.Transact(cmd);
        break;
      }
      case BlockCommand::Driver: {
        TQMLoadPlcCmd cmd(kind, image, seq, first, end);
        response = link.Transact(cmd);
        break;
      }
      case BlockCommand::MuxAttributes: {
        TQMWriteMuxPlcAttrCmd cmd(kind, image, seq, first, end);
        response = link.Transact(cmd);
        break;
      }
    }
    return CheckStdResponse(response.get());
  };
  if (!send(kBlockStart, 0, 0, 0)) return false;
  int size = static_cast<int>(image.size());
  int blocks = size / kBlockSize;
  for (int i = 0; i < blocks; ++i) {
    if (Cancelled()) return CancelHandling(link);
    if (!send(kBlockData, i + 1, i * kBlockSize, i * kBlockSize + kBlockSize)) return false;
    sentBytes_ += kBlockSize;
    SetPercentFromBytes();
    if (mapStatus) {
      PostStatus(Printf("DownLoading the tag....%d%% complete", context_.percent));
    }
  }
  if (!send(kBlockEnd, blocks + 1, blocks * kBlockSize, size)) return false;
  sentBytes_ += size - blocks * kBlockSize;
  SetPercentFromBytes();
  return true;
}

// ---------------------------------------------------------------------------------------------- write

void TQMProjectHelper::WriteEntry() {
  TQMProject& p = project();
  SetLinkSpeed(p.systemType == 1 && !directConnection_ ? 38400 : 9600);
  TQMXComm link(context_.portName, &p);
  if (!link.ok) {
    ReportPlainError(link.errorText, link.OpenHint());
    return;
  }
  if (p.systemType != 1) {
    MakeCurrent(1);
    TQMPanel* panel = p.CurrentPanel();
    if (!panel) {
      ReportError(kZ008Text);
      return;
    }
    PostTarget(panel->panelType, 0);
    if (!WriteOnePanel(link)) return;
    Finish(kStepWriteFinished);
    return;
  }

  int previous = p.multiplexer.selectedPort;
  if (selectedTarget_ == kTargetWriteProject) {
    ui().ShowMessage(kEnsureConnectedText, "", MessageIcon::Exclamation);
    if (!TestAllPanelsConnected(link)) return;
  }
  muxTagList_ = BuildMuxTagList();
  CommLogNote("Writing to Multiplexer");
  if (selectedTarget_ == kTargetMultiplexer || selectedTarget_ == kTargetWriteProject) {
    if (!WriteMultiplexer(link)) return;
    if (selectedTarget_ == kTargetWriteProject) {
      for (int port = 1; port <= 5; ++port) {
        if (!p.multiplexer.HasPanel(port) || !p.FindPanel(port)) continue;
        if (!WriteSelectedPanel(link, port, true)) return;
      }
    }
  } else {
    int port = selectedTarget_ + 1;
    if (p.multiplexer.HasPanel(port) && p.FindPanel(port)) {
      if (!WriteSelectedPanel(link, port, !directConnection_)) return;
    }
  }
  MakeCurrent(previous);
  PostTarget(kPanelMultiplexer, 0);
  CommLogNote("Switch Port 0");
  if (!SwitchPort(link, 0)) return;
  Finish(kStepWriteFinished);
}

bool TQMProjectHelper::WriteSelectedPanel(TQMXComm& link, int port, bool switchFirst) {
  TQMProject& p = project();
  currentPort_ = port;
  context_.targetPort = port;
  if (switchFirst) {
    CommLogNote(Printf("Switch Port %d", port));
    if (!SwitchPort(link, port)) return false;
  }
  MakeCurrent(port);
  TQMPanel* panel = p.CurrentPanel();
  PostTarget(panel->panelType, port);
  CommLogNote("Writing to " + panel->ModelText());
  if (WriteOnePanel(link)) return true;
  // The failure has been reported; the multiplexer still goes back to its own port.
  currentPort_ = 0;
  PostTarget(kPanelMultiplexer, 0);
  SwitchPort(link, 0);
  return false;
}

bool TQMProjectHelper::OpenDriverFile(DriverKind kind, OpenedFile& file) {
  TQMPlcManager plc(project().plcLibrary.get(), ui());
  std::string path = plc.DriverFilePath(kind);
  if (path.empty()) {
    ReportError(kC002Text);
    return false;
  }
  if (!file.Open(path)) {
    ReportPlainError(file.error);
    return false;
  }
  return true;
}

bool TQMProjectHelper::ReadDriverText(OpenedFile& file, std::string& text) {
  if (file.ReadAll(text)) return true;
  ReportError(kZ004Text);
  return false;
}

bool TQMProjectHelper::WriteOnePanel(TQMXComm& link) {
  TQMProject& p = project();
  context_.percent = 0;
  totalBytes_ = 0;
  sentBytes_ = 0;
  if (Cancelled()) return false;
  TQMPanel* panel = p.CurrentPanel();
  if (!panel) return false;

  OpenedFile driverFile;
  if (!OpenDriverFile(p.systemType == 1 ? DriverKind::PanelBehindMultiplexer : DriverKind::Panel,
                      driverFile)) {
    return false;
  }
  PostStatus("Verifying panel Connected...");
  if (Cancelled()) return false;
  CommLogNote("Status ID");
  if (!StatusIdCheck(link, p.systemType == 1 ? kMultiplexerPanelMismatchText : kC001Text)) return false;
  CommLogNote("Clear Memory");
  if (!ClearMemory(link)) return false;

  std::string driverText;
  if (!ReadDriverText(driverFile, driverText)) return false;
  TQMExec driver(driverText, 0x8000);
  if (!driver.IsValid()) {
    ReportError(kZ003Text);
    return false;
  }

  int64_t messages = static_cast<int64_t>(panel->messages.size());
  int64_t tags = panel->AddressCount();
  int64_t addressSize = std::clamp(p.plcSettings.addressSize, 0, 255);
  int64_t attributes = static_cast<int64_t>(p.plcSettings.plcAttributes.size());
  totalBytes_ = static_cast<int64_t>(driver.GetImage().size()) + (messages + 7) * 41 + 27 +
                tags * (addressSize + 3) + 3 + ((attributes + 2) % 256);
  TQMTagList list;
  panel->BuildTagList(list);
  panelTagList_ = list.tags;

  bool indexMode = p.systemType == 1;
  bool ok = WriteMessages(link, *panel) && WriteMapData(link, panelTagList_, indexMode) &&
            WriteSystemAttributes(link, *panel) && WritePlcDriver(link, driver.GetImage()) &&
            WritePlcAttributes(link);
  if (!ok) return false;
  context_.percent = 100;
  PostStep(kStepUnitFinished);
  panelTagList_.clear();
  return true;
}

bool TQMProjectHelper::WriteMessages(TQMXComm& link, TQMPanel& panel) {
  CommLogNote("Write Messages");
  PostStep(kStepMessagesStart);
  bool setPoint = panel.IsSetPointPanel();
  bool allWritten = true;
  for (size_t i = 0; i < panel.messages.size(); ++i) {
    if (Cancelled()) {
      CancelHandling(link);
      allWritten = false;
      break;
    }
    PostProgress();
    const TQMMessage& message = panel.messages[i];
    TQMWriteMsgCmd command(message, panel.firstLocalNumber, setPoint, false);
    std::unique_ptr<TQMXResp> response = link.Transact(command);
    if (!CheckStdResponse(response.get())) return false;
    if (message.isPlcMessage != 0 && i + 1 < panel.messages.size() &&
        panel.messages[i + 1].isPlcMessage != 0) {
      for (int number = message.number + 1; number < panel.messages[i + 1].number; ++number) {
        if (Cancelled()) return CancelHandling(link);
        TQMMessage blank = panel.NewMessage();
        blank.number = number;
        TQMWriteMsgCmd blankCommand(blank, 0, setPoint, true);
        std::unique_ptr<TQMXResp> blankResponse = link.Transact(blankCommand);
        if (!CheckStdResponse(blankResponse.get())) return false;
      }
    }
    sentBytes_ += 41;
    SetPercentFromBytes();
  }
  // The system messages go in even after a cancel, so the cleared panel still works.
  bool systemWritten = WriteSystemMessages(link, panel);
  if (!systemWritten || !allWritten) return false;
  PostStep(kStepMessagesDone);
  return true;
}

bool TQMProjectHelper::WriteSystemMessages(TQMXComm& link, TQMPanel& panel) {
  CommLogNote("Write System Messages");
  bool setPoint = panel.IsSetPointPanel();
  for (int number = 257; number <= 263; ++number) {
    TQMMessage message = panel.NewMessage();
    message.number = number;
    if (number == 259) {
      message.text = "PASSWORD=" + std::string(10, static_cast<char>(0xFF));
      message.data1.maxValue = setPoint ? 99999999 : 65535;
    } else {
      message.text = SystemMessageText(number);
      message.data1.maxValue = 0;
    }
    TQMWriteMsgCmd command(message, -1, setPoint, false);
    std::unique_ptr<TQMXResp> response = link.Transact(command);
    if (!CheckStdResponse(response.get())) return false;
    sentBytes_ += 41;
    SetPercentFromBytes();
    PostProgress();
  }
  return true;
}

std::vector<uint8_t> TQMProjectHelper::BuildMapImage(const std::vector<TQMTag>& tags, int addressSize,
                                                     bool indexMode, const std::vector<TQMTag>& muxTags) {
  std::vector<uint8_t> image;
  image.push_back(static_cast<uint8_t>(tags.size() >> 8));
  image.push_back(static_cast<uint8_t>(tags.size() & 0xFF));
  // The table names its address size in one byte.
  addressSize = std::clamp(addressSize, 0, 255);
  int bytesPerAddress = indexMode ? 2 : addressSize;
  image.push_back(static_cast<uint8_t>(bytesPerAddress));
  for (const TQMTag& tag : tags) {
    image.push_back(static_cast<uint8_t>(tag.addressAccess));
    image.push_back(static_cast<uint8_t>(ValueTypeWireCode(tag.valueType)));
    image.push_back(static_cast<uint8_t>(ValueTypeWidthBytes(tag.valueType)));
    if (indexMode) {
      for (size_t i = 0; i < muxTags.size(); ++i) {
        if (SameMapEntry(tag, muxTags[i], addressSize)) {
          image.push_back(static_cast<uint8_t>(i & 0xFF));
          image.push_back(static_cast<uint8_t>(i >> 8));
          break;
        }
      }
    } else {
      for (int i = 0; i < addressSize; ++i) {
        image.push_back(static_cast<size_t>(i) < tag.encodedAddress.size()
                            ? tag.encodedAddress[static_cast<size_t>(i)]
                            : 0);
      }
    }
  }
  return image;
}

bool TQMProjectHelper::WriteMapData(TQMXComm& link, const std::vector<TQMTag>& tags, bool indexMode) {
  CommLogNote("Writing Map Data");
  std::vector<uint8_t> image = BuildMapImage(tags, project().plcSettings.addressSize, indexMode, muxTagList_);
  context_.SetStatusText("DownLoading the tag... 0% complete");
  PostStep(kStepMapStart);
  if (!BlockTransfer(link, BlockCommand::Tags, image, true)) return false;
  PostStep(kStepMapDone);
  return true;
}

bool TQMProjectHelper::WriteSystemAttributes(TQMXComm& link, TQMPanel& panel) {
  CommLogNote("WriteSysAttr");
  if (Cancelled()) return CancelHandling(link);
  PostStep(kStepSysAttrStart);
  TQMWriteSysAttrCmd command(panel);
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  // A panel that refuses its system attributes does not hold the project.
  if (!CheckStdResponse(response.get())) return false;
  sentBytes_ += 27;
  SetPercentFromBytes();
  PostStep(kStepSysAttrSent);
  return true;
}

bool TQMProjectHelper::WritePlcDriver(TQMXComm& link, const std::vector<uint8_t>& image) {
  CommLogNote("LoadDriver");
  context_.SetStatusText("DownLoading the Driver....0% complete");
  PostStep(kStepDriverStart);
  if (!BlockTransfer(link, BlockCommand::Driver, image, false)) return false;
  PostStep(kStepDriverSent);
  return true;
}

bool TQMProjectHelper::WritePlcAttributes(TQMXComm& link) {
  CommLogNote("Write Plc Attr");
  if (Cancelled()) return CancelHandling(link);
  PostStep(kStepPlcAttrStart);
  const std::vector<uint8_t>& attributes = project().plcSettings.plcAttributes;
  std::unique_ptr<TQMXResp> response;
  if (project().systemType == 1) {
    TQMWrtMltPnlPlcAttrCmd command(attributes);
    response = link.Transact(command);
  } else {
    TQMWritePlcAttrCmd command(attributes);
    response = link.Transact(command);
  }
  if (!CheckStdResponse(response.get())) return false;
  sentBytes_ += static_cast<int64_t>(attributes.size()) + 2;
  context_.percent = 100;
  PostStep(kStepPlcAttrDone);
  return true;
}

// -------------------------------------------------------------------------------------- multiplexer

std::vector<TQMTag> TQMProjectHelper::BuildMuxTagList() {
  TQMProject& p = project();
  std::vector<TQMTag> tags;
  for (auto& panel : p.panels) {
    TQMPanel copy(*panel);
    TQMTagList list;
    copy.BuildTagList(list);
    tags.insert(tags.end(), list.tags.begin(), list.tags.end());
  }
  TQMPlcManager plc(p.plcLibrary.get(), ui());
  std::stable_sort(tags.begin(), tags.end(), [&plc](const TQMTag& a, const TQMTag& b) {
    return plc.Compare(a.address, b.address) < 0;
  });
  int addressSize = p.plcSettings.addressSize;
  std::vector<TQMTag> unique;
  for (const TQMTag& tag : tags) {
    if (!unique.empty() && SameMapEntry(unique.back(), tag, addressSize)) continue;
    unique.push_back(tag);
  }
  return unique;
}

bool TQMProjectHelper::TestAllPanelsConnected(TQMXComm& link) {
  TQMProject& p = project();
  int previous = p.multiplexer.selectedPort;
  CommLogNote("Testing whether all the panels configured are connected.");
  CommLogNote("Switch Port 0");
  PostTarget(kPanelMultiplexer, 0);
  if (!SwitchPort(link, 0)) return false;
  bool result = true;
  for (int port = 1; port <= 5 && result; ++port) {
    if (!p.multiplexer.HasPanel(port) || !p.FindPanel(port)) continue;
    CommLogNote(Printf("Switch Port %d", port));
    if (!SwitchPort(link, port)) {
      result = false;
      break;
    }
    MakeCurrent(port);
    PostTarget(p.CurrentPanel()->panelType, port);
    result = StatusIdCheck(link, kMultiplexerPanelMismatchText);
  }
  PostTarget(kPanelMultiplexer, 0);
  bool switched = SwitchPort(link, 0);
  MakeCurrent(previous);
  return result && switched;
}

bool TQMProjectHelper::WriteMultiplexer(TQMXComm& link) {
  TQMProject& p = project();
  PostTarget(kPanelMultiplexer, currentPort_);
  PostStatus("Verifying panel Connected...");
  context_.percent = 0;
  totalBytes_ = 0;
  sentBytes_ = 0;
  if (Cancelled()) return false;
  CommLogNote("Switch Port 0");
  if (!SwitchPort(link, 0)) return false;
  CommLogNote(" Status ID");
  if (!MultiplexerStatus(link)) return false;
  if (Cancelled()) return false;
  CommLogNote(" Clear Memory");
  if (!ClearMemory(link)) return false;
  if (Cancelled()) return false;

  OpenedFile driverFile;
  std::string driverText;
  if (!OpenDriverFile(DriverKind::Multiplexer, driverFile) || !ReadDriverText(driverFile, driverText))
    return false;
  TQMMuxExec driver(driverText, 0x210000);
  if (!driver.IsValid()) {
    ReportError(kZ003Text);
    return false;
  }
  int64_t addressSize = std::clamp(p.plcSettings.addressSize, 0, 255);
  int64_t attributes = static_cast<int64_t>(p.plcSettings.plcAttributes.size());
  totalBytes_ = static_cast<int64_t>(driver.GetImage().size()) +
                static_cast<int64_t>(muxTagList_.size()) * (addressSize + 3) + 3 + ((attributes + 2) % 256);
  if (!WriteMapData(link, muxTagList_, false) || !WriteMultiplexerPlcAttributes(link) ||
      !WritePlcDriver(link, driver.GetImage())) {
    return false;
  }
  context_.percent = 100;
  PostStep(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::WriteMultiplexerPlcAttributes(TQMXComm& link) {
  CommLogNote("Write Plc Attr");
  PostStep(kStepPlcAttrStart);
  std::vector<uint8_t> stream = MuxPlcAttributeStream(project().plcSettings.plcAttributes);
  if (!BlockTransfer(link, BlockCommand::MuxAttributes, stream, false)) return false;
  PostStep(kStepPlcAttrDone);
  return true;
}

bool TQMProjectHelper::ClearAllUnits(TQMXComm& link) {
  TQMProject& p = project();
  if (!SwitchPort(link, 0) || !ClearMemory(link)) return false;
  for (int port = 1; port <= 5; ++port) {
    // Only the ports that hold a panel: an empty port never answers a clear.
    if (!p.multiplexer.HasPanel(port)) continue;
    currentPort_ = port;
    context_.targetPort = port;
    if (SwitchPort(link, port)) ClearMemory(link);
  }
  return SwitchPort(link, 0);
}

// ----------------------------------------------------------------------------------------------- read

bool TQMProjectHelper::SelectPlcForIds(int manufacturerId, int modelId) {
  TQMProject& p = project();
  PlcCatalogueEntry entry = TQMPlcManager::FindPlcByIds(manufacturerId, modelId, ui());
  if (entry.path.empty()) {
    char text[256];
    std::snprintf(text, sizeof text, kP007Format, manufacturerId, modelId);
    ReportError(text);
    return false;
  }
  p.plcSettings.plcName = entry.name;
  p.plcSettings.libraryName = entry.path;
  p.ReloadPlcLibrary(entry.path);
  return true;
}

void TQMProjectHelper::ReadEntry() {
  TQMProject& p = project();
  for (auto& panel : p.panels) {
    TQMPanel fresh(&p, panel->panelType);
    fresh.port = panel->port;
    panel->Assign(fresh);
  }
  TQMXComm link(context_.portName, &p);
  if (!link.ok) {
    ReportPlainError(link.errorText, link.OpenHint());
    return;
  }
  p.panels.clear();
  p.multiplexer.Clear();

  CommLogNote("Status Id");
  SetLinkSpeed(9600);
  link.Configure();
  TQMStatusIdCmd status;
  std::unique_ptr<TQMXResp> first = link.Transact(status);
  std::unique_ptr<TQMXResp> muxAnswer;
  if (dynamic_cast<TQMStatusIdResp*>(first.get())) {
    p.systemType = 0;
  } else {
    SetLinkSpeed(38400);
    link.Configure();
    CommLogNote("Switch Port 0");
    if (!SwitchPort(link, 0)) return;
    CommLogNote("Status ID");
    muxAnswer = link.Transact(status);
    if (!Expect<TQMMuxStatusIdResp>(muxAnswer)) return;
    p.systemType = 1;
  }
  if (Cancelled()) return;

  if (p.systemType == 0) {
    auto* answer = static_cast<TQMStatusIdResp*>(first.get());
    int type = answer->GetPanelModel();
    if (type == kPanelNone) {
      ui().ShowMessage(kZ008Text, "", MessageIcon::Error);
      return;
    }
    p.multiplexer.selectedPort = 1;
    p.AddPanel(type, 1);
    p.plcSettings.SetHeader(answer->ManufacturerId(), answer->ModelId());
    if (!SelectPlcForIds(answer->ManufacturerId(), answer->ModelId())) return;
    PostTarget(type, 0);
    if (!ReadOnePanel(link)) return;
    Finish(kStepReadFinished);
    return;
  }

  auto* answer = static_cast<TQMMuxStatusIdResp*>(muxAnswer.get());
  if (answer->GetPanelModel() == kPanelNone) {
    ui().ShowMessage(kZ008Text, "", MessageIcon::Error);
    return;
  }
  p.plcSettings.SetHeader(answer->ManufacturerId(), answer->ModelId());
  if (!SelectPlcForIds(answer->ManufacturerId(), answer->ModelId())) return;
  CommLogNote("Reading From Multiplexer");
  PostTarget(kPanelMultiplexer, 0);
  if (!ReadMultiplexer(link)) return;
  for (int port = 1; port <= 5; ++port) {
    PostTarget(kPanelNone, port);
    CommLogNote(Printf("Switch Port %d", port));
    if (!SwitchPort(link, port)) return;
    CommLogNote("Status Id");
    std::unique_ptr<TQMXResp> response = link.Transact(status);
    auto* panelStatus = dynamic_cast<TQMStatusIdResp*>(response.get());
    if (!panelStatus) continue;  // no panel on this port
    int type = panelStatus->GetPanelModel();
    if (type == kPanelNone) {
      ui().ShowMessage(Printf("ERROR On Port %d. ", port) + kZ008Text, "", MessageIcon::Error);
      continue;
    }
    if (Cancelled()) return;
    MakeCurrent(port);
    p.AddPanel(type, port);
    p.multiplexer.portType[static_cast<size_t>(port - 1)] = type;
    PostTarget(type, port);
    if (!ReadOnePanel(link)) {
      PostTarget(kPanelMultiplexer, 0);
      SwitchPort(link, 0);
      return;
    }
  }
  PostTarget(kPanelMultiplexer, 0);
  if (!SwitchPort(link, 0)) return;
  Finish(kStepReadFinished);
}

bool TQMProjectHelper::ReadOnePanel(TQMXComm& link) {
  bool indexMode = project().systemType == 1;
  if (!ReadSystemAttributes(link) || !ReadMessages(link) || !ReadTags(link, panelTagList_, indexMode) ||
      !ReadPlcAttributes(link)) {
    return false;
  }
  TQMTagList list;
  list.tags = panelTagList_;
  project().CurrentPanel()->ResolveFromTagList(list);
  panelTagList_.clear();
  PostStep(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::ReadMultiplexer(TQMXComm& link) {
  muxTagList_.clear();
  if (!ReadTags(link, muxTagList_, false) || !ReadMultiplexerPlcAttributes(link)) return false;
  PostStep(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::ReadSystemAttributes(TQMXComm& link) {
  CommLogNote("Read Sys Attr");
  PostStep(kStepReadSysAttrStart);
  if (Cancelled()) return false;
  TQMReadSysAttrCmd command;
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  auto* attributes = Expect<TQMSysAttrResp>(response);
  if (!attributes) return false;
  attributes->ApplyTo(*project().CurrentPanel());
  context_.percent = 25;
  return true;
}

bool TQMProjectHelper::ReadMessages(TQMXComm& link) {
  CommLogNote("Read Messages");
  TQMPanel& panel = *project().CurrentPanel();
  TQMReadMsgCmd start(kDumpStart, 0);
  std::unique_ptr<TQMXResp> started = link.Transact(start);
  if (!Expect<TQMMsgResp>(started)) return false;
  PostStep(kStepReadMessagesStart);
  for (int i = 0; i <= 256; ++i) {
    if (Cancelled()) return false;
    PostProgress();
    TQMReadMsgCmd next(kDumpNext, static_cast<uint8_t>(i));
    std::unique_ptr<TQMXResp> response = link.Transact(next);
    auto* reply = Expect<TQMMsgResp>(response);
    if (!reply) return false;
    TQMMessage message = reply->Message();
    if (message.number != 0) {
      if (!panel.IsSetPointPanel()) {
        if (message.number < panel.firstLocalNumber) {
          message.isPlcMessage = 1;
        } else {
          message.isPlcMessage = 0;
          message.number = panel.firstLocalNumber - message.number + 256;
        }
      }
      message.SetOwners(&project(), &panel);
      panel.messages.push_back(message);
    }
    context_.SetStatusText(Printf("Reading message %d...", i));
    PostStep(kStepStatusText);
  }
  context_.percent = 50;
  PostStep(kStepMessagesDone);
  return true;
}

bool TQMProjectHelper::ReadTags(TQMXComm& link, std::vector<TQMTag>& target, bool indexMode) {
  TQMProject& p = project();
  CommLogNote("Read Tags");
  PostStep(kStepReadTagsStart);
  size_t limit = p.systemType == 1 && !indexMode ? 1500 : 300;
  TQMReadTagCmd start(kDumpStart, 0);
  std::unique_ptr<TQMXResp> response = link.Transact(start);
  auto* block = Expect<TQMTagResp>(response);
  if (!block) return false;
  auto failDecode = [this] {
    ui().ShowMessage(kTagListRebuildText, "", MessageIcon::Exclamation);
    ReportError(kTagListRebuildText);
    return false;
  };
  const std::vector<uint8_t>& firstData = block->GetData();
  if (firstData.size() < 3) return failDecode();
  size_t count = static_cast<size_t>((firstData[0] << 8) | firstData[1]);
  size_t bytesPerAddress = firstData[2];
  if (count > limit) {
    ReportError(kT006Text);
    return false;
  }
  size_t recordSize = 3 + bytesPerAddress;
  std::vector<uint8_t> image(firstData.begin() + 3, firstData.end());
  bool last = block->IsLastBlock();
  for (int sequence = 1; !last; ++sequence) {
    if (Cancelled()) return false;
    TQMReadTagCmd next(kDumpNext, static_cast<uint8_t>(sequence));
    response = link.Transact(next);
    block = Expect<TQMTagResp>(response);
    if (!block) return false;
    image.insert(image.end(), block->GetData().begin(), block->GetData().end());
    last = block->IsLastBlock();
    if (image.size() / recordSize > limit) {
      ReportError(kT006Text);
      return false;
    }
  }
  if (!indexMode) p.plcSettings.addressSize = static_cast<int32_t>(bytesPerAddress);

  TQMPlcManager plc(p.plcLibrary.get(), ui());
  size_t stride = indexMode ? 5 : recordSize;
  if (image.size() < count * stride) return failDecode();
  for (size_t r = 0; r < count; ++r) {
    const uint8_t* record = image.data() + r * stride;
    TQMTag tag(&p);
    tag.addressAccess = record[0];
    tag.valueType = ValueTypeFromWireCode(record[1]);
    if (tag.valueType < 0) return failDecode();  // a project must stay savable and loadable
    if (indexMode) {
      size_t index = static_cast<size_t>(record[3] + 256 * record[4]);
      if (index >= muxTagList_.size()) return failDecode();
      tag.encodedAddress = muxTagList_[index].encodedAddress;
    } else {
      tag.encodedAddress.assign(record + 3, record + 3 + bytesPerAddress);
    }
    tag.address = plc.RebuildText(tag.encodedAddress);
    if (tag.address.empty()) return failDecode();
    target.push_back(tag);
  }
  PostStep(kStepMapDone);
  return true;
}

bool TQMProjectHelper::ReadPlcAttributes(TQMXComm& link) {
  TQMProject& p = project();
  CommLogNote("Read Plc Attr");
  context_.percent = 75;
  PostStep(kStepReadPlcAttrStart);
  if (Cancelled()) return false;
  TQMReadPlcAttrCmd command;
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  auto* attributes = Expect<TQMPlcAttrResp>(response);
  if (!attributes) return false;
  if (p.systemType != 1) {
    p.plcSettings.SetHeader(p.plcSettings.ManufacturerId(), p.plcSettings.ModelId());
    const std::vector<uint8_t>& data = attributes->GetData();
    p.plcSettings.plcAttributes.insert(p.plcSettings.plcAttributes.end(), data.begin(), data.end());
  }
  context_.percent = 100;
  PostStep(kStepReadPlcAttrDone);
  return true;
}

bool TQMProjectHelper::ReadMultiplexerPlcAttributes(TQMXComm& link) {
  TQMProject& p = project();
  CommLogNote("Read PLC Attributes");
  PostStep(kStepPlcAttrStart);
  TQMReadMuxPlcAttrCmd start(kDumpStart, 0);
  std::unique_ptr<TQMXResp> response = link.Transact(start);
  auto* block = Expect<TQMMuxPlcAttrResp>(response);
  if (!block) return false;
  std::vector<uint8_t> stream = block->GetData();
  bool last = block->IsLastBlock();
  for (int sequence = 1; !last; ++sequence) {
    if (Cancelled()) return false;
    TQMReadMuxPlcAttrCmd next(kDumpNext, static_cast<uint8_t>(sequence));
    response = link.Transact(next);
    block = Expect<TQMMuxPlcAttrResp>(response);
    if (!block) return false;
    stream.insert(stream.end(), block->GetData().begin(), block->GetData().end());
    last = block->IsLastBlock();
  }
  // The stream is the attributes with their length increased by 2, followed by a checksum of them:
  // keep exactly the stated bytes, and check the two that follow.
  if (stream.size() < 2) {
    ReportError(TQMErrorResp::TextFor(kLinkBadLength));
    return false;
  }
  size_t stated = ReadLittleEndian16(stream.data());
  size_t length = stated >= 2 ? stated - 2 : 0;
  if (stream.size() < length + 2 || length < 2 ||
      PacketCrc(stream.data(), static_cast<int>(length)) != ReadLittleEndian16(stream.data() + length)) {
    ReportError(TQMErrorResp::TextFor(kLinkChecksum));
    return false;
  }
  stream.resize(length);
  stream[0] = static_cast<uint8_t>(length & 0xFF);
  stream[1] = static_cast<uint8_t>(length >> 8);
  p.plcSettings.plcAttributes.insert(p.plcSettings.plcAttributes.end(), stream.begin(), stream.end());
  PostStep(kStepPlcAttrDone);
  return true;
}

// ------------------------------------------------------------------------------------------- firmware

bool TQMProjectHelper::ReadFirmwareFile(std::string& text) {
  OpenedFile file;
  if (!file.Open(context_.filePath)) {
    ReportPlainError(file.error);
    return false;
  }
  if (!file.ReadAll(text)) {
    ReportPlainError("File Could not be opened");
    return false;
  }
  return true;
}

bool TQMProjectHelper::SendFirmwareBlock(TQMXComm& link, const std::vector<uint8_t>& image, uint8_t kind,
                                         int sequence, int first, int end) {
  if (Cancelled()) return false;  // a cancelled load ends without a message
  TQMLoadExecCmd command(kind, image, static_cast<uint8_t>(sequence), first, end);
  std::unique_ptr<TQMXResp> response = link.Transact(command);
  return CheckStdResponse(response.get());
}

void TQMProjectHelper::PanelFirmware() {
  TQMProject& p = project();
  std::string text;
  if (!ReadFirmwareFile(text)) return;
  TQMExec firmware(text, 0);
  if (!firmware.IsValid()) {
    ReportError(kZ003Text);
    return;
  }
  const std::vector<uint8_t>& image = firmware.GetImage();
  TQMXComm link(context_.portName, &p);
  if (!link.ok) {
    ReportPlainError(link.errorText, link.OpenHint());
    return;
  }
  link.Configure();
  if (p.systemType == 1) {
    if (!SwitchPort(link, 0) || !SwitchPort(link, p.multiplexer.selectedPort)) return;
  }
  PostStatus("Initializing the panel for downloading firmware...");
  TQMRestartCmd restart;
  std::unique_ptr<TQMXResp> restarted = link.Transact(restart);
  if (!CheckStdResponse(restarted.get())) return;

  Sleep(500);
  link.SetReadTimeout(100);
  std::unique_ptr<TQMXResp> answer;
  for (int attempt = 1; attempt <= 500; ++attempt) {
    TQMStatusIdCmd status;
    answer = link.Transact(status);
    if (dynamic_cast<TQMStatusIdResp*>(answer.get())) break;
    if (attempt == 500) {
      ApplyFailureRule(answer.get());
      link.Configure();
      return;
    }
    if (Cancelled()) {
      link.Configure();
      return;
    }
  }
  link.Configure();
  PostStatus("DownLoading the firmware...");

  int size = static_cast<int>(image.size());
  int blocks = size / kBlockSize;
  auto send = [&](uint8_t kind, int sequence, int first, int end) {
    return SendFirmwareBlock(link, image, kind, sequence, first, end);
  };
  if (!send(kBlockStart, 0, 0, 0)) return;
  for (int j = 0; j < blocks; ++j) {
    if (!send(kBlockData, j + 1, j * kBlockSize, j * kBlockSize + kBlockSize)) return;
    context_.percent = static_cast<int>(static_cast<int64_t>(j + 1) * 5000 / size);
    PostStatus("DownLoading the firmware...");
  }
  if (!send(kBlockEnd, blocks + 1, blocks * kBlockSize, size)) return;
  context_.percent = 100;
  PostStatus("DownLoading the firmware...");
  Sleep(2000);
  std::string verifying = "Verifying the downloaded firmware ";
  PostStatus(verifying);
  for (int i = 0; i < 3; ++i) {
    Sleep(1000);
    verifying += ".";
    PostStatus(verifying);
  }
  PostStatus("Restarting the panel...");
  TQMRestartCmd finalRestart;
  std::unique_ptr<TQMXResp> done = link.Transact(finalRestart);
  if (!CheckStdResponse(done.get())) return;
  if (p.systemType == 1 && !SwitchPort(link, 0)) return;
  context_.finished = true;
  PostStatus("Downloading Completed Successfully");
}

void TQMProjectHelper::MultiplexerFirmware() {
  std::string text;
  if (!ReadFirmwareFile(text)) return;
  TQMMuxExec firmware(text, 0x10000);
  // The start command carries the first 50 bytes: a shorter image cannot be sent.
  if (!firmware.IsValid() || firmware.GetImage().size() < static_cast<size_t>(kBlockSize)) {
    ReportError(kZ003Text);
    return;
  }
  std::vector<uint8_t> image = firmware.GetImage();
  TQMXComm link(context_.portName, &project());
  if (!link.ok) {
    ReportPlainError(link.errorText, link.OpenHint());
    return;
  }
  SetLinkSpeed(38400);
  link.Configure();
  PostStatus("Initializing the panel for downloading firmware...");
  link.Configure();
  PostStatus("Sending Execute Boot command ");
  TQMExecBootCmd boot;
  std::unique_ptr<TQMXResp> booted = link.Transact(boot);
  if (!CheckStdResponse(booted.get())) return;
  PostStatus("DownLoading the firmware...");
  if (image.size() % 2 != 0) image.push_back(0xFF);
  int size = static_cast<int>(image.size());
  int blocks = size / kBlockSize;
  auto send = [&](uint8_t kind, int sequence, int first, int end) {
    return SendFirmwareBlock(link, image, kind, sequence, first, end);
  };
  if (!send(kBlockStart, 0, 0, kBlockSize)) return;
  for (int i = 1; i < blocks; ++i) {
    if (!send(kBlockData, i, i * kBlockSize, i * kBlockSize + kBlockSize)) return;
    context_.percent = static_cast<int>(static_cast<int64_t>(i + 1) * 5000 / size);
    PostStatus("DownLoading the firmware...");
  }
  PostStatus("DownLoading the firmware...");
  if (!send(kBlockEnd, blocks, blocks * kBlockSize, size)) return;
  PostStatus("Completed Downloading Firmware");
  context_.percent = 100;
  PostStatus("Sending Execute Exec Command");
  TQMExecExecCmd exec;
  std::unique_ptr<TQMXResp> executed = link.Transact(exec);
  if (!CheckStdResponse(executed.get())) return;
  context_.finished = true;
  PostStatus("Download Completed Successfully");
}

}  // namespace lumora

namespace lumora {

void TQMProjectHelper::ShowLinkOpenError(const TQMXComm& link) {
  std::string hint = link.OpenHint();
  ui().ShowMessage(hint.empty() ? link.errorText : link.errorText + "\n\n" + hint, "",
                   MessageIcon::Exclamation);
}

}  // namespace lumora

// Writing a project: one panel, or the multiplexer and the panels behind it.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/firmware_image.h"
#include "link/link_speed.h"
#include "model/interaction.h"
#include "plc/plc_manager.h"
#include "transfer/operations.h"
#include "transfer/project_helper.h"
#include "transfer/tag_table.h"
#include "transfer/unit_session.h"

namespace lumora {
namespace {

std::string PortNote(int port) {
  return "Switch Port " + std::to_string(port);
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

// Puts the project's selected port back however a multiplexer write ends.
class SelectedPortGuard {
 public:
  explicit SelectedPortGuard(TQMProject& project)
      : project_(project), port_(project.multiplexer.selectedPort) {}
  ~SelectedPortGuard() { project_.multiplexer.selectedPort = port_; }
  SelectedPortGuard(const SelectedPortGuard&) = delete;
  SelectedPortGuard& operator=(const SelectedPortGuard&) = delete;

 private:
  TQMProject& project_;
  int port_;
};

}  // namespace

void TQMProjectHelper::WriteEntry() {
  TQMProject& p = project();
  // Data a panel cannot hold never reaches it: refused before the port is opened.
  std::vector<ProjectProblem> problems = ValidateProject(p, PlcAddressSizeOf(p, report_.Ui()));
  if (!problems.empty()) {
    report_.PlainError(InvalidProjectText(problems));
    return;
  }
  // A chosen unit the project holds nothing for is refused before the port is opened: nothing would be
  // written, and a success message for that would mislead.
  if (std::optional<std::string> refusal = NothingToWriteText(p, selectedTarget_)) {
    report_.PlainError(*refusal);
    return;
  }
  SetLinkSpeed(p.IsMultiPanel() && !directConnection_ ? 38400 : 9600);
  TQMXComm link(context_.portName, &p);
  if (!link.ok) {
    report_.PlainError(link.errorText, link.OpenHint());
    return;
  }
  UnitSession unit(link, report_, p);
  if (!p.IsMultiPanel()) {
    MakeCurrent(1);
    TQMPanel* panel = p.CurrentPanel();
    if (!panel) {
      report_.Error(translate("Core", kZ008Text));
      return;
    }
    report_.Target(panel->panelType, 0);
    if (!WriteOnePanel(unit)) return;
    report_.Finish(kStepWriteFinished);
    return;
  }

  SelectedPortGuard keepSelectedPort(p);
  if (selectedTarget_ == TransferTarget::WriteProject) {
    report_.Ui().ShowMessage(translate("Core", kEnsureConnectedText), "", MessageIcon::Exclamation);
    if (!unit.TestAllPanelsConnected()) return;
  }
  TQMPlcManager plc(p.plcLibrary.get(), report_.Ui());
  muxTagList_ = BuildMuxTagList(p, plc);
  CommLogNote("Writing to Multiplexer");
  if (selectedTarget_ == TransferTarget::Multiplexer || selectedTarget_ == TransferTarget::WriteProject) {
    if (!WriteMultiplexer(unit)) return;
    if (selectedTarget_ == TransferTarget::WriteProject) {
      for (int port = 1; port <= 5; ++port) {
        if (!HasPanelToWrite(p, port)) continue;
        if (!WriteSelectedPanel(unit, port, true)) return;
      }
    }
  } else {
    if (!WriteSelectedPanel(unit, PortOf(selectedTarget_), !directConnection_)) return;
  }
  report_.Target(kPanelMultiplexer, 0);
  CommLogNote(PortNote(0));
  if (!unit.SwitchPort(0)) return;
  report_.Finish(kStepWriteFinished);
}

bool TQMProjectHelper::WriteSelectedPanel(UnitSession& unit, int port, bool switchFirst) {
  TQMProject& p = project();
  report_.SetTargetPort(port);
  if (switchFirst) {
    CommLogNote(PortNote(port));
    if (!unit.SwitchPort(port)) return false;
  }
  MakeCurrent(port);
  TQMPanel* panel = p.CurrentPanel();
  report_.Target(panel->panelType, port);
  CommLogNote("Writing to " + panel->ModelText());
  if (WriteOnePanel(unit)) return true;
  // The failure has been reported; the multiplexer still goes back to its own port.
  report_.Target(kPanelMultiplexer, 0);
  unit.SwitchPort(0);
  return false;
}

bool TQMProjectHelper::ReadDriverFile(DriverKind kind, std::string& text) {
  TQMPlcManager plc(project().plcLibrary.get(), report_.Ui());
  std::string path = plc.DriverFilePath(kind);
  if (path.empty()) {
    report_.Error(translate("Core", kC002Text));
    return false;
  }
  bool openFailed = false;
  std::string reason;
  if (ReadTransferFile(path, text, openFailed, reason)) return true;
  if (openFailed) {
    report_.PlainError(reason + "\n" + path);
  } else {
    report_.Error(translate("Core", kZ004Text) + "\n" + path + ": " + reason);
  }
  return false;
}

bool TQMProjectHelper::WriteOnePanel(UnitSession& unit) {
  TQMProject& p = project();
  report_.SetPercent(0);
  report_.StartCounting(0);
  if (report_.Cancelled()) return false;
  TQMPanel* panel = p.CurrentPanel();
  if (!panel) return false;

  std::string driverText;
  if (!ReadDriverFile(p.IsMultiPanel() ? DriverKind::PanelBehindMultiplexer : DriverKind::Panel, driverText))
    return false;
  // The tag table is made before the panel is touched: one that cannot be made leaves the panel as it is.
  TQMTagList list;
  panel->BuildTagList(list);
  std::optional<std::vector<uint8_t>> mapImage =
      BuildMapImage(list.tags, p.plcSettings.addressSize, p.IsMultiPanel(), muxTagList_);
  if (!mapImage) {
    report_.Error(translate("Core", kTagListRebuildText));
    return false;
  }
  report_.Status(translate("Core", "Verifying panel Connected..."));
  if (report_.Cancelled()) return false;
  CommLogNote("Status ID");
  std::unique_ptr<TQMStatusIdResp> status = unit.StatusIdCheck(
      p.IsMultiPanel() ? translate("Core", kMultiplexerPanelMismatchText) : translate("Core", kC001Text));
  if (!status) return false;
  NoteUnit(*status);
  CommLogNote("Clear Memory");
  if (!unit.ClearMemory()) return false;

  TQMExec driver(driverText, 0x8000);
  if (!driver.IsValid()) {
    report_.Error(translate("Core", kZ003Text));
    return false;
  }

  report_.StartCounting(WriteByteTotal(static_cast<int64_t>(driver.GetImage().size()), panel->AddressCount(),
                                       static_cast<int64_t>(panel->messages.size())));
  bool ok = WriteMessages(unit, *panel) && WriteMapData(unit, *mapImage) &&
            WriteSystemAttributes(unit, *panel) && WritePlcDriver(unit, driver.GetImage()) &&
            WritePlcAttributes(unit);
  if (!ok) return false;
  report_.SetPercent(100);
  report_.Step(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::WriteMessages(UnitSession& unit, TQMPanel& panel) {
  CommLogNote("Write Messages");
  report_.Step(kStepMessagesStart);
  bool setPoint = panel.IsSetPointPanel();
  bool allWritten = true;
  for (size_t i = 0; i < panel.messages.size(); ++i) {
    if (report_.Cancelled()) {
      unit.ClearAfterCancel();
      allWritten = false;
      break;
    }
    report_.Progress();
    const TQMMessage& message = panel.messages[i];
    TQMWriteMsgCmd command(message, panel.firstLocalNumber, setPoint, false);
    if (!unit.Exchange(command)) return false;
    // Numbers skipped between two PLC messages are written blank, so the panel shows nothing old there.
    if (message.isPlcMessage != 0 && i + 1 < panel.messages.size() &&
        panel.messages[i + 1].isPlcMessage != 0) {
      for (int number = message.number + 1; number < panel.messages[i + 1].number; ++number) {
        if (report_.Cancelled()) return unit.ClearAfterCancel();
        TQMMessage blank = panel.NewMessage();
        blank.number = number;
        TQMWriteMsgCmd blankCommand(blank, 0, setPoint, true);
        if (!unit.Exchange(blankCommand)) return false;
      }
    }
    report_.CountSent(kMessageBytes);
  }
  // The system messages go in even after a cancel, so the cleared panel still works.
  bool systemWritten = WriteSystemMessages(unit, panel);
  if (!systemWritten || !allWritten) return false;
  report_.Step(kStepMessagesDone);
  return true;
}

bool TQMProjectHelper::WriteSystemMessages(UnitSession& unit, TQMPanel& panel) {
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
    if (!unit.Exchange(command)) return false;
    report_.CountSent(kMessageBytes);
    report_.Progress();
  }
  return true;
}

bool TQMProjectHelper::UploadCounted(UnitSession& unit, uint8_t commandCode,
                                     const std::vector<uint8_t>& image,
                                     const std::function<void()>& afterBlock) {
  UnitSession::Upload upload;
  upload.commandCode = commandCode;
  upload.afterBlock = [&] {
    report_.CountSent(kBlockSize);
    if (afterBlock) afterBlock();
  };
  if (!unit.UploadBlocks(upload, image)) return false;
  report_.CountSent(static_cast<int64_t>(image.size() % kBlockSize));
  return true;
}

bool TQMProjectHelper::WriteMapData(UnitSession& unit, const std::vector<uint8_t>& image) {
  CommLogNote("Writing Map Data");
  report_.SetStatusText(translate("Core", "DownLoading the tag... 0% complete"));
  report_.Step(kStepMapStart);
  bool sent = UploadCounted(unit, kCmdWriteTags, image, [this] {
    report_.Status(Arg(translate("Core", "DownLoading the tag....%1% complete"), report_.Percent()));
  });
  if (!sent) return false;
  report_.Step(kStepMapDone);
  return true;
}

bool TQMProjectHelper::WriteSystemAttributes(UnitSession& unit, TQMPanel& panel) {
  CommLogNote("WriteSysAttr");
  if (report_.Cancelled()) return unit.ClearAfterCancel();
  report_.Step(kStepSysAttrStart);
  TQMWriteSysAttrCmd command(panel);
  // A panel that refuses its system attributes does not hold the project.
  if (!unit.Exchange(command)) return false;
  report_.CountSent(kSystemAttributeBytes);
  report_.Step(kStepSysAttrSent);
  return true;
}

bool TQMProjectHelper::WritePlcDriver(UnitSession& unit, const std::vector<uint8_t>& image) {
  CommLogNote("LoadDriver");
  report_.SetStatusText(translate("Core", "DownLoading the Driver....0% complete"));
  report_.Step(kStepDriverStart);
  if (!UploadCounted(unit, kCmdLoadPlc, image)) return false;
  report_.Step(kStepDriverSent);
  return true;
}

bool TQMProjectHelper::WritePlcAttributes(UnitSession& unit) {
  CommLogNote("Write Plc Attr");
  if (report_.Cancelled()) return unit.ClearAfterCancel();
  report_.Step(kStepPlcAttrStart);
  const std::vector<uint8_t>& attributes = project().plcSettings.plcAttributes;
  bool written;
  if (project().IsMultiPanel()) {
    TQMWrtMltPnlPlcAttrCmd command(attributes);
    written = unit.Exchange(command);
  } else {
    TQMWritePlcAttrCmd command(attributes);
    written = unit.Exchange(command);
  }
  if (!written) return false;
  report_.CountSent(static_cast<int64_t>(attributes.size()) + 2);
  report_.SetPercent(100);
  report_.Step(kStepPlcAttrDone);
  return true;
}

bool TQMProjectHelper::WriteMultiplexer(UnitSession& unit) {
  TQMProject& p = project();
  report_.Target(kPanelMultiplexer, context_.targetPort);
  report_.Status(translate("Core", "Verifying panel Connected..."));
  report_.SetPercent(0);
  report_.StartCounting(0);
  if (report_.Cancelled()) return false;
  CommLogNote(PortNote(0));
  if (!unit.SwitchPort(0)) return false;
  CommLogNote(" Status ID");
  std::unique_ptr<TQMStatusResp> status = unit.MultiplexerStatus();
  if (!status) return false;
  NoteUnit(*status);
  if (report_.Cancelled()) return false;
  CommLogNote(" Clear Memory");
  if (!unit.ClearMemory()) return false;
  if (report_.Cancelled()) return false;

  std::string driverText;
  if (!ReadDriverFile(DriverKind::Multiplexer, driverText)) return false;
  TQMMuxExec driver(driverText, 0x210000);
  if (!driver.IsValid()) {
    report_.Error(translate("Core", kZ003Text));
    return false;
  }
  report_.StartCounting(WriteByteTotal(static_cast<int64_t>(driver.GetImage().size()),
                                       static_cast<int64_t>(muxTagList_.size()), std::nullopt));
  std::optional<std::vector<uint8_t>> mapImage =
      BuildMapImage(muxTagList_, p.plcSettings.addressSize, false, {});
  if (!mapImage || !WriteMapData(unit, *mapImage) || !WriteMultiplexerPlcAttributes(unit) ||
      !WritePlcDriver(unit, driver.GetImage())) {
    return false;
  }
  report_.SetPercent(100);
  report_.Step(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::WriteMultiplexerPlcAttributes(UnitSession& unit) {
  CommLogNote("Write Plc Attr");
  report_.Step(kStepPlcAttrStart);
  std::vector<uint8_t> stream = MuxPlcAttributeStream(project().plcSettings.plcAttributes);
  if (!UploadCounted(unit, kCmdWriteMuxPlcAttr, stream)) return false;
  report_.Step(kStepPlcAttrDone);
  return true;
}

}  // namespace lumora

// Reading a project back from a panel, or from a multiplexer and the panels behind it.

#include <cstdio>
#include <utility>

#include "link/comm_log.h"
#include "link/commands.h"
#include "link/link_speed.h"
#include "link/packet.h"
#include "model/interaction.h"
#include "plc/plc_manager.h"
#include "transfer/project_helper.h"
#include "transfer/tag_table.h"
#include "transfer/unit_session.h"

namespace lumora {
namespace {

std::string PortNote(int port) {
  return "Switch Port " + std::to_string(port);
}

}  // namespace

bool TQMProjectHelper::SelectPlcForIds(int manufacturerId, int modelId) {
  TQMProject& p = project();
  PlcCatalogueEntry entry = TQMPlcManager::FindPlcByIds(manufacturerId, modelId, report_.Ui());
  if (entry.path.empty()) {
    report_.Error(Arg(Arg(translate("Core", kP007Format), manufacturerId), modelId));
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
    report_.PlainError(link.errorText, link.OpenHint());
    return;
  }
  UnitSession unit(link, report_, p);
  p.panels.clear();
  p.multiplexer.Clear();

  CommLogNote("Status Id");
  SetLinkSpeed(9600);
  link.Configure();
  TQMStatusIdCmd status;
  std::unique_ptr<TQMXResp> first = link.Transact(status);
  std::unique_ptr<TQMMuxStatusIdResp> muxAnswer;
  if (dynamic_cast<TQMStatusIdResp*>(first.get())) {
    p.systemType = SystemType::SinglePanel;
  } else {
    SetLinkSpeed(38400);
    link.Configure();
    CommLogNote(PortNote(0));
    if (!unit.SwitchPort(0)) return;
    CommLogNote("Status ID");
    muxAnswer = unit.Request<TQMMuxStatusIdResp>(status);
    if (!muxAnswer) return;
    p.systemType = SystemType::MultiPanel;
  }
  if (report_.Cancelled()) return;

  if (!p.IsMultiPanel()) {
    auto* answer = static_cast<TQMStatusIdResp*>(first.get());
    int type = answer->GetPanelModel();
    if (type == kPanelNone) {
      report_.Ui().ShowMessage(translate("Core", kZ008Text), "", MessageIcon::Error);
      return;
    }
    NoteUnit(*answer);
    p.multiplexer.selectedPort = 1;
    p.AddPanel(type, 1);
    p.plcSettings.SetHeader(answer->ManufacturerId(), answer->ModelId());
    if (!SelectPlcForIds(answer->ManufacturerId(), answer->ModelId())) return;
    report_.Target(type, 0);
    if (!ReadOnePanel(unit)) return;
    report_.Finish(kStepReadFinished);
    return;
  }

  if (muxAnswer->GetPanelModel() == kPanelNone) {
    report_.Ui().ShowMessage(translate("Core", kZ008Text), "", MessageIcon::Error);
    return;
  }
  NoteUnit(*muxAnswer);
  p.plcSettings.SetHeader(muxAnswer->ManufacturerId(), muxAnswer->ModelId());
  if (!SelectPlcForIds(muxAnswer->ManufacturerId(), muxAnswer->ModelId())) return;
  CommLogNote("Reading From Multiplexer");
  report_.Target(kPanelMultiplexer, 0);
  if (!ReadMultiplexer(unit)) return;
  for (int port = 1; port <= 5; ++port) {
    report_.Target(kPanelNone, port);
    CommLogNote(PortNote(port));
    if (!unit.SwitchPort(port)) return;
    CommLogNote("Status Id");
    std::unique_ptr<TQMXResp> response = link.Transact(status);
    auto* panelStatus = dynamic_cast<TQMStatusIdResp*>(response.get());
    if (!panelStatus) continue;  // no panel on this port
    int type = panelStatus->GetPanelModel();
    if (type == kPanelNone) {
      report_.Ui().ShowMessage(
          Arg(Arg(translate("Core", "ERROR On Port %1. %2"), port), translate("Core", kZ008Text)), "",
          MessageIcon::Error);
      continue;
    }
    if (report_.Cancelled()) return;
    MakeCurrent(port);
    p.AddPanel(type, port);
    p.multiplexer.portType[static_cast<size_t>(port - 1)] = type;
    report_.Target(type, port);
    if (!ReadOnePanel(unit)) {
      // Before a write, a panel that holds nothing has nothing to keep: the other ports are read on.
      if (std::exchange(context_.heldNoProject, false)) {
        p.RemoveSelectedPanel();
        p.multiplexer.portType[static_cast<size_t>(port - 1)] = kPanelNone;
        panelTagList_.clear();
        continue;
      }
      report_.Target(kPanelMultiplexer, 0);
      unit.SwitchPort(0);
      return;
    }
  }
  report_.Target(kPanelMultiplexer, 0);
  if (!unit.SwitchPort(0)) return;
  report_.Finish(kStepReadFinished);
}

bool TQMProjectHelper::ReadOnePanel(UnitSession& unit) {
  bool indexMode = project().IsMultiPanel();
  if (!ReadSystemAttributes(unit) || !ReadMessages(unit) || !ReadTags(unit, panelTagList_, indexMode) ||
      !ReadPlcAttributes(unit)) {
    return false;
  }
  TQMTagList list;
  list.tags = panelTagList_;
  project().CurrentPanel()->ResolveFromTagList(list);
  panelTagList_.clear();
  report_.Step(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::ReadMultiplexer(UnitSession& unit) {
  muxTagList_.clear();
  if (!ReadTags(unit, muxTagList_, false) || !ReadMultiplexerPlcAttributes(unit)) return false;
  report_.Step(kStepUnitFinished);
  return true;
}

bool TQMProjectHelper::ReadSystemAttributes(UnitSession& unit) {
  CommLogNote("Read Sys Attr");
  report_.Step(kStepReadSysAttrStart);
  if (report_.Cancelled()) return false;
  TQMReadSysAttrCmd command;
  std::unique_ptr<TQMSysAttrResp> attributes = unit.Request<TQMSysAttrResp>(command);
  if (!attributes) return false;
  attributes->ApplyTo(*project().CurrentPanel());
  report_.SetPercent(25);
  return true;
}

bool TQMProjectHelper::ReadMessages(UnitSession& unit) {
  CommLogNote("Read Messages");
  TQMPanel& panel = *project().CurrentPanel();
  TQMReadMsgCmd start(kDumpStart, 0);
  if (!unit.Request<TQMMsgResp>(start)) return false;
  report_.Step(kStepReadMessagesStart);
  for (int i = 0; i <= 256; ++i) {
    if (report_.Cancelled()) return false;
    report_.Progress();
    TQMReadMsgCmd next(kDumpNext, static_cast<uint8_t>(i));
    std::unique_ptr<TQMMsgResp> reply = unit.Request<TQMMsgResp>(next);
    if (!reply) return false;
    TQMMessage message = reply->Message();
    if (message.number != 0) {
      // A project holding an access type no file can store could not be opened again.
      if (message.data1.accessType < kReadWrite || message.data1.accessType > kWriteOnly) {
        report_.Error(translate("Core", kT007Text));
        return false;
      }
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
    report_.SetStatusText(Arg(translate("Core", "Reading message %1..."), i));
    report_.Step(kStepStatusText);
  }
  report_.SetPercent(50);
  report_.Step(kStepMessagesDone);
  return true;
}

bool TQMProjectHelper::ReadTags(UnitSession& unit, std::vector<TQMTag>& target, bool indexMode) {
  TQMProject& p = project();
  CommLogNote("Read Tags");
  report_.Step(kStepReadTagsStart);
  size_t limit = p.IsMultiPanel() && !indexMode ? 1500 : 300;
  auto failDecode = [this] {
    // Shown by the worker, then reported: a console prints it once.
    report_.Ui().ShowMessage(translate("Core", kTagListRebuildText), "", MessageIcon::Exclamation);
    report_.Error(translate("Core", kTagListRebuildText), true);
    return false;
  };
  bool tooMany = false;
  bool tooShort = false;
  bool noTable = false;
  std::optional<std::vector<uint8_t>> image =
      unit.ReadDump<TQMTagResp>(kCmdReadTags, [&](const std::vector<uint8_t>& data) {
        if (data.size() < 3) {
          tooShort = true;
          noTable = data.empty();
          return false;
        }
        size_t count = static_cast<size_t>((data[0] << 8) | data[1]);
        size_t recordSize = 3 + static_cast<size_t>(data[2]);
        tooMany = count > limit || (data.size() - 3) / recordSize > limit;
        return !tooMany;
      });
  if (noTable) {
    // A read before a write notes an empty unit instead: it is no error there.
    if (context_.readBeforeWrite) {
      context_.heldNoProject = true;
      return false;
    }
    report_.Ui().ShowMessage(translate("Core", kPanelHoldsNoProjectText), "", MessageIcon::Exclamation);
    report_.Error(translate("Core", kPanelHoldsNoProjectText), true);
    return false;
  }
  if (tooShort) return failDecode();
  if (tooMany) {
    report_.Error(translate("Core", kT006Text));
    return false;
  }
  if (!image) return false;
  TQMPlcManager plc(p.plcLibrary.get(), report_.Ui());
  int bytesPerAddress = 0;
  std::vector<TQMTag> tags;
  if (!DecodeTagTable(*image, indexMode, muxTagList_, plc, &p, tags, bytesPerAddress)) return failDecode();
  if (!indexMode) p.plcSettings.addressSize = bytesPerAddress;
  target.insert(target.end(), tags.begin(), tags.end());
  report_.Step(kStepMapDone);
  return true;
}

bool TQMProjectHelper::ReadPlcAttributes(UnitSession& unit) {
  TQMProject& p = project();
  CommLogNote("Read Plc Attr");
  report_.SetPercent(75);
  report_.Step(kStepReadPlcAttrStart);
  if (report_.Cancelled()) return false;
  TQMReadPlcAttrCmd command;
  std::unique_ptr<TQMPlcAttrResp> attributes = unit.Request<TQMPlcAttrResp>(command);
  if (!attributes) return false;
  if (!p.IsMultiPanel()) {
    p.plcSettings.SetHeader(p.plcSettings.ManufacturerId(), p.plcSettings.ModelId());
    const std::vector<uint8_t>& data = attributes->GetData();
    p.plcSettings.plcAttributes.insert(p.plcSettings.plcAttributes.end(), data.begin(), data.end());
  }
  report_.SetPercent(100);
  report_.Step(kStepReadPlcAttrDone);
  return true;
}

bool TQMProjectHelper::ReadMultiplexerPlcAttributes(UnitSession& unit) {
  TQMProject& p = project();
  CommLogNote("Read PLC Attributes");
  report_.Step(kStepPlcAttrStart);
  // The stream states its length in 16 bits: a unit that never ends its dump is stopped there.
  constexpr size_t kLongestStream = 0xFFFF + 2;
  bool endless = false;
  std::optional<std::vector<uint8_t>> read =
      unit.ReadDump<TQMMuxPlcAttrResp>(kCmdReadMuxPlcAttr, [&](const std::vector<uint8_t>& data) {
        endless = data.size() > kLongestStream;
        return !endless;
      });
  if (endless) {
    report_.Error(TQMErrorResp::TextFor(kLinkBadLength));
    return false;
  }
  if (!read) return false;
  std::vector<uint8_t>& stream = *read;
  // The stream is the attributes with their length increased by 2, followed by a checksum of them:
  // keep exactly the stated bytes, and check the two that follow.
  if (stream.size() < 2) {
    report_.Error(TQMErrorResp::TextFor(kLinkBadLength));
    return false;
  }
  size_t stated = ReadLittleEndian16(stream.data());
  size_t length = stated >= 2 ? stated - 2 : 0;
  if (stream.size() < length + 2 || length < 2 ||
      PacketCrc(stream.data(), static_cast<int>(length)) != ReadLittleEndian16(stream.data() + length)) {
    report_.Error(TQMErrorResp::TextFor(kLinkChecksum));
    return false;
  }
  stream.resize(length);
  stream[0] = static_cast<uint8_t>(length & 0xFF);
  stream[1] = static_cast<uint8_t>(length >> 8);
  p.plcSettings.plcAttributes.insert(p.plcSettings.plcAttributes.end(), stream.begin(), stream.end());
  report_.Step(kStepPlcAttrDone);
  return true;
}

}  // namespace lumora

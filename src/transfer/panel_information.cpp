#include "transfer/panel_information.h"

#include "link/link_speed.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "model/interaction.h"
#include "model/project.h"
#include "model/project_compare.h"
#include "plc/plc_manager.h"
#include "transfer/transfer_texts.h"
#include "transfer/unit_session.h"

namespace lumora {
namespace {

void SetSpeedForProject(const TQMProject& project) {
  SetLinkSpeed(project.IsMultiPanel() ? 38400 : 9600);
}

Interaction& UiOf(TransferContext& context) {
  static SilentInteraction silent;
  return context.interaction ? *context.interaction : silent;
}

// Opens the context's port for a short exchange and sets the project's speed; null (after the message
// box, with the hint on its own line) when the port cannot be opened.
std::unique_ptr<TQMXComm> OpenShortLink(TransferContext& context) {
  auto link = std::make_unique<TQMXComm>(context.portName, context.project);
  if (!link->ok) {
    std::string hint = link->OpenHint();
    UiOf(context).ShowMessage(hint.empty() ? link->errorText : link->errorText + "\n\n" + hint, "",
                              MessageIcon::Exclamation);
    return nullptr;
  }
  SetSpeedForProject(*context.project);
  link->Configure();
  return link;
}

// Every short exchange's preamble, once: the project must hold a panel when `needsPanels`; the port is
// opened; `body` then talks to the unit through one session. Its result, or `failed` when the exchange
// could not begin. The port is closed when `body` returns.
template <typename Result, typename Body>
Result WithShortSession(TransferContext& context, bool needsPanels, Result failed, Body body) {
  TQMProject& project = *context.project;
  if (needsPanels && project.panels.empty()) return failed;
  std::unique_ptr<TQMXComm> link = OpenShortLink(context);
  if (!link) return failed;
  ProgressReporter report(context);
  UnitSession unit(*link, report, project);
  return body(unit, project);
}

}  // namespace

const char* UnitAttributesText(int unitType) {
  switch (unitType) {
    case kPanelQM210:
      return QT_TRANSLATE_NOOP(
          "Core",
          "  * 2 x 20 with 5 user defined  buttons and LED's\n  * Scroll data entry\n  * Built in Menu "
          "System\n  * "
          "EMI filtered Power Supply to reduce communication problems\n");
    case kPanelQM210G:
      return QT_TRANSLATE_NOOP(
          "Core",
          "  * 2 x 20 larger character display with 5 user defined  buttons and LED's\n  * Scroll data "
          "entry\n  * "
          "Built in menu system\n  * EMI filtered Power Supply to reduce communication problems\n");
    case kPanelQM210K:
      return QT_TRANSLATE_NOOP(
          "Core",
          "  * 2 x 20 with 5 user defined  buttons and LED's\n  * Numeric keypad or scroll data entry\n  "
          "* Built in "
          "menu system\n  * EMI filtered Power Supply to reduce communication problems\n");
    case kPanelQM410:
      return QT_TRANSLATE_NOOP(
          "Core",
          "  * 4 x 20 with 5 user defined  buttons and LED's\n  * Scroll data entry\n  * Built in menu "
          "system\n  * "
          "EMI filtered Power Supply to reduce communication problems\n");
    case kPanelQMSV:
      return QT_TRANSLATE_NOOP(
          "Core",
          "  * 8 digit Set Point Panel with 1 x 16 description for each numeric displayed value\n  * "
          "Scroll keys "
          "to enter new values and enter key to send the value to PLC\n  * EMI filtered Power Supply to "
          "reduce "
          "the communciation problems\n");
    case kPanelMultiplexer:
      return QT_TRANSLATE_NOOP(
          "Core",
          " * Communication Master for multiple panels\n*  Connects up to 5 Lumora panels to one PLC");
    default:
      return "";
  }
}

UnitInformation DescribeUnit(const TQMStatusResp& status, bool multiplexer, int driverNameMode,
                             Interaction& interaction) {
  UnitInformation info;
  info.unitType = status.GetPanelModel();
  info.multiplexer = multiplexer;
  info.modelText = UnitModelName(info.unitType);
  info.attributesText = translate("Core", UnitAttributesText(info.unitType));
  info.firmwareRevision = status.GetFirmwareText();
  info.memorySize = status.GetMemoryText();
  if (status.HasDriver()) {
    info.driverRevision = status.GetDriverVersionText();
    info.driverName =
        driverNameMode == 1
            ? TQMPlcManager::FindPlcByIds(status.ManufacturerId(), status.ModelId(), interaction).name
            : "Multiplexer";
  } else {
    info.driverName = translate("Core", kNoDriverText);
  }
  return info;
}

std::optional<UnitInformation> QueryUnitInformation(TransferContext& context) {
  bool multiplexer = context.project->IsMultiPanel();
  std::unique_ptr<TQMStatusResp> status = WithShortSession(
      context, false, std::unique_ptr<TQMStatusResp>(),
      [multiplexer](UnitSession& unit, TQMProject&) -> std::unique_ptr<TQMStatusResp> {
        if (multiplexer) return unit.MultiplexerStatus();
        return unit.StatusIdCheck(translate("Core", kC001Text));
      });
  // The port is closed before the driver is looked up among the PLC libraries.
  if (!status) return std::nullopt;
  return DescribeUnit(*status, multiplexer, 1, UiOf(context));
}

std::optional<UnitInformation> QuerySelectedPanelInformation(TransferContext& context) {
  int port = context.project->multiplexer.selectedPort;
  if (!context.project->multiplexer.HasPanel(port) || !context.project->FindPanel(port)) return std::nullopt;
  std::unique_ptr<TQMStatusIdResp> answer = WithShortSession(
      context, false, std::unique_ptr<TQMStatusIdResp>(), [port](UnitSession& unit, TQMProject&) {
        std::unique_ptr<TQMStatusIdResp> status;
        if (unit.SwitchPort(0) && unit.SwitchPort(port))
          status = unit.StatusIdCheck(translate("Core", kC001Text));
        unit.SwitchPort(0);
        return status;
      });
  if (!answer) return std::nullopt;
  return DescribeUnit(*answer, false, 0, UiOf(context));
}

bool ClearPanelMemory(TransferContext& context) {
  bool cleared = WithShortSession(context, true, false, [](UnitSession& unit, TQMProject& project) {
    return project.IsMultiPanel() ? unit.ClearAllUnits() : unit.ClearMemory();
  });
  if (cleared) UiOf(context).ShowMessage(translate("Core", kMemoryClearedText), "", MessageIcon::Information);
  return cleared;
}

bool CheckMultiplexerSetup(TransferContext& context) {
  return WithShortSession(context, true, false,
                          [](UnitSession& unit, TQMProject&) { return unit.TestAllPanelsConnected(); });
}

std::optional<std::vector<std::string>> IncompleteWriteItems(const TQMProject& project) {
  auto missingOf = [](const TQMPanel* panel) -> std::optional<std::vector<std::string>> {
    if (!panel || panel->IsSetPointPanel() || panel->HasLocalMessage()) return std::nullopt;
    std::vector<std::string> missing;
    panel->ListUnconfigured(missing);
    return missing;
  };
  if (!project.IsMultiPanel()) return missingOf(project.CurrentPanel());
  if (project.panels.empty()) return std::vector<std::string>{};
  if (project.panels.size() > 1) return std::nullopt;
  // One panel record: the lowest of ports 1 to 4 that holds it is checked.
  for (int port = 1; port <= 4; ++port) {
    if (const TQMPanel* panel = project.FindPanel(port)) return missingOf(panel);
  }
  return std::nullopt;
}

VerifyResult CompareWithPanel(const TQMProject& onPc, const TQMProject& readFromPanel) {
  VerifyResult result;
  // The panel holds encoded addresses, not their texts or tag names: those are compared as the panel has them.
  result.same = ProjectsEqual(onPc, readFromPanel, CompareScope::Panel);
  result.text = translate("Core", result.same ? kVerifySameText : kVerifyDifferentText);
  if (!result.same) result.differences = DescribeDifferences(onPc, readFromPanel, {}, CompareScope::Panel);
  return result;
}

}  // namespace lumora

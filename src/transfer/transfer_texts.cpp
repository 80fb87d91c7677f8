#include "transfer/transfer_texts.h"

#include <cstdio>

#include "link/commands.h"
#include "link/link_speed.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "transfer/panel_information.h"
#include "transfer/transfer_context.h"

namespace lumora {

std::array<std::string, kChecklistLines> ChecklistTexts(TransferOperation operation) {
  if (operation == TransferOperation::Read) {
    return {"", "Reading System Attributes", "Reading Messages", "Reading Tags", "Reading PLC Attributes",
            ""};
  }
  return {"Clearing Memory.",           "Writing Messages.",   "Writing Map Data.",
          "Writing system attributes.", "Writing PLC driver.", "Writing PLC attributes. "};
}

std::string OperationTitle(TransferOperation operation) {
  switch (operation) {
    case TransferOperation::Write:
      return "Writing to Panel";
    case TransferOperation::Read:
      return "Reading from Panel";
    case TransferOperation::PanelFirmware:
    case TransferOperation::MultiplexerFirmware:
      break;
  }
  return "DownLoading Firmware...";
}

std::string TargetTitle(TransferOperation operation, int targetPanelType, int targetPort) {
  if (IsFirmware(operation)) return "Writing to Panel";
  static const char* kSuffixes[] = {"",
                                    " - QM210 Panel",
                                    " - QM210G Panel",
                                    " - QM210K Panel",
                                    " - QM410 Panel",
                                    " - QMSV Panel",
                                    " - Multiplexer Panel"};
  if (targetPanelType < 0 || targetPanelType > 6) return "Writing to Panel";
  char title[64];
  if (targetPort != 0) {
    std::snprintf(title, sizeof title, "Port %d%s", targetPort, kSuffixes[targetPanelType]);
  } else {
    std::snprintf(title, sizeof title, "COM Port%s", kSuffixes[targetPanelType]);
  }
  return title;
}

namespace {

using Line = ChecklistLine;
using Also = StepEffect::Also;
constexpr std::nullopt_t kNone = std::nullopt;

const StepEffect kStepEffects[] = {
    // step                   enable    check (panel)  check (multiplexer)
    {kStepClearStart,         Line::L1, kNone,         kNone},
    {kStepSysAttrStart,       Line::L4, Line::L3,      Line::L3},
    {kStepPlcAttrStart,       Line::L6, Line::L5,      Line::L3},
    {kStepPlcAttrDone,        kNone,    Line::L6,      Line::L6,  Also::CloseButton},
    {kStepMapStart,           Line::L3, Line::L2,      Line::L1,  Also::ClearStatus},
    {kStepDriverStart,        Line::L5, Line::L4,      kNone},
    {kStepMessagesStart,      Line::L2, Line::L1,      Line::L1},
    {kStepReadSysAttrStart,   Line::L2, kNone,         kNone},
    {kStepReadMessagesStart,  Line::L3, Line::L2,      Line::L2},
    {kStepReadPlcAttrStart,   Line::L5, Line::L4,      Line::L4},
    {kStepReadPlcAttrDone,    kNone,    Line::L5,      Line::L5,  Also::CloseButton},
    {kStepStatusText,         kNone,    kNone,         kNone,     Also::ShowStatus},
    {kStepUnitFinished,       kNone,    kNone,         kNone,     Also::ResetLines},
    {kStepWriteFinished,      kNone,    kNone,         kNone,     Also::Finish},
    {kStepReadFinished,       kNone,    kNone,         kNone,     Also::Finish},
    {kStepReadTagsStart,      Line::L4, Line::L3,      kNone},
};

}  // namespace

const StepEffect& StepEffectOf(int step) {
  static const StepEffect kNoEffect;
  for (const StepEffect& effect : kStepEffects) {
    if (effect.step == step) return effect;
  }
  return kNoEffect;
}

std::string SuccessText(int step, bool multiplexerProject) {
  if (step == kStepWriteFinished) {
    return multiplexerProject ? "Project has been written to the multiplexer and/or panel(s) successfully."
                              : "Project has been written to the panel successfully.";
  }
  if (step == kStepReadFinished) {
    return multiplexerProject ? "Project has been read from the multiplexer and panel(s) successfully."
                              : "Project has been read from the panel successfully.";
  }
  return "";
}

ConnectionTestResult RunConnectionTest(const std::string& portName, Interaction& interaction) {
  ConnectionTestResult result;
  std::unique_ptr<TQMXResp> response;
  {
    TQMXComm link(portName, nullptr);
    if (!link.ok) {
      result.errorText = link.errorText;
      result.hint = link.OpenHint();
      return result;
    }
    TQMStatusIdCmd status;
    response = link.Transact(status);
  }
  // The port is closed before the driver is looked up among the PLC libraries.
  if (auto* panel = dynamic_cast<TQMStatusIdResp*>(response.get())) {
    result.unit = DescribeUnit(*panel, false, 1, interaction);
    return result;
  }
  SetLinkSpeed(38400);
  {
    TQMXComm link(portName, nullptr);
    if (!link.ok) {
      result.errorText = link.errorText;
      result.hint = link.OpenHint();
      return result;
    }
    TQMSwitchPrtCmd toMultiplexer(0);
    response = link.Transact(toMultiplexer);
    if (dynamic_cast<TQMStdResp*>(response.get())) {
      // The multiplexer listens on its own port now; its status answers the question.
      TQMStatusIdCmd status;
      response = link.Transact(status);
    }
  }
  if (auto* multiplexer = dynamic_cast<TQMMuxStatusIdResp*>(response.get())) {
    result.unit = DescribeUnit(*multiplexer, true, 1, interaction);
    return result;
  }
  auto* error = dynamic_cast<TQMErrorResp*>(response.get());
  result.errorText =
      std::string("ERROR On ") + "COM Port. " + (error ? error->GetErrorText() : kUnknownErrorText);
  return result;
}

}  // namespace lumora

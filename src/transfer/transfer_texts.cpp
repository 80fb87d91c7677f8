#include "transfer/transfer_texts.h"

#include <cstdio>

#include "link/commands.h"
#include "link/link_speed.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "model/translation.h"
#include "transfer/panel_information.h"
#include "transfer/transfer_context.h"

namespace lumora {

std::array<std::string, kChecklistLines> ChecklistTexts(TransferOperation operation) {
  if (operation == TransferOperation::Read) {
    return {"",
            translate("Core", "Reading System Attributes"),
            translate("Core", "Reading Messages"),
            translate("Core", "Reading Tags"),
            translate("Core", "Reading PLC Attributes"),
            ""};
  }
  return {translate("Core", "Clearing Memory."),    translate("Core", "Writing Messages."),
          translate("Core", "Writing Map Data."),   translate("Core", "Writing system attributes."),
          translate("Core", "Writing PLC driver."), translate("Core", "Writing PLC attributes. ")};
}

std::string OperationTitle(TransferOperation operation) {
  switch (operation) {
    case TransferOperation::Write:
      return translate("Core", "Writing to Panel");
    case TransferOperation::Read:
      return translate("Core", "Reading from Panel");
    case TransferOperation::PanelFirmware:
    case TransferOperation::MultiplexerFirmware:
      break;
  }
  return translate("Core", "DownLoading Firmware...");
}

std::string TargetTitle(TransferOperation operation, int targetPanelType, int targetPort) {
  if (IsFirmware(operation)) return translate("Core", "Writing to Panel");
  static const char* kSuffixes[] = {"",
                                    QT_TRANSLATE_NOOP("Core", " - QM210 Panel"),
                                    QT_TRANSLATE_NOOP("Core", " - QM210G Panel"),
                                    QT_TRANSLATE_NOOP("Core", " - QM210K Panel"),
                                    QT_TRANSLATE_NOOP("Core", " - QM410 Panel"),
                                    QT_TRANSLATE_NOOP("Core", " - QMSV Panel"),
                                    QT_TRANSLATE_NOOP("Core", " - Multiplexer Panel")};
  if (targetPanelType < 0 || targetPanelType > 6) return translate("Core", "Writing to Panel");
  std::string suffix = targetPanelType == 0 ? "" : translate("Core", kSuffixes[targetPanelType]);
  if (targetPort != 0) return Arg(Arg(translate("Core", "Port %1%2"), targetPort), suffix);
  return Arg(translate("Core", "COM Port%1"), suffix);
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
    return multiplexerProject
               ? translate("Core",
                           "Project has been written to the multiplexer and/or panel(s) successfully.")
               : translate("Core", "Project has been written to the panel successfully.");
  }
  if (step == kStepReadFinished) {
    return multiplexerProject
               ? translate("Core", "Project has been read from the multiplexer and panel(s) successfully.")
               : translate("Core", "Project has been read from the panel successfully.");
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
  result.errorText = Arg(translate("Core", "ERROR On COM Port. %1"),
                         error ? error->GetErrorText() : translate("Core", kUnknownErrorText));
  return result;
}

}  // namespace lumora

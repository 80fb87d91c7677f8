#include "transfer/transfer_texts.h"

#include <cstdio>

#include "link/commands.h"
#include "link/link_speed.h"
#include "link/responses.h"
#include "link/serial_link.h"
#include "transfer/panel_information.h"
#include "transfer/transfer_context.h"

namespace lumora {

std::array<std::string, 6> ChecklistTexts(int operation) {
  if (operation == kOperationWrite) {
    return {"Clearing Memory.",           "Writing Messages.",   "Writing Map Data.",
            "Writing system attributes.", "Writing PLC driver.", "Writing PLC attributes. "};
  }
  if (operation == kOperationRead) {
    return {"", "Reading System Attributes", "Reading Messages", "Reading Tags", "Reading PLC Attributes",
            ""};
  }
  return {"Clearing Memory.",           "Writing Messages.",   "Writing Map Data.",
          "Writing system attributes.", "Writing PLC driver.", "Writing PLC attributes. "};
}

std::string OperationTitle(int operation) {
  switch (operation) {
    case kOperationWrite:
      return "Writing to Panel";
    case kOperationRead:
      return "Reading from Panel";
    default:
      return "DownLoading Firmware...";
  }
}

std::string TargetTitle(int operation, int targetPanelType, int targetPort) {
  if (operation == kOperationPanelFirmware || operation == kOperationMultiplexerFirmware)
    return "Writing to Panel";
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

int ChecklistLineForStep(int step) {
  switch (step) {
    case kStepClearStart:
      return 0;
    case kStepMessagesStart:
      return 1;
    case kStepReadSysAttrStart:
      return 1;
    case kStepMapStart:
      return 2;
    case kStepReadMessagesStart:
      return 2;
    case kStepSysAttrStart:
      return 3;
    case kStepReadTagsStart:
      return 3;
    case kStepDriverStart:
      return 4;
    case kStepReadPlcAttrStart:
      return 4;
    case kStepPlcAttrStart:
      return 5;
    default:
      return -1;
  }
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

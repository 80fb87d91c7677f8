#pragma once
// The texts a transfer shows: window titles per operation and target, the checklist lines, the success
// messages, and the welcome screen's connection test.

#include <array>
#include <memory>
#include <string>

namespace lumora {

class Interaction;
class TQMStatusResp;

// Six checklist lines; a read shows only lines 2 to 5.
std::array<std::string, 6> ChecklistTexts(int operation);
std::string OperationTitle(int operation);
// "Port 2 - QM210 Panel", "COM Port - Multiplexer Panel"; "Writing to Panel" for firmware and unknown types.
std::string TargetTitle(int operation, int targetPanelType, int targetPort);
// The line a checklist step makes current (0..5), or -1 when the step starts no line.
int ChecklistLineForStep(int step);
// The success message of step 19 (write) or 20 (read); "" for other steps.
std::string SuccessText(int step, bool multiplexerProject);

// What a connection test found: a panel, the multiplexer, or nothing (the error text).
struct ConnectionTestResult {
  std::unique_ptr<TQMStatusResp> status;
  bool multiplexer = false;
  std::string errorText;  // shown as it is, in a plain message box
  std::string hint;       // one line on a serial port that could not be opened
};
// A panel at the current link speed, else a multiplexer at 38400 bit/s.
ConnectionTestResult RunConnectionTest(const std::string& portName);

}  // namespace lumora

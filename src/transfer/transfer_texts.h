#pragma once
// The texts a transfer shows: window titles per operation and target, the checklist lines, the success
// messages, and the welcome screen's connection test.

#include <array>
#include <optional>
#include <string>

#include "transfer/unit_information.h"

namespace lumora {

class Interaction;

inline constexpr const char* kC001Text =
    "Error C001: The panel connected to the PC is different from the configured one";
inline constexpr const char* kMultiplexerPanelMismatchText =
    "The panel connected to the multiplexer is different from the configured one. ";
inline constexpr const char* kC002Text = "Error C002: Cannot Locate the Driver File";
inline constexpr const char* kC006Text =
    "Error C006: Error in reading the project from the panel. Project in the panel is corrupted.";
inline constexpr const char* kZ003Text = "Error Z003: The file may be corrupted";
inline constexpr const char* kZ004Text = "Error Z004: Unable to open the PLC driver file.";
inline constexpr const char* kZ008Text = "Error Z008:  Invalid Device Type";
inline constexpr const char* kT006Text = "Error T006:  Error in reading PLC Addresses";
inline constexpr const char* kTagListRebuildText = "Error in rebuilding the tag list";
// A cleared panel, or one never written, answers the tag dump with no table at all.
inline constexpr const char* kPanelHoldsNoProjectText =
    "The panel holds no project: it was cleared or has never been written.";
inline constexpr const char* kEnsureConnectedText =
    "Please ensure all panels are connected to the multiplexer and click OK.";
inline constexpr const char* kInvalidRevisionText = "Not a valid firmware revision number";
inline constexpr const char* kOldFirmwareFormat =
    "The panel has an older version of the firmware (%s) which is not compatible \nwith this program loader. "
    " Some "
    "of the latest panel features may not be \navailable in this firmware. The latest firmware is available "
    "in "
    "directory:\n%s  \nPlease use Panel->Upgrade Firmware option to upload new firmware to the panel.";
inline constexpr const char* kT007Text = "Error T007: Unknown access type specified for PLC Address.";

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
  std::optional<UnitInformation> unit;
  std::string errorText;  // shown as it is, in a plain message box
  std::string hint;       // one line on a serial port that could not be opened
};
// A panel at the current link speed, else a multiplexer at 38400 bit/s. `interaction` hears what the
// PLC libraries say while the panel's driver is looked up by its ids.
ConnectionTestResult RunConnectionTest(const std::string& portName, Interaction& interaction);

}  // namespace lumora

#pragma once
// The texts a transfer shows: window titles per operation and target, the checklist lines, the success
// messages, and the welcome screen's connection test.

#include <array>
#include <optional>
#include <string>

#include "model/translation.h"
#include "transfer/transfer_context.h"
#include "transfer/unit_information.h"

namespace lumora {

class Interaction;

inline constexpr const char* kC001Text = QT_TRANSLATE_NOOP(
    "Core", "Error C001: The panel connected to the PC is different from the configured one");
inline constexpr const char* kMultiplexerPanelMismatchText = QT_TRANSLATE_NOOP(
    "Core", "The panel connected to the multiplexer is different from the configured one. ");
inline constexpr const char* kC002Text =
    QT_TRANSLATE_NOOP("Core", "Error C002: Cannot Locate the Driver File");
inline constexpr const char* kC006Text = QT_TRANSLATE_NOOP(
    "Core", "Error C006: Error in reading the project from the panel. Project in the panel is corrupted.");
inline constexpr const char* kZ003Text = QT_TRANSLATE_NOOP("Core", "Error Z003: The file may be corrupted");
inline constexpr const char* kZ004Text =
    QT_TRANSLATE_NOOP("Core", "Error Z004: Unable to open the PLC driver file.");
inline constexpr const char* kZ008Text = QT_TRANSLATE_NOOP("Core", "Error Z008:  Invalid Device Type");
inline constexpr const char* kT006Text =
    QT_TRANSLATE_NOOP("Core", "Error T006:  Error in reading PLC Addresses");
inline constexpr const char* kTagListRebuildText =
    QT_TRANSLATE_NOOP("Core", "Error in rebuilding the tag list");
// A cleared panel, or one never written, answers the tag dump with no table at all.
inline constexpr const char* kPanelHoldsNoProjectText =
    QT_TRANSLATE_NOOP("Core", "The panel holds no project: it was cleared or has never been written.");
// A write that keeps the unit's previous project: the status line while it is read, and the notes on a
// unit that held none and on a panel of a multiplexer system connected directly (its tags refer to the
// multiplexer's table, so it cannot be read alone).
inline constexpr const char* kReadingBeforeWriteText =
    QT_TRANSLATE_NOOP("Core", "Reading the unit's project first");
inline constexpr const char* kNothingKeptBeforeWriteText =
    QT_TRANSLATE_NOOP("Core", "The unit held no project: nothing was kept before the write.");
inline constexpr const char* kDirectPanelNotKeptText = QT_TRANSLATE_NOOP(
    "Core",
    "A panel connected directly cannot be read without its multiplexer: nothing was kept before the write.");
inline constexpr const char* kEnsureConnectedText =
    QT_TRANSLATE_NOOP("Core", "Please ensure all panels are connected to the multiplexer and click OK.");
inline constexpr const char* kInvalidRevisionText =
    QT_TRANSLATE_NOOP("Core", "Not a valid firmware revision number");
inline constexpr const char* kOldFirmwareFormat = QT_TRANSLATE_NOOP(
    "Core",
    "The panel has an older version of the firmware (%1) which is not compatible \nwith this program loader. "
    " Some "
    "of the latest panel features may not be \navailable in this firmware. The latest firmware is available "
    "in "
    "directory:\n%2  \nPlease use Panel->Upgrade Firmware option to upload new firmware to the panel.");
inline constexpr const char* kT007Text =
    QT_TRANSLATE_NOOP("Core", "Error T007: Unknown access type specified for PLC Address.");

// The six checklist lines of the progress dialog, top to bottom.
enum class ChecklistLine : int { L1, L2, L3, L4, L5, L6 };
inline constexpr int kChecklistLines = 6;

// The lines' texts; a read shows only L2 to L5.
std::array<std::string, kChecklistLines> ChecklistTexts(TransferOperation operation);
std::string OperationTitle(TransferOperation operation);
// "Port 2 - QM210 Panel", "COM Port - Multiplexer Panel"; "Writing to Panel" for firmware and unknown types.
std::string TargetTitle(TransferOperation operation, int targetPanelType, int targetPort);

// What a checklist step (write and read) does to the checklist: the line it takes out of grey (the line
// now being worked on), the line it checks while a panel or the multiplexer is addressed, and what else.
struct StepEffect {
  int step = 0;
  std::optional<ChecklistLine> enable;
  std::optional<ChecklistLine> checkForPanel;
  std::optional<ChecklistLine> checkForMultiplexer;
  enum class Also { Nothing, ClearStatus, ShowStatus, CloseButton, ResetLines, Finish };
  Also also = Also::Nothing;
};
// The step's effect; a step without one has none.
const StepEffect& StepEffectOf(int step);

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

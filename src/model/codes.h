#pragma once
// The fixed code tables of the project: panel types, value types, access, LED and button modes.
// The numbers are stored in project files and sent to panels.

#include <cstdint>
#include <string>

namespace lumora {

enum PanelType : int {
  kPanelNone = 0,
  kPanelQM210 = 1,
  kPanelQM210G = 2,
  kPanelQM210K = 3,
  kPanelQM410 = 4,
  kPanelQMSV = 5,
  kPanelMultiplexer = 6,  // only a port label and a link target
};

enum ValueType : int { kBcd16 = 0, kBinary16 = 1, kBcd32 = 2, kBinary32 = 3 };
enum AccessType : int { kReadWrite = 0, kReadOnly = 1, kWriteOnly = 2 };
enum LedMode : int { kLedByButton = 0, kLedByButtonFlash = 1, kLedByPlc = 2 };
enum ButtonMode : int { kButtonMomentary = 0, kButtonAlternate = 1, kButtonPanelSetPlcRelease = 2 };

inline constexpr int kMaxMessagesPerPanel = 256;
inline constexpr int kMaxAddressesPerPanel = 300;
inline constexpr int kNoTagIndex = 0xFFFF;

// Panel type table. Unknown codes answer 0 (and "NULL" as model text).
std::string PanelModelText(int panelType);
int PanelLineCount(int panelType);
int PanelCharsPerMessage(int panelType);
int PanelTreeDepth(int panelType);
int PanelFixedAddressCount(int panelType);
bool IsTextPanelType(int panelType);
// Port label: "QM210\nPort2"; code 6 reads "Multiplexer"; a port without a panel only "\nPort%d".
std::string PortLabelText(int panelType, int port);
// The model name shown by the panel information ("Multiplexer" for 6, empty for unknown codes).
std::string UnitModelName(int panelType);

// Value type table.
const char* ValueTypeText(int valueType);  // "BCD/Int 16" .. ; "" for unknown codes (English, for files)
int ValueTypeWidthBytes(int valueType);    // 2 or 4
uint32_t ValueTypeMaxValue(int panelType, int valueType);
int ValueTypeMaxPositions(int valueType);  // 5, 5, 8, 10
// The code by which PLC libraries and panels know a value type: 8, 5, 9, 6; and back (-1 if unknown).
int ValueTypeWireCode(int valueType);
int ValueTypeFromWireCode(int code);

const char* AccessShortText(int accessType);  // "R/W", "R", "W"
const char* AccessListText(int accessType);   // "Read/Write", "Read only"
const char* LedModeText(int mode);
const char* ButtonModeText(int mode);

}  // namespace lumora

#include "model/codes.h"

#include <array>
#include <cstdio>

#include "model/translation.h"

namespace lumora {
namespace {

struct PanelTypeRow {
  const char* modelText;
  int lines;
  int chars;
  int treeDepth;
  int fixedAddresses;
};

constexpr std::array<PanelTypeRow, 6> kPanelTypes = {{
    {"NOT CONFIGURED...", 0, 0, 0, 0},
    {"QM210", 2, 20, 4, 4},
    {"QM210G", 2, 20, 4, 4},
    {"QM210K", 2, 20, 4, 5},
    {"QM410", 4, 20, 4, 6},
    {"QMSV", 1, 16, 1, 1},
}};

const PanelTypeRow* Row(int panelType) {
  if (panelType < 0 || panelType >= static_cast<int>(kPanelTypes.size())) return nullptr;
  return &kPanelTypes[static_cast<size_t>(panelType)];
}

}  // namespace

std::string PanelModelText(int panelType) {
  const PanelTypeRow* row = Row(panelType);
  return row ? row->modelText : "NULL";
}
int PanelLineCount(int panelType) {
  return Row(panelType) ? Row(panelType)->lines : 0;
}
int PanelCharsPerMessage(int panelType) {
  return Row(panelType) ? Row(panelType)->chars : 0;
}
int PanelTreeDepth(int panelType) {
  return Row(panelType) ? Row(panelType)->treeDepth : 0;
}
int PanelFixedAddressCount(int panelType) {
  return Row(panelType) ? Row(panelType)->fixedAddresses : 0;
}
bool IsTextPanelType(int panelType) {
  return panelType >= kPanelQM210 && panelType <= kPanelQM410;
}

std::string UnitModelName(int panelType) {
  if (panelType == kPanelMultiplexer) return "Multiplexer";
  if (panelType >= kPanelQM210 && panelType <= kPanelQMSV) return PanelModelText(panelType);
  return "";
}

std::string PortLabelText(int panelType, int port) {
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "\nPort%d", port);
  return UnitModelName(panelType) + suffix;
}

const char* ValueTypeText(int valueType) {
  switch (valueType) {
    case kBcd16:
      return QT_TRANSLATE_NOOP("Core", "BCD/Int 16");
    case kBinary16:
      return QT_TRANSLATE_NOOP("Core", "Binary/Int 16");
    case kBcd32:
      return QT_TRANSLATE_NOOP("Core", "BCD/Int 32");
    case kBinary32:
      return QT_TRANSLATE_NOOP("Core", "Binary/Int 32");
    default:
      return "";
  }
}

int ValueTypeWidthBytes(int valueType) {
  return valueType == kBcd32 || valueType == kBinary32 ? 4 : 2;
}

uint32_t ValueTypeMaxValue(int panelType, int valueType) {
  switch (valueType) {
    case kBcd16:
      return 9999;
    case kBinary16:
      return 65535;
    case kBcd32:
      return 99999999;
    case kBinary32:
      return panelType == kPanelQMSV ? 99999999u : 4294967295u;
    default:
      return 0;
  }
}

int ValueTypeMaxPositions(int valueType) {
  switch (valueType) {
    case kBcd32:
      return 8;
    case kBinary32:
      return 10;
    default:
      return 5;
  }
}

int ValueTypeWireCode(int valueType) {
  switch (valueType) {
    case kBcd16:
      return 8;
    case kBinary16:
      return 5;
    case kBcd32:
      return 9;
    case kBinary32:
      return 6;
    default:
      return 8;
  }
}

int ValueTypeFromWireCode(int code) {
  switch (code) {
    case 8:
      return kBcd16;
    case 5:
      return kBinary16;
    case 9:
      return kBcd32;
    case 6:
      return kBinary32;
    default:
      return -1;
  }
}

const char* AccessShortText(int accessType) {
  switch (accessType) {
    case kReadOnly:
      return "R";
    case kWriteOnly:
      return "W";
    default:
      return "R/W";
  }
}

const char* AccessListText(int accessType) {
  return accessType == kReadOnly ? "Read only" : "Read/Write";
}

const char* LedModeText(int mode) {
  switch (mode) {
    case kLedByButton:
      return QT_TRANSLATE_NOOP("Core", "By Button");
    case kLedByButtonFlash:
      return QT_TRANSLATE_NOOP("Core", "By Button & Flash");
    case kLedByPlc:
      return QT_TRANSLATE_NOOP("Core", "By PLC");
    default:
      return "";
  }
}

const char* ButtonModeText(int mode) {
  switch (mode) {
    case kButtonMomentary:
      return QT_TRANSLATE_NOOP("Core", "Momentary");
    case kButtonAlternate:
      return QT_TRANSLATE_NOOP("Core", "Alternate");
    case kButtonPanelSetPlcRelease:
      return QT_TRANSLATE_NOOP("Core", "Panel Set & PLC Release");
    default:
      return "";
  }
}

}  // namespace lumora

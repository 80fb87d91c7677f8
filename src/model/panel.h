#pragma once
// A panel of the project with its messages, buttons/LEDs and system PLC addresses, and the multiplexer's
// table of which panel type sits on which port.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/message.h"

namespace lumora {

struct TQMButtonLed {
  TQMButtonLed();
  bool Equals(const TQMButtonLed& other) const;
  void SetProject(TQMProject* owner);

  TQMTag ledWord;
  TQMTag buttonWord;
  std::array<int32_t, 5> ledMode{};
  std::array<int32_t, 5> buttonMode{};
};

// LED modes packed for the panel's system attributes: bit i for modes 0 and 1, bit i+5 for mode 1.
uint16_t PackLedModes(const std::array<int32_t, 5>& modes);
// (bit i+5, bit i): (0,1) mode 0, (1,1) mode 1, (0,0) mode 2, (1,0) leaves the mode unchanged.
void UnpackLedModes(uint16_t word, std::array<int32_t, 5>& modes);

class TQMPanel {
 public:
  TQMPanel(TQMProject* owner, int type);
  TQMPanel(const TQMPanel& other);
  TQMPanel& operator=(const TQMPanel& other);

  // Full copy of every field except the project back-reference.
  void Assign(const TQMPanel& other);
  // This panel takes over `other`'s content as far as its type allows (a change of model).
  void AssignCompatible(const TQMPanel& other);

  int LineCount() const { return PanelLineCount(panelType); }
  int CharsPerMessage() const { return PanelCharsPerMessage(panelType); }
  int TreeDepth() const { return PanelTreeDepth(panelType); }
  int FixedAddressCount() const { return PanelFixedAddressCount(panelType); }
  uint32_t MaxValue(int valueType) const { return ValueTypeMaxValue(panelType, valueType); }
  std::string ModelText() const { return PanelModelText(panelType); }
  bool IsSetPointPanel() const { return panelType == kPanelQMSV; }
  bool IsKeypadPanel() const { return panelType == kPanelQM210K; }
  bool UsesButtons() const { return panelType != kPanelQMSV; }

  bool HasLocalMessage() const;
  int LocalMessageCount() const;
  void ListUnconfigured(std::vector<std::string>& lines) const;
  int AddressCount() const;
  // Whether some message's data item 1 takes its password from the PLC's password register.
  bool UsesPlcPassword() const;
  void BuildTagList(TQMTagList& list);
  void ResolveFromTagList(const TQMTagList& list);
  void ForEachTag(const std::function<void(TQMTag&)>& fn);
  bool Equals(const TQMPanel& other) const;

  void Save(LineWriter& file) const;
  void Load(LineReader& file, int formatVersion);

  TQMMessage NewMessage();
  void ReseatBackReferences();

  int32_t port = 1;
  int32_t panelType = kPanelQM210;
  std::vector<TQMMessage> messages;
  TQMButtonLed buttonLeds;
  TQMTag annunciatorWord;
  int32_t firstLocalNumber = 0;
  std::array<TQMTag, 4> lineRegisters;
  uint32_t localPassword = 0;
  TQMTag passwordRegister;
  TQMProject* project = nullptr;
  bool beeperEnabled = true;
  bool plcMessageDelay = true;
  bool cursorOnPlcMessage = true;
};

struct TQMMultiplexer {
  int32_t selectedPort = 1;
  std::array<int32_t, 5> portType{kPanelQM210, kPanelNone, kPanelNone, kPanelNone, kPanelNone};

  void SetPortFromPanel(const TQMPanel& panel);
  bool HasPanel(int port) const;
  void ClearPort(int port);
  int ConfiguredPortCount() const;
  void Clear() { portType.fill(kPanelNone); }
  bool operator==(const TQMMultiplexer&) const = default;
};

}  // namespace lumora

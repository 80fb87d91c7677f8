#pragma once
// The in-memory project: panels, messages, PLC addresses (tags), buttons/LEDs and PLC settings.
// Records are values; back-references (tag -> project, message -> panel, panel -> project) are plain
// non-owning pointers that every copy re-seats.

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/codes.h"
#include "model/plc_environment.h"
#include "model/tag_map_file.h"

namespace lumora {

class Interaction;
class LineReader;
class LineWriter;
class TQMPanel;
class TQMProject;
class TQMTagList;

inline constexpr const char* kProjectMarkerV1 = "KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV1";
inline constexpr const char* kProjectMarkerV0 = "KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV";

// Thrown while a project loads; Load shows its text and fails.
class TQMException : public std::exception {
 public:
  explicit TQMException(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Services the model reaches through: prompts and the PLC layer. Not owned.
struct CoreServices {
  Interaction* interaction = nullptr;
  PlcEnvironment* plc = nullptr;

  Interaction& Ui() const;
};

class TQMTag {
 public:
  explicit TQMTag(TQMProject* owner = nullptr) : project(owner) {}
  virtual ~TQMTag() = default;
  TQMTag(const TQMTag&) = default;
  TQMTag& operator=(const TQMTag&) = default;

  virtual void Reset();
  virtual void AppendTo(std::string& text) const;
  virtual void Save(LineWriter& file) const;
  virtual void LoadFrom(std::string& text);
  virtual void Load(LineReader& file);
  virtual std::string AccessText() const { return "R"; }

  bool Equals(const TQMTag& other) const;
  bool IsEmpty() const { return address.empty(); }
  // The address-entry form: "tag name\taddress"; without a TAB all of it is the address.
  void SetEntry(std::string_view entry);
  std::string Entry() const;
  virtual void SetProject(TQMProject* owner) { project = owner; }

  int index = kNoTagIndex;
  int valueType = kBcd16;
  std::string address;
  std::string tagName;
  std::vector<uint8_t> encodedAddress;
  // Access kind the PLC library reported when the address was last validated (0 r/w, 1 r, 2 w).
  int addressAccess = 0;
  TQMProject* project = nullptr;

 protected:
  void SaveTagLines(LineWriter& file) const;
  void LoadTagLines(LineReader& file);
};

class TQMReadWriteTag : public TQMTag {
 public:
  explicit TQMReadWriteTag(TQMProject* owner = nullptr, int32_t defaultMaximum = 9999);

  void Reset() override;
  void AppendTo(std::string& text) const override;
  void Save(LineWriter& file) const override;
  void LoadFrom(std::string& text) override;
  void Load(LineReader& file) override;
  std::string AccessText() const override { return AccessShortText(accessType); }
  void SetProject(TQMProject* owner) override;

  bool Equals(const TQMReadWriteTag& other) const;

  bool passwordProtected = false;
  int16_t fixedDecimals = -1;
  bool limitsEnabled = false;
  int32_t maxValue = 9999;
  int32_t minValue = 0;
  TQMTag decimalPointTag;
  bool variableDecimal = false;
  bool useLocalPassword = true;
  int accessType = kReadWrite;
  int32_t defaultMax = 9999;
};

class TQMTagList {
 public:
  // An empty address gets index 0xFFFF and is not listed; otherwise the tag's index becomes its 1-based
  // position and a copy is appended.
  void Register(TQMTag& tag);
  void Append(const TQMTag& tag) { tags.push_back(tag); }
  size_t size() const { return tags.size(); }
  bool empty() const { return tags.empty(); }
  void clear() { tags.clear(); }
  const TQMTag& operator[](size_t i) const { return tags[i]; }
  TQMTag& operator[](size_t i) { return tags[i]; }

  std::vector<TQMTag> tags;
};

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

class TQMMessage {
 public:
  explicit TQMMessage(TQMProject* owner = nullptr, TQMPanel* ownerPanel = nullptr);

  bool Equals(const TQMMessage& other) const;
  void Save(LineWriter& file) const;
  void Load(LineReader& file, int formatVersion);
  // The one-message clipboard form: the file lines, with the leading-zero lines always present.
  void AppendTo(std::string& text) const;
  void LoadFrom(std::string& text);
  void ResetDataItems();
  int AddressCount() const;
  void RegisterTags(TQMTagList& list);
  void ResolveTags(const TQMTagList& list);
  // Data item 1..3 is present when its marker is in the text (item 1 also on a QMSV with a set point).
  bool HasDataItem(int item) const;
  bool IsSetPointPanel() const;
  void SetOwners(TQMProject* owner, TQMPanel* ownerPanel);

  int32_t number = 0;
  int32_t isFolder = 0;
  int16_t level = 0;
  std::string text;
  TQMReadWriteTag data1;
  TQMTag data2;
  TQMTag data3;
  int32_t isPlcMessage = 0;
  bool hasSetPoint = false;
  TQMPanel* panel = nullptr;
  std::array<bool, 3> leadingZeros{};

 private:
  void WriteLines(LineWriter& file, bool withLeadingZeros) const;
  void ReadLines(LineReader& file, bool withLeadingZeros);
};

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

struct TQMPlcSettings {
  std::string plcName;
  std::string libraryName;
  int32_t addressSize = 0;
  std::vector<uint8_t> plcAttributes;

  int ManufacturerId() const { return plcAttributes.size() > 0 ? plcAttributes[0] : 0; }
  int ModelId() const { return plcAttributes.size() > 1 ? plcAttributes[1] : 0; }
  // Rebuilds the 32-byte header from the ids: the two ids and 30 zero bytes.
  void SetHeader(int manufacturerId, int modelId);
  bool Equals(const TQMPlcSettings& other) const;
  void Save(LineWriter& file) const;
};

class TQMProject {
 public:
  explicit TQMProject(CoreServices services = {});
  TQMProject(const TQMProject& other);
  TQMProject& operator=(const TQMProject& other);
  // Moves keep the loaded library and re-seat every back-reference to the new object.
  TQMProject(TQMProject&& other) noexcept;
  TQMProject& operator=(TQMProject&& other) noexcept;
  ~TQMProject();

  void Save(LineWriter& file) const;
  // Loads a project file held in `file`. Failures show their own messages where the format says so;
  // the caller shows Z002 on false.
  bool Load(LineReader& file);
  void SaveSelectedPanel(LineWriter& file);
  bool LoadTagMap();

  void PutPanel(const TQMPanel& panel);
  void RemoveSelectedPanel();
  TQMPanel* FindPanel(int port);
  const TQMPanel* FindPanel(int port) const;
  // The panel on the multiplexer's selected port (the one panel of a single-panel project).
  TQMPanel* CurrentPanel() { return FindPanel(multiplexer.selectedPort); }
  TQMPanel& AddPanel(int panelType, int port);
  void ClearAllAddresses();
  void ForEachTag(const std::function<void(TQMTag&)>& fn);
  bool ReloadPlcLibrary(const std::string& path);
  bool Equals(const TQMProject& other) const;
  // The tag-map table that applies to a panel of the given type.
  const TagMapTable& TagMapFor(int panelType) const;

  size_t PanelCount() const { return panels.size(); }
  TQMPanel& Panel(size_t i) { return *panels[i]; }
  const TQMPanel& Panel(size_t i) const { return *panels[i]; }

  bool modified = false;
  bool tagMapLinked = false;
  int32_t systemType = 0;
  std::vector<std::unique_ptr<TQMPanel>> panels;
  TQMMultiplexer multiplexer;
  TQMPlcSettings plcSettings;
  std::unique_ptr<PlcModule> plcLibrary;
  TagMapTable textPanelTagMap;
  TagMapTable setPointTagMap;
  std::string fileName;
  std::string tagMapPath;
  CoreServices services;

 private:
  void CopyFrom(const TQMProject& other);
  void MoveFrom(TQMProject& other) noexcept;
  bool LoadBody(LineReader& file, int version);
  void OfferBackup(LineReader& file, const std::string& marker);
};

// Message limits the editors check before they add a message.
// "Error M001" when the panel already holds 256 messages.
std::string CheckRoomForMessage(const TQMPanel& panel);
// "Error M003" when a new PLC message number exceeds 256 minus the number of local messages.
std::string CheckPlcMessageNumber(const TQMPanel& panel, int number);
// "Error T001" when adding `message` would take the panel above 300 PLC addresses.
std::string CheckAddressLimit(const TQMPanel& panel, const TQMMessage& message);
// The number a new PLC message takes: after `selectedNumber` (after the last PLC message when 0),
// skipping numbers already taken.
int NextPlcMessageNumber(const TQMPanel& panel, int selectedNumber);

}  // namespace lumora

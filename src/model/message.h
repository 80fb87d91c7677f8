#pragma once
// One message of a panel: a display line whose text may embed up to three live PLC values.

#include <array>
#include <cstdint>
#include <string>

#include "model/tag.h"

namespace lumora {

class TQMPanel;

class TQMMessage {
 public:
  explicit TQMMessage(TQMProject* owner = nullptr, TQMPanel* ownerPanel = nullptr);

  bool Equals(const TQMMessage& other) const;
  // The file layout; version 0 files have no leading-zero lines.
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
};

}  // namespace lumora

#pragma once
// A PLC address of the project (`TQMTag`), the read/write data item with its operator-entry settings
// (`TQMReadWriteTag`) and the per-panel list that gives tags their wire indexes (`TQMTagList`).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/codes.h"

namespace lumora {

class LineReader;
class LineWriter;
class TQMProject;

class TQMTag {
 public:
  explicit TQMTag(TQMProject* owner = nullptr) : project(owner) {}
  virtual ~TQMTag() = default;
  TQMTag(const TQMTag&) = default;
  TQMTag& operator=(const TQMTag&) = default;

  virtual void Reset();
  // The tag's file lines appended to / taken from the front of a text buffer (the clipboard form).
  void AppendTo(std::string& text) const;
  void LoadFrom(std::string& text);
  // The file layout (project_writer.cpp / project_reader.cpp).
  virtual void Save(LineWriter& file) const;
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
  void Save(LineWriter& file) const override;
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
  // The tag at a 1-based index, or null when the index is 0xFFFF or beyond the list.
  const TQMTag* At(int index) const;

  std::vector<TQMTag> tags;
};

// Takes the value type, address, tag name and encoded address of the list entry at `tag.index`; an index
// outside the list leaves the tag unchanged.
void ResolveFromList(TQMTag& tag, const TQMTagList& list);

}  // namespace lumora

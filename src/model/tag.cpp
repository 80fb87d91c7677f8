#include "model/tag.h"

#include <algorithm>

#include "model/project.h"

namespace lumora {

void TQMTag::Reset() {
  valueType = kBcd16;
  address.clear();
  tagName.clear();
  encodedAddress.clear();
  addressAccess = 0;
}

bool TQMTag::Equals(const TQMTag& other) const {
  if (IsEmpty() && other.IsEmpty()) return true;
  if (valueType != other.valueType) return false;
  // Bytes past both encodings count as zero in both, so comparing more of them cannot differ (and a
  // damaged address size must not make this a long loop).
  size_t count = std::max(encodedAddress.size(), other.encodedAddress.size());
  if (project && project->plcSettings.addressSize > 0) {
    count = std::min(count, static_cast<size_t>(project->plcSettings.addressSize));
  }
  for (size_t i = 0; i < count; ++i) {
    uint8_t mine = i < encodedAddress.size() ? encodedAddress[i] : 0;
    uint8_t theirs = i < other.encodedAddress.size() ? other.encodedAddress[i] : 0;
    if (mine != theirs) return false;
  }
  return true;
}

void TQMTag::SetEntry(std::string_view entry) {
  size_t tab = entry.find('\t');
  if (tab == std::string_view::npos) {
    address = std::string(entry);
    tagName.clear();
  } else {
    tagName = std::string(entry.substr(0, tab));
    address = std::string(entry.substr(tab + 1));
  }
}

std::string TQMTag::Entry() const {
  return tagName.empty() ? address : tagName + "\t" + address;
}

TQMReadWriteTag::TQMReadWriteTag(TQMProject* owner, int32_t defaultMaximum)
    : TQMTag(owner), decimalPointTag(owner), defaultMax(defaultMaximum) {
  Reset();
}

void TQMReadWriteTag::Reset() {
  passwordProtected = false;
  fixedDecimals = -1;
  limitsEnabled = false;
  maxValue = defaultMax;
  minValue = 0;
  variableDecimal = false;
  useLocalPassword = true;
  decimalPointTag.Reset();
  accessType = kReadWrite;
  TQMTag::Reset();
}

void TQMReadWriteTag::SetProject(TQMProject* owner) {
  TQMTag::SetProject(owner);
  decimalPointTag.SetProject(owner);
}

bool TQMReadWriteTag::Equals(const TQMReadWriteTag& other) const {
  return TQMTag::Equals(other) && passwordProtected == other.passwordProtected &&
         fixedDecimals == other.fixedDecimals && limitsEnabled == other.limitsEnabled &&
         maxValue == other.maxValue && minValue == other.minValue &&
         variableDecimal == other.variableDecimal && useLocalPassword == other.useLocalPassword &&
         accessType == other.accessType && decimalPointTag.Equals(other.decimalPointTag);
}

void TQMTagList::Register(TQMTag& tag) {
  if (tag.IsEmpty()) {
    tag.index = kNoTagIndex;
    return;
  }
  tag.index = static_cast<int>(tags.size()) + 1;
  tags.push_back(tag);
}

const TQMTag* TQMTagList::At(int index) const {
  if (index < 1 || static_cast<size_t>(index) > tags.size()) return nullptr;
  return &tags[static_cast<size_t>(index) - 1];
}

void ResolveFromList(TQMTag& tag, const TQMTagList& list) {
  const TQMTag* entry = list.At(tag.index);
  if (!entry) return;
  tag.valueType = entry->valueType;
  tag.address = entry->address;
  tag.tagName = entry->tagName;
  tag.encodedAddress = entry->encodedAddress;
  tag.addressAccess = entry->addressAccess;
}

}  // namespace lumora

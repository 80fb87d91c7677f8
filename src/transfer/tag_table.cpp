#include "transfer/tag_table.h"

#include <algorithm>

#include "model/project.h"
#include "plc/plc_manager.h"

namespace lumora {

bool SameMapEntry(const TQMTag& a, const TQMTag& b, int addressSize) {
  if (a.address.empty() && b.address.empty()) return true;
  if (a.valueType != b.valueType) return false;
  size_t stored = std::max(a.encodedAddress.size(), b.encodedAddress.size());
  size_t count = std::min(static_cast<size_t>(std::max(addressSize, 0)), stored);
  for (size_t i = 0; i < count; ++i) {
    uint8_t x = i < a.encodedAddress.size() ? a.encodedAddress[i] : 0;
    uint8_t y = i < b.encodedAddress.size() ? b.encodedAddress[i] : 0;
    if (x != y) return false;
  }
  return true;
}

std::vector<TQMTag> BuildMuxTagList(const TQMProject& project, TQMPlcManager& plc) {
  std::vector<TQMTag> tags;
  for (const auto& panel : project.panels) {
    TQMPanel copy(*panel);
    TQMTagList list;
    copy.BuildTagList(list);
    tags.insert(tags.end(), list.tags.begin(), list.tags.end());
  }
  std::stable_sort(tags.begin(), tags.end(), [&plc](const TQMTag& a, const TQMTag& b) {
    return plc.Compare(a.address, b.address) < 0;
  });
  int addressSize = project.plcSettings.addressSize;
  std::vector<TQMTag> unique;
  for (const TQMTag& tag : tags) {
    if (!unique.empty() && SameMapEntry(unique.back(), tag, addressSize)) continue;
    unique.push_back(tag);
  }
  return unique;
}

std::optional<std::vector<uint8_t>> BuildMapImage(const std::vector<TQMTag>& tags, int addressSize,
                                                  bool indexMode, const std::vector<TQMTag>& muxTags) {
  std::vector<uint8_t> image;
  image.push_back(static_cast<uint8_t>(tags.size() >> 8));
  image.push_back(static_cast<uint8_t>(tags.size() & 0xFF));
  // The table names its address size in one byte.
  addressSize = std::clamp(addressSize, 0, 255);
  image.push_back(static_cast<uint8_t>(indexMode ? 2 : addressSize));
  for (const TQMTag& tag : tags) {
    image.push_back(static_cast<uint8_t>(tag.addressAccess));
    image.push_back(static_cast<uint8_t>(ValueTypeWireCode(tag.valueType)));
    image.push_back(static_cast<uint8_t>(ValueTypeWidthBytes(tag.valueType)));
    if (indexMode) {
      auto found = std::find_if(muxTags.begin(), muxTags.end(),
                                [&](const TQMTag& entry) { return SameMapEntry(tag, entry, addressSize); });
      // A tag the multiplexer does not know would shift every later record.
      if (found == muxTags.end()) return std::nullopt;
      size_t index = static_cast<size_t>(found - muxTags.begin());
      image.push_back(static_cast<uint8_t>(index & 0xFF));
      image.push_back(static_cast<uint8_t>(index >> 8));
    } else {
      for (size_t i = 0; i < static_cast<size_t>(addressSize); ++i)
        image.push_back(i < tag.encodedAddress.size() ? tag.encodedAddress[i] : 0);
    }
  }
  return image;
}

bool DecodeTagTable(const std::vector<uint8_t>& image, bool indexMode, const std::vector<TQMTag>& muxTags,
                    TQMPlcManager& plc, TQMProject* owner, std::vector<TQMTag>& tags, int& bytesPerAddress) {
  if (image.size() < 3) return false;
  size_t count = static_cast<size_t>((image[0] << 8) | image[1]);
  bytesPerAddress = image[2];
  size_t stride = indexMode ? 5 : 3 + static_cast<size_t>(bytesPerAddress);
  if (image.size() - 3 < count * stride) return false;
  const uint8_t* records = image.data() + 3;
  for (size_t r = 0; r < count; ++r) {
    const uint8_t* record = records + r * stride;
    TQMTag tag(owner);
    tag.addressAccess = record[0];
    tag.valueType = ValueTypeFromWireCode(record[1]);
    if (tag.valueType < 0) return false;  // a project must stay savable and loadable
    if (indexMode) {
      size_t index = static_cast<size_t>(record[3] + 256 * record[4]);
      if (index >= muxTags.size()) return false;
      tag.encodedAddress = muxTags[index].encodedAddress;
    } else {
      tag.encodedAddress.assign(record + 3, record + 3 + bytesPerAddress);
    }
    tag.address = plc.RebuildText(tag.encodedAddress);
    if (tag.address.empty()) return false;
    tags.push_back(tag);
  }
  return true;
}

}  // namespace lumora

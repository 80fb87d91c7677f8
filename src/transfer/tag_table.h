#pragma once
// The tag table as the panels and the multiplexer store it: a count, the bytes per address, then per tag
// its access, value type code, width and either the encoded address or (a panel behind a multiplexer)
// the 16-bit index of the address in the multiplexer's table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/tag.h"

namespace lumora {

class TQMPlcManager;
class TQMProject;

// Two tags are the same table entry when both have no address, or the value types and the first
// `addressSize` bytes of the encodings agree.
bool SameMapEntry(const TQMTag& a, const TQMTag& b, int addressSize);

// Every panel's tags, sorted by the PLC library's address order, each entry once.
std::vector<TQMTag> BuildMuxTagList(const TQMProject& project, TQMPlcManager& plc);

// The table image. In index mode every tag must be in `muxTags`; nothing when one is not.
std::optional<std::vector<uint8_t>> BuildMapImage(const std::vector<TQMTag>& tags, int addressSize,
                                                  bool indexMode, const std::vector<TQMTag>& muxTags);

// Decodes a table read from a unit into tags with their address texts. Fails (with `error` set to the
// text to report) on a table that does not hold what its header says, an unknown value type, an
// index outside the multiplexer's table or an address the PLC library cannot show.
bool DecodeTagTable(const std::vector<uint8_t>& image, bool indexMode, const std::vector<TQMTag>& muxTags,
                    TQMPlcManager& plc, TQMProject* owner, std::vector<TQMTag>& tags, int& bytesPerAddress);

}  // namespace lumora

#pragma once
// The project's PLC as the editing rules see it: whether it takes an address, and what to say when not.
// The PLC layer answers through the loaded PLC library (plc/plc_address_check.h).

#include <optional>
#include <string>

#include "model/codes.h"
#include "model/interaction.h"

namespace lumora {

class TQMTag;

enum class AddressAccess { Read, ReadWrite };

// How an editor's field names an address: typed as the PLC writes it, or by its tag name from a Plan & Run
// tag map. A tag name stays as it stands; a typed address becomes the PLC's own text.
enum class AddressKind { Typed, TagName };
inline bool KeepsText(AddressKind kind) {
  return kind == AddressKind::TagName;
}

// The access a data item's access type asks of the PLC: read only, else read/write.
inline AddressAccess AccessOf(int accessType) {
  return accessType == kReadOnly ? AddressAccess::Read : AddressAccess::ReadWrite;
}

struct AddressRefusal {
  std::string text;  // empty when the PLC refused without a reason
  MessageIcon icon = MessageIcon::Exclamation;
};

class AddressCheck {
 public:
  virtual ~AddressCheck() = default;
  // Takes `tag`'s address (of its value type) for `access`: an empty address as it is, any other one
  // encoded, its text kept as entered or made the PLC's own. Nothing when taken.
  virtual std::optional<AddressRefusal> Check(TQMTag& tag, AddressAccess access) = 0;
};

}  // namespace lumora

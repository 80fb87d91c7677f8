#include "plc/plc_address_check.h"

#include "model/project.h"

namespace lumora {

PlcAddressCheck::PlcAddressCheck(const TQMProject& project, bool keepText)
    : manager_(project.plcLibrary.get(), heard_), keepText_(keepText), addressSize_(project.plcSettings.addressSize) {}

std::optional<AddressRefusal> PlcAddressCheck::Check(TQMTag& tag, AddressAccess access) {
  heard_.last = AddressRefusal{};
  int requested = access == AddressAccess::Read ? LUMORA_ACCESS_READ : LUMORA_ACCESS_READ_WRITE;
  if (manager_.ValidateTag(tag, requested, keepText_, addressSize_)) return std::nullopt;
  return heard_.last;
}

}  // namespace lumora

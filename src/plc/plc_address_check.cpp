#include "plc/plc_address_check.h"

#include "model/project.h"

namespace lumora {

PlcAddressCheck::PlcAddressCheck(const TQMProject& project, bool keepText)
    : PlcAddressCheck(project.plcLibrary.get(), keepText, project.plcSettings.addressSize) {}

PlcAddressCheck::PlcAddressCheck(const PlcModule* library, bool keepText, int addressSize)
    : manager_(library, heard_), keepText_(keepText), addressSize_(addressSize) {}

std::optional<AddressRefusal> PlcAddressCheck::Check(TQMTag& tag, AddressAccess access) {
  heard_.last = AddressRefusal{};
  int requested = access == AddressAccess::Read ? LUMORA_ACCESS_READ : LUMORA_ACCESS_READ_WRITE;
  if (manager_.ValidateTag(tag, requested, keepText_, addressSize_)) return std::nullopt;
  return heard_.last;
}

}  // namespace lumora

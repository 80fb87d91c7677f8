#include "plc/address_check.h"

namespace lumora {

PlcAddressCheck::PlcAddressCheck(const PlcModule* library, bool keepText, int addressSize)
    : manager_(library, said_), keepText_(keepText), addressSize_(addressSize) {}

std::optional<Notice> PlcAddressCheck::Check(TQMTag& tag, bool readWrite) {
  said_.notice.reset();
  if (manager_.ValidateTag(tag, readWrite ? LUMORA_ACCESS_READ_WRITE : LUMORA_ACCESS_READ, keepText_,
                           addressSize_))
    return std::nullopt;
  return said_.notice.value_or(Notice{});
}

}  // namespace lumora

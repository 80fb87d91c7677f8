#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/firmware_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  lumora::TQMExec panelFirmware(text, 0);
  lumora::TQMExec driver(text, 0x8000);
  if (!panelFirmware.IsValid() && !panelFirmware.GetImage().empty()) __builtin_trap();
  return 0;
}

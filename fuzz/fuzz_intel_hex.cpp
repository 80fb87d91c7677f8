#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "link/firmware_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  lumora::TQMExec panelFirmware(text, 0);
  lumora::TQMExec driver(text, 0x8000);
  for (const lumora::TQMExec* exec : {&panelFirmware, &driver}) {
    // A refused file gives no image; an accepted one always has something to load.
    if (exec->IsValid() == exec->GetImage().empty()) __builtin_trap();
  }
  return 0;
}

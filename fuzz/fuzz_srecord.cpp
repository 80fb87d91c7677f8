#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "link/firmware_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  lumora::TQMMuxExec firmware(text, 0x10000);
  lumora::TQMMuxExec driver(text, 0x210000);
  for (const lumora::TQMMuxExec* exec : {&firmware, &driver}) {
    if (!exec->IsValid() && !exec->GetImage().empty()) __builtin_trap();
  }
  return 0;
}

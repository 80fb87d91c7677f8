// Arbitrary project files through the loader. A loaded project saves, loads again and saves to the
// same bytes; a copy of it equals it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/interaction.h"
#include "model/project.h"
#include "model/text_lines.h"

namespace {

class AnyPlc : public lumora::PlcEnvironment {
 public:
  lumora::PlcCatalogueEntry LookupPlc(int manufacturerId, int) override {
    if (manufacturerId == 0) return {};
    return {"Fuzz PLC", "/fuzz/plc.so"};
  }
  std::unique_ptr<lumora::PlcModule> LoadPlcLibrary(const std::string&, bool& initialised) override {
    initialised = true;
    return std::make_unique<lumora::PlcModule>();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  static AnyPlc plc;
  static SilentInteraction ui;
  std::string text(reinterpret_cast<const char*>(data), size);
  TQMProject project({&ui, &plc});
  LineReader reader(text);
  if (!project.Load(reader)) return 0;
  LineWriter writer;
  project.Save(writer);
  TQMProject again({&ui, &plc});
  LineReader second(writer.Text());
  if (!again.Load(second)) {
    if (project.tagMapLinked) return 0;  // no map file here
    __builtin_trap();
  }
  LineWriter rewritten;
  again.Save(rewritten);
  if (rewritten.Text() != writer.Text()) __builtin_trap();
  if (!again.Equals(project)) __builtin_trap();
  TQMProject copy(project);
  if (!copy.Equals(project)) __builtin_trap();
  LineWriter copied;
  copy.Save(copied);
  if (copied.Text() != writer.Text()) __builtin_trap();
  return 0;
}

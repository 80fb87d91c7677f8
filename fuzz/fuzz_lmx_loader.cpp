// Arbitrary project files through the loader; a loaded project is saved and loaded again.

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
  if (!again.Load(second) && !project.tagMapLinked) __builtin_trap();
  TQMProject copy(project);
  (void)copy.Equals(project);
  return 0;
}

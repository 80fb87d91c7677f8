#pragma once
// TQMPlcManager2: a PLC manager that loads its library and owns it.

#include <memory>
#include <string>

#include "plc/plc_manager.h"

namespace lumora {

class Interaction;
class PlcLibraryModule;

class TQMPlcManager2 : public TQMPlcManager {
 public:
  TQMPlcManager2(const std::string& path, Interaction& interaction);
  ~TQMPlcManager2() override;

 private:
  TQMPlcManager2(std::unique_ptr<PlcLibraryModule> module, Interaction& interaction);
  std::unique_ptr<PlcLibraryModule> owned_;
};

}  // namespace lumora

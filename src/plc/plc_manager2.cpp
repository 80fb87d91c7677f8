#include "plc/plc_manager2.h"

#include "plc/plc_library.h"

namespace lumora {

TQMPlcManager2::TQMPlcManager2(const std::string& path, Interaction& interaction)
    : TQMPlcManager2(PlcLibraryModule::Open(path), interaction) {}

TQMPlcManager2::TQMPlcManager2(std::unique_ptr<PlcLibraryModule> module, Interaction& interaction)
    : TQMPlcManager(module.get(), interaction), owned_(std::move(module)) {}

TQMPlcManager2::~TQMPlcManager2() = default;

}  // namespace lumora

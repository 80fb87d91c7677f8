#pragma once
// One PLC library loaded with dlopen, with its entry points looked up by name.

#include <memory>
#include <string>

#include "lumora_plc_api.h"
#include "model/plc_environment.h"

namespace lumora {

class PlcLibraryModule final : public PlcModule {
 public:
  // Loads the library at an absolute path; null when it cannot be loaded.
  static std::unique_ptr<PlcLibraryModule> Open(const std::string& path, std::string* error = nullptr);
  ~PlcLibraryModule() override;
  PlcLibraryModule(const PlcLibraryModule&) = delete;
  PlcLibraryModule& operator=(const PlcLibraryModule&) = delete;

  const std::string& Path() const { return path_; }
  // The exported Plc_Name text, "" when missing.
  std::string Name() const;
  void* Symbol(const char* name) const;

  LumoraPlcDetailsFn details = nullptr;
  LumoraValidatePlcFn validate = nullptr;
  LumoraReBuildAddressFn rebuild = nullptr;
  LumoraCreateAtrFileFn createAttributes = nullptr;
  LumoraLaunchObjectFn launchObject = nullptr;
  LumoraCompareMapStringsFn compare = nullptr;
  LumoraSetApplicationTypeFn setApplicationType = nullptr;

 private:
  PlcLibraryModule(void* handle, std::string path);
  void* handle_;
  std::string path_;
};

}  // namespace lumora

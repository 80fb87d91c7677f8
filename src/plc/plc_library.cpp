#include "plc/plc_library.h"

#include <dlfcn.h>

#include <cstring>

namespace lumora {

std::unique_ptr<PlcLibraryModule> PlcLibraryModule::Open(const std::string& path, std::string* error) {
  // Only full paths: never a search of the current directory or the library path.
  if (path.empty() || path[0] != '/') {
    if (error) *error = "not an absolute path: " + path;
    return nullptr;
  }
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (error) *error = ::dlerror();
    return nullptr;
  }
  return std::unique_ptr<PlcLibraryModule>(new PlcLibraryModule(handle, path));
}

PlcLibraryModule::PlcLibraryModule(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {
  details = reinterpret_cast<LumoraPlcDetailsFn>(Symbol("PlcDetails"));
  validate = reinterpret_cast<LumoraValidatePlcFn>(Symbol("ValidatePlc"));
  rebuild = reinterpret_cast<LumoraReBuildAddressFn>(Symbol("ReBuildAddress"));
  createAttributes = reinterpret_cast<LumoraCreateAtrFileFn>(Symbol("CreateAtrFileWithDefaultAttributes"));
  launchObject = reinterpret_cast<LumoraLaunchObjectFn>(Symbol("LaunchObjectLumora"));
  if (!launchObject) launchObject = reinterpret_cast<LumoraLaunchObjectFn>(Symbol("LaunchObject"));
  compare = reinterpret_cast<LumoraCompareMapStringsFn>(Symbol("CompareMapStrings"));
  setApplicationType = reinterpret_cast<LumoraSetApplicationTypeFn>(Symbol("SetApplicationType"));
}

PlcLibraryModule::~PlcLibraryModule() {
  ::dlclose(handle_);
}

void* PlcLibraryModule::Symbol(const char* name) const {
  return ::dlsym(handle_, name);
}

std::string PlcLibraryModule::Name() const {
  const char* name = static_cast<const char*>(Symbol("Plc_Name"));
  if (!name) return "";
  return std::string(name, ::strnlen(name, LUMORA_PLC_TEXT_SIZE));
}

}  // namespace lumora

// lumora-plc-probe LIBRARY: loads one PLC library, asks it what it is, unloads it and says so on stdout, so
// that a library which crashes or hangs while it is loaded takes only this process down. The program runs
// it for every library it finds (src/plc/plc_probe.cpp reads the answer).

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "lumora_plc_api.h"
#include "plc/plc_probe.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] != '/') {
    std::fprintf(stderr, "usage: lumora-plc-probe /full/path/of/LIBRARY.so\n");
    return 2;
  }
  void* handle = ::dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* error = ::dlerror();
    std::printf("error %s\n", lumora::HexText(error ? error : "").c_str());
    std::fflush(stdout);
    ::_exit(1);
  }
  std::printf("loaded\n");
  std::fflush(stdout);
  // What the program itself does with a library it lists: its name, the application type for a named
  // one, its details.
  const char* exported = static_cast<const char*>(::dlsym(handle, "Plc_Name"));
  std::string name = exported ? std::string(exported, ::strnlen(exported, LUMORA_PLC_TEXT_SIZE)) : "";
  auto setApplicationType = reinterpret_cast<LumoraSetApplicationTypeFn>(::dlsym(handle, "SetApplicationType"));
  if (!name.empty() && setApplicationType) setApplicationType(2);
  LumoraPlcDetails details;
  std::memset(&details, 0, sizeof details);
  if (auto fill = reinterpret_cast<LumoraPlcDetailsFn>(::dlsym(handle, "PlcDetails"))) fill(&details);
  details.plcName[sizeof details.plcName - 1] = '\0';
  std::printf("name %s\ndetails-name %s\nids %d %d\napplication-type %d\n", lumora::HexText(name).c_str(),
              lumora::HexText(details.plcName).c_str(), details.manufacturerId, details.modelId,
              setApplicationType ? 1 : 0);
  std::fflush(stdout);
  ::dlclose(handle);
  std::printf("unloaded\n");
  std::fflush(stdout);
  // No exit handlers: what the library left behind is none of the answer.
  ::_exit(0);
}

#include "shell/version_loader.h"

#include <dlfcn.h>

#include <cstdlib>

#include <QCoreApplication>

#include "model/interaction.h"

namespace lumora {
namespace {

std::string& VersionStorage() {
  static std::string version;
  return version;
}

}  // namespace

std::string LoadApplicationVersion(const std::string& installDir, Interaction& interaction) {
  std::string path = installDir + "/RevLabel.so";
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    interaction.ShowMessage(QCoreApplication::translate("Shell", kVersionLoadErrorText).toLatin1().toStdString(), "",
                            MessageIcon::None);
    return "";
  }
  // The library stays loaded until the process ends.
  using VersionFn = char* (*)();
  auto getVersion = reinterpret_cast<VersionFn>(::dlsym(library, "GetApplicationVersion"));
  if (!getVersion) return "";
  char* text = getVersion();
  if (!text) return "";
  std::string version(text);
  std::free(text);
  return version;
}

const std::string& ApplicationVersion() {
  return VersionStorage();
}
void SetApplicationVersion(const std::string& version) {
  VersionStorage() = version;
}

}  // namespace lumora

#include "plc/install_dir.h"

#include <mutex>

namespace lumora {
namespace {

std::mutex& ProviderMutex() {
  static std::mutex mutex;
  return mutex;
}

std::function<std::string()>& Provider() {
  static std::function<std::string()> provider;
  return provider;
}

}  // namespace

void SetInstallDirProvider(std::function<std::string()> provider) {
  std::lock_guard lock(ProviderMutex());
  Provider() = std::move(provider);
}

std::string InstallDir() {
  std::function<std::string()> provider;
  {
    std::lock_guard lock(ProviderMutex());
    provider = Provider();
  }
  std::string dir = provider ? provider() : std::string();
  while (dir.size() > 1 && dir.back() == '/')
    dir.pop_back();
  return dir;
}

std::string InstallPath(const std::string& relative) {
  return InstallDir() + "/" + relative;
}

}  // namespace lumora

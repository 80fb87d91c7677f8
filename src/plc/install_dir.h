#pragma once
// The installation directory: where dll/, driver/, Firmware/, RevLabel.so and CtrlLink.so live.
// Read each time it is needed through a provider the application installs at start-up.

#include <functional>
#include <string>

namespace lumora {

void SetInstallDirProvider(std::function<std::string()> provider);
// "" when no provider is installed or the setting is missing.
std::string InstallDir();
// `<Install Dir>/dll/<name>`, `<Install Dir>/driver/<name>` and so on.
std::string InstallPath(const std::string& relative);

}  // namespace lumora

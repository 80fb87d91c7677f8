#include "link/port_names.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "model/translation.h"

namespace lumora {
namespace {

std::mutex& DevicesMutex() {
  static std::mutex mutex;
  return mutex;
}

std::array<std::string, 4>& Devices() {
  static std::array<std::string, 4> devices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
  return devices;
}

void AddMatching(std::vector<std::string>& found, const std::string& folder, const std::string& prefix) {
  std::error_code error;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) names.push_back(entry.path().string());
  }
  std::sort(names.begin(), names.end());
  found.insert(found.end(), names.begin(), names.end());
}

}  // namespace

void SetComPortDevices(const std::array<std::string, 4>& devices) {
  std::lock_guard lock(DevicesMutex());
  Devices() = devices;
}

std::string ResolvePortDevice(const std::string& portName) {
  if (!portName.empty() && portName[0] == '/') return portName;
  if (portName.size() == 4 && portName.compare(0, 3, "COM") == 0 && portName[3] >= '1' &&
      portName[3] <= '4') {
    std::lock_guard lock(DevicesMutex());
    return Devices()[static_cast<size_t>(portName[3] - '1')];
  }
  return "";
}

std::vector<std::string> ExistingSerialDevices() {
  std::vector<std::string> found;
  AddMatching(found, "/dev/serial/by-id", "");
  AddMatching(found, "/dev", "ttyUSB");
  AddMatching(found, "/dev", "ttyACM");
  AddMatching(found, "/dev", "ttyS");
  return found;
}

std::string PortOpenHint(int errorNumber, const std::string& device) {
  if (errorNumber == EACCES || errorNumber == EPERM) {
    std::string group = "dialout";
    struct stat info {};
    if (::stat(device.c_str(), &info) == 0) {
      if (struct group* owner = ::getgrgid(info.st_gid)) group = owner->gr_name;
    }
    // The group's name first: the device's path may hold "%N".
    return Arg(Arg(translate("Core",
                             "No permission to use %2: join the group \"%1\" (sudo usermod -aG %1 $USER); it "
                             "takes effect after a fresh login."),
                   group),
               device);
  }
  if (errorNumber == EBUSY || errorNumber == EWOULDBLOCK) {
    return Arg(translate("Core", "%1 is in use by another program."), device);
  }
  if (errorNumber == ENOENT || errorNumber == ENODEV || errorNumber == ENXIO) {
    std::vector<std::string> devices = ExistingSerialDevices();
    std::string text = device.empty() ? translate("Core", "No serial port is configured")
                                      : Arg(translate("Core", "%1 does not exist"), device);
    if (devices.empty()) return text + translate("Core", "; no serial devices were found on this machine.");
    text += translate("Core", "; serial devices on this machine:");
    for (const std::string& path : devices)
      text += " " + path;
    return text;
  }
  return device + ": " + std::strerror(errorNumber);
}

}  // namespace lumora

#include "link/port_names.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

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
    return "No permission to use " + device + ": join the group \"" + group + "\" (sudo usermod -aG " +
           group + " $USER); it takes effect after a fresh login.";
  }
  if (errorNumber == EBUSY || errorNumber == EWOULDBLOCK) {
    return device + " is in use by another program.";
  }
  if (errorNumber == ENOENT || errorNumber == ENODEV || errorNumber == ENXIO) {
    std::vector<std::string> devices = ExistingSerialDevices();
    std::string text =
        (device.empty() ? std::string("No serial port is configured") : device + " does not exist");
    if (devices.empty()) return text + "; no serial devices were found on this machine.";
    text += "; serial devices on this machine:";
    for (const std::string& path : devices)
      text += " " + path;
    return text;
  }
  return device + ": " + std::strerror(errorNumber);
}

}  // namespace lumora

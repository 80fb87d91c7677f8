#pragma once
// Serial port names: "COM1".."COM4" map to devices through the machine-wide settings; a name beginning
// with "/" is a device path.

#include <array>
#include <string>
#include <vector>

namespace lumora {

void SetComPortDevices(const std::array<std::string, 4>& devices);
// The device behind a port name; "" for a name that is neither COM1..COM4 nor a path.
std::string ResolvePortDevice(const std::string& portName);
// Serial devices that exist on this machine: /dev/serial/by-id/*, /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS*.
std::vector<std::string> ExistingSerialDevices();
// One line that helps after "Error C003": permissions, a port in use, or the devices that exist.
std::string PortOpenHint(int errorNumber, const std::string& device);

}  // namespace lumora

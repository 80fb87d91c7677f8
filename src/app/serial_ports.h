#pragma once
// The serial devices this machine has, named by their stable /dev/serial/by-id/ path where one exists.

#include <QString>
#include <QVector>

namespace lumora::gui {

struct SerialDevice {
  QString path;     // what is stored as "Port"
  QString tooltip;  // manufacturer and VID:PID
};

QVector<SerialDevice> FindSerialDevices();

}  // namespace lumora::gui

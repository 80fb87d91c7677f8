#include "app/serial_ports.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace lumora::gui {

QVector<SerialDevice> FindSerialDevices() {
  // Stable names first: /dev/serial/by-id/<name> -> /dev/ttyUSB0.
  QHash<QString, QString> stableNames;
  QDir byId("/dev/serial/by-id");
  for (const QFileInfo& link : byId.entryInfoList(QDir::Files | QDir::System)) {
    stableNames.insert(link.canonicalFilePath(), link.absoluteFilePath());
  }
  QVector<SerialDevice> devices;
  for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
    SerialDevice device;
    QString location = port.systemLocation();
    device.path = stableNames.value(QFileInfo(location).canonicalFilePath(), location);
    QStringList details;
    if (!port.manufacturer().isEmpty()) details << port.manufacturer();
    if (!port.description().isEmpty()) details << port.description();
    if (port.hasVendorIdentifier() && port.hasProductIdentifier()) {
      details << QString("%1:%2")
                     .arg(port.vendorIdentifier(), 4, 16, QChar('0'))
                     .arg(port.productIdentifier(), 4, 16, QChar('0'));
    }
    details << location;
    device.tooltip = details.join(", ");
    devices.push_back(device);
  }
  return devices;
}

}  // namespace lumora::gui

#include "sim_display.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "sim_unit.h"

namespace panel_sim {
namespace {

struct Item {
  int low16, top16, low32, top32;
  long sample;
};
constexpr Item kItems[3] = {{128, 132, 144, 153, 1234}, {133, 137, 154, 163, 56}, {138, 142, 164, 173, 7}};

int ItemOf(int code) {
  for (int i = 0; i < 3; ++i) {
    if ((code >= kItems[i].low16 && code <= kItems[i].top16) ||
        (code >= kItems[i].low32 && code <= kItems[i].top32))
      return i;
  }
  return -1;
}

}  // namespace

std::vector<std::string> RenderMessage(int unitType, const std::vector<unsigned char>& record) {
  if (unitType == kQMSV) {
    if (record.size() < 35) return {};
    std::string description(record.begin() + 2, record.begin() + 18);
    int decimals = record[22];
    bool zeros = (record[34] & 0x10) != 0;
    char digits[16];
    std::snprintf(digits, sizeof digits, zeros ? "%08ld" : "%8ld", 1234L);
    std::string value = digits;
    if (decimals > 0 && decimals < 8) {
      std::string number = std::to_string(1234L);
      while (static_cast<int>(number.size()) <= decimals)
        number.insert(number.begin(), '0');
      number.insert(number.end() - decimals, '.');
      if (zeros) {
        while (number.size() < 9)
          number.insert(number.begin(), '0');
      }
      value = std::string(number.size() < 9 ? 9 - number.size() : 0, ' ') + number;
    }
    return {description, value};
  }
  if (record.size() < 43) return {};
  std::string line(record.begin() + 2, record.begin() + 22);
  if (record[2] == 0xFF) return {"(empty)"};
  unsigned char flags = record[42];
  bool variable = (flags & 0x02) != 0;
  for (int item = 0; item < 3; ++item) {
    std::vector<size_t> positions;
    for (size_t i = 0; i < line.size(); ++i) {
      if (ItemOf(static_cast<unsigned char>(line[i])) == item) positions.push_back(i);
    }
    if (positions.empty()) continue;
    size_t pointAt = std::string::npos;
    if (item == 0 && variable && positions.size() >= 2 &&
        static_cast<unsigned char>(line[positions.back()]) ==
            static_cast<unsigned char>(line[positions[positions.size() - 2]])) {
      pointAt = positions.back();
      positions.pop_back();
    }
    bool zeros = (flags & (0x10 << item)) != 0;
    std::string digits = std::to_string(kItems[item].sample);
    if (digits.size() > positions.size()) digits = std::string(positions.size(), '9');
    std::string field = std::string(positions.size() - digits.size(), zeros ? '0' : ' ') + digits;
    if (pointAt != std::string::npos) {
      // A PLC-controlled point: shown before the last digit with the sample position 1.
      line[pointAt] = field.back();
      field.back() = '.';
    }
    for (size_t i = 0; i < positions.size(); ++i)
      line[positions[i]] = field[i];
  }
  return {line};
}

std::string RenderStoredMessage(const std::string& statePath, int port, int number, std::string& error) {
  QFile file(QString::fromStdString(statePath));
  if (!file.open(QIODevice::ReadOnly)) {
    // The simulator writes its state file at the first change of a unit's memory.
    if (!QFileInfo::exists(file.fileName())) {
      error = "no panel memory yet";
    } else {
      error = "cannot read " + statePath + ": " + file.errorString().toLocal8Bit().toStdString();
    }
    return "";
  }
  QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  for (auto it = root.begin(); it != root.end(); ++it) {
    if (port >= 0 && it.key().toInt() != port) continue;
    QJsonObject unit = it.value().toObject();
    QString hex = unit.value("messages").toObject().value(QString::number(number)).toString();
    if (hex.isEmpty()) continue;
    QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    int type = UnitTypeFromName(unit.value("type").toString().toStdString()).value_or(kQM210);
    std::vector<std::string> lines =
        RenderMessage(type, std::vector<unsigned char>(bytes.begin(), bytes.end()));
    int rows = type == kQM410 ? 4 : type == kQMSV ? 2 : 2;
    size_t width = type == kQMSV ? 16 : 20;
    std::string frame = "+" + std::string(width, '-') + "+\n";
    std::string picture = UnitTypeName(type) + " message " + std::to_string(number) + "\n" + frame;
    for (int row = 0; row < rows; ++row) {
      std::string text = row < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(row)] : "";
      for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
      }
      text.resize(width, ' ');
      picture += "|" + text + "|\n";
    }
    return picture + frame;
  }
  error = "no message " + std::to_string(number) + " in " + statePath;
  return "";
}

}  // namespace panel_sim

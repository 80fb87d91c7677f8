// The message table's writer: one row per message of the panel, the cells as the editors show them.

#include <string>
#include <vector>

#include "model/csv_table.h"
#include "model/message_csv.h"
#include "model/message_csv_columns.h"
#include "model/message_text.h"
#include "model/panel.h"

namespace lumora {
namespace {

using namespace message_csv;

std::string YesNo(bool value) {
  return value ? "yes" : "no";
}

std::string DecimalText(const TQMReadWriteTag& tag) {
  if (tag.variableDecimal) return "Variable";
  if (tag.fixedDecimals == -1) return "none";
  return "Fixed - " + std::to_string(tag.fixedDecimals);
}

std::string PasswordText(const TQMReadWriteTag& tag) {
  if (!tag.passwordProtected) return "none";
  return tag.useLocalPassword ? "Local" : "PLC";
}

std::string AccessText(int accessType) {
  if (accessType >= 0 && accessType < 3) return kAccessTexts[accessType];
  return std::to_string(accessType);
}

std::vector<std::string> ExportRow(const TQMPanel& panel, const TQMMessage& message) {
  std::vector<std::string> row(kColumnCount);
  const bool plc = message.isPlcMessage != 0;
  if (panel.IsSetPointPanel() && message.hasSetPoint)
    row[kKind] = "SetPoint";
  else
    row[kKind] = plc ? "PLC" : "Local";
  row[kNumber] = std::to_string(message.number);
  row[kLevel] = plc ? "" : std::to_string(message.level);
  row[kFolder] = YesNo(!plc && message.isFolder != 0);
  row[kText] = MessageTextToCsv(message.text);
  for (int item = 1; item <= 3; ++item) {
    const TQMTag& tag = item == 1 ? message.data1 : item == 2 ? message.data2 : message.data3;
    const Column* columns = kItemColumns[item - 1];
    bool present = item == 1 ? HoldsItemOne(panel, message) : MessageHasDataItem(message.text, item);
    bool zeros = message.leadingZeros[static_cast<size_t>(item - 1)];
    // Leading zeros are kept for every item, present or not.
    row[columns[3]] = present || zeros ? YesNo(zeros) : "";
    if (!present) continue;
    row[columns[0]] = tag.address;
    row[columns[1]] = tag.tagName;
    row[columns[2]] = ValueTypeText(tag.valueType);
  }
  if (HoldsItemOne(panel, message)) {
    const TQMReadWriteTag& data = message.data1;
    row[kAccess1] = AccessText(data.accessType);
    row[kLimits1] = YesNo(data.limitsEnabled);
    if (data.limitsEnabled) {
      row[kMin1] = std::to_string(data.minValue);
      row[kMax1] = std::to_string(data.maxValue);
    }
    row[kPassword1] = PasswordText(data);
    row[kDecimal1] = DecimalText(data);
    if (data.variableDecimal) {
      row[kDecimalAddress1] = data.decimalPointTag.address;
      row[kDecimalTag1] = data.decimalPointTag.tagName;
      row[kDecimalType1] = ValueTypeText(data.decimalPointTag.valueType);
    }
  }
  return row;
}

}  // namespace

std::string ExportMessagesCsv(const TQMPanel& panel) {
  std::vector<std::string> header = kMessageCsvColumns;
  header.insert(header.end(), kMessageCsvExtraColumns.begin(), kMessageCsvExtraColumns.end());
  std::string csv = CsvRecord(header);
  for (const TQMMessage& message : panel.messages) csv += CsvRecord(ExportRow(panel, message));
  return csv;
}

}  // namespace lumora

#include "model/address_list.h"

#include "model/translation.h"

#include "model/csv_table.h"
#include "model/project.h"

namespace lumora {

std::vector<AddressRow> ListMessageAddresses(const TQMPanel& panel) {
  std::vector<AddressRow> rows;
  auto add = [&](const TQMMessage& message, const TQMTag& tag, const char* function,
                 const std::string& password) {
    if (tag.IsEmpty()) return;
    AddressRow row;
    row.item = static_cast<int>(rows.size()) + 1;
    row.address = tag.address;
    row.usedIn = message.isPlcMessage != 0 ? std::to_string(message.number) : QT_TRANSLATE_NOOP("Core", "Local");
    row.function = function;
    row.access = tag.AccessText();
    row.password = panel.IsKeypadPanel() ? password : "";
    rows.push_back(row);
  };
  for (const TQMMessage& message : panel.messages) {
    if (message.HasDataItem(1)) {
      const TQMReadWriteTag& data = message.data1;
      std::string password = !data.passwordProtected ? QT_TRANSLATE_NOOP("Core", "N/A")
                             : data.useLocalPassword ? QT_TRANSLATE_NOOP("Core", "LOCAL")
                                                     : QT_TRANSLATE_NOOP("Core", "PLC");
      add(message, data, QT_TRANSLATE_NOOP("Core", "Data 1"), password);
      if (data.variableDecimal)
        add(message, data.decimalPointTag, QT_TRANSLATE_NOOP("Core", "Decimal Point"), "N/A");
    }
    if (message.HasDataItem(2)) add(message, message.data2, QT_TRANSLATE_NOOP("Core", "Data 2"), "N/A");
    if (message.HasDataItem(3)) add(message, message.data3, QT_TRANSLATE_NOOP("Core", "Data 3"), "N/A");
  }
  return rows;
}

std::vector<SystemAddress> ListSystemAddresses(const TQMPanel& panel) {
  std::vector<SystemAddress> list;
  // Marked for the program's address database; the list and its CSV keep the English names.
  static const char* kLines[] = {QT_TRANSLATE_NOOP("Core", "Line one"), QT_TRANSLATE_NOOP("Core", "Line two"),
                                 QT_TRANSLATE_NOOP("Core", "Line three"), QT_TRANSLATE_NOOP("Core", "Line four")};
  if (panel.UsesButtons()) {
    list.push_back({QT_TRANSLATE_NOOP("Core", "Bit Read (LED's)"), panel.buttonLeds.ledWord.address});
    list.push_back({QT_TRANSLATE_NOOP("Core", "Bit Write (Buttons)"), panel.buttonLeds.buttonWord.address});
  }
  for (int i = 0; i < panel.LineCount() && i < 4; ++i)
    list.push_back({kLines[i], panel.lineRegisters[static_cast<size_t>(i)].address});
  if (panel.IsKeypadPanel()) {
    list.push_back({QT_TRANSLATE_NOOP("Core", "PLC Password Register:"), panel.passwordRegister.address});
    list.push_back({QT_TRANSLATE_NOOP("Core", "Local password:"), std::to_string(panel.localPassword)});
    list.push_back(
        {QT_TRANSLATE_NOOP("Core", "Bit Read (Annunciator Lights)"), panel.annunciatorWord.address});
  }
  return list;
}

std::string AddressRowsCsv(const std::vector<AddressRow>& rows) {
  std::string csv;
  for (size_t i = 0; i < kAddressListColumns.size(); ++i)
    csv += (i ? "," : "") + CsvField(kAddressListColumns[i]);
  csv += "\r\n";
  for (const AddressRow& row : rows) {
    csv += std::to_string(row.item) + "," + CsvField(row.address) + "," + CsvField(row.usedIn) + "," +
           CsvField(row.function) + "," + CsvField(row.access) + "," + CsvField(row.password) + "\r\n";
  }
  return csv;
}

}  // namespace lumora

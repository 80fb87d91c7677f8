#include "plc/address_conversion.h"

#include "model/project.h"
#include "plc/plc_manager.h"

namespace lumora {

int RevalidateAddresses(TQMProject& project, TQMPlcManager& manager) {
  int refused = 0;
  int addressSize = project.plcSettings.addressSize;
  project.ForEachTag([&](TQMTag& tag) {
    if (tag.IsEmpty()) return;
    if (!manager.ValidateTag(tag, LUMORA_ACCESS_READ, true, addressSize)) ++refused;
  });
  return refused;
}

void ConvertTagAddress(TQMTag& tag, TQMPlcManager& newPlc, int addressSize, std::vector<std::string>& rows) {
  if (tag.IsEmpty()) return;
  std::string oldText = tag.address;
  std::string newText;
  std::string remark;
  if (newPlc.ValidateTag(tag, LUMORA_ACCESS_READ, false, addressSize)) {
    newText = tag.address;
  } else {
    remark = kUnableToRebuildText;
    tag.address.clear();
    newText = " ";
  }
  rows.push_back(oldText + "\t" + newText + "\t" + remark + "\t");
}

std::vector<std::string> ConvertProjectAddresses(TQMProject& project, TQMPlcManager& newPlc) {
  std::vector<std::string> rows;
  int addressSize = project.plcSettings.addressSize;
  project.ForEachTag([&](TQMTag& tag) { ConvertTagAddress(tag, newPlc, addressSize, rows); });
  return rows;
}

std::string FormatAddressConversionLog(const std::vector<std::string>& rows, const std::string& createdOn) {
  std::string text = "Address conversion log file\n";
  text += "Created on : " + createdOn + "\n";
  text += "Old address\tNew address\t\tRemarks\n\n";
  for (const std::string& row : rows)
    text += row + "\n";
  return text;
}

}  // namespace lumora

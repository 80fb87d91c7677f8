#pragma once
// The PLC addresses a panel uses, as the address database lists them: the panel's system addresses, then
// one row per message data item that has an address.

#include <array>
#include <string>
#include <vector>

#include "model/translation.h"

namespace lumora {

class TQMPanel;

// Column titles and the list's fixed cell texts are English here, as its CSV keeps them; windows and pages
// translate them (context "Core") where they show them.
inline constexpr std::array<const char*, 6> kAddressListColumns = {
    QT_TRANSLATE_NOOP("Core", "Item"),     QT_TRANSLATE_NOOP("Core", "Address"),
    QT_TRANSLATE_NOOP("Core", "Used in Message #"), QT_TRANSLATE_NOOP("Core", "Function"),
    QT_TRANSLATE_NOOP("Core", "Access Type"), QT_TRANSLATE_NOOP("Core", "Password")};

struct AddressRow {
  int item = 0;  // running number from 1
  std::string address;
  std::string usedIn;    // the PLC message's number, or "Local"
  std::string function;  // "Data 1", "Decimal Point", "Data 2", "Data 3"
  std::string access;    // "R/W", "R", "W"
  std::string password;  // QM210K only: "LOCAL", "PLC" or "N/A"; empty on other panels
};

struct SystemAddress {
  std::string label;  // "Bit Read (LED's)", "Line one", ...
  std::string value;  // the address (or the local password's number)
};

std::vector<AddressRow> ListMessageAddresses(const TQMPanel& panel);
// The system addresses the panel's type uses, in the order they are printed.
std::vector<SystemAddress> ListSystemAddresses(const TQMPanel& panel);

// RFC 4180: the six column titles, then one record per row, CR LF line ends, fields quoted where needed.
std::string AddressRowsCsv(const std::vector<AddressRow>& rows);

}  // namespace lumora

#include "model/address_list.h"

#include <gtest/gtest.h>

#include "model/project.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

using testing::SetTarvoAddress;

class AddressListTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  testing::RecordingInteraction ui;
  testing::FakePlcEnvironment plc;
};

TEST_F(AddressListTest, RowsFollowTheMessagesAndTheirItems) {
  TQMProject project(Services());
  TQMPanel& panel = project.AddPanel(kPanelQM210, 1);
  TQMMessage first = panel.NewMessage();
  first.number = 4;
  first.isPlcMessage = 1;
  // Data items 1 and 3 only: two rows, "Data 1" then "Data 3".
  first.text = "A" + std::string(2, static_cast<char>(0xFF)) + " " + std::string(2, static_cast<char>(0xFD));
  SetTarvoAddress(first.data1, "V100");
  SetTarvoAddress(first.data3, "V300");
  SetTarvoAddress(first.data2, "V200");  // not in the text: no row
  panel.messages.push_back(first);
  TQMMessage local = panel.NewMessage();
  local.number = 256;
  local.text = std::string(1, static_cast<char>(0xFE));  // an item without an address: no row
  panel.messages.push_back(local);

  std::vector<AddressRow> rows = ListMessageAddresses(panel);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].item, 1);
  EXPECT_EQ(rows[0].address, "V100");
  EXPECT_EQ(rows[0].usedIn, "4");
  EXPECT_EQ(rows[0].function, "Data 1");
  EXPECT_EQ(rows[0].access, "R/W");
  EXPECT_EQ(rows[0].password, "");  // only a QM210K has the column filled
  EXPECT_EQ(rows[1].function, "Data 3");
  EXPECT_EQ(rows[1].access, "R");

  std::vector<SystemAddress> system = ListSystemAddresses(panel);
  ASSERT_EQ(system.size(), 4u);
  EXPECT_EQ(system[0].label, "Bit Read (LED's)");
  EXPECT_EQ(system[3].label, "Line two");
}

TEST_F(AddressListTest, KeypadPanelsShowThePasswordKind) {
  TQMProject project = testing::MakeKeypadProject(Services());
  std::vector<AddressRow> rows = ListMessageAddresses(project.Panel(0));
  ASSERT_GE(rows.size(), 3u);
  // Message 1: data 1 protected by the PLC password, then its decimal point, then data 2.
  EXPECT_EQ(rows[0].password, "PLC");
  EXPECT_EQ(rows[1].function, "Decimal Point");
  EXPECT_EQ(rows[1].password, "N/A");
  std::vector<SystemAddress> system = ListSystemAddresses(project.Panel(0));
  EXPECT_EQ(system.back().label, "Bit Read (Annunciator Lights)");
  EXPECT_EQ(system[system.size() - 2].value, "4321");  // the local password
}

TEST_F(AddressListTest, CsvQuotesWhatNeedsQuoting) {
  AddressRow row;
  row.item = 1;
  row.address = "N7:0,\"a\"";
  row.usedIn = "Local";
  row.function = "Data 1";
  row.access = "R/W";
  EXPECT_EQ(AddressRowsCsv({row}),
            "Item,Address,Used in Message #,Function,Access Type,Password\r\n"
            "1,\"N7:0,\"\"a\"\"\",Local,Data 1,R/W,\r\n");
}

}  // namespace
}  // namespace lumora

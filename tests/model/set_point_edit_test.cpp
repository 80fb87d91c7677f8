#include "model/set_point_edit.h"

#include <gtest/gtest.h>

#include "model/clipboard_form.h"
#include "model/project.h"
#include "model/set_point_list.h"
#include "plc/plc_address_check.h"
#include "plc/installed_plc_environment.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"

namespace lumora {
namespace {

// A set-point panel with the staged TDL205 library loaded, as opening a project loads it.
class SetPointEditTest : public ::testing::Test {
 protected:
  SetPointEditTest() : install_(testing::StageDir()) {
    catalogue_.Discover(ui_);
    project = TQMProject({&ui_, &environment_});
    project.AddPanel(kPanelQMSV, 1);
    project.multiplexer.selectedPort = 1;
    project.plcSettings.libraryName = testing::StageDir() + "/dll/TDL205.so";
    EXPECT_TRUE(project.ReloadPlcLibrary(project.plcSettings.libraryName));
    TQMPlcManager manager(project.plcLibrary.get(), ui_);
    project.plcSettings.addressSize = manager.Details().integers[1];
  }
  TQMPanel& Panel() { return *project.CurrentPanel(); }
  static SetPointFields Typed() {
    SetPointFields fields;
    fields.number = 7;
    fields.description = "OVEN TEMP";
    fields.minimum = "0";
    fields.maximum = "9999";
    fields.valueEntry = "\tV2000";
    return fields;
  }
  SetPointEdit Edit(const SetPointFields& fields, bool keepText = false) {
    PlcAddressCheck check(project, keepText);
    return EditSetPoint(fields, list, Panel(), check);
  }

  TQMProject project;
  SetPointList list;

 private:
  testing::ScopedInstallDir install_;
  testing::RecordingInteraction ui_;
  PlcCatalogue catalogue_;
  InstalledPlcEnvironment environment_{catalogue_, ui_};
};

TEST_F(SetPointEditTest, TheFirstRefusedFieldComesWithItsText) {
  struct Case {
    const char* what;
    void (*change)(SetPointFields&);
    SetPointField field;
    std::string text;
  };
  const Case cases[] = {
      {"no number", [](SetPointFields& f) { f.number = 0; }, SetPointField::Number, kM004Text},
      {"number 257", [](SetPointFields& f) { f.number = 257; }, SetPointField::Number, kM004Text},
      {"empty minimum", [](SetPointFields& f) { f.minimum = ""; f.valueEntry = "\tX1"; }, SetPointField::Minimum,
       kNotAnIntegerText},
      {"empty maximum", [](SetPointFields& f) { f.maximum = " "; }, SetPointField::Maximum, kNotAnIntegerText},
      {"minimum above BCD 16", [](SetPointFields& f) { f.minimum = "10000"; }, SetPointField::Minimum,
       "Please enter a number between 0 and 9999"},
      {"maximum below minimum", [](SetPointFields& f) { f.minimum = "500"; f.maximum = "400"; },
       SetPointField::Maximum, "Please enter a number between 500 and 9999"},
      {"Binary 32 ends at 99999999", [](SetPointFields& f) { f.typePosition = 3; f.maximum = "100000000"; },
       SetPointField::Maximum, "Please enter a number between 0 and 99999999"},
      {"Binary 16 ends at 65535 (box position 2)", [](SetPointFields& f) { f.typePosition = 2; f.maximum = "65536"; },
       SetPointField::Maximum, "Please enter a number between 0 and 65535"},
      {"a bit for the value", [](SetPointFields& f) { f.valueEntry = "\tX10"; f.decimalPosition = 8; },
       SetPointField::ValueAddress, kZ007Text},
      {"a bit for the variable decimal point",
       [](SetPointFields& f) { f.decimalPosition = kVariableDecimalPosition; f.decimalEntry = "\tX11"; },
       SetPointField::DecimalAddress, kZ007Text},
      {"a read-only word for a set point the panel writes", [](SetPointFields& f) { f.valueEntry = "\tV7400"; },
       SetPointField::ValueAddress, kT002Text},
      {"a read-only word for the variable decimal point",
       [](SetPointFields& f) { f.decimalPosition = kVariableDecimalPosition; f.decimalEntry = "\tV7777"; },
       SetPointField::DecimalAddress, kT002Text},
  };
  for (const Case& c : cases) {
    SetPointFields fields = Typed();
    c.change(fields);
    SetPointEdit edit = Edit(fields);
    EXPECT_FALSE(edit.Accepted()) << c.what;
    EXPECT_EQ(edit.refused, c.field) << c.what;
    EXPECT_EQ(edit.refusal.text, c.text) << c.what;
  }
}

TEST_F(SetPointEditTest, WhatTheAddressesNeedDependsOnTheDisplayAndDecimalChoice) {
  struct Case {
    const char* what;
    void (*change)(SetPointFields&);
  };
  const Case accepted[] = {
      {"an empty value address", [](SetPointFields& f) { f.valueEntry = "\t"; }},
      {"read only", [](SetPointFields& f) { f.readOnly = true; }},
      {"a read-only word for a read-only set point", [](SetPointFields& f) { f.readOnly = true; f.valueEntry = "\tV7400"; }},
      {"the word below the read-only ones", [](SetPointFields& f) { f.valueEntry = "\tV7377"; }},
      {"a fixed decimal point ignores its address", [](SetPointFields& f) { f.decimalPosition = 3; f.decimalEntry = "\tX11"; }},
      {"an empty variable decimal point address", [](SetPointFields& f) { f.decimalPosition = 8; }},
  };
  for (const Case& c : accepted) {
    SetPointFields fields = Typed();
    c.change(fields);
    SetPointEdit edit = Edit(fields);
    EXPECT_TRUE(edit.Accepted()) << c.what << ": " << edit.refusal.text;
  }
  // Without a library only an empty address passes.
  project.plcLibrary.reset();
  EXPECT_EQ(Edit(Typed()).refused, SetPointField::ValueAddress);
  SetPointFields empty = Typed();
  empty.valueEntry = "";
  EXPECT_TRUE(Edit(empty).Accepted());
}

TEST_F(SetPointEditTest, AnAcceptedEditIsTheMessageToStore) {
  SetPointFields fields = Typed();
  fields.description = "A DESCRIPTION OF 20 C";
  fields.valueEntry = "\tv2000";
  fields.typePosition = 1;  // BCD/Int 32
  fields.minimum = "10";
  fields.maximum = "99999";
  fields.readOnly = true;
  fields.decimalPosition = kVariableDecimalPosition;
  fields.decimalEntry = "\tv2001";
  SetPointEdit edit = Edit(fields);
  ASSERT_TRUE(edit.Accepted()) << edit.refusal.text;
  const TQMMessage& message = *edit.message;
  EXPECT_EQ(message.number, 7);
  EXPECT_EQ(message.text, "A DESCRIPTION OF");
  EXPECT_TRUE(message.hasSetPoint);
  const TQMReadWriteTag& data = message.data1;
  EXPECT_EQ(data.address, "V2000");  // the library's own text
  EXPECT_FALSE(data.encodedAddress.empty());
  EXPECT_EQ(data.valueType, kBcd32);
  EXPECT_EQ(data.accessType, kReadOnly);
  EXPECT_TRUE(data.limitsEnabled);
  EXPECT_EQ(data.minValue, 10);
  EXPECT_EQ(data.maxValue, 99999);
  EXPECT_TRUE(data.variableDecimal);
  EXPECT_EQ(data.fixedDecimals, -1);
  EXPECT_EQ(data.decimalPointTag.address, "V2001");
  EXPECT_EQ(data.decimalPointTag.valueType, kBcd16);
  EXPECT_EQ(Edit(fields, true).message->data1.address, "v2000");  // tag names keep the text as entered

  // An existing number starts from its message: a fixed decimal point forgets the PLC's address.
  list.Store(message);
  fields.decimalPosition = 2;
  edit = Edit(fields);
  ASSERT_TRUE(edit.Accepted());
  EXPECT_EQ(edit.message->data1.fixedDecimals, 2);
  EXPECT_FALSE(edit.message->data1.variableDecimal);
  EXPECT_TRUE(edit.message->data1.decimalPointTag.IsEmpty());
  for (int outside : {-1, 9}) {
    fields.decimalPosition = outside;
    EXPECT_EQ(Edit(fields).message->data1.fixedDecimals, -1) << outside;
  }
}

TEST_F(SetPointEditTest, TheFieldsOfAStoredMessageAcceptItUnchanged) {
  SetPointFields fields = Typed();
  fields.typePosition = 2;
  fields.maximum = "60000";
  fields.decimalPosition = kVariableDecimalPosition;
  fields.decimalEntry = "\tV2001";
  const TQMMessage stored = *Edit(fields).message;
  SetPointEdit again = Edit(SetPointFieldsOf(stored));
  ASSERT_TRUE(again.Accepted()) << again.refusal.text;
  EXPECT_TRUE(again.message->data1.Equals(stored.data1));
  EXPECT_EQ(again.message->text, stored.text);

  // A new number starts blank, with the limits of BCD 16, and is accepted as it is.
  SetPointFields cleared = ClearedSetPointFields(12);
  EXPECT_TRUE(cleared.Blank());
  EXPECT_EQ(cleared.maximum, "9999");
  ASSERT_TRUE(Edit(cleared).Accepted());
  EXPECT_TRUE(Edit(cleared).message->data1.IsEmpty());
  EXPECT_FALSE(fields.Blank());
}

TEST_F(SetPointEditTest, APasteTakesTheNextFreeNumberAndAShortDescription) {
  TQMMessage copied = *Edit(Typed()).message;
  copied.text = "A DESCRIPTION OF 20 C";
  const std::string text = ClipboardText(copied);
  list.Store(copied);  // 7
  PlcAddressCheck check(project, false);
  std::optional<TQMMessage> pasted = PasteSetPoint(text, list, 7, Panel(), check);
  ASSERT_TRUE(pasted);
  EXPECT_EQ(pasted->number, 8);
  EXPECT_EQ(pasted->text, "A DESCRIPTION OF");
  EXPECT_EQ(pasted->data1.address, "V2000");
  copied.number = 256;
  list.Store(copied);
  EXPECT_FALSE(PasteSetPoint(text, list, 256, Panel(), check));
}

TEST_F(SetPointEditTest, APastedMessageKeepsOnlyTheAddressesThePlcTakes) {
  TQMMessage copied(&project, &Panel());
  copied.number = 9;
  copied.isPlcMessage = 1;
  copied.text = "PASTED";
  copied.hasSetPoint = true;
  copied.data1.address = "v2000";
  copied.data1.valueType = kBinary16;
  copied.data1.variableDecimal = true;
  copied.data1.decimalPointTag.address = "X1";  // a bit
  std::string text;
  copied.AppendTo(text);
  text.push_back('\0');
  text += "after the zero";

  TQMMessage pasted = ReadClipboardMessage(text, &project, &Panel());
  EXPECT_EQ(pasted.text, "PASTED");
  EXPECT_EQ(pasted.panel, &Panel());
  pasted.data2.address = "V2002";
  pasted.data3.address = "C0";  // a bit
  PlcAddressCheck check(project, false);
  RecheckPastedAddresses(pasted, check);
  EXPECT_EQ(pasted.data1.address, "V2000");
  EXPECT_FALSE(pasted.data1.encodedAddress.empty());
  EXPECT_EQ(pasted.data1.valueType, kBinary16);
  EXPECT_TRUE(pasted.data1.decimalPointTag.IsEmpty());
  EXPECT_EQ(pasted.data2.address, "V2002");
  EXPECT_FALSE(pasted.data2.encodedAddress.empty());
  EXPECT_TRUE(pasted.data3.IsEmpty());
}

// Which set point becomes current, and whether an unapplied edit is asked about first: list holds 7 and 9.
TEST_F(SetPointEditTest, SwitchingMessagesFollowsTheSession) {
  SetPointFields nine = Typed();
  nine.number = 9;
  for (const SetPointFields& fields : {Typed(), nine}) {
    SetPointEdit edit = Edit(fields);
    ASSERT_TRUE(edit.Accepted());
    list.Store(*edit.message);
  }
  struct Case {
    const char* what;
    int number;
    SetPointSession session;
    SetPointSwitch expected;
  };
  const Case cases[] = {
      {"a new number, nothing typed", 12, {7, false, true, std::nullopt}, SetPointSwitch::ShowCleared},
      {"a new number over typed fields", 12, {7, false, false, std::nullopt}, SetPointSwitch::LeaveEditThenShow},
      {"a new number after an edit", 12, {7, true, true, std::nullopt}, SetPointSwitch::LeaveEditThenShow},
      {"a new number while a row is selected", 12, {7, false, true, 0}, SetPointSwitch::LeaveEditThenShow},
      {"the message shown, selected", 7, {7, false, false, 0}, SetPointSwitch::Stay},
      {"the message shown, edited", 7, {7, true, false, 0}, SetPointSwitch::LeaveEditThenShow},
      {"the message shown, its row not selected", 7, {7, false, false, std::nullopt},
       SetPointSwitch::LeaveEditThenShow},
      {"another message", 9, {7, false, false, 0}, SetPointSwitch::LeaveEditThenShow},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecideSetPointSwitch(list, c.number, c.session), c.expected) << c.what;
  for (auto [position, maximum] : {std::pair{0, "9999"}, std::pair{1, "99999999"}, std::pair{2, "65535"},
                                   std::pair{3, "99999999"}})
    EXPECT_EQ(SetPointMaximumForType(position), maximum) << position;
}

}  // namespace
}  // namespace lumora

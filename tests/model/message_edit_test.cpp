// Applying a message edit with the real Tarvo DL-205 library checking the addresses.

#include "model/message_edit.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/editing_rules.h"
#include "model/message_list_edit.h"
#include "model/panel.h"
#include "model/project.h"
#include "plc/plc_address_check.h"
#include "plc/plc_library.h"
#include "plc/plc_manager2.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"

namespace lumora {
namespace {

using Field = MessageField;

class MessageEditTest : public ::testing::Test {
 protected:
  MessageEditTest() : panel(&project, kPanelQM210) {
    // PLC messages 1 ("LEVEL" and a three-position item 1 at V2000) and 2; one local message.
    for (int number : {1, 2}) {
      TQMMessage message(&project, &panel);
      message.isPlcMessage = 1;
      message.number = number;
      message.text = number == 1 ? "LEVEL \xFF\xFF\xFF" : "PUMP";
      panel.messages.push_back(message);
    }
    TQMMessage local(&project, &panel);
    local.text = "MENU";
    panel.messages.push_back(local);
    form.text = "LEVEL \xFF\xFF\xFF";
    form.number = "1";
    form.minimum = "0";
    form.maximum = "9999";
    form.references = {"\tv02000", "\tV2001", "\tV2002", "\tV2003"};
  }

  MessageEditResult Apply(bool plc = true, int index = 0, NumberChange change = NumberChange::Ask) {
    MessageListEdit lists(panel);
    return ApplyMessageEdit(lists, plc, index, form, check, change);
  }

  testing::RecordingInteraction ui;
  TQMPlcManager2 library{testing::StageDir() + "/dll/TDL205.so", ui};
  PlcAddressCheck check{library.Library(), false, 4};
  TQMProject project;
  TQMPanel panel;
  MessageForm form;
};

TEST_F(MessageEditTest, TheFirstRefusedFieldGetsTheFocusAndTheSystemsText) {
  const std::string library = "<the library's reason>";
  struct Case {
    const char* rule;
    std::function<void(MessageForm&)> change;
    Field focus;
    std::string text;  // the library's own text when `library`
  };
  // clang-format off
  const Case cases[] = {
      {"minimum below 0", [](MessageForm& f) { f.minimum = "-1"; }, Field::Minimum, kT003Text},
      {"minimum not a number", [](MessageForm& f) { f.minimum = "1x"; }, Field::Minimum, kT003Text},
      {"minimum above the largest", [](MessageForm& f) { f.minimum = f.maximum = "10000"; }, Field::Minimum,
       kT003Text},
      {"maximum below the minimum", [](MessageForm& f) { f.minimum = "5"; f.maximum = "4"; }, Field::Maximum,
       kT003Text},
      {"maximum empty", [](MessageForm& f) { f.maximum = ""; }, Field::Maximum, kT003Text},
      {"maximum above BCD 16", [](MessageForm& f) { f.maximum = "10000"; }, Field::Maximum, kT003Text},
      {"limits before the number", [](MessageForm& f) { f.maximum = ""; f.number = "2"; }, Field::Maximum,
       kT003Text},
      {"number taken", [](MessageForm& f) { f.number = "2"; }, Field::Number, kM002Text},
      {"number 0", [](MessageForm& f) { f.number = "0"; }, Field::Number, kM002Text},
      {"number on the local items", [](MessageForm& f) { f.number = "256"; }, Field::Number, kM002Text},
      {"number not a number", [](MessageForm& f) { f.number = "x"; }, Field::Number, kM002Text},
      {"six positions for 16 bits", [](MessageForm& f) { f.text = "LEVEL \xFF\xFF\xFF\xFF\xFF\xFF"; },
       Field::Text, "Maximum 5  \"DATA SET 1\" can be defined with selected data type"},
      {"width before addresses", [](MessageForm& f) { f.text += "\xFE\xFE\xFE\xFE\xFE\xFE"; f.references[0] = "\tV8"; },
       Field::Text, "Maximum 5  \"DATA SET 2\" can be defined with selected data type"},
      {"item 1's address", [](MessageForm& f) { f.references[0] = "\tV8"; }, Field::Address1, library},
      {"read-only address read/write", [](MessageForm& f) { f.references[0] = "\tV7400"; }, Field::Address1,
       "Error T002: Invalid Access Type"},
      {"item 1 before item 2", [](MessageForm& f) { f.text += "\xFE"; f.references[0] = f.references[1] = "\tV8"; },
       Field::Address1, library},
      {"item 2's address", [](MessageForm& f) { f.text += "\xFE"; f.references[1] = "\tX10"; }, Field::Address2,
       "Error Z007: Discrete addresses are not allowed here."},
      {"item 3's address", [](MessageForm& f) { f.text += "\xFD"; f.references[2] = "\tV8"; }, Field::Address3,
       library},
      {"decimal point's address",
       [](MessageForm& f) { f.text += "\xFC"; f.variableDecimal = true; f.references[3] = "\tV8"; },
       Field::DecimalAddress, library},
      {"password without the marker",
       [](MessageForm& f) { f.text = "LEVEL"; f.passwordProtected = true; f.references[0] = "\tV8"; },
       Field::Address1, library},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    MessageForm saved = form;
    c.change(form);
    MessageEditResult result = Apply();
    form = saved;
    EXPECT_EQ(result.outcome, MessageEditResult::Outcome::Refused);
    EXPECT_EQ(result.focus, c.focus);
    if (c.text == library) {
      EXPECT_FALSE(result.notice.text.empty());
    } else {
      EXPECT_EQ(result.notice.text, c.text);
    }
    EXPECT_EQ(result.numberShown.has_value(), c.focus == Field::Number);
  }
}

TEST_F(MessageEditTest, AnAcceptedEditKeepsOnlyTheItemsInTheText) {
  form.text = "LEVEL \xFF\xFF\xFF\xFC \xFD";
  form.variableDecimal = true;
  form.readOnly = true;
  form.references[0] = "\tV7400";  // read only, so allowed
  form.leadingZeros = {true, false, true};
  MessageEditResult result = Apply();
  ASSERT_TRUE(result.Accepted()) << result.notice.text;
  const TQMMessage& edited = result.message;
  EXPECT_EQ(edited.data1.address, "V7400");
  EXPECT_FALSE(edited.data1.encodedAddress.empty());
  EXPECT_TRUE(edited.data1.variableDecimal);
  EXPECT_EQ(edited.data1.decimalPointTag.address, "V2003");
  EXPECT_TRUE(edited.data2.IsEmpty());  // no marker of item 2: its reference is dropped
  EXPECT_EQ(edited.data3.address, "V2002");
  EXPECT_EQ(edited.leadingZeros, form.leadingZeros);
  EXPECT_EQ(edited.number, 1);
  EXPECT_TRUE(ui.messages.empty());
  // Without the marker the decimal point is off and its address forgotten.
  form.text = "LEVEL \xFF\xFF\xFF";
  result = Apply();
  ASSERT_TRUE(result.Accepted());
  EXPECT_FALSE(result.message.data1.variableDecimal);
  EXPECT_TRUE(result.message.data1.decimalPointTag.IsEmpty());
}

TEST_F(MessageEditTest, ANewNumberIsTakenOnlyAfterTheCaution) {
  form.number = "9";
  EXPECT_EQ(Apply().outcome, MessageEditResult::Outcome::AskNumberChange);
  MessageEditResult taken = Apply(true, 0, NumberChange::Take);
  ASSERT_TRUE(taken.Accepted());
  EXPECT_EQ(taken.message.number, 9);
  EXPECT_FALSE(taken.numberShown);
  MessageEditResult kept = Apply(true, 0, NumberChange::Keep);
  ASSERT_TRUE(kept.Accepted());
  EXPECT_EQ(kept.message.number, 1);
  EXPECT_EQ(kept.numberShown, 1);
  // The same number asks nothing; a local item has none.
  form.number = "1";
  EXPECT_TRUE(Apply().Accepted());
  form.number = "x";
  form.text = "MENU 2";
  EXPECT_TRUE(Apply(false, 0).Accepted());
}

TEST_F(MessageEditTest, TheFormOfAMessageAppliesBackToTheSameMessage) {
  form.text = "LEVEL \xFF\xFF\xFF\xFC \xFE\xFD";
  form.valueTypes = {kBinary16, kBcd32, kBcd16};
  form.minimum = "10";
  form.maximum = "500";
  form.variableDecimal = form.passwordProtected = form.plcPassword = true;
  form.leadingZeros = {true, true, false};
  MessageEditResult first = Apply();
  ASSERT_TRUE(first.Accepted()) << first.notice.text;
  panel.messages[0] = first.message;
  form = FormOf(first.message);
  MessageEditResult again = Apply();
  ASSERT_TRUE(again.Accepted()) << again.notice.text;
  EXPECT_TRUE(again.message.Equals(first.message));
}

TEST_F(MessageEditTest, AMaximumAtItsTypesLargestFollowsTheType) {
  struct Case {
    const char* maximum;
    int from, to;
    const char* after;
  };
  const Case cases[] = {{"9999", kBcd16, kBinary16, "65535"},
                        {"65535", kBinary16, kBcd16, "9999"},
                        {"70000", kBinary16, kBcd32, "99999999"},
                        {"500", kBcd16, kBinary16, "500"},
                        {"", kBcd16, kBinary16, ""}};
  for (const Case& c : cases)
    EXPECT_EQ(MaximumForType(panel, c.maximum, c.from, c.to), c.after) << c.maximum << " " << c.from;
}

TEST_F(MessageEditTest, AFolderKeepsNoLimitsNorAddresses) {
  panel.messages.back().isFolder = 1;
  form.text = "SETTINGS";
  form.minimum = "x";
  form.passwordProtected = true;
  MessageEditResult result = Apply(false, 0);
  ASSERT_TRUE(result.Accepted());
  EXPECT_TRUE(result.message.data1.IsEmpty());
  EXPECT_FALSE(result.message.data1.passwordProtected);
}

TEST_F(MessageEditTest, TheAddressLimitCountsTheEditedMessageOnce) {
  // Fill the panel to exactly 300 addresses; message 1 holds one of them.
  panel.messages[0].data1.address = "V2000";
  while (panel.AddressCount() < kMaxAddressesPerPanel) {
    TQMMessage filler(&project, &panel);
    filler.text = panel.AddressCount() + 3 <= kMaxAddressesPerPanel ? "\xFF\xFE\xFD" : "\xFF";
    filler.data1.address = "V2000";
    panel.messages.push_back(filler);
  }
  ASSERT_EQ(panel.AddressCount(), kMaxAddressesPerPanel);
  EXPECT_TRUE(Apply().Accepted());  // the same address again: 300
  form.text += "\xFE";
  MessageEditResult refused = Apply();
  EXPECT_EQ(refused.focus, Field::Text);
  EXPECT_EQ(refused.notice.text, kT001Text);
}

}  // namespace
}  // namespace lumora

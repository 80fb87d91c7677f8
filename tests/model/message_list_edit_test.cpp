#include "model/message_list_edit.h"

#include <gtest/gtest.h>

#include "model/panel.h"
#include "model/project.h"

namespace lumora {
namespace {

TQMMessage Text(const std::string& text) {
  TQMMessage message;
  message.text = text;
  return message;
}

class MessageListEditTest : public ::testing::Test {
 protected:
  MessageListEditTest() : panel(&project, kPanelQM210) {}
  // PLC messages with these numbers, in the order given (the editor sorts them).
  void PlcNumbers(std::initializer_list<int> numbers) {
    for (int number : numbers) {
      TQMMessage message = Text("M" + std::to_string(number));
      message.isPlcMessage = 1;
      message.number = number;
      panel.messages.push_back(message);
    }
  }
  TQMProject project;
  TQMPanel panel;
};

TEST_F(MessageListEditTest, AddingTakesTheNextFreeNumberAfterTheSelection) {
  PlcNumbers({5, 1, 2});
  MessageListEdit lists(panel);
  ASSERT_EQ(lists.PlcCount(), 3);
  EXPECT_EQ(lists.Plc(2).number, 5);  // sorted
  EXPECT_EQ(MessageListEdit::PlcLine(lists.Plc(2)), "005: M5");
  ListEdit added = lists.AddPlc(1, Text("New"));
  ASSERT_TRUE(added.Done());
  EXPECT_EQ(lists.Plc(added.index).number, 3);
  EXPECT_EQ(added.index, 2);
  // Nothing selected: after the last.
  EXPECT_EQ(lists.Plc(lists.AddPlc(-1, Text("New")).index).number, 6);
  EXPECT_EQ(lists.Total(), 6);
  // An empty list starts at 1.
  TQMPanel empty(&project, kPanelQM210);
  MessageListEdit fresh(empty);
  EXPECT_EQ(fresh.Plc(fresh.AddPlc(-1, Text("New")).index).number, 1);
}

TEST_F(MessageListEditTest, InsertingBeforeAMessageUsesTheFreeNumbersBelowIt) {
  PlcNumbers({2, 5});
  MessageListEdit lists(panel);
  // Before 5 with 2 in front: the user chooses 3 or 4.
  ASSERT_TRUE(lists.InsertRange(1));
  EXPECT_EQ(*lists.InsertRange(1), std::make_pair(2, 5));
  EXPECT_TRUE(lists.InsertAsksNumber(1));
  EXPECT_FALSE(lists.InsertPlc(1, 5, Text("New")).Done());
  EXPECT_EQ(lists.InsertPlc(1, 2, Text("New")).problem->text, kM005Text);
  ListEdit inserted = lists.InsertPlc(1, 4, Text("New"));
  ASSERT_TRUE(inserted.Done());
  EXPECT_EQ(lists.Plc(1).number, 4);
  // Before 4 with 2 in front: 3, without a question. Before 2 (the first): 1.
  EXPECT_FALSE(lists.InsertAsksNumber(1));
  EXPECT_EQ(*lists.InsertRange(1), std::make_pair(2, 4));
  EXPECT_EQ(*lists.InsertRange(0), std::make_pair(1, 2));
  ASSERT_TRUE(lists.InsertPlc(1, 3, Text("New")).Done());
  // No free number below 3 now: inserting there is not offered.
  EXPECT_FALSE(lists.InsertRange(1));
}

TEST_F(MessageListEditTest, LimitsOfTheNumbersAndTheMessageCount) {
  PlcNumbers({6});
  for (int i = 0; i < 250; ++i) panel.messages.push_back(Text("L"));
  MessageListEdit lists(panel);
  EXPECT_EQ(lists.LocalCount(), 250);
  // 7 would collide with the local messages (256 - 250 = 6).
  ListEdit refused = lists.AddPlc(0, Text("New"));
  ASSERT_FALSE(refused.Done());
  EXPECT_EQ(refused.problem->text, kM003Text);
  // M002: a number taken, not positive, or above the local messages.
  EXPECT_EQ(lists.CheckNumber(0, 0)->text, kM002Text);
  EXPECT_EQ(lists.CheckNumber(0, 7)->text, kM002Text);
  EXPECT_FALSE(lists.CheckNumber(0, 5));
  // The highest PLC number plus the local items: 256 reached, no local item can be added.
  EXPECT_EQ(lists.Total(), 256);
  EXPECT_EQ(lists.AddLocal(-1, false, Text("New")).problem->text, M001Text());
}

// A PLC message number may reach up to the first number the local items take (256 minus their count),
// never that number itself or anything above.
TEST_F(MessageListEditTest, APlcNumberReachesUpToTheLocalItems) {
  struct Case {
    int locals;
    int number;
    bool accepted;
  };
  const Case cases[] = {
      {0, 256, true}, {0, 257, false}, {0, 0, false},   {10, 246, true},
      {10, 247, false}, {255, 1, true}, {255, 2, false}, {1, 255, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.locals << " local items, number " << c.number);
    TQMPanel target(&project, kPanelQM210);
    TQMMessage plc = Text("P");
    plc.isPlcMessage = 1;
    plc.number = 1;
    target.messages.push_back(plc);
    for (int i = 0; i < c.locals; ++i) target.messages.push_back(Text("L"));
    MessageListEdit lists(target);
    RuleCheck check = lists.CheckNumber(0, c.number);
    EXPECT_EQ(!check.has_value(), c.accepted);
    if (check) {
      EXPECT_EQ(check->text, kM002Text);
    }
  }
}

TEST_F(MessageListEditTest, LocalItemsFollowTheMenuLevels) {
  MessageListEdit lists(panel);
  ASSERT_TRUE(lists.AddLocal(-1, true, Text("SETTINGS")).Done());   // 0: folder, level 0
  ASSERT_TRUE(lists.AddLocal(-1, false, Text("ALARMS")).Done());    // 1: message, level 0
  ListEdit child = lists.AddLocal(0, false, Text("SET POINT"));     // into the folder, before ALARMS
  ASSERT_TRUE(child.Done());
  EXPECT_EQ(child.index, 1);
  EXPECT_EQ(lists.Local(1).level, 1);
  ListEdit sub = lists.AddLocal(0, true, Text("LIMITS"));           // the folder's last child
  EXPECT_EQ(sub.index, 2);
  ASSERT_TRUE(lists.AddLocal(2, true, Text("DEEP")).Done());        // level 2 folder
  EXPECT_EQ(lists.Local(3).level, 2);
  // A level-2 folder takes messages (level 3) but no folders.
  LocalOffer offer = lists.Offer(3);
  EXPECT_TRUE(offer.newMessage);
  EXPECT_FALSE(offer.newFolder);
  EXPECT_FALSE(offer.cutCopy);
  EXPECT_FALSE(lists.AddLocal(3, true, Text("X")).Done());
  ASSERT_TRUE(lists.AddLocal(3, false, Text("HIGH")).Done());
  EXPECT_EQ(lists.Local(4).level, 3);
  offer = lists.Offer(4);  // a level-3 message
  EXPECT_FALSE(offer.newMessage);
  EXPECT_FALSE(offer.insertFolder);
  EXPECT_TRUE(offer.insertMessage);
  EXPECT_TRUE(offer.cutCopy);
  EXPECT_EQ(lists.MenuParents(), (std::vector<int>{-1, 0, 0, 2, 3, -1}));
  // A paste at a message goes into the folder holding it; at a folder, into that folder.
  EXPECT_EQ(lists.FolderFor(4), 3);
  EXPECT_EQ(lists.FolderFor(3), 3);
  EXPECT_EQ(lists.FolderFor(1), 0);
  EXPECT_EQ(lists.FolderFor(5), -1);
  offer = lists.Offer(-1);  // the root
  EXPECT_FALSE(offer.remove);
  EXPECT_FALSE(offer.insertMessage);
  EXPECT_TRUE(offer.newFolder);
  // A folder's text loses data markers and keeps one character less than a message.
  ListEdit folder = lists.InsertLocal(0, true, Text(std::string("ABCDEFGHIJKLMNOPQRST") + "\xFF"));
  ASSERT_TRUE(folder.Done());
  EXPECT_EQ(lists.Local(0).text, "ABCDEFGHIJKLMNOPQRS");
  // Removing a folder removes everything below it.
  EXPECT_TRUE(lists.HasChildren(1));
  EXPECT_EQ(lists.RemoveLocal(1), 5);
  EXPECT_EQ(lists.LocalCount(), 2);
  EXPECT_EQ(lists.Local(1).text, "ALARMS");
}

TEST_F(MessageListEditTest, FinishNumbersLocalItemsFromTheTopDown) {
  PlcNumbers({3, 1});
  panel.messages.push_back(Text("A"));
  panel.messages.push_back(Text("B"));
  panel.messages.push_back(Text("C"));
  MessageListEdit lists(panel);
  lists.Finish();
  EXPECT_EQ(lists.Local(0).number, 256);
  EXPECT_EQ(lists.Local(1).number, 255);
  EXPECT_EQ(lists.Local(2).number, 254);
  EXPECT_EQ(panel.firstLocalNumber, 4);
  EXPECT_EQ(panel.messages[0].number, 1);
  EXPECT_EQ(lists.RemovePlc(0), 0);
  EXPECT_EQ(lists.RemovePlc(0), -1);
  lists.Finish();
  EXPECT_EQ(panel.firstLocalNumber, 1);
}

}  // namespace
}  // namespace lumora

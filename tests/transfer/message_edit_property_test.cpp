// Random message-editor operations from a fixed seed: after each one the panel keeps every editing rule;
// the result saves, loads back equal, and a Write to lumora-panel-sim succeeds.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "model/editing_rules.h"
#include "model/project_compare.h"
#include "model/message_list_edit.h"
#include "model/text_lines.h"
#include "support/sample_projects.h"
#include "support/transfer_fixture.h"

namespace lumora {
namespace {

class MessageEditPropertyTest : public ::testing::Test, public testing::TransferFixture {
 protected:
  int Pick(int count) { return count <= 0 ? -1 : std::uniform_int_distribution<int>(0, count - 1)(random); }
  bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; }

  // A text as a user could type it: plain characters and, outside folders, data positions within
  // their data type's width.
  std::string RandomText(int limit, bool data, std::array<int, 3>& widths) {
    static const char kPlain[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .%/-";
    int length = 1 + Pick(limit);
    std::string text;
    widths = {0, 0, 0};
    for (int i = 0; i < length; ++i) {
      int item = data && Chance(35) ? 1 + Pick(3) : 0;
      if (item > 0 && widths[static_cast<size_t>(item - 1)] < 5) {
        text += static_cast<char>(0x100 - item);
        ++widths[static_cast<size_t>(item - 1)];
      } else {
        text += kPlain[Pick(static_cast<int>(sizeof kPlain) - 1)];
      }
    }
    return text;
  }

  // Edits the text (and the addresses of the items it holds) the way an applied edit would, within the
  // panel's address limit.
  void EditText(TQMPanel& panel, TQMMessage& message) {
    std::array<int, 3> widths{};
    int limit = panel.CharsPerMessage() - (message.isFolder ? 1 : 0);
    TQMMessage edited = message;
    edited.text = RandomText(limit, message.isFolder == 0, widths);
    edited.data1.variableDecimal = false;
    TQMTag* tags[] = {&edited.data1, &edited.data2, &edited.data3};
    for (int item = 0; item < 3; ++item) {
      if (widths[static_cast<size_t>(item)] > 0) {
        char address[16];  // Tarvo word addresses are octal
        std::snprintf(address, sizeof address, "V%o", 02000 + Pick(0400));
        testing::SetTarvoAddress(*tags[item], address);
      } else {
        tags[item]->address.clear();
      }
    }
    if (panel.AddressCount() - message.AddressCount() + edited.AddressCount() > kMaxAddressesPerPanel) return;
    message = edited;
  }

  void CheckRules(const TQMProject& project, int step) {
    TQMProject finished(project);
    MessageListEdit lists(finished.Panel(0));
    lists.Finish();
    std::vector<ProjectProblem> problems = ValidateProject(finished);
    ASSERT_TRUE(problems.empty()) << "after operation " << step << ": " << problems.front().Line();
  }

  std::mt19937 random{20261208};
};

TEST_F(MessageEditPropertyTest, RandomEditsKeepThePanelWritable) {
  TQMProject project = testing::MakeKeypadProject(Services());
  Prepare(project);
  TQMPanel& panel = project.Panel(0);
  MessageListEdit lists(panel);
  std::string clipboard;
  int operations = 2000;
  for (int step = 0; step < operations; ++step) {
    TQMMessage fresh = panel.NewMessage();
    fresh.text = "New";
    switch (Pick(10)) {
      case 0:
        lists.AddPlc(Pick(lists.PlcCount()), fresh);
        break;
      case 1: {
        int index = Pick(lists.PlcCount());
        if (auto range = lists.InsertRange(index)) {
          int number = lists.InsertAsksNumber(index)
                           ? range->first + 1 + Pick(range->second - range->first - 1)
                           : range->second - 1;
          lists.InsertPlc(index, number, fresh);
        }
        break;
      }
      case 2:
        if (Chance(60)) lists.RemovePlc(Pick(lists.PlcCount()));
        break;
      case 3: {
        int index = Pick(lists.PlcCount());
        int number = 1 + Pick(300);
        if (index >= 0 && !lists.CheckNumber(index, number)) lists.Renumber(index, number);
        break;
      }
      case 4: {
        int selected = Chance(30) ? -1 : Pick(lists.LocalCount());
        LocalOffer offer = lists.Offer(selected);
        bool folder = Chance(40);
        if (folder ? offer.newFolder : offer.newMessage) lists.AddLocal(selected, folder, fresh);
        break;
      }
      case 5: {
        int selected = Pick(lists.LocalCount());
        LocalOffer offer = lists.Offer(selected);
        bool folder = Chance(40);
        if (folder ? offer.insertFolder : offer.insertMessage) lists.InsertLocal(selected, folder, fresh);
        break;
      }
      case 6:
        if (Chance(50)) lists.RemoveLocal(Pick(lists.LocalCount()));
        break;
      case 7: {
        // Copy a message, then paste it into the list or beside a local message.
        int local = Pick(lists.LocalCount());
        TQMMessage* source = Chance(50) && lists.PlcCount() > 0 ? &lists.Plc(Pick(lists.PlcCount()))
                             : local >= 0 && lists.Local(local).isFolder == 0 ? &lists.Local(local)
                                                                               : nullptr;
        if (!source) break;
        clipboard.clear();
        source->AppendTo(clipboard);
        TQMMessage pasted = panel.NewMessage();
        std::string text = clipboard;
        pasted.LoadFrom(text);
        // Pasting encodes the addresses again, as the editor does.
        TQMPlcManager manager(project.plcLibrary.get(), ui);
        for (TQMTag* tag : {static_cast<TQMTag*>(&pasted.data1), &pasted.data2, &pasted.data3}) {
          if (!tag->IsEmpty()) {
            ASSERT_TRUE(manager.ValidateTag(*tag, LUMORA_ACCESS_READ, true, 4));
          }
        }
        if (Chance(50))
          lists.AddPlc(Pick(lists.PlcCount()), pasted);
        else
          lists.AddLocal(-1, false, pasted);
        break;
      }
      default: {
        int total = lists.PlcCount() + lists.LocalCount();
        int index = Pick(total);
        if (index < 0) break;
        TQMMessage& message = index < lists.PlcCount() ? lists.Plc(index) : lists.Local(index - lists.PlcCount());
        EditText(panel, message);
        break;
      }
    }
    CheckRules(project, step);
    if (HasFatalFailure()) return;
  }
  lists.Finish();
  EXPECT_GT(lists.PlcCount() + lists.LocalCount(), 20);

  // Saves, loads back equal, and writes to a panel.
  LineWriter writer;
  project.Save(writer);
  TQMProject loaded(Services());
  LineReader reader(writer.Text());
  ASSERT_TRUE(loaded.Load(reader));
  Prepare(loaded);  // the file holds address texts; opening encodes them again
  LineWriter again;
  loaded.Save(again);
  EXPECT_EQ(again.Text(), writer.Text());
  EXPECT_TRUE(loaded.Equals(project)) << ::testing::PrintToString(DescribeDifferences(project, loaded));
  testing::Simulator sim({"--panel", "QM210K"});
  testing::RecordingSink sink = RunOperation(project, TransferOperation::Write, sim.Path());
  EXPECT_TRUE(finished) << ::testing::PrintToString(sink.Errors());
  EXPECT_TRUE(sink.Errors().empty()) << ::testing::PrintToString(sink.Errors());
}

}  // namespace
}  // namespace lumora

// The message editor's list models over a message list edit: the local menu nests its items as the
// panel's menu does and maps every row back to the item it shows.

#include "editors/local_menu_model.h"
#include "editors/plc_message_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QIcon>
#include <string>
#include <vector>

#include "model/message_list_edit.h"
#include "model/panel.h"
#include "model/project.h"

namespace lumora::gui {
namespace {

struct MenuCase {
  std::vector<std::pair<int, bool>> items;  // level, folder; in menu order
  std::vector<int> parents;                 // the local index each item sits under (-1: the top item)
  std::vector<int> rows;                    // its row there
};

TEST(MessageListModelTest, TheLocalMenuNestsItsItemsAndMapsRowsBackToThem) {
  const MenuCase cases[] = {
      {{}, {}, {}},
      {{{0, false}, {0, false}}, {-1, -1}, {0, 1}},
      {{{0, false}, {0, true}, {1, false}, {1, true}, {2, false}, {0, false}},
       {-1, -1, 1, 1, 3, -1},
       {0, 1, 0, 1, 0, 2}},
  };
  for (const MenuCase& menu : cases) {
    SCOPED_TRACE(menu.items.size());
    TQMProject project;
    TQMPanel panel(&project, kPanelQM210);
    for (auto [level, folder] : menu.items) {
      TQMMessage message;
      message.text = "L" + std::to_string(panel.messages.size());
      message.level = level;
      message.isFolder = folder;
      panel.messages.push_back(message);
    }
    MessageListEdit lists(panel);
    LocalMenuModel model(lists, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    QModelIndex top = model.IndexOf(LocalMenuModel::kRoot);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0), top);
    EXPECT_EQ(top.data().toString(), QString("Local Messages"));
    EXPECT_EQ(model.LocalIndex(top), LocalMenuModel::kRoot);
    for (int i = 0; i < static_cast<int>(menu.items.size()); ++i) {
      QModelIndex item = model.IndexOf(i);
      EXPECT_EQ(item.row(), menu.rows[static_cast<size_t>(i)]) << i;
      EXPECT_EQ(model.parent(item), model.IndexOf(menu.parents[static_cast<size_t>(i)])) << i;
      EXPECT_EQ(model.LocalIndex(item), i);
      EXPECT_EQ(item.data().toString(), QString("L%1").arg(i));
      EXPECT_FALSE(item.data(Qt::DecorationRole).value<QIcon>().isNull());
    }
    EXPECT_FALSE(model.IndexOf(static_cast<int>(menu.items.size())).isValid());
  }
}

TEST(MessageListModelTest, AReloadShowsTheListsAsEditedSince) {
  TQMProject project;
  TQMPanel panel(&project, kPanelQM210);
  MessageListEdit lists(panel);
  PlcMessageModel plc(lists, nullptr);
  LocalMenuModel menu(lists, nullptr);
  QAbstractItemModelTester plcTester(&plc, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QAbstractItemModelTester menuTester(&menu, QAbstractItemModelTester::FailureReportingMode::Fatal);
  TQMMessage message;
  message.text = "FILL";
  ASSERT_TRUE(lists.AddPlc(-1, message).Done());
  ASSERT_TRUE(lists.AddLocal(-1, true, message).Done());
  ASSERT_TRUE(lists.AddLocal(0, false, message).Done());
  plc.Reload();
  menu.Reload();
  ASSERT_EQ(plc.rowCount(), 1);
  EXPECT_EQ(plc.index(0).data().toString(), QString("001: FILL"));
  EXPECT_EQ(menu.parent(menu.IndexOf(1)), menu.IndexOf(0));
  lists.RemoveLocal(0);
  menu.Reload();
  EXPECT_EQ(menu.rowCount(menu.IndexOf(LocalMenuModel::kRoot)), 0);
}

}  // namespace
}  // namespace lumora::gui

#include "model/system_kind.h"

#include <gtest/gtest.h>

#include "model/project.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"
#include "support/take_edit.h"

namespace lumora {
namespace {

class SystemKindTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  testing::RecordingInteraction ui;
  testing::FakePlcEnvironment plc;
};

TEST_F(SystemKindTest, LeavingAMultiPanelSystemAsksAndKeepsOneDefaultPanel) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  TQMProject before(project);
  ui.answers.push_back(Answer::No);
  EXPECT_EQ(testing::Take(project, SwitchToSinglePanel(project)).outcome, SystemKindChange::Declined);
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], kLeaveMultiPanelQuestion);
  EXPECT_TRUE(project.Equals(before));

  ui.answers.push_back(Answer::Yes);
  ASSERT_EQ(testing::Take(project, SwitchToSinglePanel(project)).outcome, SystemKindChange::Changed);
  EXPECT_EQ(project.systemType, SystemType::SinglePanel);
  ASSERT_EQ(project.PanelCount(), 1u);
  EXPECT_EQ(project.Panel(0).panelType, kPanelQM210);
  EXPECT_EQ(project.Panel(0).port, 1);
  EXPECT_TRUE(project.Panel(0).messages.empty());
  EXPECT_EQ(project.multiplexer.selectedPort, 1);
}

TEST_F(SystemKindTest, TheSameKindAgainChangesNothing) {
  TQMProject single = testing::MakeKeypadProject(Services());
  EXPECT_EQ(testing::Take(single, SwitchToSinglePanel(single)).outcome, SystemKindChange::Unchanged);
  TQMProject multi = testing::MakeMultiplexerProject(Services());
  EXPECT_EQ(testing::Take(multi, SwitchToMultiPanel(multi)).outcome, SystemKindChange::Unchanged);
  EXPECT_TRUE(ui.Texts().empty());
}

TEST_F(SystemKindTest, ASinglePanelBecomesTheMultiplexersFirstPanel) {
  TQMProject project = testing::MakeKeypadProject(Services());
  size_t messages = project.Panel(0).messages.size();
  ASSERT_EQ(testing::Take(project, SwitchToMultiPanel(project)).outcome, SystemKindChange::Changed);
  EXPECT_EQ(project.systemType, SystemType::MultiPanel);
  EXPECT_EQ(project.multiplexer.portType, (std::array<int32_t, 5>{kPanelQM210K, 0, 0, 0, 0}));
  EXPECT_EQ(project.multiplexer.selectedPort, 1);
  EXPECT_EQ(project.Panel(0).messages.size(), messages);
  // The panel count fits the port table, as a saved file needs.
  EXPECT_EQ(project.multiplexer.ConfiguredPortCount(), 1);
}

}  // namespace
}  // namespace lumora

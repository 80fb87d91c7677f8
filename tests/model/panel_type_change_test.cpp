#include "model/panel_type_change.h"

#include <gtest/gtest.h>

#include "model/project.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"
#include "support/take_edit.h"

namespace lumora {
namespace {

using testing::SetTarvoAddress;

class PanelTypeChangeTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  testing::RecordingInteraction ui;
  testing::FakePlcEnvironment plc;
};

TEST_F(PanelTypeChangeTest, AQm410BecomingAQm210KeepsItsMessagesAndDropsLinesThreeAndFour) {
  TQMProject project = testing::MakeKeypadProject(Services());
  project.Panel(0).panelType = kPanelQM410;
  SetTarvoAddress(project.Panel(0).lineRegisters[2], "V2012");
  SetTarvoAddress(project.Panel(0).lineRegisters[3], "V2013");
  size_t messages = project.Panel(0).messages.size();
  ASSERT_EQ(testing::Take(project, ChangePanelType(project, kPanelQM210)).outcome, PanelTypeChange::Changed);
  ASSERT_EQ(project.PanelCount(), 1u);
  const TQMPanel& panel = project.Panel(0);
  EXPECT_EQ(panel.panelType, kPanelQM210);
  EXPECT_EQ(panel.messages.size(), messages);
  EXPECT_TRUE(panel.lineRegisters[2].IsEmpty());
  EXPECT_TRUE(panel.lineRegisters[3].IsEmpty());
  EXPECT_FALSE(panel.lineRegisters[0].IsEmpty());
  EXPECT_EQ(panel.localPassword, 0u);  // only a QM210K has one
  EXPECT_TRUE(ui.Texts().empty());     // nothing is lost that needs asking
}

TEST_F(PanelTypeChangeTest, LosingMessagesIsAskedFirst) {
  TQMProject project = testing::MakeKeypadProject(Services());
  TQMProject before(project);
  ui.answers.push_back(Answer::No);
  EXPECT_EQ(testing::Take(project, ChangePanelType(project, kPanelQMSV)).outcome, PanelTypeChange::Declined);
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], kSinglePanelTypeQuestion);
  EXPECT_TRUE(project.Equals(before));

  ui.answers.push_back(Answer::Yes);
  ASSERT_EQ(testing::Take(project, ChangePanelType(project, kPanelQMSV)).outcome, PanelTypeChange::Changed);
  EXPECT_EQ(project.Panel(0).panelType, kPanelQMSV);
  EXPECT_TRUE(project.Panel(0).messages.empty());
}

TEST_F(PanelTypeChangeTest, TheSameModelAgainChangesNothing) {
  TQMProject project = testing::MakeKeypadProject(Services());
  EXPECT_EQ(testing::Take(project, ChangePanelType(project, kPanelQM210K)).outcome,
            PanelTypeChange::Unchanged);
}

TEST_F(PanelTypeChangeTest, MultiplexerPorts) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  // An empty port gets a new panel and its port entry, asking nothing.
  project.multiplexer.selectedPort = 3;
  ASSERT_EQ(testing::Take(project, ChangePanelType(project, kPanelQM410)).outcome, PanelTypeChange::Changed);
  ASSERT_NE(project.FindPanel(3), nullptr);
  EXPECT_EQ(project.FindPanel(3)->panelType, kPanelQM410);
  EXPECT_EQ(project.multiplexer.portType[2], kPanelQM410);
  EXPECT_TRUE(ui.Texts().empty());
  // The set-point panel on port 5 becoming a text panel: the multiplexer's question.
  project.multiplexer.selectedPort = 5;
  ui.answers.push_back(Answer::Yes);
  ASSERT_EQ(testing::Take(project, ChangePanelType(project, kPanelQM210G)).outcome, PanelTypeChange::Changed);
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], kMultiPanelTypeQuestion);
  EXPECT_EQ(project.FindPanel(5)->panelType, kPanelQM210G);
  EXPECT_TRUE(project.FindPanel(5)->messages.empty());
  EXPECT_EQ(project.multiplexer.portType[4], kPanelQM210G);
  EXPECT_EQ(project.PanelCount(), 3u);
}

TEST_F(PanelTypeChangeTest, DeletingThePanelOfTheSelectedPort) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  project.multiplexer.selectedPort = 5;
  ASSERT_NE(project.FindPanel(5), nullptr);
  size_t panels = project.PanelCount();
  TQMProject before(project);

  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(testing::Take(project, DeleteSelectedPanel(project)).outcome);
  EXPECT_TRUE(project.Equals(before));

  ui.answers.push_back(Answer::Yes);
  ASSERT_TRUE(testing::Take(project, DeleteSelectedPanel(project)).outcome);
  EXPECT_EQ(project.FindPanel(5), nullptr);
  EXPECT_EQ(project.multiplexer.portType[4], kPanelNone);
  EXPECT_EQ(project.PanelCount(), panels - 1);
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_EQ(ui.Texts()[1], kMultiPanelTypeQuestion);

  // An empty port: nothing to delete, nothing asked.
  EXPECT_FALSE(testing::Take(project, DeleteSelectedPanel(project)).outcome);
  EXPECT_EQ(ui.Texts().size(), 2u);
}

}  // namespace
}  // namespace lumora

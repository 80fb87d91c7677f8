#include "model/panel_exchange.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/editing_rules.h"
#include "model/project.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"
#include "support/take_edit.h"

namespace lumora {
namespace {

using testing::FakePlcEnvironment;
using testing::RecordingInteraction;

class PanelExchangeTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  RecordingInteraction ui;
  FakePlcEnvironment plc;
};

TEST_F(PanelExchangeTest, PortTextsAndTheFirstConfiguredPort) {
  TQMProject multi = testing::MakeMultiplexerProject(Services());
  multi.Panel(1).port = 4;  // panels on ports 2 and 4
  EXPECT_EQ(ImportPortTexts(multi), (std::array<std::string, 5>{"Not Configured", "QM210", "Not Configured",
                                                                "QMSV", "Not Configured"}));
  // The dialog opens on port 2, never on an empty port 1.
  EXPECT_EQ(FirstConfiguredPort(multi), 2);
  EXPECT_EQ(FirstConfiguredPort(TQMProject(Services())), 0);
}

TEST_F(PanelExchangeTest, AnIdenticalPanelChangesNothing) {
  TQMProject current = testing::MakeKeypadProject(Services());
  TQMProject loaded(current);
  EXPECT_EQ(testing::Take(current, ImportPanel(current, loaded, 0)).outcome, ImportOutcome::Unchanged);
  EXPECT_TRUE(ui.Texts().empty());  // not even the question
}

TEST_F(PanelExchangeTest, NoToTheClearingQuestionLeavesTheProject) {
  TQMProject current = testing::MakeKeypadProject(Services());
  TQMProject before(current);
  TQMProject loaded = testing::MakeMultiplexerProject(Services());
  ui.answers.push_back(Answer::No);
  EXPECT_EQ(testing::Take(current, ImportPanel(current, loaded, 5)).outcome, ImportOutcome::Declined);
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], "This command will clear the panel(s). Do you want to continue?");
  EXPECT_TRUE(current.Equals(before));
  EXPECT_EQ(testing::Take(current, ImportPanel(current, loaded, 3)).outcome, ImportOutcome::NoPanelOnPort);
}

TEST_F(PanelExchangeTest, AQmsvReplacesAQm410WithItsTypeAndPortEntry) {
  TQMProject current(Services());
  current.systemType = SystemType::MultiPanel;
  current.plcSettings.SetHeader(31, 2);
  current.multiplexer.portType = {kPanelQM210, kPanelQM410, kPanelNone, kPanelNone, kPanelNone};
  current.AddPanel(kPanelQM210, 1);
  current.AddPanel(kPanelQM410, 2).messages.push_back(current.FindPanel(2)->NewMessage());
  current.multiplexer.selectedPort = 2;
  TQMProject loaded = testing::MakeMultiplexerProject(Services());
  ui.answers.push_back(Answer::Yes);
  ASSERT_EQ(testing::Take(current, ImportPanel(current, loaded, 5)).outcome, ImportOutcome::Imported);
  const TQMPanel* imported = current.FindPanel(2);
  ASSERT_NE(imported, nullptr);
  EXPECT_EQ(imported->panelType, kPanelQMSV);
  EXPECT_EQ(current.multiplexer.portType[1], kPanelQMSV);
  EXPECT_EQ(current.PanelCount(), 2u);
  EXPECT_TRUE(imported->Equals(*loaded.FindPanel(5)));
  EXPECT_EQ(imported->project, &current);
  // The PLC settings stay the current project's.
  EXPECT_EQ(current.plcSettings.plcAttributes.size(), 32u);
}

TEST_F(PanelExchangeTest, ASingleProjectTakesTheOnePanelOnPortOne) {
  TQMProject current = testing::MakeKeypadProject(Services());
  TQMProject loaded = testing::MakeMultiplexerProject(Services());
  TQMProject single(Services());
  single.plcSettings = loaded.plcSettings;
  TQMPanel panel(*loaded.FindPanel(2));
  panel.port = 1;
  single.PutPanel(panel);
  ui.answers.push_back(Answer::Yes);
  ASSERT_EQ(testing::Take(current, ImportPanel(current, single, 0)).outcome, ImportOutcome::Imported);
  ASSERT_EQ(current.PanelCount(), 1u);
  EXPECT_EQ(current.Panel(0).port, 1);
  EXPECT_EQ(current.Panel(0).panelType, kPanelQM210);
  EXPECT_EQ(current.multiplexer.portType[0], kPanelQM210);
}

// A panel that breaks the rules every project keeps is refused whole, before the clearing question, and
// the project is left exactly as it was.
TEST_F(PanelExchangeTest, APanelBreakingTheRulesIsRefusedWithItsProblems) {
  struct Case {
    const char* name;
    std::function<void(TQMPanel&)> spoil;
    std::string problem;
  };
  const std::string where = "Port 1 (QM210K), message 1: ";
  for (const Case& c : std::vector<Case>{
           {"300-character text", [](TQMPanel& p) { p.messages[0].text = std::string(300, 'A'); },
            where + kZ005Text},
           {"NUL in a text", [](TQMPanel& p) { p.messages[0].text = std::string("TANK\0LEVEL", 10); },
            where + "The message text holds a character the panel cannot show (0x00)"},
           {"panel type 99", [](TQMPanel& p) { p.panelType = 99; }, "Port 1 (NULL): Unknown panel type 99"},
           {"message number 99999", [](TQMPanel& p) { p.messages[0].number = 99999; },
            "Port 1 (QM210K), message 99999: Message number 99999 is outside 1 to 256"},
           {"tab in a tag name", [](TQMPanel& p) { p.messages[1].data3.tagName = "MOTOR\tSPEED"; },
            "Port 1 (QM210K), message 3: The tag name of data item 3 holds a control character (0x09)"},
           {"escape in a register's tag name",
            [](TQMPanel& p) { p.passwordRegister.tagName = "PASS\x1B[2J"; },
            "Port 1 (QM210K): The tag name of the password register holds a control character (0x1B)"},
       }) {
    TQMProject current = testing::MakeMultiplexerProject(Services());
    current.multiplexer.selectedPort = 2;
    TQMProject before(current);
    TQMProject loaded = testing::MakeKeypadProject(Services());
    c.spoil(loaded.Panel(0));
    std::vector<ProjectProblem> problems;
    EXPECT_EQ(testing::Take(current, ImportPanel(current, loaded, 0, &problems)).outcome,
              ImportOutcome::Refused)
        << c.name;
    std::vector<std::string> lines;
    for (const ProjectProblem& problem : problems)
      lines.push_back(problem.Line());
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.problem), lines.end())
        << c.name << ": " << lines.size();
    EXPECT_TRUE(current.Equals(before)) << c.name;
  }
  EXPECT_TRUE(ui.Texts().empty());  // not even the question
  std::vector<ProjectProblem> problems{{"Port 1 (NULL)", {Rule::PanelType, "Unknown panel type 99"}}};
  EXPECT_EQ(ImportRefusedText("/tmp/bad.lmx", problems),
            "The panel in /tmp/bad.lmx breaks the project rules and was not imported:\n"
            "Port 1 (NULL): Unknown panel type 99");
}

}  // namespace
}  // namespace lumora

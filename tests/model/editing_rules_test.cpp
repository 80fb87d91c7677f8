#include "model/editing_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/project.h"
#include "model/project_compare.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

using testing::FakePlcEnvironment;
using testing::RecordingInteraction;

class EditingRulesTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  // The rules the validation found, in order.
  static std::vector<Rule> RulesOf(const std::vector<ProjectProblem>& problems) {
    std::vector<Rule> rules;
    for (const ProjectProblem& problem : problems)
      rules.push_back(problem.violation.rule);
    return rules;
  }
  static bool Has(const std::vector<ProjectProblem>& problems, Rule rule) {
    std::vector<Rule> rules = RulesOf(problems);
    return std::find(rules.begin(), rules.end(), rule) != rules.end();
  }
  RecordingInteraction ui;
  FakePlcEnvironment plc;
};

TEST_F(EditingRulesTest, SampleProjectsAreValid) {
  for (TQMProject project :
       {testing::MakeKeypadProject(Services()), testing::MakeMultiplexerProject(Services())}) {
    std::vector<ProjectProblem> problems = ValidateProject(project, 4);
    EXPECT_TRUE(problems.empty()) << problems.front().Line();
  }
  // The largest file the format holds is more than a panel holds: 768 addresses on each of its panels.
  std::vector<ProjectProblem> problems = ValidateProject(testing::MakeMaximalProject(Services()), 4);
  ASSERT_EQ(problems.size(), 5u);
  for (const ProjectProblem& problem : problems)
    EXPECT_EQ(problem.violation.rule, Rule::AddressLimit);
}

TEST_F(EditingRulesTest, MessageTextsThePanelCannotHoldAreFound) {
  TQMProject project = testing::MakeKeypadProject(Services());
  TQMMessage& message = project.Panel(0).messages[0];

  std::string original = message.text;
  message.text = std::string(200, static_cast<char>(0xFF));  // far beyond the line and the item width
  std::vector<ProjectProblem> problems = ValidateProject(project);
  EXPECT_TRUE(Has(problems, Rule::MessageLength));
  EXPECT_TRUE(Has(problems, Rule::DataItemWidth));
  EXPECT_EQ(problems.front().Line(),
            "Port 1 (QM210K), message 1: Error Z005:  The Maximum message length has exceeded.");

  message.text = original;
  message.text[0] = '\0';
  problems = ValidateProject(project);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].violation.rule, Rule::Character);
  EXPECT_NE(problems[0].Line().find("(0x00)"), std::string::npos);

  // Markers in a folder's text, or anywhere on a set-point panel, are bytes the panel cannot show.
  EXPECT_FALSE(IsShowableByte(0xFF, false));
  EXPECT_TRUE(IsShowableByte(0xFF, true));
  EXPECT_FALSE(IsShowableByte(0x7F, true));
  EXPECT_TRUE(IsShowableByte(' ', false));

  // Cleared addresses (a change of PLC) leave the decimal point position without its option: still a
  // text the panel holds. A position that does not follow data item 1 is not.
  message.text = "T" + std::string(2, static_cast<char>(0xFF)) + static_cast<char>(0xFC);
  message.data1.variableDecimal = false;
  EXPECT_TRUE(ValidateProject(project).empty());
  message.text = std::string(1, static_cast<char>(0xFC)) + "T" + std::string(2, static_cast<char>(0xFF));
  problems = ValidateProject(project);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].violation.rule, Rule::DecimalPoint);

  // Six positions of a BCD/Int 16 item.
  message.text = "X" + std::string(6, static_cast<char>(0xFE));
  problems = ValidateProject(project);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].violation.text, "Maximum 5  \"DATA SET 2\" can be defined with selected data type");
}

TEST_F(EditingRulesTest, NumbersAndCountsOutsideTheirRanges) {
  TQMProject project = testing::MakeKeypadProject(Services());
  TQMPanel& panel = project.Panel(0);
  TQMMessage copy = panel.messages[0];
  panel.messages.insert(panel.messages.begin() + 1, copy);  // PLC message 1 twice
  EXPECT_TRUE(Has(ValidateProject(project), Rule::DuplicateNumber));
  panel.messages.erase(panel.messages.begin() + 1);

  panel.messages[0].number = 300;
  std::vector<ProjectProblem> problems = ValidateProject(project);
  EXPECT_TRUE(Has(problems, Rule::MessageNumber));
  panel.messages[0].number = 1;

  TQMProject many = testing::MakeKeypadProject(Services());
  TQMMessage filler = many.Panel(0).NewMessage();
  filler.text = "PLAIN";
  filler.isPlcMessage = 0;
  while (many.Panel(0).messages.size() <= 256)
    many.Panel(0).messages.push_back(filler);
  problems = ValidateProject(many);
  EXPECT_TRUE(Has(problems, Rule::RoomForMessage));
  EXPECT_TRUE(Has(problems, Rule::DuplicateNumber));

  TQMProject wrongPort = testing::MakeKeypadProject(Services());
  wrongPort.Panel(0).port = 3;
  EXPECT_TRUE(Has(ValidateProject(wrongPort), Rule::PanelPort));
  TQMProject wrongType = testing::MakeKeypadProject(Services());
  wrongType.Panel(0).panelType = 9;
  EXPECT_TRUE(Has(ValidateProject(wrongType), Rule::PanelType));

  // The PLC's address size against the project's.
  problems = ValidateProject(project, 2);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].violation.rule, Rule::AddressSize);
  EXPECT_EQ(problems[0].Line(), "PLC: The project's address size (4) is not the PLC's (2)");
}

TEST_F(EditingRulesTest, AddressCountAboveTheLimit) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  TQMPanel& panel = project.AddPanel(kPanelQM410, 1);
  panel.firstLocalNumber = 1;
  TQMMessage wide = panel.NewMessage();
  wide.isPlcMessage = 0;
  wide.text = std::string(1, static_cast<char>(0xFF)) + static_cast<char>(0xFE) + static_cast<char>(0xFD);
  for (int i = 0; i < 99; ++i) {
    wide.number = 256 - i;
    panel.messages.push_back(wide);
  }
  std::vector<ProjectProblem> problems = ValidateProject(project);
  ASSERT_EQ(problems.size(), 1u) << problems.front().Line();
  EXPECT_EQ(problems[0].violation.text, "Error T001: PLC Address count exceeds maximum limit");
}

TEST_F(EditingRulesTest, CopiesEqualTheirOriginals) {
  // Values a panel type does not use (a password on a QM210, registers beyond its lines) survive a
  // copy, so a copy writes and compares like its original.
  TQMProject project = testing::MakeKeypadProject(Services());
  project.Panel(0).panelType = kPanelQM210;
  project.Panel(0).lineRegisters[3].address = "V7";
  TQMProject copy(project);
  EXPECT_TRUE(copy.Equals(project));
  EXPECT_TRUE(DescribeDifferences(copy, project).empty());
  EXPECT_EQ(copy.Panel(0).localPassword, project.Panel(0).localPassword);
  EXPECT_EQ(copy.Panel(0).lineRegisters[3].address, "V7");

  // A damaged file can put two panels on one port; each pairs with its own counterpart.
  TQMProject twoOnOnePort = testing::MakeMultiplexerProject(Services());
  twoOnOnePort.Panel(1).port = twoOnOnePort.Panel(0).port;
  TQMProject copyOfIt(twoOnOnePort);
  EXPECT_TRUE(copyOfIt.Equals(twoOnOnePort));
  EXPECT_TRUE(DescribeDifferences(copyOfIt, twoOnOnePort).empty());
}

TEST_F(EditingRulesTest, DifferencesMatchMessagesByNumber) {
  TQMProject onPc = testing::MakeKeypadProject(Services());
  TQMProject inPanel(onPc);
  // The panel lacks the first message: one difference, not one per later message.
  inPanel.Panel(0).messages.erase(inPanel.Panel(0).messages.begin());
  std::vector<std::string> lines = DescribeDifferences(onPc, inPanel);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Port 1 (QM210K), message 1: only in the first");
  EXPECT_FALSE(onPc.Equals(inPanel));

  // The same messages in another order are not the same project.
  TQMProject reordered(onPc);
  std::swap(reordered.Panel(0).messages[0], reordered.Panel(0).messages[1]);
  lines = DescribeDifferences(onPc, reordered);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Port 1 (QM210K), message order");
  EXPECT_FALSE(onPc.Equals(reordered));

  // Access codes compare as numbers: an unknown code is not read/write, though it shows as "R/W".
  TQMProject oddAccess(onPc);
  oddAccess.Panel(0).messages[0].data1.accessType = 3;
  EXPECT_FALSE(onPc.Equals(oddAccess));
  lines = DescribeDifferences(onPc, oddAccess);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Port 1 (QM210K), message 1, data 1 access type: R/W (0) / R/W (3)");
}

}  // namespace
}  // namespace lumora

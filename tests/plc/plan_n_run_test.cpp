#include <gtest/gtest.h>

#include "model/interaction.h"
#include "model/project.h"
#include "model/project_file.h"
#include "plc/plan_n_run.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

class PlanNRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParseTagMap(
        "header one\nheader two\nPUMP_ON,V100,5,1\nPUMP_SPEED,V101,7,1\nALIAS_A,V200,5,1\n"
        "ALIAS_B,V200,5,1\nIGNORED,V300,3,1\nNOKIND,V301\nLED,V2000,5,1\n",
        "/maps/plant.map", project.textPanelTagMap, project.setPointTagMap);
    project.tagMapLinked = true;
    project.tagMapPath = "/maps/plant.map";
    TQMPanel panel(&project, kPanelQM210K);
    panel.buttonLeds.ledWord.address = "V2000,5,1";
    panel.buttonLeds.ledWord.tagName = "LED";
    panel.buttonLeds.buttonWord.address = "V101,7,1";
    panel.buttonLeds.buttonWord.tagName = "OLD_NAME";
    panel.passwordRegister.address = "V200,5,1";
    panel.lineRegisters[0].address = "V777";
    panel.lineRegisters[0].tagName = "LOST";
    TQMMessage message = panel.NewMessage();
    message.text = std::string("A") + static_cast<char>(0xFF) + static_cast<char>(0xFD);
    message.data1.address = "V100,5,1";
    message.data1.tagName = "PUMP_ON";
    message.data3.address = "V300";
    message.data2.address = "V999";  // no marker for item 2: not checked
    panel.messages.push_back(message);
    project.PutPanel(panel);
  }
  TQMProject project;
};

TEST_F(PlanNRunTest, MapReaderKeepsKindsFiveAndSeven) {
  EXPECT_EQ(project.textPanelTagMap.header1, "header one");
  EXPECT_EQ(project.textPanelTagMap.header2, "header two");
  EXPECT_EQ(project.textPanelTagMap.entries.size(), 5u);
  EXPECT_EQ(project.textPanelTagMap.entries.count("IGNORED"), 0u);
  EXPECT_EQ(project.textPanelTagMap.entries.count("NOKIND"), 0u);
  EXPECT_EQ(project.setPointTagMap, project.textPanelTagMap);
}

TEST_F(PlanNRunTest, ReportModeLogsEveryInconsistentTag) {
  TQMPlanNRun check(project);
  check.Run();
  EXPECT_EQ(check.Log(), (std::vector<std::string>{
                             "Tag name \"OLD_NAME\" changed to \"PUMP_SPEED\" for address V101,7,1\n",
                             "Multiple tag names found for the address \"V200,5,1\"\n",
                             "\tALIAS_A\n",
                             "\tALIAS_B\n",
                             "Error Tag map entry \"LOST,V777\" not found in map file\n",
                             "Error Tag map entry \",V300\" not found in map file\n",
                         }));
  EXPECT_EQ(project.Panel(0).buttonLeds.buttonWord.tagName, "OLD_NAME");  // report changes nothing
}

TEST_F(PlanNRunTest, ApplyModeRenamesAndClears) {
  TQMPlanNRun apply(project);
  apply.SetMode(TQMPlanNRun::kApply);
  apply.Run();
  EXPECT_TRUE(apply.Log().empty());
  const TQMPanel& panel = project.Panel(0);
  EXPECT_EQ(panel.buttonLeds.buttonWord.tagName, "PUMP_SPEED");
  EXPECT_TRUE(panel.passwordRegister.IsEmpty());
  EXPECT_TRUE(panel.lineRegisters[0].IsEmpty());
  EXPECT_TRUE(panel.messages[0].data3.IsEmpty());
  EXPECT_EQ(panel.messages[0].data1.address, "V100,5,1");
  EXPECT_EQ(panel.messages[0].data2.address, "V999");
  EXPECT_EQ(panel.buttonLeds.ledWord.valueType, kBinary16);

  TQMPlanNRun again(project);
  again.Run();
  EXPECT_TRUE(again.Log().empty());
}

TEST_F(PlanNRunTest, TheCurrentPanelChoosesTheTable) {
  project.setPointTagMap.entries.clear();
  project.setPointTagMap.entries["SP_NAME"] = "V101,7,1";
  project.systemType = SystemType::MultiPanel;
  project.multiplexer.selectedPort = 2;
  TQMPanel setPoint(&project, kPanelQMSV);
  project.PutPanel(setPoint);
  TQMPlanNRun check(project);
  check.Run();
  EXPECT_EQ(check.Log().front(), "Error Tag map entry \"LED,V2000,5,1\" not found in map file\n");
}

TEST_F(PlanNRunTest, OpenConversionAsksAndAppliesOnYes) {
  struct Answer {
    bool yes;
    size_t lines = 0;
    std::string path;
  } answer{false, 0, ""};
  auto confirm = [](const std::vector<std::string>& log, const std::string& path, void* context) {
    auto* a = static_cast<Answer*>(context);
    a->lines = log.size();
    a->path = path;
    return a->yes;
  };
  EXPECT_FALSE(ConvertLinkedProjectOnOpen(project, confirm, &answer));
  EXPECT_EQ(answer.lines, 6u);
  EXPECT_EQ(answer.path, "/maps/plant.map");
  answer.yes = true;
  EXPECT_TRUE(ConvertLinkedProjectOnOpen(project, confirm, &answer));
  EXPECT_EQ(project.Panel(0).buttonLeds.buttonWord.tagName, "PUMP_SPEED");
  answer.lines = 0;
  EXPECT_TRUE(ConvertLinkedProjectOnOpen(project, confirm, &answer));
  EXPECT_EQ(answer.lines, 0u);  // nothing left to ask
}

// A change of the tag map gives the linked project and leaves the one it came from as it was.
TEST_F(PlanNRunTest, ChangingTheTagMapGivesANewProject) {
  testing::TempDir dir;
  std::string map = dir.Write("new.map", "h\nh\nPUMP_ON,V100,5,1\nRENAMED,V101,7,1\nLED,V2000,5,1\nPW,V200,5,1\n");
  const std::string before = ProjectFileText(project);
  SilentInteraction ui;
  bool yes = false;
  auto confirm = [](const std::vector<std::string>&, const std::string&, void* answer) {
    return *static_cast<bool*>(answer);
  };
  EXPECT_FALSE(ProjectWithTagMap(project, map, ui, confirm, &yes));
  EXPECT_FALSE(ProjectWithTagMap(project, dir.File("missing.map"), ui, confirm, &yes));
  yes = true;
  std::optional<TQMProject> linked = ProjectWithTagMap(project, map, ui, confirm, &yes);
  ASSERT_TRUE(linked);
  EXPECT_EQ(linked->tagMapPath, map);
  EXPECT_EQ(linked->Panel(0).buttonLeds.buttonWord.tagName, "RENAMED");
  EXPECT_EQ(ProjectFileText(project), before);

  // A change made on a copy of a project that left tag mode keeps the map the project had.
  project.tagMapLinked = false;
  TQMProject copy(project);
  EXPECT_TRUE(copy.textPanelTagMap.entries.empty());
  copy.KeepTagMapOf(project);
  EXPECT_EQ(copy.textPanelTagMap, project.textPanelTagMap);
  EXPECT_EQ(copy.tagMapPath, project.tagMapPath);
}

TEST_F(PlanNRunTest, ChoicesListNamesAfterAnEmptyEntry) {
  PlanNRunChoices choices;
  choices.Fill(project.textPanelTagMap);
  EXPECT_EQ(choices.Items(),
            (std::vector<std::string>{"", "ALIAS_A", "ALIAS_B", "LED", "PUMP_ON", "PUMP_SPEED"}));
  EXPECT_EQ(choices.CurrentValue(), "");
  EXPECT_EQ(choices.SelectByText("PUMP_ON"), 4);
  EXPECT_EQ(choices.CurrentValue(), "V100,5,1");
  EXPECT_EQ(choices.SelectByText("pump_on"), -1);
  choices.Select(0);
  EXPECT_EQ(choices.CurrentValue(), "");
}

}  // namespace
}  // namespace lumora

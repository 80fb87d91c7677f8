#include <gtest/gtest.h>

#include <algorithm>

#include "model/project.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/installed_plc_environment.h"
#include "plc/plc_change.h"
#include "plc/plc_manager.h"
#include "plc/plc_manager2.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/take_edit.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::RecordingInteraction;
using testing::ScopedInstallDir;
using testing::StageDir;
using testing::TempDir;

// The demo project (Tarvo DL-205, twelve addresses) in an install tree of the test's own, so the
// attribute exchange file is written there and not into the stage.
class PlcChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::LinkStageInto(install, true);
    catalogue.Discover(ui);
    ASSERT_TRUE(OpenProjectFile(project, StageDir() + "/Project/demo-qm210.lmx"));
    ASSERT_EQ(project.plcSettings.plcName, "Tarvo DL-205");
    ui.messages.clear();
  }
  PlcCatalogueEntry Entry(const std::string& name) {
    for (const PlcCatalogueEntry& entry : catalogue.Entries())
      if (entry.name == name) return entry;
    ADD_FAILURE() << name << " is not installed";
    return {};
  }
  std::vector<uint8_t> Defaults(const std::string& name) {
    TQMPlcManager2 plc(Entry(name).path, ui);
    TQMPlcSettings settings;
    EXPECT_EQ(plc.CreateDefaultAttributes(settings), DefaultAttributes::Created);
    return settings.plcAttributes;
  }
  int Addresses() {
    int count = 0;
    project.ForEachTag([&](TQMTag& tag) { count += tag.IsEmpty() ? 0 : 1; });
    return count;
  }

  TempDir dir;
  std::string install = dir.File("install");
  ScopedInstallDir scoped{install};
  RecordingInteraction ui;
  PlcCatalogue catalogue;
  InstalledPlcEnvironment environment{catalogue, ui};
  TQMProject project{CoreServices{&ui, &environment}};
};

TEST_F(PlcChangeTest, CompatiblePlcConvertsEveryAddressAndTakesTheNewSettings) {
  TQMProject before = project;
  ui.answers = {Answer::No};
  PlcChangeResult declined = testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-405"), ui));
  EXPECT_EQ(declined.outcome, PlcChangeOutcome::Declined);
  EXPECT_TRUE(declined.compatible);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0].text,
      "Tarvo DL-405 is compatible with\nTarvo DL-205.\nChanging the PLC will convert all the compatible "
      "addresses.\n\nChange?");
  EXPECT_EQ(ui.messages[0].caption, "Warning");
  EXPECT_TRUE(project.Equals(before));

  // The attribute editor cancelled changes nothing either.
  ui.messages.clear();
  ui.answers = {Answer::Yes};
  PlcChangeOptions cancelEditor;
  cancelEditor.editAttributes = [](TQMPlcManager&, TQMPlcSettings&) { return false; };
  EXPECT_EQ(
      testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-405"), ui, cancelEditor)).outcome,
      PlcChangeOutcome::Declined);
  EXPECT_TRUE(project.Equals(before));

  ui.messages.clear();
  ui.answers = {Answer::Yes};
  PlcChangeResult changed = testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-405"), ui));
  ASSERT_EQ(changed.outcome, PlcChangeOutcome::Changed);
  EXPECT_EQ(ui.messages.size(), 1u);  // the question only
  ASSERT_EQ(changed.rows.size(), 12u);
  EXPECT_EQ(changed.rows[0], "V2100\tV2100\t\t");  // the line registers come first
  EXPECT_NE(std::find(changed.rows.begin(), changed.rows.end(), "V2000\tV2000\t\t"), changed.rows.end());
  EXPECT_EQ(Addresses(), 12);
  EXPECT_EQ(project.plcSettings.plcName, "Tarvo DL-405");
  EXPECT_EQ(project.plcSettings.libraryName, install + "/dll/TDL405.so");
  EXPECT_EQ(project.plcSettings.ManufacturerId(), 31);
  EXPECT_EQ(project.plcSettings.ModelId(), 3);
  EXPECT_EQ(project.plcSettings.addressSize, 4);
  EXPECT_EQ(project.plcSettings.plcAttributes, Defaults("Tarvo DL-405"));
  ASSERT_TRUE(project.plcLibrary);
  EXPECT_EQ(TQMPlcManager(project.plcLibrary.get(), ui).PlcName(), "Tarvo DL-405");

  // Back to the DL-205, whose V memory is smaller: that address is lost, with the remark.
  project.Panel(0).messages[0].data1.address = "V77777";
  PlcChangeOptions fresh;
  fresh.fresh = true;
  ui.messages.clear();
  PlcChangeResult back = testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-205"), ui, fresh));
  ASSERT_EQ(back.outcome, PlcChangeOutcome::Changed);
  EXPECT_NE(std::find(back.rows.begin(), back.rows.end(),
                      "V77777\t \tUnable to rebuild the address for the new PLC\t"),
            back.rows.end());
  EXPECT_EQ(back.rows.size(), 12u);
  EXPECT_EQ(project.Panel(0).messages[0].data1.address, "");
  EXPECT_EQ(Addresses(), 11);
  EXPECT_EQ(project.plcSettings.ModelId(), 2);
  for (const auto& message : ui.messages)
    EXPECT_FALSE(message.question) << message.text;  // a fresh project is not asked
}

TEST_F(PlcChangeTest, AcceptedAttributeEditorKeepsItsChanges) {
  PlcChangeOptions options;
  options.fresh = true;
  options.editAttributes = [](TQMPlcManager& plc, TQMPlcSettings& settings) {
    EXPECT_EQ(plc.PlcName(), "Tarvo DL-405");
    EXPECT_EQ(settings.ModelId(), 3);  // the new PLC's block is edited
    settings.plcAttributes.back() ^= 0xFF;
    return true;
  };
  std::vector<uint8_t> edited = Defaults("Tarvo DL-405");
  edited.back() ^= 0xFF;
  ASSERT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-405"), ui, options)).outcome,
            PlcChangeOutcome::Changed);
  EXPECT_EQ(project.plcSettings.plcAttributes, edited);
}

TEST_F(PlcChangeTest, IncompatiblePlcNeedsAYesAndClearsEveryAddress) {
  TQMProject before = project;
  PlcChangeResult declined = testing::Take(project, ChangeProjectPlc(project, Entry("Modbus RTU"), ui));
  EXPECT_EQ(declined.outcome, PlcChangeOutcome::Declined);
  EXPECT_FALSE(declined.compatible);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Error P006: Modbus RTU is not compatible with\nTarvo DL-205.\n\nDo you want to change the PLC "
            "anyway?");
  EXPECT_EQ(ui.messages[0].caption, "Warning");
  EXPECT_TRUE(project.Equals(before));

  ui.answers = {Answer::Yes};
  PlcChangeResult changed = testing::Take(project, ChangeProjectPlc(project, Entry("Modbus RTU"), ui));
  ASSERT_EQ(changed.outcome, PlcChangeOutcome::Changed);
  EXPECT_TRUE(changed.rows.empty());
  EXPECT_EQ(Addresses(), 0);
  EXPECT_EQ(project.plcSettings.plcName, "Modbus RTU");
  EXPECT_EQ(project.plcSettings.plcAttributes, Defaults("Modbus RTU"));
  TQMPlcManager2 modbus(Entry("Modbus RTU").path, ui);
  EXPECT_EQ(project.plcSettings.addressSize, modbus.Details().integers[1]);
  EXPECT_EQ(project.plcSettings.ManufacturerId(), modbus.Details().manufacturerId);
  EXPECT_FALSE(project.tagMapLinked);
}

TEST_F(PlcChangeTest, PlanAndRunLinksATagMap) {
  PlcChangeOptions fresh;
  fresh.fresh = true;
  TQMProject before = project;
  // No map chosen, or one that cannot be read: nothing changes.
  EXPECT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Plan & Run"), ui, fresh)).outcome,
            PlcChangeOutcome::NoTagMap);
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0].title, "Open Tag Map File");
  EXPECT_EQ(ui.prompts[0].filter, "Plan & Run Map Files (*.map)|*.map|All Files (*.*)|*.*||");
  ui.openFiles = {dir.File("missing.map")};
  EXPECT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Plan & Run"), ui, fresh)).outcome,
            PlcChangeOutcome::TagMapFailed);
  EXPECT_NE(ui.Texts().back().find("Error T005"), std::string::npos);
  EXPECT_TRUE(project.Equals(before));
  EXPECT_FALSE(project.tagMapLinked);

  std::string map = dir.Write("plant.map", "Plant\r\nExported\r\nTANK,V2000,5,1\r\nPUMP,V2001,7,1\r\n");
  ui.openFiles = {map};
  ASSERT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Plan & Run"), ui, fresh)).outcome,
            PlcChangeOutcome::Changed);
  EXPECT_TRUE(project.tagMapLinked);
  EXPECT_EQ(project.tagMapPath, map);
  EXPECT_EQ(project.textPanelTagMap.entries.size(), 2u);
  EXPECT_EQ(Addresses(), 0);
  EXPECT_EQ(project.plcSettings.plcName, "Plan & Run");

  // Away from Plan & Run the project leaves tag mode.
  ASSERT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-205"), ui, fresh)).outcome,
            PlcChangeOutcome::Changed);
  EXPECT_FALSE(project.tagMapLinked);
}

TEST_F(PlcChangeTest, SamePlcAndMissingLibraryChangeNothing) {
  TQMProject before = project;
  EXPECT_EQ(testing::Take(project, ChangeProjectPlc(project, Entry("Tarvo DL-205"), ui)).outcome,
            PlcChangeOutcome::SamePlc);
  EXPECT_TRUE(ui.messages.empty());
  PlcChangeResult missing =
      testing::Take(project, ChangeProjectPlc(project, {"Gone", install + "/dll/GONE.so"}, ui));
  EXPECT_EQ(missing.outcome, PlcChangeOutcome::LibraryMissing);
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{"Error P003: Unable to load " + install + "/dll/GONE.so.dll.  "}));
  EXPECT_TRUE(project.Equals(before));
}

}  // namespace
}  // namespace lumora

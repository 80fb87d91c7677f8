// "The same" must mean the same: every field a project file holds is seen by Equals, by the difference
// lines that verify and diff print, and after a save and a load (what diff compares).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/project_compare.h"
#include "model/text_lines.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

using testing::SetTarvoAddress;

class ProjectCompareTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  static std::string SaveToText(const TQMProject& project) {
    LineWriter writer;
    project.Save(writer);
    return writer.Text();
  }
  TQMProject Reload(const TQMProject& project) {
    TQMProject loaded(Services());
    std::string text = SaveToText(project);
    LineReader reader(text);
    EXPECT_TRUE(loaded.Load(reader));
    return loaded;
  }
  testing::RecordingInteraction ui;
  testing::FakePlcEnvironment plc;
};

TQMPanel& Keypad(TQMProject& p) {
  return *p.FindPanel(1);
}
TQMMessage& Message(TQMProject& p, size_t i) {
  return Keypad(p).messages[i];
}
TQMPanel& SetPoint(TQMProject& p) {
  return *p.FindPanel(5);
}

enum Base { kKeypad, kMultiplexer };
// Where a change is visible. A panel holds encoded addresses (not their texts or tag names) and knows
// nothing of the PLC library's file, the tag map or the selected port. Loading takes the PLC's name and
// library from the installed catalogue, so a file differing only there loads as the same project.
struct Seen {
  bool onPanel;
  bool afterLoad;
};
constexpr Seen kEverywhere{true, true};
constexpr Seen kFileOnly{false, true};
constexpr Seen kPanelNotLoad{true, false};
constexpr Seen kFileNotLoad{false, false};

struct FieldChange {
  const char* field;
  Base base;
  Seen seen;
  std::function<void(TQMProject&)> change;
};

const std::vector<FieldChange>& Changes() {
  static const std::vector<FieldChange> changes = {
      {"system type", kKeypad, kEverywhere, [](TQMProject& p) { p.systemType = SystemType::MultiPanel; }},
      {"port table", kMultiplexer, kFileOnly, [](TQMProject& p) { p.multiplexer.portType[1] = kPanelQM410; }},
      {"selected port", kMultiplexer, kFileOnly, [](TQMProject& p) { p.multiplexer.selectedPort = 5; }},
      {"PLC name", kKeypad, kPanelNotLoad, [](TQMProject& p) { p.plcSettings.plcName = "Other"; }},
      {"PLC library", kKeypad, kFileNotLoad,
       [](TQMProject& p) { p.plcSettings.libraryName = "/opt/lumora/dll/OTHER.so"; }},
      {"tag map link", kKeypad, kFileNotLoad, [](TQMProject& p) { p.tagMapLinked = true; p.tagMapPath = "/plant.map"; }},
      {"address size", kKeypad, kEverywhere, [](TQMProject& p) { p.plcSettings.addressSize = 2; }},
      {"PLC attribute byte", kKeypad, kEverywhere, [](TQMProject& p) { p.plcSettings.plcAttributes[4] = 9; }},
      {"PLC attribute count", kKeypad, kEverywhere, [](TQMProject& p) { p.plcSettings.plcAttributes.push_back(0); }},
      {"panel type", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).panelType = kPanelQM210; }},
      {"panel port", kMultiplexer, kEverywhere, [](TQMProject& p) { SetPoint(p).port = 4; }},
      {"beeper", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).beeperEnabled = true; }},
      {"first local number", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).firstLocalNumber = 5; }},
      {"message count", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).messages.pop_back(); }},
      {"LED mode", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).buttonLeds.ledMode[4] = 2; }},
      {"button mode", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).buttonLeds.buttonMode[0] = 1; }},
      {"LED word", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Keypad(p).buttonLeds.ledWord, "V2003", kBinary16); }},
      {"button word", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Keypad(p).buttonLeds.buttonWord, "V2004", kBinary16); }},
      {"annunciator word", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Keypad(p).annunciatorWord, "V2005", kBinary16); }},
      {"line 2 register", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Keypad(p).lineRegisters[1], "V2012"); }},
      {"line 4 register of a two-line panel", kKeypad, kFileOnly, [](TQMProject& p) { SetTarvoAddress(Keypad(p).lineRegisters[3], "V2013"); }},
      {"password register", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Keypad(p).passwordRegister, "V2021"); }},
      {"password register tag name", kKeypad, kFileOnly, [](TQMProject& p) { Keypad(p).passwordRegister.tagName = "PASS"; }},
      {"local password", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).localPassword = 4322; }},
      {"PLC message delay", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).plcMessageDelay = true; }},
      {"cursor on PLC message", kKeypad, kEverywhere, [](TQMProject& p) { Keypad(p).cursorOnPlcMessage = false; }},
      {"message number", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 1).number = 4; }},
      {"text, a leading space", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 2).text = " SETTINGS"; }},
      {"text, a trailing space", kKeypad, kFileOnly, [](TQMProject& p) { Message(p, 2).text = "SETTINGS "; }},
      {"text, a letter", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 2).text = "SETTINGZ"; }},
      {"PLC message flag", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 1).isPlcMessage = 0; }},
      {"folder", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 2).isFolder = 0; }},
      {"level", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 3).level = 2; }},
      {"set point", kMultiplexer, kEverywhere, [](TQMProject& p) { SetPoint(p).messages[0].hasSetPoint = false; }},
      {"password protection", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.passwordProtected = false; }},
      {"local password use", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.useLocalPassword = true; }},
      {"variable decimal point", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.variableDecimal = false; }},
      {"decimal point address", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Message(p, 0).data1.decimalPointTag, "V103", kBinary16); }},
      {"fixed decimals", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 1).data1.fixedDecimals = 3; }},
      {"limits", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.limitsEnabled = false; }},
      {"maximum", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.maxValue = 5001; }},
      {"minimum", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).data1.minValue = 11; }},
      {"access type", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 1).data1.accessType = kReadWrite; }},
      {"data 1 value type", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 1).data1.valueType = kBinary32; }},
      {"data 1 address", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Message(p, 0).data1, "V104"); }},
      {"data 2 address", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Message(p, 0).data2, "V105", kBinary16); }},
      {"data 3 tag name", kKeypad, kFileOnly, [](TQMProject& p) { Message(p, 1).data3.tagName = "FAN_SPEED"; }},
      {"data 3 address", kKeypad, kEverywhere, [](TQMProject& p) { SetTarvoAddress(Message(p, 1).data3, "V203"); }},
      {"leading zeros", kKeypad, kEverywhere, [](TQMProject& p) { Message(p, 0).leadingZeros[1] = true; }},
  };
  return changes;
}

TEST_F(ProjectCompareTest, EveryFieldOfTheFileIsSeen) {
  TQMProject keypad = testing::MakeKeypadProject(Services());
  TQMProject multiplexer = testing::MakeMultiplexerProject(Services());
  for (const FieldChange& change : Changes()) {
    SCOPED_TRACE(change.field);
    const TQMProject& base = change.base == kKeypad ? keypad : multiplexer;
    TQMProject changed(base);
    change.change(changed);
    ASSERT_NE(SaveToText(changed), SaveToText(base)) << "not a field of the file";

    EXPECT_FALSE(changed.Equals(base));
    EXPECT_FALSE(DescribeDifferences(base, changed).empty());
    bool onPanel = change.seen.onPanel;
    EXPECT_EQ(ProjectsEqual(base, changed, CompareScope::Panel), !onPanel);
    EXPECT_EQ(DescribeDifferences(base, changed, {}, CompareScope::Panel).empty(), !onPanel);
    if (change.seen.afterLoad) {
      EXPECT_FALSE(DescribeDifferences(Reload(base), Reload(changed)).empty());
    }
  }
}

TEST_F(ProjectCompareTest, AnInvalidAddressIsNeitherNoAddressNorAnotherInvalidOne) {
  TQMProject base = testing::MakeKeypadProject(Services());
  TQMProject invalid(base);
  TQMProject other(base);
  TQMProject none(base);
  // A file's address that its PLC library refuses keeps its text and no encoding.
  for (auto [project, text] : {std::pair{&invalid, "QQQ"}, {&other, "ZZZ"}, {&none, ""}}) {
    TQMTag& tag = project->FindPanel(1)->messages[1].data3;
    tag.address = text;
    tag.encodedAddress.clear();
  }
  EXPECT_FALSE(invalid.Equals(none));
  EXPECT_FALSE(invalid.Equals(other));
  std::vector<std::string> lines = DescribeDifferences(invalid, other);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Port 1 (QM210K), message 3, data 3: tag \"MOTOR_SPEED\" QQQ [BCD/Int 16, -] / "
                      "tag \"MOTOR_SPEED\" ZZZ [BCD/Int 16, -]");
}

}  // namespace
}  // namespace lumora

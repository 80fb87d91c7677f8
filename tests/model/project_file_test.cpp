#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "model/file_io.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_lines.h"
#include "support/fake_plc_environment.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::FakePlcEnvironment;
using testing::RecordingInteraction;
using testing::TempDir;

std::string SaveToText(const TQMProject& project) {
  LineWriter writer;
  project.Save(writer);
  return writer.Text();
}

size_t LineCount(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  LineReader reader(text);
  while (!reader.AtEnd())
    lines.push_back(reader.Line());
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines)
    text += line + "\r\n";
  return text;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  CoreServices Services() { return {&ui, &plc}; }
  bool LoadText(TQMProject& project, const std::string& text) {
    LineReader reader(text);
    return project.Load(reader);
  }
  RecordingInteraction ui;
  FakePlcEnvironment plc;
  TempDir dir;
};

TEST_F(ProjectFileTest, SaveLoadSaveIsByteIdentical) {
  for (TQMProject project :
       {testing::MakeKeypadProject(Services()), testing::MakeMultiplexerProject(Services())}) {
    std::string first = SaveToText(project);
    EXPECT_EQ(first.rfind(std::string(kProjectMarkerV1) + "\r\n", 0), 0u);
    TQMProject loaded(Services());
    ASSERT_TRUE(LoadText(loaded, first));
    EXPECT_EQ(SaveToText(loaded), first);
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(ProjectFileTest, LoadedProjectHasTheSavedContent) {
  TQMProject project = testing::MakeKeypadProject(Services());
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, SaveToText(project)));
  const TQMPanel& panel = loaded.Panel(0);
  EXPECT_EQ(panel.panelType, kPanelQM210K);
  EXPECT_EQ(panel.localPassword, 4321u);
  EXPECT_FALSE(panel.beeperEnabled);
  EXPECT_FALSE(panel.plcMessageDelay);
  EXPECT_TRUE(panel.cursorOnPlcMessage);
  EXPECT_EQ(panel.annunciatorWord.address, "V2002");
  EXPECT_EQ(panel.passwordRegister.tagName, "PASSWORD");
  ASSERT_EQ(panel.messages.size(), 4u);
  const TQMMessage& first = panel.messages[0];
  EXPECT_TRUE(first.data1.variableDecimal);
  EXPECT_EQ(first.data1.decimalPointTag.address, "V101");
  EXPECT_FALSE(first.data1.useLocalPassword);
  EXPECT_EQ(first.data1.maxValue, 5000);
  EXPECT_EQ(first.data1.minValue, 10);
  EXPECT_EQ(first.leadingZeros, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(panel.messages[1].data1.fixedDecimals, 2);
  EXPECT_EQ(panel.messages[1].data3.tagName, "MOTOR_SPEED");
  EXPECT_EQ(panel.messages[2].isFolder, 1);
  EXPECT_EQ(panel.messages[3].level, 1);
  EXPECT_EQ(panel.messages[3].data1.accessType, kWriteOnly);
  EXPECT_EQ(loaded.plcSettings.plcName, "Tarvo DL-205");
  EXPECT_EQ(loaded.plcSettings.plcAttributes.size(), 39u);
}

TEST_F(ProjectFileTest, EmptyPanelsTakeTheirLineCounts) {
  for (auto [type, lines] : std::vector<std::pair<int, size_t>>{
           {kPanelQM210, 39}, {kPanelQM210G, 39}, {kPanelQM410, 39}, {kPanelQM210K, 42}, {kPanelQMSV, 23}}) {
    TQMProject project(Services());
    project.plcSettings.SetHeader(31, 2);
    project.PutPanel(TQMPanel(&project, type));
    // 3 header lines, the panel, 4 + 32 for the PLC settings, 1 for the tag-map flag.
    EXPECT_EQ(LineCount(SaveToText(project)), 3 + lines + 4 + 32 + 1) << PanelModelText(type);
  }
  TQMProject linked(Services());
  linked.plcSettings.SetHeader(31, 2);
  linked.PutPanel(TQMPanel(&linked, kPanelQMSV));
  linked.tagMapLinked = true;
  linked.tagMapPath = "x.map";
  EXPECT_EQ(LineCount(SaveToText(linked)), 3 + 23 + 4 + 32 + 2);
}

TEST_F(ProjectFileTest, MessageLinesFollowTheMarkers) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  TQMPanel panel(&project, kPanelQM210);
  TQMMessage plcMessage = panel.NewMessage();
  plcMessage.number = 1;
  plcMessage.isPlcMessage = 1;
  plcMessage.text = "ONLY " + std::string(2, static_cast<char>(0xFE));
  panel.messages.push_back(plcMessage);
  TQMMessage local = panel.NewMessage();
  local.number = 256;
  local.text = "LOCAL";
  panel.messages.push_back(local);
  project.PutPanel(panel);
  std::vector<std::string> lines = Lines(SaveToText(project));
  // After the panel header: PLC message = number, text, flag, data item 2 (3 lines), 3 leading zeroes.
  std::vector<std::string> expected{"1",   "ONLY \xFE\xFE", "1", "not used", "0", "\t", "0", "0", "0",
                                    "256", "LOCAL",         "0", "0",        "0", "0",  "0", "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 8 + 17), expected);

  TQMProject setPointProject(Services());
  setPointProject.plcSettings.SetHeader(31, 2);
  TQMPanel setPoint(&setPointProject, kPanelQMSV);
  TQMMessage value = setPoint.NewMessage();
  value.number = 7;
  value.isPlcMessage = 1;
  value.text = "PLAIN";
  setPoint.messages.push_back(value);
  setPointProject.PutPanel(setPoint);
  lines = Lines(SaveToText(setPointProject));
  // number, text, flag, hasSetPoint, then data item 1: protected, variable, fixed, limits, access, tag.
  expected = {"7", "PLAIN", "1", "0", "0", "0", "-1", "0", "0", "not used", "0", "\t", "0", "0", "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 8 + 15), expected);
}

TEST_F(ProjectFileTest, VersionZeroFileLoadsWithDefaultsAndIsWrittenAsVersionOne) {
  TQMProject project = testing::MakeKeypadProject(Services());
  std::vector<std::string> v1 = Lines(SaveToText(project));
  // Build the old format: marker without "1", no option lines, no leading-zero lines.
  TQMProject probe(Services());
  ASSERT_TRUE(LoadText(probe, JoinCrLf(v1)));
  std::vector<std::string> v0 = Lines(testing::OldFormatText(probe));
  EXPECT_EQ(v1.size() - v0.size(), 2u + 3u * project.Panel(0).messages.size());

  ui.answers.push_back(Answer::No);
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, JoinCrLf(v0)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Backup Project");
  EXPECT_TRUE(ui.messages[0].question);
  EXPECT_TRUE(loaded.Panel(0).plcMessageDelay);
  EXPECT_TRUE(loaded.Panel(0).cursorOnPlcMessage);
  for (const TQMMessage& message : loaded.Panel(0).messages) {
    EXPECT_EQ(message.leadingZeros, (std::array<bool, 3>{false, false, false}));
  }
  std::vector<std::string> rewritten = Lines(SaveToText(loaded));
  EXPECT_EQ(rewritten[0], kProjectMarkerV1);
  EXPECT_EQ(rewritten.size(), v1.size());
}

TEST_F(ProjectFileTest, BackupOfferWritesTheOldFileUnchanged) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  project.PutPanel(TQMPanel(&project, kPanelQMSV));
  std::vector<std::string> lines = Lines(SaveToText(project));
  lines[0] = kProjectMarkerV0;
  lines.erase(lines.begin() + 3 + 21, lines.begin() + 3 + 23);  // the panel's two option lines
  std::string oldFile = JoinCrLf(lines);
  oldFile.resize(oldFile.size() - 2);  // the last line has no line end; the backup gets one

  std::string backup = dir.File("backup.lmx");
  ui.answers.push_back(Answer::Yes);
  ui.saveFiles.push_back(backup);
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, oldFile));
  EXPECT_EQ(TempDir::Read(backup), JoinCrLf(lines));
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0].filter, "Lumora Files (*.lmx)|*.lmx");
  EXPECT_EQ(ui.prompts[0].defaultExtension, "lmx");
}

TEST_F(ProjectFileTest, ReaderAcceptsLfOnlyAndRefusesTruncatedFiles) {
  std::string text = SaveToText(testing::MakeMultiplexerProject(Services()));
  std::string lfOnly;
  for (char c : text) {
    if (c != '\r') lfOnly += c;
  }
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, lfOnly));
  EXPECT_EQ(SaveToText(loaded), text);

  // Without its final line break the file is still whole; without the tag-map flag it is not (a linked
  // project cut there would silently lose its map).
  std::vector<std::string> lines = Lines(text);
  std::string noFinalBreak = text.substr(0, text.size() - 2);
  TQMProject unterminated(Services());
  EXPECT_TRUE(LoadText(unterminated, noFinalBreak));
  EXPECT_FALSE(unterminated.tagMapLinked);
  std::vector<std::string> noFlag(lines.begin(), lines.end() - 1);
  TQMProject flagless(Services());
  EXPECT_FALSE(LoadText(flagless, JoinCrLf(noFlag)));

  // Cut anywhere before the last PLC attribute byte: never loaded with zeros in place of lost values.
  for (size_t keep : {lines.size() - 1, lines.size() - 2, lines.size() - 5, lines.size() / 2, size_t{3}}) {
    std::vector<std::string> cut(lines.begin(), lines.begin() + static_cast<long>(keep));
    TQMProject shortened(Services());
    EXPECT_FALSE(LoadText(shortened, JoinCrLf(cut))) << keep << " lines";
  }
  // Linked to a map but the path line is missing.
  std::vector<std::string> linkedNoPath = noFlag;
  linkedNoPath.push_back("1");
  TQMProject linked(Services());
  EXPECT_FALSE(LoadText(linked, JoinCrLf(linkedNoPath)));
}

TEST_F(ProjectFileTest, StructuralErrorsAreInvalidFiles) {
  std::string good = SaveToText(testing::MakeMultiplexerProject(Services()));
  std::vector<std::string> lines = Lines(good);
  auto rejects = [this](std::vector<std::string> changed) {
    TQMProject project(Services());
    return !LoadText(project, JoinCrLf(changed));
  };
  std::vector<std::string> threePorts = lines;
  threePorts[2] = "1";  // port 1 now claims a panel too: three ports, two panels
  EXPECT_TRUE(rejects(threePorts));
  std::vector<std::string> badMarker = lines;
  badMarker[0] += "2";
  EXPECT_TRUE(rejects(badMarker));
  std::vector<std::string> badSystem = lines;
  badSystem[1] = "2";
  EXPECT_TRUE(rejects(badSystem));
  std::vector<std::string> badPort = lines;
  badPort[4] = "6";
  EXPECT_TRUE(rejects(badPort));
  std::vector<std::string> badSelected = lines;
  badSelected[7] = "-1";
  EXPECT_TRUE(rejects(badSelected));
  EXPECT_TRUE(rejects({}));
  EXPECT_TRUE(ui.messages.empty());

  // The document adds Z002.
  std::string path = dir.Write("three-ports.lmx", JoinCrLf(threePorts));
  TQMProject project(Services());
  EXPECT_FALSE(OpenProjectFile(project, path));
  ASSERT_EQ(ui.messages.size(), 1u);
  // The system's text, then the file and the reason on the next line.
  EXPECT_EQ(ui.messages[0].text, "Error Z002: You are trying to read from an invalid file\n" + path +
                                     ": the panel count does not match the system");
  EXPECT_EQ(ui.messages[0].caption, "Error");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(OpenProjectFile(project, dir.File("missing.lmx")));
  EXPECT_EQ(ui.messages.back().text, "Error Z002: You are trying to read from an invalid file\n" +
                                         dir.File("missing.lmx") + ": No such file or directory");
}

TEST_F(ProjectFileTest, AbsurdCountsAndShortAttributeBlocksAreInvalid) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  std::vector<std::string> lines = Lines(SaveToText(project));
  std::vector<std::string> huge = lines;
  huge[7] = "2000000000";  // message count
  TQMProject a(Services());
  EXPECT_FALSE(LoadText(a, JoinCrLf(huge)));

  std::vector<std::string> oneByte(lines.begin(), lines.begin() + 3 + 39 + 3);
  oneByte.push_back("1");
  oneByte.push_back("31");
  oneByte.push_back("0");
  TQMProject b(Services());
  EXPECT_FALSE(LoadText(b, JoinCrLf(oneByte)));
  EXPECT_TRUE(ui.messages.empty());
}

// Values stored in fields narrower than the file's numbers, and files cut short: never loaded with a
// wrapped or made-up value, and the reason names the line.
TEST_F(ProjectFileTest, BadNarrowValuesAndMissingLinesNameTheLine) {
  std::vector<std::string> lines = Lines(SaveToText(testing::MakeKeypadProject(Services())));
  auto at = [&lines](const std::string& text) {
    return static_cast<size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin());
  };
  size_t flag = lines.size() - 1;
  size_t firstByte = flag - 39;
  size_t level = at("LIMIT \xFF\xFF\xFF\xFF\xFF") + 3;
  ASSERT_EQ(lines[level], "1");
  size_t decimals = at("SPEED \xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF \xFD\xFD") + 4;
  ASSERT_EQ(lines[decimals], "2");
  size_t password = at("4321");
  ASSERT_LT(password, lines.size());
  auto line = [](size_t index) { return "line " + std::to_string(index + 1); };

  struct Changed {
    size_t index;
    std::string value;
    std::string reason;  // empty: the file loads
    std::string saved = {};
  };
  for (const Changed& c : std::vector<Changed>{
           {firstByte, "300",
            line(firstByte) + ": PLC attribute byte 1 of 39 is \"300\", not a number from 0 to 255"},
           {firstByte + 1, "-7",
            line(firstByte + 1) + ": PLC attribute byte 2 of 39 is \"-7\", not a number from 0 to 255"},
           {firstByte + 5, "abc",
            line(firstByte + 5) + ": PLC attribute byte 6 of 39 is \"abc\", not a number from 0 to 255"},
           {firstByte + 38, "",
            line(firstByte + 38) + ": PLC attribute byte 39 of 39 is \"\", not a number from 0 to 255"},
           {firstByte + 38, "500abc",
            line(firstByte + 38) + ": PLC attribute byte 39 of 39 is \"500abc\", not a number from 0 to 255"},
           {level, "65537",
            line(level) + ": the menu level of message 255 is \"65537\", not a number from -32768 to 32767"},
           {decimals, "-40000",
            line(decimals) + ": a number of fixed decimals is \"-40000\", not a number from -32768 to 32767"},
           {password, "-7",
            line(password) + ": the local password is \"-7\", not a number from 0 to 4294967295"},
           // A line that begins with a number in range is read by the format's rule: the rest is ignored, and
           // the project saves the number.
           {firstByte + 38, "12x", "", "12"},
           {decimals, "-1 none", "", "-1"},
           {decimals, " 500abc", "", "500"},
           {level, "+1 below the folder", "", "1"},
       }) {
    std::vector<std::string> changed = lines;
    changed[c.index] = c.value;
    TQMProject project(Services());
    std::string text = JoinCrLf(changed);
    LineReader reader(text);
    std::string reason;
    EXPECT_EQ(project.Load(reader, &reason), c.reason.empty()) << c.value;
    EXPECT_EQ(reason, c.reason);
    if (c.reason.empty()) {
      EXPECT_EQ(Lines(SaveToText(project))[c.index], c.saved) << c.value;
    }
  }

  size_t panelEnd = firstByte - 4;
  struct Cut {
    size_t keep;
    std::string reason;
  };
  auto missing = [](size_t keep, const std::string& what) {
    return "the file ends early: line " + std::to_string(keep + 1) + " (" + what + ") is missing";
  };
  for (const Cut& c : std::vector<Cut>{
           {1, missing(1, "the system type")},
           {2, missing(2, "the number of panels")},
           {40, missing(40, "in panel 1 of 1")},
           {panelEnd + 2, missing(panelEnd + 2, "the address size")},
           {panelEnd + 3, missing(panelEnd + 3, "the number of PLC attribute bytes")},
           {panelEnd + 4, missing(panelEnd + 4, "PLC attribute byte 1 of 39")},
           {flag - 1, missing(flag - 1, "PLC attribute byte 39 of 39")},
           {flag, missing(flag, "the tag-map flag")},
       }) {
    TQMProject project(Services());
    std::string text =
        JoinCrLf(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(c.keep)));
    LineReader reader(text);
    std::string reason;
    EXPECT_FALSE(project.Load(reader, &reason)) << c.keep;
    EXPECT_EQ(reason, c.reason);
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProjectFileTest, ValueAndAccessTypeErrorsShowTheirTexts) {
  TQMProject source = testing::MakeKeypadProject(Services());
  std::vector<std::string> lines = Lines(SaveToText(source));
  auto firstTypeLine = std::find(lines.begin(), lines.end(), "not used") + 1;
  std::vector<std::string> badType = lines;
  badType[static_cast<size_t>(firstTypeLine - lines.begin())] = "7x";
  TQMProject a(Services());
  EXPECT_FALSE(LoadText(a, JoinCrLf(badType)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0].text,
      "Error Z006: Unknown value type (7) encountered while loading project. Known values are 0(BCD) and 1 "
      "(Binary)");
  EXPECT_EQ(ui.messages[0].caption, "Error");
  // At the edge of the known types: 3 loads, 4 and -1 do not.
  for (const auto& [type, loads] : {std::pair{"3", true}, std::pair{"4", false}, std::pair{"-1", false}}) {
    std::vector<std::string> edge = lines;
    edge[static_cast<size_t>(firstTypeLine - lines.begin())] = type;
    TQMProject loaded(Services());
    EXPECT_EQ(LoadText(loaded, JoinCrLf(edge)), loads) << type;
  }

  // The first message's access type line comes right before its base tag.
  size_t accessLine = 0;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i + 1] == "not used" && lines[i + 3] == "V100\t") {
      accessLine = i;
      break;
    }
  }
  ASSERT_NE(accessLine, 0u);
  std::vector<std::string> badAccess = lines;
  badAccess[accessLine] = "3";
  ui.messages.clear();
  TQMProject b(Services());
  EXPECT_FALSE(LoadText(b, JoinCrLf(badAccess)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error T007: Unknown access type specified for PLC Address.");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
}

TEST_F(ProjectFileTest, TheSelectedMultiplexerPortIsZeroToFive) {
  std::vector<std::string> lines = Lines(SaveToText(testing::MakeMultiplexerProject(Services())));
  const size_t selectedPort = 7;  // after the marker, the system type and the five port types
  for (const auto& [port, loads] : {std::pair{"0", true}, std::pair{"5", true}, std::pair{"6", false},
                                    std::pair{"-1", false}}) {
    lines[selectedPort] = port;
    TQMProject loaded(Services());
    std::string text = JoinCrLf(lines);
    LineReader reader(text);
    std::string reason;
    EXPECT_EQ(loaded.Load(reader, &reason), loads) << port;
    EXPECT_EQ(reason, loads ? "" : "the selected multiplexer port is out of range") << port;
  }
}

TEST_F(ProjectFileTest, NumbersAndBooleansReadLeniently) {
  EXPECT_EQ(ParseLenientInt("-12abc"), -12);
  EXPECT_EQ(ParseLenientInt("abc"), 0);
  EXPECT_EQ(ParseLenientInt(""), 0);
  EXPECT_EQ(ParseLenientInt("99999999999999"), 2147483647);

  TQMProject project = testing::MakeKeypadProject(Services());
  std::vector<std::string> lines = Lines(SaveToText(project));
  // The protection flag of the first message's data item 1 (value 1) written as 5: still protected.
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == std::string("TEMP \xFF\xFF\xFF\xFF\xFC C \xFE\xFE\xFE")) {
      lines[i + 2] = "5";
      break;
    }
  }
  lines[5] = "2";  // beeperEnabled is true only when exactly 1
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, JoinCrLf(lines)));
  EXPECT_TRUE(loaded.Panel(0).messages[0].data1.passwordProtected);
  EXPECT_FALSE(loaded.Panel(0).beeperEnabled);
}

TEST_F(ProjectFileTest, AddressLineSplitsAtTheFirstTab) {
  TQMProject project(Services());
  TQMTag tag(&project);
  tag.tagName = "KEPT";
  std::string text = "not used\n1\nV100\n";
  tag.LoadFrom(text);
  EXPECT_EQ(tag.address, "V100");
  EXPECT_EQ(tag.tagName, "KEPT");
  EXPECT_EQ(tag.valueType, kBinary16);
  EXPECT_TRUE(text.empty());
  text = "not used\n0\nV1\tNAME\tMORE\nrest\n";
  tag.LoadFrom(text);
  EXPECT_EQ(tag.address, "V1");
  EXPECT_EQ(tag.tagName, "NAME\tMORE");
  EXPECT_EQ(text, "rest\n");

  tag.SetEntry("PUMP\tV2000");
  EXPECT_EQ(tag.tagName, "PUMP");
  EXPECT_EQ(tag.address, "V2000");
  tag.SetEntry("V7");
  EXPECT_EQ(tag.tagName, "");
  EXPECT_EQ(tag.Entry(), "V7");
}

TEST_F(ProjectFileTest, UnknownPlcIsP007) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(99, 7);
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  TQMProject loaded(Services());
  EXPECT_FALSE(LoadText(loaded, SaveToText(project)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0].text,
      "Error P007: PLC dll for this PLC (Manufacturer ID : 99, Model ID : 7)\nnot found in this system");
  EXPECT_EQ(ui.messages[0].caption, "Error");
}

TEST_F(ProjectFileTest, CatalogueDecidesPlcNames) {
  TQMProject project(Services());
  project.plcSettings.SetHeader(40, 1);
  project.plcSettings.plcName = "stale name";
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, SaveToText(project)));
  EXPECT_EQ(loaded.plcSettings.plcName, "Modbus RTU");
  EXPECT_EQ(loaded.plcSettings.libraryName, "/opt/lumora/dll/MODRTU.so");
}

TEST_F(ProjectFileTest, LinkedTagMapIsReadAndAMissingOneIsAskedFor) {
  std::string map = dir.Write("plant.map",
                              "Plan & Run export\r\nsecond header\r\nPUMP,V100,5,1\r\nFAN,V101,7,0\r\n"
                              "SHORT,V1\r\nOTHER,V102,3,1\r\n");
  TQMProject project(Services());
  project.plcSettings.SetHeader(31, 2);
  project.PutPanel(TQMPanel(&project, kPanelQM210));
  project.tagMapLinked = true;
  project.tagMapPath = map;
  std::string text = SaveToText(project);

  TQMProject loaded(Services());
  ASSERT_TRUE(LoadText(loaded, text));
  EXPECT_EQ(loaded.textPanelTagMap.header1, "Plan & Run export");
  EXPECT_EQ(loaded.textPanelTagMap.entries.size(), 2u);
  EXPECT_EQ(loaded.textPanelTagMap.entries.at("PUMP"), "V100,5,1");
  EXPECT_EQ(loaded.setPointTagMap.entries.at("FAN"), "V101,7,0");

  std::filesystem::rename(map, dir.File("moved.map"));
  ui.answers.push_back(Answer::Cancel);
  TQMProject cancelled(Services());
  EXPECT_FALSE(LoadText(cancelled, text));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Error T004: Unable to open tag map file : " + map + "\nPlease choose the map file");
  EXPECT_EQ(ui.messages[0].caption, "Error");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);

  ui.openFiles.push_back(dir.File("moved.map"));
  TQMProject replaced(Services());
  ASSERT_TRUE(LoadText(replaced, text));
  EXPECT_EQ(replaced.tagMapPath, dir.File("moved.map"));
  EXPECT_EQ(ui.prompts.back().title, "Open Tag Map File");

  ui.openFiles.push_back(dir.File("nowhere.map"));
  ui.messages.clear();
  TQMProject unreadable(Services());
  EXPECT_FALSE(LoadText(unreadable, text));
  EXPECT_EQ(ui.messages.back().text,
            "Error T005: Unable to open map file " + dir.File("nowhere.map") + "\nNo such file or directory");
}

// A file that cannot be read, is no text or holds no entry is no map: it is never linked, and the
// message names the file and the reason.
TEST_F(ProjectFileTest, FilesThatAreNoTagMapsAreRefusedWithTheirReason) {
  std::string random;
  for (int i = 0; i < 4096; ++i)
    random += static_cast<char>((i * 7919 + 13) % 256);
  struct Case {
    std::string path;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {dir.Write("empty.map", ""), "no tag entries in it"},
           {dir.Write("headers.map", "Plan & Run export\r\nsecond header\r\nSHORT,V1\r\n"),
            "no tag entries in it"},
           {dir.Write("random.map", random), "not a text file (it holds NUL bytes)"},
           {dir.Path(), "not a regular file"},
           {"/dev/zero", "not a regular file"},
           {dir.File("missing.map"), "No such file or directory"},
       }) {
    TagMapTable textPanels;
    textPanels.header1 = "kept";
    TagMapTable setPoints;
    ui.messages.clear();
    EXPECT_FALSE(ReadTagMapFile(c.path, textPanels, setPoints, ui)) << c.path;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error T005: Unable to open map file " + c.path + "\n" + c.reason);
    EXPECT_EQ(textPanels.header1, "kept");

    // Linked to such a file, a project asks for the map as for a missing one.
    TQMProject project(Services());
    project.plcSettings.SetHeader(31, 2);
    project.PutPanel(TQMPanel(&project, kPanelQM210));
    project.tagMapLinked = true;
    project.tagMapPath = c.path;
    ui.messages.clear();
    ui.answers.push_back(Answer::Cancel);
    TQMProject loaded(Services());
    EXPECT_FALSE(LoadText(loaded, SaveToText(project))) << c.path;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Error T004: Unable to open tag map file : " + c.path, 0), 0u);
  }
}

TEST_F(ProjectFileTest, TagMapEntryKinds) {
  EXPECT_EQ(TagMapEntryKind("NAME,V100,5,1"), 5);
  EXPECT_EQ(TagMapEntryKind("NAME,V100,7x,1"), 7);
  EXPECT_EQ(TagMapEntryKind("NAME,V100,5"), 0);
  EXPECT_EQ(TagMapEntryKind("NAME,V100"), 0);
  EXPECT_EQ(TagMapEntryKind(",,,"), 0);
}

TEST_F(ProjectFileTest, SaveSelectedPanelWritesASinglePanelProject) {
  TQMProject project = testing::MakeMultiplexerProject(Services());
  project.multiplexer.selectedPort = 5;
  std::string path = dir.File("export.lmx");
  ASSERT_TRUE(ExportSelectedPanel(project, path));
  EXPECT_EQ(project.FindPanel(5)->port, 5);  // the export runs on a copy
  TQMProject exported(Services());
  ASSERT_TRUE(OpenProjectFile(exported, path));
  EXPECT_EQ(exported.systemType, SystemType::SinglePanel);
  ASSERT_EQ(exported.PanelCount(), 1u);
  EXPECT_EQ(exported.Panel(0).port, 1);
  EXPECT_EQ(exported.Panel(0).panelType, kPanelQMSV);
  project.multiplexer.selectedPort = 3;
  EXPECT_FALSE(ExportSelectedPanel(project, dir.File("none.lmx")));
}

TEST_F(ProjectFileTest, MessageClipboardFormRoundTrips) {
  TQMProject project = testing::MakeKeypadProject(Services());
  const TQMMessage& original = project.Panel(0).messages[0];
  std::string clip;
  original.AppendTo(clip);
  EXPECT_EQ(clip.find('\r'), std::string::npos);
  clip += "trailing";
  TQMMessage pasted = project.Panel(0).NewMessage();
  pasted.LoadFrom(clip);
  std::string again;
  pasted.AppendTo(again);
  std::string expected;
  original.AppendTo(expected);
  EXPECT_EQ(again, expected);  // encodings are not part of the form; they come back on validation
  EXPECT_EQ(pasted.data1.decimalPointTag.address, "V101");
  EXPECT_EQ(clip, "trailing");
}

TEST_F(ProjectFileTest, SavingReplacesAtomicallyAndKeepsTheOldFileOnFailure) {
  TQMProject project = testing::MakeKeypadProject(Services());
  std::string path = dir.File("plant.lmx");
  ASSERT_TRUE(SaveProjectFile(project, path));
  EXPECT_EQ(project.fileName, "plant.lmx");
  std::string saved = TempDir::Read(path);
  EXPECT_EQ(saved, SaveToText(project));

  // A folder that refuses new files: the save fails and the file is still the old one.
  project.Panel(0).localPassword = 1;
  ::chmod(dir.Path().c_str(), 0555);
  std::string error;
  bool refused = !SaveProjectFile(project, path, &error);
  ::chmod(dir.Path().c_str(), 0755);
  if (::geteuid() != 0) {
    EXPECT_TRUE(refused);
    EXPECT_FALSE(error.empty());
  }
  if (refused) {
    EXPECT_EQ(TempDir::Read(path), saved);
  }
  // Nothing but the project itself is left in the folder.
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().filename().string()[0], 'p') << entry.path() << ": temporary left";
  EXPECT_FALSE(SaveProjectFile(project, dir.File("no/such/folder/x.lmx"), &error));
}

TEST_F(ProjectFileTest, PathParts) {
  EXPECT_EQ(FileNamePart("/a/b/c.lmx"), "c.lmx");
  EXPECT_EQ(FileNamePart("C:\\Lumora\\Project\\c.lmx"), "c.lmx");
  EXPECT_EQ(FolderPart("/a/b/c.lmx"), "/a/b");
  EXPECT_EQ(FolderPart("c.lmx"), "");
}

}  // namespace
}  // namespace lumora

// A panel's messages as a CSV table: a round trip gives the same project file, and every bad row is named
// by its row and column without changing the panel. The real DL-205 library checks the addresses.

#include "model/message_csv.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/editing_rules.h"
#include "model/message_list_edit.h"
#include "model/message_text.h"
#include "model/panel.h"
#include "model/project.h"
#include "model/text_lines.h"
#include "plc/plc_address_check.h"
#include "plc/plc_library.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/sample_projects.h"

namespace lumora {
namespace {

std::string SaveText(const TQMPanel& panel) {
  LineWriter writer;
  panel.Save(writer);
  return writer.Text();
}

class MessageCsvTest : public ::testing::Test {
 protected:
  // Exports the panel, reads the table back into a copy whose messages were cleared, and gives the copy's
  // file lines.
  std::string RoundTrip(const TQMPanel& panel) {
    std::string csv = ExportMessagesCsv(panel);
    TQMPanel copy(panel);
    copy.messages.clear();
    copy.firstLocalNumber = 99;
    std::vector<CsvProblem> problems = ImportMessagesCsv(csv, copy, check);
    for (const CsvProblem& problem : problems) ADD_FAILURE() << CsvProblemLine("table", problem) << "\n" << csv;
    return SaveText(copy);
  }

  testing::RecordingInteraction ui;
  TQMPlcManager2 library{testing::StageDir() + "/dll/TDL205.so", ui};
  PlcAddressCheck check{library.Library(), true, 4};
  TQMProject project;
};

TEST_F(MessageCsvTest, TextsTakeTheTablesFormAndBack) {
  struct Case {
    std::string text;
    std::string cell;
  };
  const Case cases[] = {
      {"TANK LEVEL \xFF\xFF\xFF\xFF %", "TANK LEVEL {1:4} %"},
      {"\xFF\xFF\xFC A\xFE B\xFD\xFD", "{1:2}{.} A{2:1} B{3:2}"},
      {"\xFF X \xFF", "{1:1} X {1:1}"},  // one item split in two runs
      {"{A} }{", "{{A} }{{"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageTextToCsv(c.text), c.cell);
    std::string text;
    EXPECT_EQ(MessageTextFromCsv(c.cell, text), "") << c.cell;
    EXPECT_EQ(text, c.text) << c.cell;
  }
  for (const char* bad : {"{4:2}", "{0:1}", "{1:0}", "A {", "{1:}", "{x}", "{1:2", "caf\xC3\xA9", "A\tB", "{1:999}"}) {
    std::string text;
    EXPECT_NE(MessageTextFromCsv(bad, text), "") << bad;
  }
}

TEST_F(MessageCsvTest, SampleProjectsComeBackByteForByte) {
  for (TQMProject sample : {testing::MakeKeypadProject({}), testing::MakeMultiplexerProject({})}) {
    for (const auto& panel : sample.panels) EXPECT_EQ(RoundTrip(*panel), SaveText(*panel));
  }
}

// Panels of every type as the editors build them: PLC messages, a local menu four levels deep, every data
// type and decimal point mode, both passwords, Plan & Run tag names.
class PanelGenerator {
 public:
  PanelGenerator(TQMProject& project, unsigned seed) : project_(project), random_(seed) {}

  TQMPanel Make() {
    int type = Pick(kPanelQM210, kPanelQMSV);
    TQMPanel panel(&project_, type);
    if (panel.IsSetPointPanel()) {
      int number = 0;
      for (int i = Pick(0, 12); i > 0; --i) {
        TQMMessage message = panel.NewMessage();
        number += Pick(1, 20);
        message.number = number;
        message.isPlcMessage = 1;
        message.hasSetPoint = Pick(0, 5) != 0;
        message.text = PlainText(Pick(0, 16));
        ItemOne(panel, message);
        panel.messages.push_back(message);
      }
      panel.firstLocalNumber = panel.messages.empty() ? 0 : panel.messages.front().number;
      return panel;
    }
    int number = 0;
    for (int i = Pick(0, 10); i > 0; --i) {
      TQMMessage message = panel.NewMessage();
      number += Pick(1, 9);
      message.number = number;
      message.isPlcMessage = 1;
      Fill(panel, message);
      panel.messages.push_back(message);
    }
    int level = -1;
    bool folderAbove = true;
    for (int i = Pick(0, 14); i > 0; --i) {
      TQMMessage item = panel.NewMessage();
      int deepest = folderAbove ? level + 1 : level;
      item.level = static_cast<int16_t>(Pick(0, std::max(0, deepest)));
      item.isFolder = item.level < kDeepestLocalLevel && Pick(0, 2) == 0 ? 1 : 0;
      if (item.isFolder != 0) {
        item.text = PlainText(Pick(0, 19));
        item.leadingZeros = {Pick(0, 1) == 1, false, Pick(0, 1) == 1};
      } else {
        Fill(panel, item);
      }
      level = item.level;
      folderAbove = item.isFolder != 0;
      panel.messages.push_back(item);
    }
    MessageListEdit(panel).Finish();
    return panel;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string PlainText(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += static_cast<char>(Pick(0x20, 0x7E));
    return text;
  }

  std::string Address() {
    char text[16];
    std::snprintf(text, sizeof text, "V%o", Pick(01000, 07377));
    return text;
  }

  std::string TagName() {
    static const char* const kNames[] = {"", "TANK_LEVEL", "Pump 3 speed", "ALARM.CODE", "x"};
    return kNames[Pick(0, 4)];
  }

  void ItemOne(const TQMPanel& panel, TQMMessage& message) {
    TQMReadWriteTag& data = message.data1;
    data.valueType = Pick(kBcd16, kBinary32);
    data.address = Pick(0, 6) == 0 ? "" : Address();
    data.tagName = TagName();
    data.accessType = Pick(kReadWrite, kWriteOnly);
    data.limitsEnabled = Pick(0, 3) != 0;
    if (data.limitsEnabled) {
      int largest = static_cast<int>(std::min<uint32_t>(panel.MaxValue(data.valueType), INT32_MAX));
      data.minValue = Pick(0, largest);
      data.maxValue = Pick(data.minValue, largest);
    }
    data.passwordProtected = Pick(0, 2) == 0;
    if (data.passwordProtected) data.useLocalPassword = Pick(0, 1) == 1;
    int decimal = Pick(0, 2);
    data.variableDecimal = decimal == 2;
    data.fixedDecimals = decimal == 1 ? static_cast<int16_t>(Pick(1, 7)) : -1;
    if (data.variableDecimal) {
      data.decimalPointTag.address = Address();
      data.decimalPointTag.tagName = TagName();
      data.decimalPointTag.valueType = Pick(kBcd16, kBinary16);
    }
  }

  // A message text with runs of its data items, within the line and the items' widths.
  void Fill(const TQMPanel& panel, TQMMessage& message) {
    const int limit = MessageLengthLimit(panel.panelType, false);
    std::string text;
    std::array<int, 3> types{Pick(kBcd16, kBinary32), Pick(kBcd16, kBinary32), Pick(kBcd16, kBinary32)};
    for (int item = 1; item <= 3; ++item) {
      if (Pick(0, 2) == 0) continue;
      int width = Pick(1, ValueTypeMaxPositions(types[static_cast<size_t>(item - 1)]));
      if (static_cast<int>(text.size()) + width + 3 > limit) break;
      text += PlainText(Pick(0, 2)) + std::string(static_cast<size_t>(width), static_cast<char>(DataItemMarker(item)));
    }
    text += PlainText(Pick(0, limit - static_cast<int>(text.size()) - 1));
    message.text = text;
    message.leadingZeros = {Pick(0, 1) == 1, Pick(0, 1) == 1, Pick(0, 1) == 1};
    if (MessageHasDataItem(text, 1)) {
      ItemOne(panel, message);
      message.data1.valueType = types[0];
      if (message.data1.limitsEnabled) {
        message.data1.minValue = 0;
        message.data1.maxValue = static_cast<int32_t>(std::min<uint32_t>(panel.MaxValue(types[0]), INT32_MAX));
      }
      if (message.data1.variableDecimal) message.text = PlaceDecimalPoint(message.text + '\xFC');
    }
    for (int item = 2; item <= 3; ++item) {
      if (!MessageHasDataItem(text, item)) continue;
      TQMTag& tag = item == 2 ? message.data2 : message.data3;
      tag.valueType = types[static_cast<size_t>(item - 1)];
      tag.address = Address();
      tag.tagName = TagName();
    }
  }

  TQMProject& project_;
  std::mt19937 random_;
};

TEST_F(MessageCsvTest, GeneratedPanelsComeBackByteForByte) {
  PanelGenerator generator(project, 20261208);
  for (int i = 0; i < 300; ++i) {
    TQMPanel panel = generator.Make();
    ASSERT_TRUE(ValidatePanel(panel).empty()) << ValidatePanel(panel).front().Line();
    ASSERT_EQ(RoundTrip(panel), SaveText(panel)) << ExportMessagesCsv(panel);
  }
}

const char* const kHeader =
    "Kind,Number,Level,Folder,Text,Item1 Address,Item1 Tag,Item1 Type,Item1 Access,Item1 Limits,Item1 Min,"
    "Item1 Max,Item1 Password,Item1 Decimal,Item1 Decimal Address,Item1 Leading Zeros,Item2 Address,Item2 Tag,"
    "Item2 Type,Item2 Leading Zeros,Item3 Address,Item3 Tag,Item3 Type,Item3 Leading Zeros\r\n";

// A row of the fixed columns: kind, number, level, folder, text, then item 1's address and type.
std::string Row(const std::string& kind, const std::string& number, const std::string& level,
                const std::string& folder, const std::string& text, const std::string& address = "",
                const std::string& type = "") {
  bool item = !type.empty();
  return kind + "," + number + "," + level + "," + folder + "," + text + "," + address + ",," + type + "," +
         (item ? "Read/Write,yes,0,9,none,none,,no" : ",,,,,,,") + ",,,,,,,,\r\n";
}

TEST_F(MessageCsvTest, EveryBadRowIsNamedAndThePanelKeepsItsMessages) {
  struct Case {
    const char* fault;
    std::string csv;
    std::string where;  // ROW:COLUMN
  };
  const std::string good = Row("PLC", "1", "", "no", "LEVEL {1:3}", "V2000", "BCD/Int 16");
  const std::string row24(23, ',');
  // clang-format off
  const Case cases[] = {
      {"unknown kind", kHeader + good + Row("Alarm", "2", "", "no", "X"), "3:Kind"},
      {"a number twice", kHeader + good + Row("PLC", "1", "", "no", "X"), "3:Number"},
      {"a number over 256", kHeader + Row("PLC", "257", "", "no", "X"), "2:Number"},
      {"a level jump of 2", kHeader + Row("Local", "", "0", "yes", "MENU") + Row("Local", "", "2", "no", "X"), "3:Level"},
      {"a message under a message", kHeader + Row("Local", "", "0", "no", "A") + Row("Local", "", "1", "no", "B"), "3:Level"},
      {"a folder with a data item", kHeader + Row("Local", "", "0", "yes", "F {1:2}", "V2000", "BCD/Int 16"), "2:Text"},
      {"a text too wide after expansion", kHeader + Row("PLC", "1", "", "no", "LEVEL IN TANK {1:8}", "V2000", "BCD/Int 32"), "2:Text"},
      {"data item 4", kHeader + Row("PLC", "1", "", "no", "X {4:2}"), "2:Text"},
      {"an unclosed {", kHeader + Row("PLC", "1", "", "no", "X {1:2"), "2:Text"},
      {"11 positions of one item", kHeader + Row("PLC", "1", "", "no", "{1:11}", "V2000", "Binary/Int 32"), "2:Text"},
      {"6 positions of BCD/Int 16", kHeader + Row("PLC", "1", "", "no", "{1:6}", "V2000", "BCD/Int 16"), "2:Text"},
      {"an address the PLC refuses", kHeader + Row("PLC", "1", "", "no", "{1:2}", "QQQ", "BCD/Int 16"), "2:Item1 Address"},
      {"a wrong column count", kHeader + std::string("PLC,1,,no,X\r\n"), "2:Item1 Address"},
      {"a missing header column", std::string("Kind,Number,Level,Folder,Text,Item1 Address,Item1 Type\r\n"), "1:Item1 Tag"},
      {"an unknown extra column", std::string(kHeader).insert(std::string(kHeader).size() - 2, ",Colour"), "1:Colour"},
      {"an item missing from the text", kHeader + Row("PLC", "1", "", "no", "X", "V2000", "BCD/Int 16"), "2:Item1 Address"},
      {"a level on a PLC message", kHeader + Row("PLC", "1", "2", "no", "X"), "2:Level"},
      {"a PLC number on the local items", kHeader + Row("PLC", "256", "", "no", "X") + Row("Local", "", "0", "no", "Y"), "2:Number"},
      {"an unclosed quote", kHeader + std::string("PLC,1,,no,\"X") + row24, "2:Text"},
      {"a tag name with a line break", kHeader + std::string("PLC,1,,no,{1:2},V2000,\"A\nB\",BCD/Int 16,Read/Write,yes,0,9,none,none,,no,,,,,,,,\r\n"), "2:Item1 Tag"},
      {"a minimum above the maximum", kHeader + std::string("PLC,1,,no,{1:2},V2000,,BCD/Int 16,Read/Write,yes,9,8,none,none,,no,,,,,,,,\r\n"), "2:Item1 Max"},
  };
  // clang-format on
  TQMPanel panel = testing::MakeKeypadProject({}).Panel(0);
  const std::string before = SaveText(panel);
  for (const Case& c : cases) {
    std::vector<CsvProblem> problems = ImportMessagesCsv(c.csv, panel, check);
    ASSERT_FALSE(problems.empty()) << c.fault;
    EXPECT_EQ(std::to_string(problems.front().row) + ":" + problems.front().column, c.where)
        << c.fault << ": " << CsvProblemLine("in.csv", problems.front());
    EXPECT_EQ(SaveText(panel), before) << c.fault;
  }
}

TEST_F(MessageCsvTest, ASpreadsheetsSemicolonExportImports) {
  // As a spreadsheet program saves it in a locale with a decimal comma.
  std::string header = kHeader;
  for (char& c : header) c = c == ',' ? ';' : c;
  const std::string csv = "\xEF\xBB\xBF" + header +
                          "PLC;1;;no;\"LEVEL; {1:3} \"\"%\"\"\";V2000;;BCD/Int 16;Read only;no;;;none;Fixed - 2;;yes;;;;;;;;\r\n"
                          "Local;;0;yes;MENU;;;;;;;;;;;;;;;;;;;\r\n"
                          "Local;;1;no;\"{2:2} GPM\";;;;;;;;;;;;V2001;;Binary/Int 16;no;;;;\r\n";
  TQMPanel panel(&project, kPanelQM210);
  ASSERT_TRUE(ImportMessagesCsv(csv, panel, check).empty());
  ASSERT_EQ(panel.messages.size(), 3u);
  EXPECT_EQ(panel.messages[0].text, "LEVEL; \xFF\xFF\xFF \"%\"");
  EXPECT_EQ(panel.messages[0].data1.fixedDecimals, 2);
  EXPECT_EQ(panel.messages[0].data1.accessType, kReadOnly);
  EXPECT_EQ(panel.messages[2].number, 255);
  EXPECT_EQ(panel.messages[2].data2.address, "V2001");
  EXPECT_EQ(panel.firstLocalNumber, 2);
}

}  // namespace
}  // namespace lumora

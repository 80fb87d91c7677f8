// A panel's messages as a CSV table: a round trip gives the same project file, and every bad row is named
// by its row and column without changing the panel. The real DL-205 library checks the addresses.

#include "model/message_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "model/csv_table.h"
#include "model/editing_rules.h"
#include "model/message_list_edit.h"
#include "model/message_text.h"
#include "model/panel.h"
#include "model/project.h"
#include "model/tag_map_file.h"
#include "model/text_lines.h"
#include "plc/plc_address_check.h"
#include "plc/plc_library.h"
#include "plc/plc_manager2.h"
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
    CsvProblems problems = ImportMessagesCsv(csv, copy, copy.project && copy.project->tagMapLinked ? planRun : check);
    for (const CsvProblem& problem : problems.kept) ADD_FAILURE() << CsvProblemLine("table", problem) << "\n" << csv;
    return SaveText(copy);
  }

  void SetUp() override {
    ParseTagMap("Plant\nExported\nTANK,V2000,5,1\nFLOW,V2001,5,1\nLEVEL,V2002,7,1\n", "/maps/plant.map",
                linked.textPanelTagMap, linked.setPointTagMap);
    linked.tagMapLinked = true;
    linked.tagMapPath = "/maps/plant.map";
  }

  // The keypad sample without the tag name one of its messages has: its PLC takes none.
  static TQMPanel KeypadPanel() {
    TQMPanel panel = testing::MakeKeypadProject({}).Panel(0);
    for (TQMMessage& message : panel.messages) message.data3.tagName.clear();
    return panel;
  }

  testing::RecordingInteraction ui;
  TQMPlcManager2 library{testing::StageDir() + "/dll/TDL205.so", ui};
  PlcAddressCheck check{library.Library(), true, 4};
  TQMPlcManager2 planRunLibrary{testing::StageDir() + "/dll/PLANRUN.so", ui};
  PlcAddressCheck planRun{planRunLibrary.Library(), true, 4};
  TQMProject project;
  TQMProject linked;  // a Plan & Run project with its tag map
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
      // What a spreadsheet would not keep as typed gets a leading '.
      {"=== \xFF\xFF\xFF\xFF %", "'=== {1:4} %"},
      {"+5", "'+5"},
      {"-", "'-"},
      {"@HOME", "'@HOME"},
      {"'QUOTED'", "''QUOTED'"},
      {"00012", "'00012"},
      {"1E5", "'1E5"},
      {"12", "'12"},
      {" 3.5 % ", "' 3.5 % "},
      {"1,000", "'1,000"},
      {"$(5)", "'$(5)"},
      {"3/4", "'3/4"},
      {"2024-01-05", "'2024-01-05"},
      {"12:30 PM", "'12:30 PM"},
      {"jan 5", "'jan 5"},
      {"true", "'true"},
      // Texts a spreadsheet keeps.
      {"2ND STAGE 12", "2ND STAGE 12"},
      {"E", "E"},
      {" ", " "},
      {"A = 5", "A = 5"},
      {"\xFF\xFF", "{1:2}"},
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
  EXPECT_EQ(RoundTrip(KeypadPanel()), SaveText(KeypadPanel()));
  TQMProject multiplexer = testing::MakeMultiplexerProject({});
  for (const auto& panel : multiplexer.panels) EXPECT_EQ(RoundTrip(*panel), SaveText(*panel));
}

// Panels of every type as the editors build them: PLC messages, a local menu four levels deep, every data
// type and decimal point mode, both passwords; in a project linked to a tag map, the map's tags.
class PanelGenerator {
 public:
  PanelGenerator(TQMProject& project, unsigned seed) : project_(project), random_(seed) {
    for (const auto& [name, address] : project.textPanelTagMap.entries) tags_.push_back({name, address});
  }

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

  // A typed address, or a tag of the map with its address.
  void Place(TQMTag& tag) {
    if (!tags_.empty()) {
      const auto& [name, address] = tags_[static_cast<size_t>(Pick(0, static_cast<int>(tags_.size()) - 1))];
      tag.tagName = name;
      tag.address = address;
      return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "V%o", Pick(01000, 07377));
    tag.address = text;
  }

  void ItemOne(const TQMPanel& panel, TQMMessage& message) {
    TQMReadWriteTag& data = message.data1;
    data.valueType = Pick(kBcd16, kBinary32);
    if (Pick(0, 6) != 0) Place(data);
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
      Place(data.decimalPointTag);
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
      Place(tag);
    }
  }

  TQMProject& project_;
  std::mt19937 random_;
  std::vector<std::pair<std::string, std::string>> tags_;
};

TEST_F(MessageCsvTest, GeneratedPanelsComeBackByteForByte) {
  for (TQMProject* owner : {&project, &linked}) {
    PanelGenerator generator(*owner, 20261208);
    for (int i = 0; i < 200; ++i) {
      TQMPanel panel = generator.Make();
      ASSERT_TRUE(ValidatePanel(panel).empty()) << ValidatePanel(panel).front().Line();
      ASSERT_EQ(RoundTrip(panel), SaveText(panel)) << ExportMessagesCsv(panel);
    }
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

// A PLC message 1 with data item 1 on a tag: its address and tag name cells as given.
std::string TagRow(const std::string& address, const std::string& tag) {
  return "PLC,1,,no,{1:2}," + address + "," + tag + ",BCD/Int 16,Read/Write,yes,0,9,none,none,,no,,,,,,,,\r\n";
}

TEST_F(MessageCsvTest, EveryBadRowIsNamedAndThePanelKeepsItsMessages) {
  struct Case {
    const char* fault;
    std::string csv;
    std::string where;      // ROW:COLUMN
    bool linked = false;    // into a panel of the project linked to a tag map
    std::string says = "";  // a part of the reason
  };
  const std::string good = Row("PLC", "1", "", "no", "LEVEL {1:3}", "V2000", "BCD/Int 16");
  const std::string row24(23, ',');
  const std::string huge(1 << 20, 'X');
  std::string crOnly = kHeader + good;
  std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
  crOnly.erase(std::unique(crOnly.begin(), crOnly.end(), [](char a, char b) { return a == '\r' && b == '\r'; }),
               crOnly.end());
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
      {"decimal places beyond 7", kHeader + std::string("PLC,1,,no,{1:2},V2000,,BCD/Int 16,Read/Write,yes,0,9,none,Fixed - 8,,no,,,,,,,,\r\n"), "2:Item1 Decimal", false, "Fixed - 0 to Fixed - 7"},
      {"a Variable decimal point and neither its type nor a message to take it from", kHeader + std::string("PLC,2,,no,{1:2}{.},V2000,,BCD/Int 16,Read/Write,yes,0,9,none,Variable,V2001,no,,,,,,,,\r\n"), "2:Item1 Decimal Type"},
      // Cells are quoted and cut in the reasons.
      {"a 1 MB kind", kHeader + Row(huge, "1", "", "no", "X"), "2:Kind", false, "\"XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX...\""},
      {"lines that end in CR alone", crOnly, "1:Item3 Leading Zeros", false, "Zeros\\rPLC"},
      // Tag names: none where the PLC takes none; in a linked project only the map's, on the map's address.
      {"a tag name without a tag map", kHeader + TagRow("V2000", "TANK"), "2:Item1 Tag", false, "tag map"},
      {"a 1 MB tag name without a tag map", kHeader + TagRow("V2000", huge), "2:Item1 Tag"},
      {"a tag the map does not have", kHeader + TagRow("\"V2000,5,1\"", "GHOST"), "2:Item1 Tag", true, "\"GHOST\""},
      {"a 1 MB tag name", kHeader + TagRow("\"V2000,5,1\"", huge), "2:Item1 Tag", true},
      {"a tag on another address", kHeader + TagRow("\"V2001,5,1\"", "TANK"), "2:Item1 Address", true, "\"V2000,5,1\""},
      {"an address the map does not have", kHeader + TagRow("\"V2003,5,1\"", ""), "2:Item1 Address", true},
      {"an address without its tag", kHeader + TagRow("\"V2000,5,1\"", ""), "2:Item1 Tag", true},
      {"a tag without an address", kHeader + TagRow("", "TANK"), "2:Item1 Address", true},
  };
  // clang-format on
  TQMPanel panel = KeypadPanel();
  TQMPanel linkedPanel(&linked, kPanelQM210);
  const std::string before = SaveText(panel);
  const std::string linkedBefore = SaveText(linkedPanel);
  for (const Case& c : cases) {
    TQMPanel& into = c.linked ? linkedPanel : panel;
    CsvProblems problems = ImportMessagesCsv(c.csv, into, c.linked ? planRun : check);
    if (problems.empty()) {
      ADD_FAILURE() << c.fault << ": taken";
      continue;
    }
    const CsvProblem& first = problems.kept.front();
    const std::string line = CsvProblemLine("in.csv", first);
    EXPECT_EQ(std::to_string(first.row) + ":" + first.column, c.where) << c.fault << ": " << line;
    EXPECT_NE(line.find(c.says), std::string::npos) << c.fault << ": " << line;
    for (const CsvProblem& problem : problems.kept) {
      std::string text = CsvProblemLine("in.csv", problem);
      EXPECT_LT(text.size(), 200u) << c.fault;
      EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; }))
          << c.fault << ": " << text;
    }
    EXPECT_EQ(SaveText(into), c.linked ? linkedBefore : before) << c.fault;
  }
}

TEST_F(MessageCsvTest, TheFirstHundredProblemsAreKeptAndTheRestCounted) {
  std::string csv = kHeader;
  for (int i = 0; i < 1000; ++i) csv += Row("Alarm", "1", "", "no", "X");
  TQMPanel panel = KeypadPanel();
  CsvProblems problems = ImportMessagesCsv(csv, panel, check);
  EXPECT_EQ(problems.count, 1000u);
  ASSERT_EQ(problems.kept.size(), 100u);
  EXPECT_EQ(problems.kept.back().row, 101);
}

// A table without the decimal point's tag and type columns keeps what the panel's message of the same
// number has.
TEST_F(MessageCsvTest, ATableWithoutTheDecimalPointColumnsKeepsThePanelsOwn) {
  TQMPanel panel = KeypadPanel();
  ASSERT_EQ(panel.messages[0].data1.decimalPointTag.valueType, kBinary16);
  const std::string full = ExportMessagesCsv(panel);
  std::string csv;
  for (size_t start = 0, end; (end = full.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::string line = full.substr(start, end - start);
    for (int column = 0; column < 2; ++column) line.erase(line.rfind(','));
    csv += line + "\r\n";
  }
  const std::string before = SaveText(panel);
  ASSERT_TRUE(ImportMessagesCsv(csv, panel, check).empty()) << csv;
  EXPECT_EQ(SaveText(panel), before);
}

// What a spreadsheet program writes back when it opens an exported table and saves it as CSV with its
// defaults: it reads every cell (a formula's result, a number in its own form, a date), then writes its
// separator, its line ends, a byte-order mark, and quotes.
struct Dialect {
  const char* program;
  char separator;
  bool quoteAll;
  bool byteOrderMark;
  const char* lineEnd;
};

std::string AsSpreadsheetRead(const std::string& cell) {
  if (cell.empty() || cell[0] == '\'') return cell;  // a leading ' makes a cell text, and stays
  if (cell[0] == '=') return "Err:539";
  char* end = nullptr;
  double number = std::strtod(cell.c_str(), &end);
  if (*end == '\0' && cell.find_first_of("xXnN") == std::string::npos) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", number);
    return text;
  }
  int day = 0;
  int month = 0;
  char rest = 0;
  if (std::sscanf(cell.c_str(), "%d/%d%c", &month, &day, &rest) == 2) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/26", month % 100, day % 100);
    return text;
  }
  return cell;
}

std::string SavedBy(const std::string& csv, const Dialect& dialect) {
  CsvTable table;
  CsvSyntaxError error;
  EXPECT_TRUE(ReadCsvTable(csv, table, error));
  std::string out = dialect.byteOrderMark ? "\xEF\xBB\xBF" : "";
  for (const CsvTable::Record& record : table.records) {
    for (size_t i = 0; i < record.fields.size(); ++i) {
      std::string cell = AsSpreadsheetRead(record.fields[i]);
      if (dialect.quoteAll) {
        std::string quoted = "\"";
        for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        cell = quoted + "\"";
      } else {
        cell = CsvField(cell, dialect.separator);
      }
      out += (i ? std::string(1, dialect.separator) : "") + cell;
    }
    out += dialect.lineEnd;
  }
  return out;
}

TEST_F(MessageCsvTest, ATableASpreadsheetSavedImportsToTheSameProject) {
  TQMPanel panel(&project, kPanelQM210);
  const char* const texts[] = {"=== \xFF\xFF\xFF\xFF %", "1E5", "00012", "12", "3/4", "'QUOTED", "-5 C",
                               "TRUE", "LEVEL; \xFF\xFF\xFF \"%\"", "TANK LEVEL", "2ND STAGE"};
  for (const char* text : texts) {
    TQMMessage message = panel.NewMessage();
    message.number = static_cast<int>(panel.messages.size()) + 1;
    message.isPlcMessage = 1;
    message.text = text;
    if (MessageHasDataItem(message.text, 1)) message.data1.address = "V2000";
    panel.messages.push_back(message);
  }
  MessageListEdit(panel).Finish();
  const std::string csv = ExportMessagesCsv(panel);
  const std::string before = SaveText(panel);
  const Dialect dialects[] = {
      {"a decimal-comma locale's defaults: every field quoted, ';', byte-order mark", ';', true, true, "\r\n"},
      {"every field quoted, ',', LF", ',', true, false, "\n"},
      {"quotes where needed, ';', byte-order mark, LF", ';', false, true, "\n"},
      {"quotes where needed, ',', CR LF", ',', false, false, "\r\n"},
  };
  for (const Dialect& dialect : dialects) {
    const std::string saved = SavedBy(csv, dialect);
    TQMPanel copy(panel);
    copy.messages.clear();
    CsvProblems problems = ImportMessagesCsv(saved, copy, check);
    for (const CsvProblem& problem : problems.kept)
      ADD_FAILURE() << dialect.program << ": " << CsvProblemLine("in.csv", problem);
    EXPECT_EQ(SaveText(copy), before) << dialect.program << "\n" << saved;
  }
}

}  // namespace
}  // namespace lumora

// `lumora report` and `lumora addresses --pdf`: the PDF files read back with the poppler tools.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <regex>

#include "model/project.h"
#include "model/project_file.h"
#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::ProcessResult;
using testing::SetTarvoAddress;
using testing::StageDir;
using testing::TempDir;

// The paper's unprintable border (0.25 inch) and the report's units (0.01 inch) in PDF points.
constexpr double kBorder = 18.0;
constexpr double kUnit = 0.72;

struct Word {
  int page = 0;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
  std::string text;
  bool operator==(const Word&) const = default;
};

std::string Unescape(std::string text) {
  for (auto [from, to] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&apos;", "'"},
                          {"&amp;", "&"}}) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
      text.replace(at, std::string(from).size(), to);
  }
  return text;
}

class ReportCommandTest : public ::testing::Test {
 protected:
  ProcessResult Lumora(std::vector<std::string> args) {
    args.insert(args.begin(), StageDir() + "/bin/lumora");
    args.push_back("--install-dir");
    args.push_back(StageDir());
    return testing::RunProcess(args, {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                                      {"HOME", dir.Path()},
                                      {"XDG_CONFIG_HOME", dir.File("config")},
                                      {"XDG_RUNTIME_DIR", dir.Path()},
                                      {"LANG", "C.UTF-8"}});
  }
  std::string Demo() const { return StageDir() + "/Project/demo-qm210.lmx"; }
  std::string Save(TQMProject& project, const std::string& name) {
    std::string path = dir.File(name);
    std::string error;
    EXPECT_TRUE(SaveProjectFile(project, path, &error)) << error;
    return path;
  }
  // Writes the report and reads its words back; the run must succeed.
  std::vector<Word> Report(const std::string& project, std::vector<std::string> options = {}) {
    std::string pdf = dir.File("out-" + std::to_string(++runs) + ".pdf");
    std::vector<std::string> args = {"report", project, "-o", pdf};
    args.insert(args.end(), options.begin(), options.end());
    ProcessResult result = Lumora(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    lastOut = result.out;
    lastPdf = pdf;
    return Words(pdf);
  }
  std::vector<Word> Words(const std::string& pdf) {
    std::string html = dir.File("words.html");
    ProcessResult text = testing::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf, html});
    EXPECT_EQ(text.exitCode, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
    std::string contents = testing::ReadAll(html);
    std::vector<Word> words;
    int page = 0;
    pageSizes.clear();
    std::regex token(R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(contents.begin(), contents.end(), token); it != std::sregex_iterator(); ++it) {
      const std::smatch& m = *it;
      if (m[1].matched) {
        ++page;
        pageSizes.emplace_back(std::stod(m[1]), std::stod(m[2]));
        continue;
      }
      words.push_back({page, std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), Unescape(m[7])});
    }
    return words;
  }
  static const Word* Find(const std::vector<Word>& words, int page, const std::string& text, int nth = 0) {
    for (const Word& word : words) {
      if (word.page == page && word.text == text && nth-- == 0) return &word;
    }
    return nullptr;
  }
  // The first word of the line whose words read `text`.
  static const Word* FindLine(const std::vector<Word>& words, int page, const std::string& text) {
    for (const Word& word : words) {
      if (word.page == page && LineOf(words, word) == text) {
        const Word* first = &word;
        for (const Word& other : words) {
          if (other.page == page && std::abs(other.yMin - word.yMin) < 1.0 && other.xMin < first->xMin) first = &other;
        }
        return first;
      }
    }
    return nullptr;
  }
  static int Pages(const std::vector<Word>& words) {
    int pages = 0;
    for (const Word& word : words)
      pages = std::max(pages, word.page);
    return pages;
  }
  // The words of a page on the line through `word`, left to right.
  static std::string LineOf(const std::vector<Word>& words, const Word& word) {
    std::vector<const Word*> line;
    for (const Word& other : words) {
      if (other.page == word.page && std::abs(other.yMin - word.yMin) < 1.0) line.push_back(&other);
    }
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->xMin < b->xMin; });
    std::string text;
    for (const Word* other : line)
      text += (text.empty() ? "" : " ") + other->text;
    return text;
  }
  // Counts the pixels of a page, rendered at 30 dpi, that are clearly of the given hue.
  int ColouredPixels(const std::string& pdf, int page, int red, int green, int blue) {
    std::string prefix = dir.File("page");
    ProcessResult render = testing::RunProcess({"/usr/bin/pdftoppm", "-r", "30", "-f", std::to_string(page), "-l",
                                                std::to_string(page), "-singlefile", pdf, prefix});
    EXPECT_EQ(render.exitCode, 0) << render.err;
    std::string ppm = testing::ReadAll(prefix + ".ppm");
    // "P6\n<w> <h>\n255\n" then RGB triples.
    size_t data = 0;
    for (int newlines = 0; data < ppm.size() && newlines < 3; ++data) {
      if (ppm[data] == '\n') ++newlines;
    }
    int count = 0;
    for (size_t i = data; i + 2 < ppm.size(); i += 3) {
      int rgb[3] = {static_cast<unsigned char>(ppm[i]), static_cast<unsigned char>(ppm[i + 1]),
                    static_cast<unsigned char>(ppm[i + 2])};
      int want[3] = {red, green, blue};
      bool match = true;
      for (int c = 0; c < 3; ++c)
        match = match && (want[c] ? rgb[c] > 150 : rgb[c] < 110);
      if (match) ++count;
    }
    return count;
  }

  TempDir dir;
  int runs = 0;
  std::string lastOut;
  std::string lastPdf;
  std::vector<std::pair<double, double>> pageSizes;
};

TEST_F(ReportCommandTest, DemoPanelAsPrinted) {
  std::string copy = dir.Write("plant.lmx", testing::ReadAll(Demo()));
  std::vector<Word> words = Report(copy);
  EXPECT_NE(lastOut.find("3 page(s) (1-3 of 3) written to " + lastPdf), std::string::npos) << lastOut;
  ASSERT_EQ(Pages(words), 3);
  ASSERT_EQ(pageSizes.size(), 3u);
  EXPECT_NEAR(pageSizes[0].first, 595, 1);  // A4 in the C locale
  EXPECT_NEAR(pageSizes[0].second, 842, 1);

  // Page 1: labels 30 units right of the margin, values at 300 units, a line every 30 units.
  const Word* fileName = Find(words, 1, "FileName");
  ASSERT_TRUE(fileName);
  EXPECT_NEAR(fileName->xMin, kBorder + 40 * kUnit, 1.0);
  EXPECT_EQ(LineOf(words, *fileName), "FileName : " + copy);
  const Word* path = Find(words, 1, copy);
  ASSERT_TRUE(path);
  EXPECT_NEAR(path->xMin, kBorder + 310 * kUnit, 1.0);
  const std::vector<std::string> lines = {"FileName : " + copy, "SystemType : Single Panel System",
                                          "PanelType : QM210", "Button(Bit Write)PLC Word : V2101",
                                          "LED(Bit Read)PLC Word : V2100", "Line 1 PLC : V2110",
                                          "Line 2 PLC : V2111", "PLC TYPE : Tarvo DL-205"};
  for (size_t i = 0; i < lines.size(); ++i) {
    const Word* label = FindLine(words, 1, lines[i]);
    ASSERT_TRUE(label) << lines[i];
    EXPECT_NEAR(label->xMin, kBorder + 40 * kUnit, 1.0);
    EXPECT_NEAR(label->yMin - fileName->yMin, static_cast<double>(i) * 30 * kUnit, 0.5) << lines[i];
  }
  // The title sits in its band above the settings, centred on the page.
  const Word* title = Find(words, 1, "Lumora");
  ASSERT_TRUE(title);
  EXPECT_EQ(LineOf(words, *title), "Lumora Operator Interface Panel Project Documentation");
  EXPECT_GT(title->yMin, kBorder + 40 * kUnit);
  EXPECT_LT(title->yMin, kBorder + 110 * kUnit);
  const Word* f3 = Find(words, 1, "F3:");
  ASSERT_TRUE(f3);
  EXPECT_EQ(LineOf(words, *f3), "F3: Panel set and PLC release LED 3: By PLC");
  const Word* number = nullptr;
  for (const Word& word : words) {
    if (word.page == 1 && (!number || word.yMin > number->yMin)) number = &word;
  }
  ASSERT_TRUE(number);
  EXPECT_EQ(number->text, "1");
  EXPECT_NEAR((number->xMin + number->xMax) / 2, 595.0 / 2, 2.0);

  // Page 2: the PLC messages, the first row right below the headings' line at 145 units.
  const Word* kind = Find(words, 2, "PLC");
  ASSERT_TRUE(kind);
  EXPECT_EQ(LineOf(words, *kind), "PLC Messages");
  const Word* first = Find(words, 2, "[001]");
  ASSERT_TRUE(first);
  EXPECT_NEAR(first->xMin, kBorder + 13 * kUnit, 1.0);
  EXPECT_GT(first->yMin, kBorder + 155 * kUnit);
  EXPECT_LT(first->yMax, kBorder + 175 * kUnit);
  EXPECT_EQ(LineOf(words, *first), "[001] TANK LEVEL 1111 % V2000 BCD 16 R");
  const Word* third = Find(words, 2, "[003]");
  ASSERT_TRUE(third);
  EXPECT_EQ(LineOf(words, *third), "[003] TEMP 1111. C V2002 BCD 16 R/W V2003");
  // The second message wraps: the third stands two lines (40 units) below it.
  const Word* second = Find(words, 2, "[002]");
  ASSERT_TRUE(second);
  EXPECT_NEAR(second->yMin - first->yMin, 20 * kUnit, 0.5);
  EXPECT_NEAR(third->yMin - second->yMin, 40 * kUnit, 0.5);
  // Page 3: the local menu.
  const Word* local = Find(words, 3, "Local");
  ASSERT_TRUE(local);
  EXPECT_EQ(LineOf(words, *local), "Local Messages");
  EXPECT_FALSE(Find(words, 3, "[001]"));
}

TEST_F(ReportCommandTest, KeypadPanelWithPasswordsAndAnnunciator) {
  TQMProject project = testing::MakeKeypadProject({});
  std::vector<Word> words = Report(Save(project, "keypad.lmx"));
  ASSERT_EQ(Pages(words), 3);
  const Word* password = Find(words, 1, "Register:");
  ASSERT_TRUE(password);
  EXPECT_EQ(LineOf(words, *password), "PLC Password Register: V2020");
  const Word* annunciator = Find(words, 1, "Annunciator");
  ASSERT_TRUE(annunciator);
  EXPECT_EQ(LineOf(words, *annunciator), "Annunciator Word: V2002");
  EXPECT_NEAR(annunciator->yMin - password->yMin, 30 * kUnit, 0.5);
  EXPECT_TRUE(Find(words, 1, "BUTTON/"));
  const Word* first = Find(words, 2, "[001]");
  ASSERT_TRUE(first);
  EXPECT_EQ(LineOf(words, *first), "[001] TEMP 1111. C 222 V100 BCD 16 R/W R V101 V102 Binary 16");
  const Word* limit = Find(words, 3, "LIMIT");
  ASSERT_TRUE(limit);
  EXPECT_EQ(LineOf(words, *limit), "LIMIT 11111 V300 Binary 16 W L");
}

TEST_F(ReportCommandTest, SetPointPanelAndAPanelWithoutMessagesAndOneWithOnlyLocalMessages) {
  TQMProject multiplexer = testing::MakeMultiplexerProject({});
  std::string file = Save(multiplexer, "mux.lmx");
  std::vector<Word> words = Report(file, {"--port", "5"});
  ASSERT_EQ(Pages(words), 2);
  EXPECT_FALSE(Find(words, 1, "BUTTON/"));
  EXPECT_FALSE(Find(words, 1, "Button(Bit"));
  const Word* system = Find(words, 1, "SystemType");
  ASSERT_TRUE(system);
  EXPECT_EQ(LineOf(words, *system), "SystemType : Multiple Panel System");
  const Word* fill = Find(words, 2, "FILL");
  ASSERT_TRUE(fill);
  EXPECT_EQ(LineOf(words, *fill), "[001] FILL LEVEL V100 BCD 16 R/W none");
  EXPECT_TRUE(Find(words, 2, "QMSV"));
  // The heading of the set-point column, written upwards.
  const Word* fixed = Find(words, 2, "Fixed");
  ASSERT_TRUE(fixed);

  // The QM210 on port 2 (the selected port) has its one local message on page 3.
  words = Report(file);
  ASSERT_EQ(Pages(words), 3);
  const Word* menu = Find(words, 3, "MENU");
  ASSERT_TRUE(menu);
  EXPECT_EQ(LineOf(words, *menu), "MENU");
  EXPECT_TRUE(Find(words, 3, "Local"));

  TQMProject empty = testing::MakeKeypadProject({});
  empty.CurrentPanel()->messages.clear();
  words = Report(Save(empty, "empty.lmx"));
  EXPECT_EQ(Pages(words), 1);
  EXPECT_NE(lastOut.find("1 page(s) (1-1 of 1)"), std::string::npos) << lastOut;

  TQMProject locals = testing::MakeKeypadProject({});
  auto& messages = locals.CurrentPanel()->messages;
  messages.erase(messages.begin(), messages.begin() + 2);
  words = Report(Save(locals, "locals.lmx"));
  ASSERT_EQ(Pages(words), 2);
  const Word* kind = Find(words, 2, "Local");
  ASSERT_TRUE(kind);
  EXPECT_EQ(LineOf(words, *kind), "Local Messages");
  const Word* folder = Find(words, 2, "[+]");
  ASSERT_TRUE(folder);
  EXPECT_EQ(LineOf(words, *folder), "[+] SETTINGS");
}

TEST_F(ReportCommandTest, AWrappingAddressGrowsItsRow) {
  TQMProject project = testing::MakeKeypadProject({});
  TQMMessage& first = project.CurrentPanel()->messages[0];
  first.data2.address = "V102.LONG.NAME";  // wider than the 8% column of a QM210K
  std::vector<Word> words = Report(Save(project, "wrap.lmx"));
  const Word* row = Find(words, 2, "[001]");
  const Word* next = Find(words, 2, "[003]");
  ASSERT_TRUE(row && next);
  // The address's first part on the row's line, the rest on continuation lines below it in its column;
  // the next message starts below the last of them.
  const Word* head = nullptr;
  for (const Word& word : words) {
    if (word.page == 2 && std::abs(word.yMin - row->yMin) < 0.5 && word.text.rfind("V102.", 0) == 0) head = &word;
  }
  ASSERT_TRUE(head);
  EXPECT_NE(head->text, "V102.LONG.NAME");
  std::string address = head->text;
  int lines = 1;
  for (const Word& word : words) {
    if (word.page == 2 && word.yMin > row->yMin + 1 && word.yMin < next->yMin - 1 &&
        std::abs(word.xMin - head->xMin) < 0.5) {
      EXPECT_NEAR(word.yMin - row->yMin, lines * 20 * kUnit, 0.5) << word.text;
      address += word.text;
      ++lines;
    }
  }
  EXPECT_EQ(address, "V102.LONG.NAME");
  EXPECT_GE(lines, 2);
  EXPECT_NEAR(next->yMin - row->yMin, lines * 20 * kUnit, 0.5);
}

TEST_F(ReportCommandTest, PagesThreeToFourAloneAreThoseOfTheWholeReport) {
  TQMProject project = testing::MakeMaximalProject({});
  project.multiplexer.selectedPort = 3;  // the QM210K
  std::string file = Save(project, "max.lmx");
  std::vector<Word> whole = Report(file);
  int pages = Pages(whole);
  EXPECT_GE(pages, 5);
  std::vector<Word> range = Report(file, {"--pages", "3-4"});
  EXPECT_NE(lastOut.find("2 page(s) (3-4 of " + std::to_string(pages) + ")"), std::string::npos) << lastOut;
  ASSERT_EQ(Pages(range), 2);
  std::vector<Word> expected;
  for (Word word : whole) {
    if (word.page < 3 || word.page > 4) continue;
    word.page -= 2;
    expected.push_back(word);
  }
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(range, expected);
  EXPECT_TRUE(Find(range, 1, "3"));
}

TEST_F(ReportCommandTest, ColourOnlyWhereAsked) {
  std::vector<Word> words = Report(Demo());
  std::string colour = lastPdf;
  Report(Demo(), {"--mono"});
  std::string mono = lastPdf;
  EXPECT_GT(ColouredPixels(colour, 2, 1, 0, 0), 20);  // the red headings and markers
  EXPECT_GT(ColouredPixels(colour, 2, 0, 0, 1), 20);
  EXPECT_EQ(ColouredPixels(mono, 2, 1, 0, 0), 0);
  EXPECT_EQ(ColouredPixels(mono, 2, 0, 0, 1), 0);
  EXPECT_EQ(Words(mono), words);
}

TEST_F(ReportCommandTest, PaperOrientationAndUsageErrors) {
  Report(Demo(), {"--paper", "letter", "--landscape"});
  ASSERT_FALSE(pageSizes.empty());
  EXPECT_NEAR(pageSizes[0].first, 792, 1);
  EXPECT_NEAR(pageSizes[0].second, 612, 1);

  std::string pdf = dir.File("x.pdf");
  EXPECT_EQ(Lumora({"report", Demo()}).exitCode, 2);
  EXPECT_EQ(Lumora({"report", Demo(), "-o", pdf, "--pages", "4-2"}).exitCode, 2);
  EXPECT_EQ(Lumora({"report", Demo(), "-o", pdf, "--paper", "a3"}).exitCode, 2);
  EXPECT_EQ(Lumora({"report", Demo(), "-o", pdf, "--port", "2"}).exitCode, 2);
  ProcessResult beyond = Lumora({"report", Demo(), "-o", pdf, "--pages", "7"});
  EXPECT_EQ(beyond.exitCode, 1);
  EXPECT_NE(beyond.err.find("The document has 3 page(s): there is no page 7"), std::string::npos) << beyond.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportCommandTest, APdfIsWrittenWholeOrNotAtAll) {
  std::string old = dir.Write("old.pdf", "OLD");
  std::string readOnly = dir.Write("read-only.pdf", "KEEP");
  ::chmod(readOnly.c_str(), 0444);
  std::string fifo = dir.File("fifo.pdf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  struct Case {
    std::string out;
    std::string reason;
  };
  const std::vector<Case> refused = {
      {dir.File("missing/x.pdf"), "No such file or directory"},
      {dir.Path(), "Is a directory"},
      {fifo, "not a regular file"},  // refused at once, never opened
      {"/dev/full", "not a regular file"},
      {readOnly, "the file is read-only"},
  };
  for (const Case& target : refused) {
    for (std::vector<std::string> args : {std::vector<std::string>{"report", Demo(), "-o", target.out},
                                          {"addresses", Demo(), "--pdf", target.out}}) {
      ProcessResult result = Lumora(args);
      EXPECT_EQ(result.exitCode, 1) << args[0] << " " << target.out;
      EXPECT_EQ(result.err, target.out + ": " + target.reason + "\n") << args[0];
      EXPECT_EQ(result.out, "");
    }
  }
  EXPECT_EQ(testing::ReadAll(readOnly), "KEEP");

  // A report over an older file replaces it with a complete document.
  ProcessResult replaced = Lumora({"report", Demo(), "-o", old});
  ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
  std::string bytes = testing::ReadAll(old);
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos);
  EXPECT_EQ(Pages(Words(old)), 3);
}

TEST_F(ReportCommandTest, AFileNameOutsideAsciiPrintsAsTheSystemNamesIt) {
  std::string project = dir.Write("Prüfstand Höhe.lmx", testing::ReadAll(Demo()));
  std::vector<Word> words = Report(project);
  const Word* name = Find(words, 1, "FileName");
  ASSERT_TRUE(name);
  EXPECT_EQ(LineOf(words, *name), "FileName : " + project);
  std::string pdf = dir.File("addresses.pdf");
  ASSERT_EQ(Lumora({"addresses", project, "--pdf", pdf}).exitCode, 0);
  words = Words(pdf);
  name = Find(words, 1, "Name");
  ASSERT_TRUE(name);
  EXPECT_EQ(LineOf(words, *name), "Project Name : " + project);
}

TEST_F(ReportCommandTest, AProjectTheRulesRefuseIsNotLaidOut) {
  std::string text = testing::ReadAll(Demo());
  size_t start = text.find("TANK LEVEL");
  ASSERT_NE(start, std::string::npos);
  text.replace(start, 10, std::string(10 << 20, 'A'));
  std::string project = dir.Write("huge.lmx", text);
  std::string pdf = dir.File("huge.pdf");
  ProcessResult result = Lumora({"report", project, "-o", pdf});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("Port 1 (QM210), message 1: Error Z005"), std::string::npos) << result.err.substr(0, 300);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportCommandTest, AddressListAsPdf) {
  TQMProject project = testing::MakeKeypadProject({});
  std::string file = Save(project, "keypad.lmx");
  std::string pdf = dir.File("addresses.pdf");
  ProcessResult result = Lumora({"addresses", file, "--pdf", pdf});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::vector<Word> words = Words(pdf);
  ASSERT_EQ(Pages(words), 1);
  const Word* name = Find(words, 1, "Name");
  ASSERT_TRUE(name);
  EXPECT_EQ(LineOf(words, *name), "Project Name : " + file);  // as the program names an opened project
  const Word* plc = Find(words, 1, "PLC(s)/Controller(s)");
  ASSERT_TRUE(plc);
  EXPECT_EQ(LineOf(words, *plc), "Project PLC(s)/Controller(s) : Tarvo DL-205");
  std::vector<std::string> expected = {"Line 1 : V2010", "Line 2 : V2011", "Bit Write(Button's) : V2001",
                                       "Bit Read(LED's) : V2000", "Bit Read (Annunciator Lights) : V2002",
                                       "PLC Register : V2020", "Local Password : 4321"};
  double previous = plc->yMin;
  for (const std::string& line : expected) {
    const Word* label = nullptr;
    for (const Word& word : words) {
      if (word.yMin > previous + 1 && LineOf(words, word) == line) {
        label = &word;
        break;
      }
    }
    ASSERT_TRUE(label) << line;
    EXPECT_NEAR(label->yMin - previous, 30 * kUnit, 0.5) << line;
    previous = label->yMin;
  }
  const Word* item = Find(words, 1, "Item");
  ASSERT_TRUE(item);
  EXPECT_EQ(LineOf(words, *item), "Item Address Used in Message # Function Access Type Password");
  const Word* row = Find(words, 1, "V101");
  ASSERT_TRUE(row);
  EXPECT_EQ(LineOf(words, *row), "2 V101 1 Decimal Point R N/A");
  const Word* local = Find(words, 1, "V300");
  ASSERT_TRUE(local);
  EXPECT_EQ(LineOf(words, *local), "6 V300 Local Data 1 W LOCAL");
}

}  // namespace
}  // namespace lumora

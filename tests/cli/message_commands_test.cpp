// lumora messages export | import with the real program, the demo projects and the DL-205 library.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::ProcessResult;
using testing::StageDir;

class MessageCommandsTest : public ::testing::Test {
 protected:
  ProcessResult Lumora(std::vector<std::string> args) {
    args.insert(args.begin(), StageDir() + "/bin/lumora");
    args.insert(args.end(), {"--install-dir", StageDir()});
    return testing::RunProcess(args, {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                                      {"HOME", dir.Path()},
                                      {"XDG_CONFIG_HOME", dir.File("config")}});
  }
  testing::TempDir dir;
};

TEST_F(MessageCommandsTest, ExportThenImportOfEveryDemoPanelGivesTheSameFile) {
  struct Panel {
    const char* demo;
    const char* port;
  };
  for (const Panel& panel : {Panel{"demo-qm210", "1"}, Panel{"demo-multiplexer", "2"}, Panel{"demo-multiplexer", "5"}}) {
    std::string demo = StageDir() + "/Project/" + panel.demo + ".lmx";
    std::string saved = dir.File(std::string(panel.demo) + "-saved.lmx");
    ASSERT_EQ(Lumora({"save-as", demo, saved}).exitCode, 0);
    ProcessResult exported = Lumora({"messages", "export", demo, "--port", panel.port});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    std::string csv = dir.Write(std::string(panel.demo) + panel.port + ".csv", exported.out);
    std::string out = dir.File(std::string(panel.demo) + panel.port + ".lmx");
    ProcessResult imported = Lumora({"messages", "import", demo, csv, "--port", panel.port, "-o", out});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(testing::ReadAll(out), testing::ReadAll(saved)) << panel.demo << " port " << panel.port;
  }
}

TEST_F(MessageCommandsTest, ABadTableNamesEveryProblemAndWritesNothing) {
  std::string project = dir.Write("p.lmx", testing::ReadAll(StageDir() + "/Project/demo-qm210.lmx"));
  ProcessResult exported = Lumora({"messages", "export", project, "-o", dir.File("in.csv")});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  std::string csv = testing::ReadAll(dir.File("in.csv"));
  // Row 2 gets a number over 256, row 3 an address the PLC refuses.
  csv.replace(csv.find("PLC,1,"), 6, "PLC,300,");
  csv.replace(csv.find("V2001"), 5, "QQQ");
  std::string table = dir.Write("bad.csv", csv);
  const std::string before = testing::ReadAll(project);
  ProcessResult result = Lumora({"messages", "import", project, table});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err.rfind(table + ":2:Number: ", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("\n" + table + ":3:Item1 Address: "), std::string::npos) << result.err;
  EXPECT_EQ(testing::ReadAll(project), before);
}

// Problem lines quote a cell as one short line, and the first 100 problems are printed with a count of the
// rest.
TEST_F(MessageCommandsTest, ProblemsAreShortLinesAndAHundredAtMost) {
  std::string project = dir.Write("p.lmx", testing::ReadAll(StageDir() + "/Project/demo-qm210.lmx"));
  ASSERT_EQ(Lumora({"messages", "export", project, "-o", dir.File("in.csv")}).exitCode, 0);
  std::string csv = testing::ReadAll(dir.File("in.csv"));
  std::string header = csv.substr(0, csv.find("\r\n") + 2);
  std::string rows = header + "\"" + std::string(1 << 20, 'K') + "\r\"" + std::string(25, ',') + "\r\n";
  for (int i = 0; i < 999; ++i) rows += "Alarm" + std::string(25, ',') + "\r\n";
  std::string table = dir.Write("bad.csv", rows);
  ProcessResult result = Lumora({"messages", "import", project, table});
  EXPECT_EQ(result.exitCode, 1);
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = result.err.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(result.err.substr(start, end - start));
  ASSERT_EQ(lines.size(), 101u) << result.err.substr(0, 2000);
  EXPECT_EQ(lines[0], table + ":2:Kind: unknown kind \"" + std::string(40, 'K') + "...\": PLC or Local");
  EXPECT_EQ(lines[1], table + ":3:Kind: unknown kind \"Alarm\": PLC or Local");
  EXPECT_EQ(lines[100], table + ": 900 more problems not shown");
}

// In a project linked to a tag map a table's tags are the map's: a name it does not have is refused, and the
// project stays one that opens without questions.
TEST_F(MessageCommandsTest, ATagTheMapDoesNotHaveIsRefused) {
  std::string project = dir.Write("p.lmx", testing::ReadAll(StageDir() + "/Project/demo-qm210.lmx"));
  std::string map = dir.Write("plant.map", "Plant\r\nExported\r\nTANK,V2000,5,1\r\n");
  ASSERT_EQ(Lumora({"convert-plc", project, "--plc", "Plan & Run", "--force", "--map", map}).exitCode, 0);
  ProcessResult exported = Lumora({"messages", "export", project});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  std::string csv = exported.out;
  const std::string first = "PLC,1,,no,TANK LEVEL  {1:4} %,,,";
  ASSERT_NE(csv.find(first), std::string::npos) << csv;
  csv.replace(csv.find(first), first.size(), "PLC,1,,no,TANK LEVEL  {1:4} %,\"V2000,5,1\",GHOST,");
  std::string table = dir.Write("tags.csv", csv);
  const std::string before = testing::ReadAll(project);
  ProcessResult result = Lumora({"messages", "import", project, table});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, table + ":2:Item1 Tag: \"GHOST\" is not a tag name of the tag map\n");
  EXPECT_EQ(testing::ReadAll(project), before);

  csv.replace(csv.find("GHOST"), 5, "TANK");
  ProcessResult imported = Lumora({"messages", "import", project, dir.Write("tags.csv", csv)});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  ProcessResult checked = Lumora({"check", project});
  EXPECT_EQ(checked.exitCode, 0) << checked.err;
}

TEST_F(MessageCommandsTest, UsageErrors) {
  std::string project = dir.Write("p.lmx", testing::ReadAll(StageDir() + "/Project/demo-qm210.lmx"));
  std::string csv = dir.Write("in.csv", "");
  const std::vector<std::vector<std::string>> commands = {
      {"messages", "frob", project},
      {"messages", "import", project},
      {"messages", "export", project, csv},
      {"messages", "import", project, csv, "-o", csv},
      {"messages", "export", project, "-o", project},
      {"messages", "export", project, "--port", "2"},
  };
  for (const std::vector<std::string>& command : commands) {
    ProcessResult result = Lumora(command);
    EXPECT_EQ(result.exitCode, 2) << command[1] << " " << command.back() << "\n" << result.err;
  }
}

}  // namespace
}  // namespace lumora

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

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "support/install_tree.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::ProcessResult;
using testing::StageDir;
using testing::TempDir;

// Runs lumora on an install tree of the test's own (the PLC change writes its attribute exchange file
// there) and on a copy of the demo project (Tarvo DL-205, twelve addresses).
class ConvertPlcTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::LinkStageInto(install, true); }
  ProcessResult Lumora(std::vector<std::string> args, const std::string& workingDir = "",
                       const std::map<std::string, std::string>& more = {}) {
    args.insert(args.begin(), StageDir() + "/bin/lumora");
    args.push_back("--install-dir");
    args.push_back(install);
    std::map<std::string, std::string> environment = {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                                                      {"HOME", dir.Path()},
                                                      {"XDG_CACHE_HOME", dir.File("cache")},
                                                      {"XDG_CONFIG_HOME", dir.File("config")}};
    environment.insert(more.begin(), more.end());
    return testing::RunProcess(args, environment, workingDir);
  }
  void AddTestLibrary(const std::string& name) {
    std::filesystem::copy_file(testing::TestBinDir() + "/plugins/" + name + ".so", install + "/dll/" + name + ".so");
  }
  std::string Demo() {
    return dir.Write("plant.lmx", testing::ReadAll(StageDir() + "/Project/demo-qm210.lmx"));
  }

  // The saved PLC settings: name, library, address size, manufacturer and model id.
  std::vector<std::string> PlcLines(const std::string& file) {
    std::string text = testing::ReadAll(file);
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
      size_t end = std::min(text.find("\r\n", start), text.size());
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    for (size_t i = 0; i + 5 < lines.size(); ++i) {
      if (lines[i + 1].size() > 3 && lines[i + 1].ends_with(".so") && lines[i + 1].find('/') == std::string::npos)
        return {lines[i], lines[i + 1], lines[i + 2], lines[i + 4], lines[i + 5]};
    }
    return {};
  }

  TempDir dir;
  std::string install = dir.File("install");
};

TEST_F(ConvertPlcTest, CompatiblePlcConvertsAndPrintsTheLog) {
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  std::string out = dir.File("dl405.lmx");
  ProcessResult converted = Lumora({"convert-plc", file, "--plc", "Tarvo DL-405", "-o", out});
  ASSERT_EQ(converted.exitCode, 0) << converted.err;
  // System addresses first, then the messages' data items.
  EXPECT_EQ(converted.out.rfind("V2100\tV2100\t\nV2101\tV2101\t\n", 0), 0u) << converted.out;
  EXPECT_NE(converted.out.find("\nV2000\tV2000\t\n"), std::string::npos);
  EXPECT_EQ(std::count(converted.out.begin(), converted.out.end(), '\n'), 12);
  EXPECT_EQ(converted.err,
            "PLC changed to Tarvo DL-405, 12 address(es) converted, 0 dropped, saved to " + out + "\n");
  EXPECT_EQ(testing::ReadAll(file), original);  // -o leaves FILE alone

  ProcessResult check = Lumora({"check", out});
  EXPECT_EQ(check.exitCode, 0) << check.err;
  EXPECT_NE(check.out.find("12 PLC address(es), PLC Tarvo DL-405"), std::string::npos) << check.out;
  ProcessResult shown = Lumora({"show", out});
  EXPECT_NE(shown.out.find("Data 1: V2000  BCD/Int 16  R\n"), std::string::npos) << shown.out;

  // Without -o the project itself is replaced; the same PLC again changes nothing.
  ASSERT_EQ(Lumora({"convert-plc", file, "--plc", "Tarvo DL-405"}).exitCode, 0);
  EXPECT_NE(Lumora({"check", file}).out.find("PLC Tarvo DL-405"), std::string::npos);
  std::string converted405 = testing::ReadAll(file);
  ProcessResult same = Lumora({"convert-plc", file, "--plc", "Tarvo DL-405", "-o", dir.File("same.lmx")});
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_EQ(same.out, "");
  EXPECT_EQ(same.err, "The project already uses Tarvo DL-405: nothing changed\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("same.lmx")));
  EXPECT_EQ(testing::ReadAll(file), converted405);

  // Back to the DL-205, whose V memory ends at V41237: a higher address is dropped, with the remark.
  size_t at = converted405.find("\r\nV2000\t");
  ASSERT_NE(at, std::string::npos);
  std::string high = dir.Write("high.lmx", converted405.replace(at + 2, 5, "V77777"));
  ProcessResult back = Lumora({"convert-plc", high, "--plc", "Tarvo DL-205"});
  ASSERT_EQ(back.exitCode, 0) << back.err;
  EXPECT_NE(back.out.find("\nV77777\t \tUnable to rebuild the address for the new PLC\n"), std::string::npos)
      << back.out;
  EXPECT_NE(
      back.err.find("PLC changed to Tarvo DL-205, 11 address(es) converted, 1 dropped, saved to " + high),
      std::string::npos)
      << back.err;
  EXPECT_EQ(testing::ReadAll(high).find("V77777"), std::string::npos);
}

TEST_F(ConvertPlcTest, IncompatiblePlcNeedsForceAndClearsTheAddresses) {
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  ProcessResult refused = Lumora({"convert-plc", file, "--plc", "Modbus RTU"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("Error P006: Modbus RTU is not compatible with\nTarvo DL-205.\n\nDo you want to "
                             "change the PLC anyway?\n-> No\n"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(testing::ReadAll(file), original);

  ProcessResult forced = Lumora({"convert-plc", file, "--plc", "Modbus RTU", "--force"});
  ASSERT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_EQ(forced.out, "");
  EXPECT_NE(forced.err.find("-> Yes\nPLC changed to Modbus RTU, every PLC address cleared, saved to " + file),
            std::string::npos)
      << forced.err;
  std::vector<std::string> plc = PlcLines(file);
  ASSERT_EQ(plc.size(), 5u);
  EXPECT_EQ(plc[0], "Modbus RTU");
  EXPECT_EQ(plc[1], "MODRTU.so");  // the library's name, wherever it is installed
  EXPECT_EQ(plc[3], "40");  // the new PLC's ids header
  std::string saved = testing::ReadAll(file);
  EXPECT_EQ(saved.find("\r\nV2"), std::string::npos) << "an address survived";
}

TEST_F(ConvertPlcTest, UnknownPlcAndMissingOptionsAreUsageErrors) {
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  ProcessResult unknown = Lumora({"convert-plc", file, "--plc", "Tarvo DL-999"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("unknown PLC \"Tarvo DL-999\""), std::string::npos) << unknown.err;
  for (const char* name : {"\"Tarvo DL-205\"", "\"Tarvo DL-405\"", "\"Modbus RTU\"", "\"Plan & Run\""})
    EXPECT_NE(unknown.err.find(name), std::string::npos) << unknown.err;
  EXPECT_EQ(Lumora({"convert-plc", file}).exitCode, 2);

  // Plan & Run names addresses by the tags of a map.
  for (bool force : {false, true}) {
    std::vector<std::string> args = {"convert-plc", file, "--plc", "Plan & Run"};
    if (force) args.push_back("--force");
    ProcessResult noMap = Lumora(args);
    EXPECT_EQ(noMap.exitCode, 2);
    EXPECT_EQ(
        noMap.err,
        "lumora: Plan & Run works with the tag names of a Plan & Run tag map: name it with --map FILE.map\n");
  }
  EXPECT_EQ(testing::ReadAll(file), original);

  // A map named relative to the current folder is linked by its whole path, so the project opens anywhere.
  std::string map = dir.Write("plant.map", "Plant\r\nExported\r\nTANK,V2000,5,1\r\n");
  ProcessResult linked =
      Lumora({"convert-plc", file, "--plc", "Plan & Run", "--force", "--map", "plant.map"}, dir.Path());
  ASSERT_EQ(linked.exitCode, 0) << linked.err;
  EXPECT_EQ(PlcLines(file)[0], "Plan & Run");
  EXPECT_NE(testing::ReadAll(file).find("\r\n" + map + "\r\n"), std::string::npos);  // the linked tag map
  ProcessResult elsewhere = Lumora({"check", file}, "/");
  EXPECT_EQ(elsewhere.exitCode, 0) << elsewhere.err;
}

// Default attributes the new PLC's library cannot hand over whole (a temporary folder that is full or does
// not exist) stop the change with the reason: no P006, no --force, the project as it was.
TEST_F(ConvertPlcTest, DefaultAttributesThatCannotBeHadStopTheChangeWithTheReason) {
  AddTestLibrary("SHORT");
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  struct Case {
    std::string plc;
    std::string tmpDir;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {"Tarvo DL-405", dir.File("no-such-folder"),
            "No folder for the attribute exchange file can be made in the temporary folder " +
                dir.File("no-such-folder") + ": No such file or directory.\n"},
           {"Short PLC", dir.Path(), " holds 36 bytes of the 39 of its block (is the temporary folder full?).\n"},
       }) {
    ProcessResult result = Lumora({"convert-plc", file, "--plc", c.plc}, "", {{"TMPDIR", c.tmpDir}});
    EXPECT_EQ(result.exitCode, 1) << c.plc;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Error P010: The PLC communication attributes of " + c.plc + " cannot be used.\n"),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(result.err.ends_with(c.reason)) << result.err;
    EXPECT_EQ(result.err.find("P006"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("--force"), std::string::npos) << result.err;
    EXPECT_EQ(testing::ReadAll(file), original) << c.plc;
  }
}

// A library that crashes while it is loaded is named once and left out; every command works with the others.
TEST_F(ConvertPlcTest, ALibraryThatCrashesWhileLoadedIsNamedAndLeftOut) {
  AddTestLibrary("ABORT");
  AddTestLibrary("SEGV");
  std::string file = Demo();
  std::string out = dir.File("dl405.lmx");
  for (int run = 0; run < 2; ++run) {  // the second with the cache the first has written
    SCOPED_TRACE(run);
    ProcessResult converted = Lumora({"convert-plc", file, "--plc", "Tarvo DL-405", "-o", out});
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    for (const char* name : {"ABORT", "SEGV"}) {
      std::string warning = "Error P011: The PLC library " + install + "/dll/" + name + ".so cannot be used and is left out.\nIt ";
      size_t at = converted.err.find(warning);
      EXPECT_NE(at, std::string::npos) << converted.err;
      EXPECT_EQ(converted.err.find(warning, at + 1), std::string::npos) << converted.err;
    }
    EXPECT_NE(converted.err.find("PLC changed to Tarvo DL-405, 12 address(es) converted"), std::string::npos);
    ProcessResult check = Lumora({"check", out});
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_NE(check.err.find("/dll/SEGV.so cannot be used"), std::string::npos) << check.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("cache/lumora/plc-libraries")));
  }
}

// Addresses of another PLC that an import brings in are refused naming the file they came from.
TEST_F(ConvertPlcTest, ImportedAddressesOfAnotherPlcNameTheirFile) {
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  std::string modbus = dir.Write("modbus.lmx", original);
  ASSERT_EQ(Lumora({"convert-plc", modbus, "--plc", "Modbus RTU", "--force"}).exitCode, 0);
  std::string text = testing::ReadAll(modbus);
  size_t cleared = text.find("\r\n\t\r\n");
  ASSERT_NE(cleared, std::string::npos);
  text.replace(cleared, 5, "\r\n40001\t\r\n");
  dir.Write("modbus.lmx", text);
  ASSERT_EQ(Lumora({"check", modbus}).exitCode, 0);

  ProcessResult imported = Lumora({"import", file, modbus});
  EXPECT_EQ(imported.exitCode, 1);
  EXPECT_NE(imported.err.find("Invalid address \"40001\""), std::string::npos) << imported.err;
  EXPECT_NE(imported.err.find(modbus + ": its PLC addresses do not all fit Tarvo DL-205, the PLC of " + file),
            std::string::npos)
      << imported.err;
  EXPECT_EQ(testing::ReadAll(file), original);
}

// A --map that is no map is never linked: the command names the file and the reason and changes nothing.
TEST_F(ConvertPlcTest, AMapThatIsNoMapIsRefusedWithItsReason) {
  std::string file = Demo();
  std::string original = testing::ReadAll(file);
  std::string bytes("PK\x03\x04\0\0,5,7,\xFF\xFE", 14);
  struct Case {
    std::string map;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {dir.Write("empty.map", ""), "no tag entries in it"},
           {dir.Write("bytes.map", bytes), "not a text file (it holds NUL bytes)"},
           {dir.Path(), "not a regular file"},
           {"/dev/zero", "not a regular file"},
           {dir.File("missing.map"), "No such file or directory"},
       }) {
    ProcessResult result = Lumora({"convert-plc", file, "--plc", "Plan & Run", "--force", "--map", c.map});
    EXPECT_EQ(result.exitCode, 1) << c.map;
    EXPECT_NE(result.err.find("Error T005: Unable to open map file " + c.map + "\n" + c.reason + "\n"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(testing::ReadAll(file), original) << c.map;
  }
}

}  // namespace
}  // namespace lumora

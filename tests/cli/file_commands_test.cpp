#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/project.h"
#include "model/project_file.h"
#include "model/text_lines.h"
#include "support/fake_plc_environment.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/run_process.h"
#include "support/sample_projects.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::ProcessResult;
using testing::StageDir;
using testing::TempDir;

class FileCommandsTest : public ::testing::Test {
 protected:
  ProcessResult Lumora(std::vector<std::string> args, std::map<std::string, std::string> locale = {}) {
    args.insert(args.begin(), StageDir() + "/bin/lumora");
    args.push_back("--install-dir");
    args.push_back(StageDir());
    locale.insert({{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                   {"HOME", dir.Path()},
                   {"XDG_CONFIG_HOME", dir.File("config")}});
    return testing::RunProcess(args, locale);
  }
  std::string Demo() const { return StageDir() + "/Project/demo-qm210.lmx"; }
  TempDir dir;
};

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST_F(FileCommandsTest, CheckAcceptsTheDemoProjects) {
  ProcessResult result = Lumora({"check", Demo()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("1 panel(s), 9 message(s), 12 PLC address(es), PLC Tarvo DL-205"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.err, "");
  result = Lumora({"check", StageDir() + "/Project/demo-multiplexer.lmx"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
}

TEST_F(FileCommandsTest, AnOutputThatIsOneOfTheInputsIsAUsageErrorAndChangesNothing) {
  std::string single = dir.Write("p.lmx", testing::ReadAll(Demo()));
  std::string multi = dir.Write("m.lmx", testing::ReadAll(StageDir() + "/Project/demo-multiplexer.lmx"));
  std::string link = dir.File("link.lmx");
  std::filesystem::create_symlink(single, link);
  const std::vector<std::vector<std::string>> commands = {
      {"report", single, "-o", single},
      {"report", single, "-o", link},
      {"addresses", single, "--pdf", single},
      {"addresses", single, "--pdf", link},
      {"export", multi, multi, "--port", "2"},
      {"save-as", single, multi, "--backup", multi},
      {"import", single, multi, "--from-port", "5", "-o", multi},
      {"write", single, "--log", link},
      {"read", single, "--log", single},
      {"check", single, "--backup", link},
      {"diff", single, multi, "--log", multi},
      {"report", single, "-o", dir.File("same.pdf"), "--log", dir.File("same.pdf")},
  };
  for (const std::vector<std::string>& command : commands) {
    ProcessResult result = Lumora(command);
    EXPECT_EQ(result.exitCode, 2) << command[0] << " " << command[2] << "\n" << result.out << result.err;
    EXPECT_NE(result.err.find(" is the same file as "), std::string::npos) << result.err;
  }
  EXPECT_EQ(testing::ReadAll(single), testing::ReadAll(Demo()));
  EXPECT_EQ(testing::ReadAll(multi), testing::ReadAll(StageDir() + "/Project/demo-multiplexer.lmx"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("same.pdf")));
  // Import and convert-plc change their first file: saving it there is what they do without -o; save-as
  // may write a file anew in its place.
  ProcessResult inPlace = Lumora({"import", single, dir.Write("q.lmx", testing::ReadAll(Demo())), "-o", link});
  EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err;
  ProcessResult rewritten = Lumora({"save-as", single, link});
  EXPECT_EQ(rewritten.exitCode, 0) << rewritten.err;
  EXPECT_EQ(testing::ReadAll(single), testing::ReadAll(Demo()));
}

TEST_F(FileCommandsTest, PortBeforeTheCommandIsTheSerialPortAfterItTheCommandsOwn) {
  std::string multi = StageDir() + "/Project/demo-multiplexer.lmx";
  // A serial port named before the command leaves the command's own --port free.
  ProcessResult diff = Lumora({"--port", "COM1", "diff", multi, multi, "--port", "5"});
  EXPECT_EQ(diff.exitCode, 0) << diff.err;
  ProcessResult exported = Lumora({"--port", "COM1", "export", multi, dir.File("five.lmx"), "--port", "5"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(Lumora({"--port", "COM1", "diff", multi, multi}).exitCode, 0);
  const std::vector<std::vector<std::string>> usageErrors = {
      {"--port", "", "check", Demo()},
      {"diff", multi, multi, "--port", ""},
      {"addresses", Demo(), "--port", "3"},
      {"addresses", Demo(), "--paper", "a4"},
      {"export", multi, dir.File("x.lmx"), "--port", "COM1"},
  };
  for (const std::vector<std::string>& command : usageErrors) {
    ProcessResult result = Lumora(command);
    EXPECT_EQ(result.exitCode, 2) << command[0] << " " << command[1] << "\n" << result.err;
  }
  ProcessResult help = Lumora({"--help"});
  EXPECT_NE(help.out.find("Before the command's name --port is"), std::string::npos);
}

TEST_F(FileCommandsTest, CheckRefusesWhatAPanelCannotHoldAndShowListsItAll) {
  // The first message's text gets a NUL byte and grows beyond the 20 characters of its line.
  std::string text = testing::ReadAll(Demo());
  size_t start = text.find("TANK LEVEL");
  ASSERT_NE(start, std::string::npos);
  text.replace(start, 10, std::string("TANK\0LEVEL TOO LONG FOR A LINE", 31));
  std::string project = dir.Write("bad-text.lmx", text);
  ProcessResult check = Lumora({"check", project});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_NE(
      check.err.find("Port 1 (QM210), message 1: Error Z005:  The Maximum message length has exceeded."),
      std::string::npos)
      << check.err;
  EXPECT_NE(check.err.find("a character the panel cannot show (0x00)"), std::string::npos) << check.err;
  // It loads, and show prints every message whole.
  ProcessResult show = Lumora({"show", project});
  EXPECT_EQ(show.exitCode, 0);
  EXPECT_NE(show.out.find("TANK\\x00LEVEL TOO LONG FOR A LINE"), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("PUMP SPEED"), std::string::npos);
}

TEST_F(FileCommandsTest, ExportWritesOnePanelAsASinglePanelProject) {
  std::string multi = StageDir() + "/Project/demo-multiplexer.lmx";
  std::string out = dir.File("port5.lmx");
  ProcessResult exported = Lumora({"export", multi, out, "--port", "5"});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, "Port 5 (QMSV) exported to " + out + "\n");
  std::vector<std::string> lines = CrLfLines(testing::ReadAll(out));
  ASSERT_GT(lines.size(), 6u);
  // Marker, a single-panel system, one panel: a QMSV on port 1.
  EXPECT_EQ(lines[0], "KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV1");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
            (std::vector<std::string>{"0", "1", "5", "1"}));
  EXPECT_EQ(Lumora({"check", out}).exitCode, 0);
  // The default is the project's selected port (2, a QM210).
  ProcessResult selected = Lumora({"export", multi, dir.File("selected.lmx")});
  EXPECT_EQ(selected.exitCode, 0) << selected.err;
  EXPECT_NE(selected.out.find("Port 2 (QM210)"), std::string::npos);

  ProcessResult empty = Lumora({"export", multi, dir.File("none.lmx"), "--port", "3"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "Port 3 has no panel (configured ports: 2, 5)\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("none.lmx")));
  EXPECT_EQ(Lumora({"export", multi, dir.File("x.lmx"), "--port", "9"}).exitCode, 2);
}

TEST_F(FileCommandsTest, ImportPutsAnotherProjectsPanelInPlace) {
  std::string multi = StageDir() + "/Project/demo-multiplexer.lmx";
  std::string file = dir.Write("plant.lmx", testing::ReadAll(Demo()));
  std::string original = testing::ReadAll(file);

  // A multi-panel source needs one of its configured ports.
  ProcessResult unnamed = Lumora({"import", file, multi});
  EXPECT_EQ(unnamed.exitCode, 2);
  EXPECT_NE(unnamed.err.find("--from-port names one of its ports (2, 5)"), std::string::npos) << unnamed.err;
  EXPECT_EQ(Lumora({"import", file, multi, "--from-port", "3"}).exitCode, 2);

  std::string out = dir.File("with-qmsv.lmx");
  ProcessResult imported = Lumora({"import", file, multi, "--from-port", "5", "-o", out});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Port 1 is now a QMSV, saved to " + out + "\n");
  EXPECT_EQ(testing::ReadAll(file), original);  // -o leaves FILE alone
  ProcessResult shown = Lumora({"show", out});
  EXPECT_NE(shown.out.find("Port 1: QMSV"), std::string::npos) << shown.out;
  EXPECT_EQ(Lumora({"check", out}).exitCode, 0);

  // Importing the panel the project already has changes nothing and writes nothing.
  std::string same = dir.Write("same.lmx", original);
  ProcessResult unchanged = Lumora({"import", file, same});
  EXPECT_EQ(unchanged.exitCode, 0) << unchanged.err;
  EXPECT_EQ(unchanged.out, "The panel on port 1 is the same as the imported one: nothing changed\n");
  EXPECT_EQ(testing::ReadAll(file), original);
}

// What check refuses, import refuses too: the project file is left as it was and the problems are named.
TEST_F(FileCommandsTest, ImportRefusesAPanelThatCheckRefuses) {
  std::string demo = testing::ReadAll(Demo());
  std::string file = dir.Write("plant.lmx", demo);
  struct Case {
    std::string from;
    std::string to;
    std::string problem;
  };
  const std::string message1 = "Port 1 (QM210), message 1: ";
  for (const Case& c : std::vector<Case>{
           {"TANK LEVEL", std::string(300, 'A'),
            message1 + "Error Z005:  The Maximum message length has exceeded."},
           {"TANK LEVEL", std::string("TANK\0LEVEL", 10),
            message1 + "The message text holds a character the panel cannot show (0x00)"},
           {"KRV1\r\n0\r\n1\r\n1\r\n", "KRV1\r\n0\r\n1\r\n99\r\n", "Port 1 (NULL): Unknown panel type 99"},
           {"9\r\n1\r\nTANK LEVEL", "9\r\n99999\r\nTANK LEVEL",
            "Port 1 (QM210), message 99999: Message number 99999 is outside 1 to 256"},
           {"V2000\t\r\n", "V2000\tTANK\x01LEVEL\r\n",
            message1 + "The tag name of data item 1 holds a control character (0x01)"},
       }) {
    std::string text = demo;
    size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
    std::string bad = dir.Write("bad.lmx", text);
    ProcessResult check = Lumora({"check", bad});
    EXPECT_EQ(check.exitCode, 1) << c.problem;
    EXPECT_NE(check.err.find(c.problem + "\n"), std::string::npos) << check.err;
    ProcessResult imported = Lumora({"import", file, bad});
    EXPECT_EQ(imported.exitCode, 1) << c.problem;
    EXPECT_NE(imported.err.find("The panel in " + bad + " breaks the project rules and was not imported:\n"),
              std::string::npos)
        << imported.err;
    EXPECT_NE(imported.err.find(c.problem + "\n"), std::string::npos) << imported.err;
    EXPECT_EQ(testing::ReadAll(file), demo) << c.problem;
  }
}

TEST_F(FileCommandsTest, AddressesListsThePanelsAddresses) {
  ProcessResult text = Lumora({"addresses", Demo()});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_NE(text.out.find("Total Number of messages (OUT OF 256):   9\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Bit Read (LED's):               V2100\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("4     V2003            3                  Decimal Point  R\n"), std::string::npos);
  ProcessResult csv = Lumora({"addresses", Demo(), "--csv"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_EQ(csv.out.rfind(
                "Item,Address,Used in Message #,Function,Access Type,Password\r\n1,V2000,1,Data 1,R,\r\n", 0),
            0u)
      << csv.out;
  ProcessResult empty = Lumora({"addresses", StageDir() + "/Project/demo-multiplexer.lmx", "--port", "4"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "Port 4 has no panel (configured ports: 2, 5)\n");
}

TEST_F(FileCommandsTest, ShowListsMessagesAndAddresses) {
  ProcessResult result = Lumora({"show", Demo()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("TANK LEVEL  1111 %"), std::string::npos);
  EXPECT_NE(result.out.find("Data 1: V2000  BCD/Int 16  R\n"), std::string::npos);
  EXPECT_NE(result.out.find("Data 1: V2001  Binary/Int 16  R/W"), std::string::npos);
  EXPECT_NE(result.out.find("+SETTINGS"), std::string::npos);
}

TEST_F(FileCommandsTest, SaveAsWritesTheCurrentFormat) {
  std::string out = dir.File("copy.lmx");
  ProcessResult result = Lumora({"save-as", Demo(), out});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // The file names its PLC library, not where this machine installed it: the copy is the same file.
  EXPECT_EQ(testing::ReadAll(out), testing::ReadAll(Demo()));
  EXPECT_EQ(Lumora({"save-as", Demo(), dir.File("no/folder/x.lmx")}).exitCode, 1);
}

TEST_F(FileCommandsTest, VersionZeroFileWithBackupWritesTheExactOldFile) {
  std::string v1 = testing::ReadAll(Demo());
  std::vector<std::string> lines = CrLfLines(v1);
  // A QM210 with nine messages in the old format: no option lines, no leading-zero lines.
  ASSERT_EQ(lines[0].back(), '1');
  lines[0].pop_back();
  std::string old;
  for (const std::string& line : lines)
    old += line + "\r\n";
  std::string path = dir.Write("old.lmx", old);
  std::string backup = dir.File("old-backup.lmx");

  ProcessResult result = Lumora({"check", path, "--backup", backup});
  // The version-1 lines read as garbage in the old layout, but the offer comes first.
  EXPECT_NE(
      result.err.find("Project has been created using previous version of software. Do you want to have a "
                      "back copy of it?\n-> Yes"),
      std::string::npos)
      << result.err;
  EXPECT_EQ(testing::ReadAll(backup), old);

  std::string noBackup = dir.File("not-written.lmx");
  result = Lumora({"check", path});
  EXPECT_NE(result.err.find("-> No"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(noBackup));
}

// A backup copy the user asked for that cannot be written stops the command before it writes anything: the
// old-format original is not replaced.
TEST_F(FileCommandsTest, AFailedBackupStopsTheCommandAndKeepsTheOriginal) {
  testing::FakePlcEnvironment plc;
  SilentInteraction ui;
  TQMProject demo({&ui, &plc});
  std::string demoText = testing::ReadAll(Demo());
  LineReader reader(demoText);
  ASSERT_TRUE(demo.Load(reader));
  const std::string old = testing::OldFormatText(demo);
  std::string readOnly = dir.Write("read-only.lmx", "mine");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  for (const std::string& backup : {std::string("/dev/full"), readOnly, dir.File("no/folder/backup.lmx")}) {
    std::string path = dir.Write("old.lmx", old);
    ProcessResult result = Lumora({"--backup", backup, "convert-plc", path, "--plc", "Tarvo DL-405"});
    EXPECT_EQ(result.exitCode, 1) << backup << "\n" << result.err;
    EXPECT_NE(result.err.find("The backup copy could not be written, so the project was not opened.\n" + backup +
                              ": "),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("Error Z002"), std::string::npos) << result.err;
    EXPECT_TRUE(testing::ReadAll(path) == old) << backup;
  }
  EXPECT_EQ(testing::ReadAll(readOnly), "mine");

  std::string path = dir.Write("old.lmx", old);
  ProcessResult result = Lumora({"--backup", dir.File("backup.lmx"), "convert-plc", path, "--plc", "Tarvo DL-405"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(testing::ReadAll(dir.File("backup.lmx")) == old);
  EXPECT_EQ(testing::ReadAll(path).rfind(kProjectMarkerV1, 0), 0u);
}

TEST_F(FileCommandsTest, UnknownPlcPrintsP007AndZ002) {
  std::vector<std::string> lines = CrLfLines(testing::ReadAll(Demo()));
  auto header = std::find(lines.begin(), lines.end(), "39");  // attribute byte count
  ASSERT_NE(header, lines.end());
  *(header + 1) = "99";
  *(header + 2) = "7";
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  ProcessResult result = Lumora({"check", dir.Write("unknown.lmx", text)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(
      result.err,
      "Error P007: PLC dll for this PLC (Manufacturer ID : 99, Model ID : 7)\nnot found in this system\n"
      "Error Z002: You are trying to read from an invalid file\n" +
          dir.File("unknown.lmx") + "\n");
}

TEST_F(FileCommandsTest, BadAddressFailsTheCheck) {
  std::string text = testing::ReadAll(Demo());
  size_t at = text.find("V2005\t");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 5, "X17");
  ProcessResult result = Lumora({"check", dir.Write("discrete.lmx", text)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Error Z007: Discrete addresses are not allowed here.\n");
}

// The tool speaks the locale's language (its texts UTF-8, as a terminal reads them); under C, or with no
// locale, it is the English of scripts byte for byte. The exit status never changes.
TEST_F(FileCommandsTest, TheLocaleChoosesTheLanguageNotTheExitStatus) {
  std::string text = testing::ReadAll(Demo());
  text.replace(text.find("V2005\t"), 5, "X17");
  std::string discrete = dir.Write("discrete.lmx", text);
  const std::string english = "Error Z007: Discrete addresses are not allowed here.\n";
  const std::string german = "Fehler Z007: Bitadressen sind hier nicht zul\u00e4ssig.\n";
  const std::string germanUsage = "lumora: unbekannter Befehl 'frobnicate'\n";
  const std::string englishUsage = "lumora: unknown command 'frobnicate'\n";
  struct Case {
    std::map<std::string, std::string> locale;
    std::string err;
    std::string usage;  // what a command line that cannot be read begins with
  };
  const std::string none;
  for (const Case& c : std::vector<Case>{
           {{{"LC_ALL", none}, {"LC_MESSAGES", none}, {"LANGUAGE", none}, {"LANG", "de_DE.UTF-8"}}, german,
            germanUsage},
           {{{"LC_ALL", none}, {"LC_MESSAGES", none}, {"LANGUAGE", "de"}, {"LANG", "fr_FR.UTF-8"}}, german,
            germanUsage},
           {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, english, englishUsage},
           {{{"LC_ALL", none}, {"LC_MESSAGES", none}, {"LANGUAGE", none}, {"LANG", none}}, english, englishUsage},
       }) {
    ProcessResult result = Lumora({"check", discrete}, c.locale);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, c.err) << c.locale.at("LANG");
    result = Lumora({"frobnicate"}, c.locale);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.rfind(c.usage, 0), 0u) << result.err;
  }
}

TEST_F(FileCommandsTest, MissingTagMapIsCancelledUnlessAReplacementIsGiven) {
  std::string text = testing::ReadAll(Demo());
  ASSERT_EQ(text.substr(text.size() - 3), "0\r\n");
  text.replace(text.size() - 3, 3, "1\r\n" + dir.File("gone.map") + "\r\n");
  std::string path = dir.Write("linked.lmx", text);
  ProcessResult result = Lumora({"show", path});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("Error T004: Unable to open tag map file : " + dir.File("gone.map") +
                            "\nPlease choose the map file\n-> Cancel"),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("Error Z002"), std::string::npos);

  // The demo's addresses are not in this map: the open asks, and declining fails the open.
  std::string map = dir.Write("plant.map", "h1\r\nh2\r\nTANK,V2000,5,1\r\n");
  result = Lumora({"show", path, "--map", map});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("Error Tag map entry \",V2001\" not found in map file"), std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("Yes will clear all unresolved tags from the project.\n-> No"),
            std::string::npos);
  result = Lumora({"show", path, "--map", map, "--apply-map"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Tag map: " + map), std::string::npos);
}

TEST_F(FileCommandsTest, UsageErrorsAndHelp) {
  EXPECT_EQ(Lumora({"check"}).exitCode, 2);
  ProcessResult bogus = Lumora({"bogus"});
  EXPECT_EQ(bogus.exitCode, 2);
  EXPECT_EQ(bogus.err.rfind("lumora: unknown command 'bogus'\n", 0), 0u) << bogus.err;
  EXPECT_EQ(Lumora({"save-as", Demo()}).exitCode, 2);
  for (const char* command : {"check", "save-as", "show"}) {
    ProcessResult help = Lumora({command, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find(std::string("usage: lumora ") + command), std::string::npos);
  }
  ProcessResult missing = Lumora({"check", dir.File("nothing.lmx")});
  EXPECT_EQ(missing.exitCode, 1);
  // The system's text, then the file and why.
  EXPECT_EQ(missing.err, "Error Z002: You are trying to read from an invalid file\n" +
                             dir.File("nothing.lmx") + ": No such file or directory\n");
  ProcessResult help = Lumora({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: lumora ", 0), 0u) << help.out;
}

TEST_F(FileCommandsTest, EveryUnknownOptionOrStrayArgumentIsAUsageError) {
  std::vector<std::vector<std::string>> wrong = {
      {"check", Demo(), "--dirct"},
      {"show", Demo(), "extra"},
      {"check", Demo(), "--target", "panel1"},
      {"--bogus", "show", Demo()},
      {"show", Demo(), "--diff"},
      {"save-as", Demo(), dir.File("a.lmx"), dir.File("b.lmx")},
      {"show", Demo(), "--port"},
      {"show", "-x", Demo()},
  };
  for (const auto& args : wrong) {
    ProcessResult result = Lumora(args);
    EXPECT_EQ(result.exitCode, 2) << args[0] << " " << args.back();
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("lumora: "), std::string::npos) << result.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.lmx")));
}

TEST_F(FileCommandsTest, GlobalOptionsBeforeTheCommandVersionAndDoubleDash) {
  std::string lumora = StageDir() + "/bin/lumora";
  std::map<std::string, std::string> environment = {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                                                    {"HOME", dir.Path()},
                                                    {"XDG_CONFIG_HOME", dir.File("config")}};
  ProcessResult before =
      testing::RunProcess({lumora, "--install-dir", StageDir(), "check", Demo()}, environment);
  EXPECT_EQ(before.exitCode, 0) << before.err;

  // After "--" a word that looks like an option is a file name.
  std::string dashed = dir.Write("-demo.lmx", testing::ReadAll(Demo()));
  ProcessResult show = testing::RunProcess({lumora, "--install-dir", StageDir(), "show", "--", "-demo.lmx"},
                                           environment, dir.Path());
  EXPECT_EQ(show.exitCode, 0) << show.err;
  EXPECT_NE(show.out.find("TANK LEVEL  1111 %"), std::string::npos);

  ProcessResult version = Lumora({"--version"});
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, "1.0\n");
}

// A relative install dir is taken from the folder the program starts in, from the command line and from the
// machine-wide "Install Dir".
TEST_F(FileCommandsTest, RelativeInstallDirIsMadeAbsolute) {
  testing::LinkStageInto(dir.File("inst"), true);
  std::string project = dir.Write("demo.lmx", testing::ReadAll(Demo()));
  std::string lumora = StageDir() + "/bin/lumora";
  std::map<std::string, std::string> environment = {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")},
                                                    {"LUMORA_INSTALL_DIR", ""},
                                                    {"HOME", dir.Path()},
                                                    {"XDG_CONFIG_HOME", dir.File("config")}};
  ProcessResult option =
      testing::RunProcess({lumora, "--install-dir", "inst", "check", project}, environment, dir.Path());
  EXPECT_EQ(option.exitCode, 0) << option.err;
  EXPECT_EQ(option.err, "");
  ProcessResult version =
      testing::RunProcess({lumora, "--install-dir", "inst", "--version"}, environment, dir.Path());
  EXPECT_EQ(version.out, "1.0\n") << version.err;

  dir.Write("machine.conf", "[General]\nInstall%20Dir=.\n");
  ProcessResult configured = testing::RunProcess({lumora, "check", project}, environment, dir.File("inst"));
  EXPECT_EQ(configured.exitCode, 0) << configured.err;
  EXPECT_EQ(configured.err, "");
}

// Pairs of real project files that differ in one thing each, against the multiplexer sample.
class DiffCommandTest : public FileCommandsTest {
 protected:
  TQMProject Sample() { return testing::MakeMultiplexerProject({&ui, nullptr}); }
  std::string Save(TQMProject project, const std::string& name) {
    std::string path = dir.File(name);
    std::string error;
    EXPECT_TRUE(SaveProjectFile(project, path, &error)) << error;
    return path;
  }
  testing::RecordingInteraction ui;
};

TEST_F(DiffCommandTest, EqualProjectsPrintNothing) {
  std::string a = Save(Sample(), "a.lmx");
  std::string b = Save(Sample(), "b.lmx");
  ProcessResult result = Lumora({"diff", a, b});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(Lumora({"diff", Demo(), Demo()}).exitCode, 0);
}

TEST_F(DiffCommandTest, OneLinePerDifferenceFirstFilesValueFirst) {
  std::string base = Save(Sample(), "base.lmx");

  TQMProject text = Sample();
  text.FindPanel(2)->messages[0].text.replace(0, 8, "VACUUM  ");
  ProcessResult result = Lumora({"diff", base, Save(text, "text.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.out, "Port 2 (QM210), message 1, text: \"PRESSURE 1111\" / \"VACUUM   1111\"\n");
  EXPECT_EQ(result.err, "");

  TQMProject address = Sample();
  testing::SetTarvoAddress(address.FindPanel(2)->messages[0].data1, "V101");
  result = Lumora({"diff", base, Save(address, "address.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.out,
            "Port 2 (QM210), message 1, data 1: V100 [BCD/Int 16, 01000040] / V101 [BCD/Int 16, 01000041]\n");

  // A panel of another type is one line of the panel (nothing else of the two panels compares) besides the
  // multiplexer's port table.
  TQMProject type = Sample();
  type.FindPanel(5)->panelType = kPanelQM410;
  type.multiplexer.portType[4] = kPanelQM410;
  result = Lumora({"diff", base, Save(type, "type.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.out, "Multiplexer, port 5 panel type: QMSV / QM410\nPort 5 (QMSV), panel type: QMSV / QM410\n");

  TQMProject plc = Sample();
  plc.plcSettings.plcAttributes.back() = 4;
  result = Lumora({"diff", base, Save(plc, "plc.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  ASSERT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
  EXPECT_EQ(result.out.rfind("PLC, attributes: ", 0), 0u) << result.out;
  EXPECT_NE(result.out.find("0A03 / "), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("0A04\n"), std::string::npos) << result.out;

  // Each file's own value on its side; several differences give several lines.
  result = Lumora({"diff", dir.File("text.lmx"), dir.File("plc.lmx")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2) << result.out;
  EXPECT_NE(result.out.find("0A03 / "), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("message 1, text: \"VACUUM   1111\" / \"PRESSURE 1111\"\n"), std::string::npos);
}

TEST_F(DiffCommandTest, MessagesAndPanelsOnOneSideOnly) {
  std::string base = Save(Sample(), "base.lmx");
  TQMProject fewer = Sample();
  fewer.FindPanel(2)->messages.erase(fewer.FindPanel(2)->messages.begin());
  fewer.multiplexer.selectedPort = 5;
  fewer.RemoveSelectedPanel();
  fewer.multiplexer.portType[4] = 0;
  fewer.multiplexer.selectedPort = 2;
  ProcessResult result = Lumora({"diff", base, Save(fewer, "fewer.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_NE(result.out.find("Port 2 (QM210), message 1: only in the first\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Port 5 (QMSV): only in the first\n"), std::string::npos) << result.out;
  // The local message 256 still pairs with its counterpart.
  EXPECT_EQ(result.out.find("local message"), std::string::npos) << result.out;

  // --port N compares only the panels on that port.
  result = Lumora({"diff", base, dir.File("fewer.lmx"), "--port", "5"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "Port 5 (QMSV): only in the first\n");
  result = Lumora({"diff", dir.File("fewer.lmx"), base, "--port", "2"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "Port 2 (QM210), message 1: only in the second\n");
  TQMProject text = Sample();
  text.FindPanel(2)->messages[0].text.replace(0, 8, "VACUUM  ");
  EXPECT_EQ(Lumora({"diff", base, Save(text, "text.lmx"), "--port", "5"}).exitCode, 0);
}

TEST_F(DiffCommandTest, BytesATerminalCannotShowStayOnTheirLine) {
  std::string base = Save(Sample(), "base.lmx");
  TQMProject bell = Sample();
  bell.FindPanel(2)->messages[1].text = "ME\aNU";
  ProcessResult result = Lumora({"diff", base, Save(bell, "bell.lmx")});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.out, "Port 2 (QM210), local message 256, text: \"MENU\" / \"ME\\x07NU\"\n");
}

TEST_F(DiffCommandTest, UsageErrorsAndFilesThatCannotBeRead) {
  std::string base = Save(Sample(), "base.lmx");
  EXPECT_EQ(Lumora({"diff", base}).exitCode, 2);
  EXPECT_EQ(Lumora({"diff", base, base, base}).exitCode, 2);

  ProcessResult missing = Lumora({"diff", base, dir.File("missing.lmx")});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("Error Z002"), std::string::npos) << missing.err;
  ProcessResult folder = Lumora({"diff", dir.Path(), base});
  EXPECT_EQ(folder.exitCode, 2);
  EXPECT_NE(folder.err.find("Error Z002"), std::string::npos) << folder.err;
  ProcessResult garbage = Lumora({"diff", base, dir.Write("garbage.lmx", "not a project\r\n")});
  EXPECT_EQ(garbage.exitCode, 2);
  EXPECT_NE(garbage.err.find("Error Z002"), std::string::npos) << garbage.err;

  ProcessResult badPort = Lumora({"diff", base, base, "--port", "9"});
  EXPECT_EQ(badPort.exitCode, 2);
  EXPECT_EQ(badPort.err, "lumora: --port takes a port number 1 to 5\n");
  ProcessResult noPanel = Lumora({"diff", base, base, "--port", "3"});
  EXPECT_EQ(noPanel.exitCode, 2);
  EXPECT_EQ(noPanel.err, "lumora: neither project has a panel on port 3\n");

  // Without the project's PLC library the file does not load (P007, Z002), nor compare.
  std::string bare = dir.File("bare");
  testing::LinkStageInto(bare, false);
  ProcessResult noLibrary = testing::RunProcess(
      {StageDir() + "/bin/lumora", "diff", base, base, "--install-dir", bare},
      {{"LUMORA_MACHINE_CONFIG", dir.File("machine.conf")}, {"HOME", dir.Path()},
       {"XDG_CONFIG_HOME", dir.File("config")}});
  EXPECT_EQ(noLibrary.exitCode, 2);
  EXPECT_EQ(noLibrary.out, "");
  EXPECT_NE(noLibrary.err.find("Error P007"), std::string::npos) << noLibrary.err;

  ProcessResult help = Lumora({"diff", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: lumora diff A.lmx B.lmx [--port N]\n", 0), 0u) << help.out;
}

}  // namespace
}  // namespace lumora

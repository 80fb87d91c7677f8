#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "model/project.h"
#include "plc/address_conversion.h"
#include "plc/installed_plc_environment.h"
#include "plc/plc_discovery.h"
#include "plc/plc_library.h"
#include "plc/plc_manager.h"
#include "plc/plc_manager2.h"
#include "plc/plc_probe.h"
#include "support/install_tree.h"
#include "support/recording_interaction.h"
#include "support/temp_dir.h"

namespace lumora {
namespace {

using testing::RecordingInteraction;
using testing::ScopedInstallDir;
using testing::StageDir;
using testing::TempDir;

struct ScopedTmpDir {
  explicit ScopedTmpDir(const std::string& path) : old(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "") {
    ::setenv("TMPDIR", path.c_str(), 1);
  }
  ~ScopedTmpDir() { old.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", old.c_str(), 1); }
  std::string old;
};

// An install tree of the test's own with the stage's libraries, its programs (the library probe among
// them) and the test libraries named.
std::string InstallTreeWith(const TempDir& dir, const std::vector<std::string>& testLibraries) {
  std::string install = dir.File("install");
  testing::LinkStageInto(install, true);
  std::filesystem::create_directory_symlink(StageDir() + "/bin", install + "/bin");
  for (const std::string& name : testLibraries)
    std::filesystem::copy_file(testing::TestBinDir() + "/plugins/" + name + ".so", install + "/dll/" + name + ".so");
  return install;
}

class PlcManagerTest : public ::testing::Test {
 protected:
  std::string Library(const std::string& name) { return StageDir() + "/dll/" + name + ".so"; }
  ScopedInstallDir install{StageDir()};
  RecordingInteraction ui;
};

TEST_F(PlcManagerTest, TarvoValidationAppliesTheAccessRules) {
  TQMPlcManager2 plc(Library("TDL205"), ui);
  ASSERT_TRUE(plc.HasLibrary());
  EXPECT_EQ(plc.PlcName(), "Tarvo DL-205");
  LumoraPlcAddress record;

  std::string text = "v02000";
  EXPECT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ_WRITE, kBcd16, false));
  EXPECT_EQ(text, "V2000");
  EXPECT_EQ(record.encoded[0], 0x01);
  EXPECT_EQ(record.encoded[2], 0x04);
  EXPECT_EQ(record.encoded[3], 0x00);

  text = "V7400";  // read-only range
  EXPECT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ_WRITE, kBcd16, false));
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_WRITE, kBcd16, false));
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{"Error T002: Invalid Access Type", "Error T002: Invalid Access Type"}));

  ui.messages.clear();
  text = "X10";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Z007: Discrete addresses are not allowed here.");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);

  ui.messages.clear();
  text = "V8";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("octal"), std::string::npos);  // the library's reason
  text = "V41240";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
  text = "V41237";
  EXPECT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, true));
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd32, true));  // needs two words

  ui.messages.clear();
  text = "";
  EXPECT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ_WRITE, kBcd16, false));
  TQMPlcManager none(nullptr, ui);
  EXPECT_TRUE(none.ValidateAddress(record, text, LUMORA_ACCESS_READ_WRITE, kBcd16, false));
  EXPECT_TRUE(ui.messages.empty());

  TQMPlcManager2 dl405(Library("TDL405"), ui);
  text = "V77777";
  EXPECT_TRUE(dl405.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
}

TEST_F(PlcManagerTest, ValidateTagStoresEncodingAccessAndRebuiltText) {
  TQMPlcManager2 plc(Library("TDL205"), ui);
  TQMTag tag;
  tag.address = "v0017";
  ASSERT_TRUE(plc.ValidateTag(tag, LUMORA_ACCESS_READ, false, 4));
  EXPECT_EQ(tag.address, "V17");
  EXPECT_EQ(tag.encodedAddress, (std::vector<uint8_t>{1, 0, 0, 0x0F}));
  EXPECT_EQ(plc.RebuildText(tag.encodedAddress), "V17");
  EXPECT_EQ(plc.RebuildText(std::vector<uint8_t>{9, 0, 0, 0}), "");

  tag.address = "v7777";
  ASSERT_TRUE(plc.ValidateTag(tag, LUMORA_ACCESS_READ, true, 4));
  EXPECT_EQ(tag.address, "v7777");
  EXPECT_EQ(tag.addressAccess, 1);
}

TEST_F(PlcManagerTest, ModbusReferences) {
  TQMPlcManager2 plc(Library("MODRTU"), ui);
  LumoraPlcAddress record;
  std::string text = "40001";
  ASSERT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ_WRITE, kBinary16, false));
  EXPECT_EQ(record.encoded[0], 4);
  EXPECT_EQ(record.encoded[2], 0);
  text = "30010";
  EXPECT_TRUE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBinary16, false));
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_WRITE, kBinary16, false));
  text = "00001";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBinary16, false));
  text = "4001";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBinary16, false));
  EXPECT_EQ(plc.RebuildText(std::vector<uint8_t>{3, 0, 9}), "30010");
  EXPECT_LT(plc.Compare("30999", "40001"), 0);
}

TEST_F(PlcManagerTest, DetailsAndDriverPaths) {
  TQMPlcManager2 plc(Library("TDL205"), ui);
  LumoraPlcDetails details = plc.Details();
  EXPECT_STREQ(details.plcName, "Tarvo DL-205");
  EXPECT_STREQ(details.driverName, "TDL205");
  EXPECT_EQ(details.manufacturerId, 31);
  EXPECT_EQ(details.modelId, 2);
  EXPECT_STREQ(details.texts[3], "TDL205.html");
  EXPECT_EQ(details.integers[0], 100);
  EXPECT_TRUE(std::filesystem::exists(StageDir() + "/dll/" + details.texts[3]));

  EXPECT_EQ(plc.DriverFilePath(DriverKind::Panel), StageDir() + "/driver/TDL205.plx");
  EXPECT_EQ(plc.DriverFilePath(DriverKind::Multiplexer), StageDir() + "/driver/TDL205.plc");
  EXPECT_EQ(plc.DriverFilePath(DriverKind::PanelBehindMultiplexer), StageDir() + "/driver/multiplexer.plx");
  for (DriverKind kind : {DriverKind::Panel, DriverKind::Multiplexer, DriverKind::PanelBehindMultiplexer}) {
    EXPECT_TRUE(std::filesystem::exists(plc.DriverFilePath(kind)));
  }
  TQMPlcManager none(nullptr, ui);
  EXPECT_EQ(none.DriverFilePath(DriverKind::Panel), "");
  EXPECT_EQ(none.DriverFilePath(DriverKind::PanelBehindMultiplexer), "");
}

// The exchange file is private to the call (never in the install folder, which running copies share) and
// gone afterwards, whether the installation is writable or not.
TEST_F(PlcManagerTest, AttributeExchangeFileIsPrivateAndRemoved) {
  struct Case {
    std::string library;
    std::string installSubFolder;  // a folder that does not exist stands for a read-only installation
    std::size_t specificBytes;
  };
  const std::vector<Case> cases = {
      {"TDL205", "", 7},
      {"MODRTU", "/no-such-folder", 6},
  };
  TempDir dir;
  testing::LinkStageInto(dir.Path(), true);
  TempDir temp;  // the temporary folder while the cases run
  ScopedTmpDir scopedTmp(temp.Path());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library);
    ScopedInstallDir scoped(dir.Path() + c.installSubFolder);
    TQMPlcManager2 plc(Library(c.library), ui);
    TQMPlcSettings settings;
    ASSERT_EQ(plc.CreateDefaultAttributes(settings), DefaultAttributes::Created);
    EXPECT_EQ(settings.plcAttributes.size(), 32u + c.specificBytes);
    // Without a GUI the editor accepts the block unchanged.
    EXPECT_EQ(plc.EditAttributes(settings), AttributeEdit::Unchanged);
    EXPECT_FALSE(std::filesystem::exists(dir.File("temp.atr")));
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
  }
}

// A library may say it wrote its default attributes when the disk took only part of them (the Tarvo
// libraries' stream reports the failed write only when it is closed): the block must be whole, or the
// creation fails saying what is wrong, and the settings stay as they were.
TEST_F(PlcManagerTest, DefaultAttributesThatAreNotWrittenWholeAreRefusedWithTheReason) {
  TempDir temp;
  std::string install = InstallTreeWith(temp, {"SHORT", "EMPTY"});
  ScopedInstallDir scoped(install);
  struct Case {
    std::string library;
    std::string tmpDir;
    bool fullDisk;  // no file may grow: the limit a full temporary folder sets
    std::string reason;
  };
  const std::string privateFile = temp.Path() + "/lumora-atr-";
  const std::vector<Case> cases = {
      {"TDL405", temp.Path(), true, " is empty (is the temporary folder full?)."},
      {"SHORT", temp.Path(), false, " holds 36 bytes of the 39 of its block (is the temporary folder full?)."},
      {"EMPTY", temp.Path(), false, " is empty (is the temporary folder full?)."},
      {"TDL405", temp.File("missing"), false,
       "No folder for the attribute exchange file can be made in the temporary folder " + temp.File("missing") +
           ": No such file or directory."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library + (c.fullDisk ? " on a full disk" : ""));
    ScopedTmpDir scopedTmp(c.tmpDir);
    TQMPlcManager2 plc(install + "/dll/" + c.library + ".so", ui);
    ASSERT_TRUE(plc.HasLibrary());
    ui.messages.clear();
    TQMPlcSettings settings;
    settings.plcAttributes = {31, 2, 9, 9, 9};
    DefaultAttributes made = DefaultAttributes::Created;
    if (c.fullDisk) {
      // In a child of its own, which alone gets the file size limit; it sends back the outcome and the text.
      int answer[2];
      ASSERT_EQ(::pipe(answer), 0);
      pid_t pid = ::fork();
      if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
        DefaultAttributes result = plc.CreateDefaultAttributes(settings);
        std::string text = ui.messages.empty() ? "" : ui.messages[0].text;
        if (settings.plcAttributes != std::vector<uint8_t>{31, 2, 9, 9, 9}) text = "settings changed";
        (void)!::write(answer[1], text.data(), text.size());
        ::_exit(static_cast<int>(result));
      }
      ::close(answer[1]);
      std::string text;
      char chunk[256];
      for (ssize_t got; (got = ::read(answer[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<size_t>(got));
      ::close(answer[0]);
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      ASSERT_TRUE(WIFEXITED(status));
      made = static_cast<DefaultAttributes>(WEXITSTATUS(status));
      ui.ShowMessage(text, "", MessageIcon::Error);
    } else {
      made = plc.CreateDefaultAttributes(settings);
    }
    EXPECT_EQ(made, DefaultAttributes::Failed);
    EXPECT_EQ(settings.plcAttributes, (std::vector<uint8_t>{31, 2, 9, 9, 9}));
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& text = ui.messages[0].text;
    std::string name = plc.PlcName();
    EXPECT_EQ(text.rfind("Error P010: The PLC communication attributes of " + name + " cannot be used.\n", 0), 0u)
        << text;
    EXPECT_TRUE(text.ends_with(c.reason)) << text;
    if (c.tmpDir == temp.Path()) {
      EXPECT_NE(text.find(privateFile), std::string::npos) << text;
    }
  }

  // An edited block that comes back cut is refused the same way; one that comes back as it went is kept,
  // however short.
  ScopedTmpDir scopedTmp(temp.Path());
  TQMPlcManager2 shortPlc(install + "/dll/SHORT.so", ui);
  TQMPlcSettings settings;
  settings.plcAttributes = {31, 3, 0, 0};
  ui.messages.clear();
  EXPECT_EQ(shortPlc.EditAttributes(settings), AttributeEdit::Failed);
  EXPECT_EQ(settings.plcAttributes, (std::vector<uint8_t>{31, 3, 0, 0}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(" holds 36 bytes of the 39 of its block"), std::string::npos);
  TQMPlcManager2 tarvo(install + "/dll/TDL205.so", ui);
  EXPECT_EQ(tarvo.EditAttributes(settings), AttributeEdit::Unchanged);
}

// A library that crashes or hangs while it is loaded is tried in a probe process only: the catalogue and
// the search by ids name it, leave it out, and go on with the others.
TEST_F(PlcManagerTest, ALibraryThatCrashesOrHangsWhileLoadedIsNamedAndLeftOut) {
  struct Case {
    std::string library;
    std::string reason;  // how the answer begins
  };
  const std::vector<Case> cases = {
      {"SEGV", "It "},  // a crash report of the sanitizers ends the probe with an exit status instead
      {"ABORT", "It "},
      {"HANG", "It did not finish loading within 1 second and was stopped."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library);
    TempDir temp;
    std::string install = InstallTreeWith(temp, {c.library});
    ScopedInstallDir scoped(install);
    // The good libraries are known before the time limit is cut short for the test library alone.
    std::vector<std::string> good = TQMPlcManager::LibraryFiles();
    std::erase(good, install + "/dll/" + c.library + ".so");
    for (const PlcLibraryProbe& probe : ProbePlcLibraries(good))
      ASSERT_TRUE(probe.usable) << probe.path << ": " << probe.problem;
    SetPlcProbeTimeLimit(std::chrono::milliseconds(800));
    ui.messages.clear();
    auto start = std::chrono::steady_clock::now();
    PlcCatalogue catalogue;
    catalogue.Discover(ui);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    std::vector<std::string> names;
    for (const auto& entry : catalogue.Entries())
      names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Modbus RTU", "Plan & Run", "Tarvo DL-205", "Tarvo DL-405"}));
    std::string warning = "Error P011: The PLC library " + install + "/dll/" + c.library +
                          ".so cannot be used and is left out.\n" + c.reason;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(warning, 0), 0u) << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(TQMPlcManager::FindPlcByIds(31, 3, ui).path, install + "/dll/TDL405.so");
    SetPlcProbeTimeLimit(std::chrono::seconds(5));
  }
}

// The answers are kept by file in the cache file: a kept one is used as it stands, a changed library is
// probed again, a library that failed is not kept, and a damaged or unreadable cache is ignored.
TEST_F(PlcManagerTest, ProbeAnswersAreCachedByFileAndADamagedCacheIsRebuilt) {
  TempDir temp;
  std::string install = InstallTreeWith(temp, {"ABORT"});
  std::string library = install + "/dll/TDL205.so";
  std::filesystem::remove(library);
  std::filesystem::copy_file(StageDir() + "/dll/TDL205.so", library);
  std::string cache = temp.File("cache/lumora/plc-libraries");
  SetPlcProbeCacheFile(cache);
  auto names = [&] {
    std::vector<std::string> list;
    for (const PlcLibraryProbe& probe : ProbePlcLibraries({library, install + "/dll/ABORT.so"}))
      list.push_back(probe.usable ? probe.name : "-");
    return list;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"Tarvo DL-205", "-"}));
  std::string kept = TempDir::Read(cache);
  EXPECT_EQ(kept.rfind("lumora-plc-probe-cache 2\n", 0), 0u);
  EXPECT_NE(kept.find(HexText(library) + " "), std::string::npos) << kept;
  EXPECT_EQ(kept.find(HexText(install + "/dll/ABORT.so")), std::string::npos) << kept;

  std::string renamed = kept;
  renamed.replace(renamed.find(HexText("Tarvo DL-205")), HexText("Tarvo DL-205").size(), HexText("Kept DL-205"));
  temp.Write("cache/lumora/plc-libraries", renamed);
  EXPECT_EQ(names()[0], "Kept DL-205");  // the kept answer, no probe
  std::filesystem::last_write_time(library, std::filesystem::last_write_time(library) + std::chrono::seconds(2));
  EXPECT_EQ(names()[0], "Tarvo DL-205");  // changed: probed again

  for (const std::string& damaged : {std::string("lumora-plc-probe-cache 2\nzz 1 2\n"), std::string("\x01\x02"),
                                     renamed.substr(0, renamed.size() - 5)}) {
    temp.Write("cache/lumora/plc-libraries", damaged);
    EXPECT_EQ(names()[0], "Tarvo DL-205");
    EXPECT_EQ(TempDir::Read(cache).rfind("lumora-plc-probe-cache 2\n" + HexText(library) + " ", 0), 0u);
  }
  std::filesystem::remove(cache);
  std::filesystem::create_directory(cache);  // unreadable, and cannot be written either
  EXPECT_EQ(names()[0], "Tarvo DL-205");
  SetPlcProbeCacheFile("");
}

TEST_F(PlcManagerTest, CompareMapStringsOrdersByAreaThenNumber) {
  TQMPlcManager2 plc(Library("TDL205"), ui);
  EXPECT_LT(plc.Compare("V777", "V1000"), 0);
  EXPECT_GT(plc.Compare("X0", "V41237"), 0);
  EXPECT_LT(plc.Compare("Y7", "C0"), 0);
  EXPECT_EQ(plc.Compare("v10", "V010"), 0);
  EXPECT_LT(plc.Compare("C1777", "garbage"), 0);
  TQMPlcManager2 planRun(Library("PLANRUN"), ui);
  EXPECT_LT(planRun.Compare("V100,5,1", "V2000,5,1"), 0);
}

TEST_F(PlcManagerTest, MissingEntryPointsAreReported) {
  std::string broken = testing::TestBinDir() + "/plugins/BROKEN.so";
  TQMPlcManager2 plc(broken, ui);  // construction tells a named library its application type
  ASSERT_TRUE(plc.HasLibrary());
  ASSERT_EQ(ui.Texts(), (std::vector<std::string>{kP009Text}));
  LumoraPlcAddress record;
  std::string text = "V1";
  EXPECT_FALSE(plc.ValidateAddress(record, text, LUMORA_ACCESS_READ, kBcd16, false));
  EXPECT_EQ(ui.Texts().back(), kP001Text);
  EXPECT_EQ(plc.Compare("V1", "V2"), 0);
  EXPECT_EQ(ui.Texts().back(), kP008Text);
  EXPECT_EQ(plc.RebuildText(std::vector<uint8_t>{1, 0, 0, 1}), "");
  TQMPlcSettings settings;
  EXPECT_EQ(plc.CreateDefaultAttributes(settings), DefaultAttributes::Unsupported);
  EXPECT_EQ(plc.EditAttributes(settings), AttributeEdit::Failed);
  EXPECT_EQ(std::string(kP009Text).front(), '"');

  TQMPlcManager2 missing(StageDir() + "/dll/NOPE.so", ui);
  EXPECT_FALSE(missing.HasLibrary());
  TQMPlcManager2 relative("TDL205.so", ui);  // never searched for
  EXPECT_FALSE(relative.HasLibrary());
}

TEST_F(PlcManagerTest, CatalogueAndLookupWithDuplicateIds) {
  TempDir dir;
  testing::LinkStageInto(dir.Path(), true);
  std::filesystem::copy_file(testing::TestBinDir() + "/plugins/DUPLICATE.so", dir.Path() + "/dll/ZDUP205.so");
  std::filesystem::copy_file(testing::TestBinDir() + "/plugins/BROKEN.so", dir.Path() + "/dll/BROKEN.so");
  std::filesystem::copy_file(StageDir() + "/dll/TDL205.html", dir.Path() + "/dll/notalib.so.html");
  std::filesystem::create_directory_symlink(StageDir() + "/bin", dir.Path() + "/bin");  // the library probe
  ScopedInstallDir scoped(dir.Path());

  PlcCatalogue catalogue;
  catalogue.Discover(ui);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kP009Text}));  // as loading the broken library says
  std::vector<std::string> names;
  for (const auto& entry : catalogue.Entries())
    names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Broken PLC", "Modbus RTU", "Plan & Run", "Tarvo DL-205",
                                             "Tarvo DL-405", "Duplicate DL-205"}));
  EXPECT_EQ(catalogue.Lookup(31, 2).name, "Duplicate DL-205");  // the later library takes the key
  EXPECT_EQ(catalogue.Lookup(31, 3).path, dir.Path() + "/dll/TDL405.so");
  EXPECT_EQ(catalogue.Lookup(1, 1).path, "");

  PlcCatalogueEntry first = TQMPlcManager::FindPlcByIds(31, 2, ui);
  EXPECT_EQ(first.name, "Tarvo DL-205");
  EXPECT_EQ(first.path, dir.Path() + "/dll/TDL205.so");
  EXPECT_EQ(TQMPlcManager::FindPlcByIds(99, 9, ui).path, "");
}

TEST_F(PlcManagerTest, DiscoveryThreadAndEnvironment) {
  PlcDiscovery discovery;
  discovery.Start(ui);
  const PlcCatalogue& catalogue = discovery.Wait();
  EXPECT_EQ(catalogue.Entries().size(), 4u);
  EXPECT_EQ(&discovery.Wait(), &catalogue);

  InstalledPlcEnvironment environment(catalogue, ui);
  EXPECT_EQ(environment.LookupPlc(40, 1).name, "Modbus RTU");
  bool initialised = false;
  auto module = environment.LoadPlcLibrary(Library("TDL405"), initialised);
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(initialised);
  EXPECT_EQ(environment.LoadPlcLibrary("/tmp/TDL405.so", initialised), nullptr);  // outside dll/
  EXPECT_FALSE(initialised);

  TQMProject project({&ui, &environment});
  EXPECT_TRUE(project.ReloadPlcLibrary(Library("MODRTU")));
  TQMPlcManager manager(project.plcLibrary.get(), ui);
  EXPECT_EQ(manager.PlcName(), "Modbus RTU");
  EXPECT_FALSE(project.ReloadPlcLibrary(Library("MISSING")));
  EXPECT_EQ(project.plcLibrary, nullptr);
}

TEST_F(PlcManagerTest, Convertibility) {
  EXPECT_TRUE(IsConvertiblePlc(31, 2, 31, 3, ui));
  EXPECT_TRUE(IsConvertiblePlc(31, 3, 31, 2, ui));
  EXPECT_TRUE(IsConvertiblePlc(40, 1, 40, 1, ui));
  EXPECT_FALSE(IsConvertiblePlc(31, 2, 40, 1, ui));
  EXPECT_TRUE(ui.messages.empty());
  TempDir empty;
  ScopedInstallDir nowhere(empty.Path());
  EXPECT_FALSE(IsConvertiblePlc(31, 2, 31, 2, ui));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error P002: Unable to load library : CtrlLink.dll"}));
}

TEST_F(PlcManagerTest, ConversionRowsAndRevalidation) {
  TQMPlcManager2 modbus(Library("MODRTU"), ui);
  std::vector<std::string> rows;
  TQMTag good, bad, empty;
  good.address = "40010";
  bad.address = "V2000";
  ConvertTagAddress(good, modbus, 3, rows);
  ConvertTagAddress(bad, modbus, 3, rows);
  ConvertTagAddress(empty, modbus, 3, rows);
  EXPECT_EQ(rows, (std::vector<std::string>{"40010\t40010\t\t",
                                            "V2000\t \tUnable to rebuild the address for the new PLC\t"}));
  EXPECT_TRUE(bad.address.empty());
  EXPECT_EQ(good.encodedAddress, (std::vector<uint8_t>{4, 0, 9}));

  std::string log = FormatAddressConversionLog(rows, "08/12/2026 10:00:00");
  EXPECT_EQ(
      log,
      "Address conversion log file\nCreated on : 08/12/2026 10:00:00\nOld address\tNew address\t\tRemarks\n\n"
      "40010\t40010\t\t\nV2000\t \tUnable to rebuild the address for the new PLC\t\n");

  TQMProject project;
  project.plcSettings.addressSize = 4;
  TQMPanel panel(&project, kPanelQM210);
  panel.buttonLeds.ledWord.address = "v2000";
  panel.lineRegisters[0].address = "V9";  // not octal
  project.PutPanel(panel);
  TQMPlcManager2 tarvo(Library("TDL205"), ui);
  EXPECT_EQ(RevalidateAddresses(project, tarvo), 1);
  EXPECT_EQ(project.Panel(0).buttonLeds.ledWord.address, "v2000");  // text kept
  EXPECT_EQ(project.Panel(0).buttonLeds.ledWord.encodedAddress, (std::vector<uint8_t>{1, 0, 4, 0}));
}

}  // namespace
}  // namespace lumora

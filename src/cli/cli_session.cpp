#include "cli/cli_session.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>

#include "cli/qt_application.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/translation.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plan_n_run.h"
#include "plc/plc_manager.h"
#include "plc/plc_probe.h"
#include "shell/version_loader.h"

namespace lumora::cli {
namespace {

bool ConfirmMapChanges(const std::vector<std::string>& log, const std::string& mapPath, void* context) {
  auto* session = static_cast<Session*>(context);
  for (const std::string& line : log)
    std::fputs(line.c_str(), stderr);
  std::string text = Arg(translate("Core", kIncompleteTagMapFormat), mapPath);
  bool apply = session->Args().Has("--apply-map");
  std::fprintf(stderr, "%s\n-> %s\n", text.c_str(), apply ? "Yes" : "No");
  return apply;
}

struct CommandSpec {
  const char* name;
  const char* description;
  std::vector<const char*> positional;
  std::vector<const char*> valueOptions;
  std::vector<const char*> flagOptions;
  std::vector<const char*> optionalPositional = {};
};

const std::vector<CommandSpec>& Commands() {
  static const std::vector<CommandSpec> commands = {
      {"check", "load a project and check its PLC addresses", {"FILE.lmx"}, {}, {}},
      {"save-as", "write a project in the current format", {"IN.lmx", "OUT.lmx"}, {}, {}},
      {"show", "list panels, messages and addresses", {"FILE.lmx"}, {}, {}},
      {"diff", "list the differences of two project files", {"A.lmx", "B.lmx"}, {"--port"}, {}},
      {"write",
       "write a project to the panel(s)",
       {"FILE.lmx"},
       {"--target"},
       {"--direct", "--keep-previous"}},
      {"read", "read the project from the panel(s)", {"OUT.lmx"}, {}, {}},
      {"verify", "compare the panel(s) with a project", {"FILE.lmx"}, {}, {"--diff"}},
      {"info", "show the connected unit", {}, {"--project"}, {}},
      {"clear", "clear the panel(s)", {}, {"--project"}, {}},
      {"firmware", "upgrade firmware", {"FILE"}, {"--project"}, {"--multiplexer"}},
      {"export", "write one panel as a single-panel project", {"FILE.lmx", "OUT.lmx"}, {"--port"}, {}},
      {"import",
       "put a panel of another project in place of one",
       {"FILE.lmx", "FROM.lmx"},
       {"--from-port", "--port", "-o,--output"},
       {}},
      {"addresses", "list the PLC addresses of a panel", {"FILE.lmx"}, {"--port", "--pdf", "--paper"}, {"--csv"}},
      {"report",
       "write the project documentation as a PDF file",
       {"FILE.lmx"},
       {"--port", "-o,--output", "--pages", "--paper"},
       {"--mono", "--landscape"}},
      {"messages",
       "a panel's messages as a CSV table: export, or import in their place",
       {"ACTION", "FILE.lmx"},
       {"--port", "-o,--output"},
       {},
       {"IN.csv"}},
      {"convert-plc",
       "change a project's PLC, converting or clearing its addresses",
       {"FILE.lmx"},
       {"--plc", "-o,--output"},
       {"--force"}},
      {"history",
       "list what was written to and read from the units; show or save one",
       {},
       {"--project", "--model"},
       {"--json"},
       {"ACTION", "N", "OUT.lmx"}},
  };
  return commands;
}

const std::vector<const char*> kGlobalValueOptions = {"--install-dir", "--port", "--log", "--backup",
                                                      "--map"};
const std::vector<const char*> kGlobalFlags = {"--apply-map", "--version"};

// Settings first, then the version library from the install tree they name.
std::string StartUp(const Arguments& arguments, const MachineSettings& machine, Interaction& ui) {
  InstallPlatformSettings(arguments.Value("--install-dir"), machine);
  std::string version = LoadApplicationVersion(InstallDir(), ui);
  SetApplicationVersion(version);
  return version;
}

}  // namespace

std::string LoadVersion(const Arguments& arguments) {
  MachineSettings machine;
  ConsoleInteraction ui;
  return StartUp(arguments, machine, ui);
}

namespace {

struct NamedFile {
  std::string option;  // as the user wrote it: an option or the argument's place holder
  std::string path;
  bool edited = false;  // the project import and convert-plc change, which -o may name
};

// What a command reads and what it writes. The project that import and convert-plc change is an input that
// their output may name: saving it over itself is what they do by default, and save-as may write a file
// anew in the current format in its place (the whole project is read before anything is written).
void CommandFiles(const Arguments& arguments, std::vector<NamedFile>& inputs, std::vector<NamedFile>& outputs) {
  const std::string& command = arguments.command;
  const std::vector<std::string>& positional = arguments.positional;
  auto add = [](std::vector<NamedFile>& list, const std::string& option, const std::string& path,
                bool edited = false) {
    if (!path.empty()) list.push_back({option, path, edited});
  };
  for (const char* option : {"--project", "--map"}) {
    // history's --project is a name to look for, not a file.
    if (command == "history" && option == std::string("--project")) continue;
    add(inputs, option, arguments.Value(option));
  }
  add(outputs, "--log", arguments.Value("--log"));
  add(outputs, "--backup", arguments.Value("--backup"));
  add(outputs, "--pdf", arguments.Value("--pdf"));
  add(outputs, "-o", arguments.Value("-o,--output"));
  const CommandSpec* spec = nullptr;
  for (const CommandSpec& candidate : Commands()) {
    if (command == candidate.name) spec = &candidate;
  }
  if (!spec) return;
  std::vector<const char*> names = spec->positional;
  names.insert(names.end(), spec->optionalPositional.begin(), spec->optionalPositional.end());
  for (size_t i = 0; i < positional.size() && i < names.size(); ++i) {
    if (command == "messages" && i == 0) continue;  // the action
    if (command == "history" && i < 2) continue;    // the action and the entry's number
    bool edited = (i == 0 && (command == "import" || command == "convert-plc" || command == "save-as")) ||
                  (command == "messages" && i == 1 && positional[0] == "import");
    bool written = command == "read" || command == "history" ||
                   ((command == "save-as" || command == "export") && i == 1);
    if (written) {
      add(outputs, names[i], positional[i]);
    } else {
      add(inputs, names[i], positional[i], edited);
    }
  }
}

}  // namespace

bool CheckCommandFiles(const Arguments& arguments) {
  std::vector<NamedFile> inputs;
  std::vector<NamedFile> outputs;
  CommandFiles(arguments, inputs, outputs);
  for (size_t o = 0; o < outputs.size(); ++o) {
    const NamedFile& output = outputs[o];
    std::vector<NamedFile> others = inputs;
    others.insert(others.end(), outputs.begin() + static_cast<std::ptrdiff_t>(o) + 1, outputs.end());
    for (const NamedFile& other : others) {
      bool replacesEdited = other.edited && (output.option == "-o" || output.option == "OUT.lmx");
      if (replacesEdited || !SameFile(output.path, other.path)) continue;
      if (output.option == "--log") {
        std::fprintf(
            stderr, "%s\n",
            FillPlaceholders(
                translate("Cli", "lumora: --log %1 is the same file as %2; choose another file for the log"),
                {output.path, other.path})
                .c_str());
      } else {
        std::fprintf(
            stderr, "%s\n",
            FillPlaceholders(
                translate("Cli", "lumora: %1 %2 is the same file as %3 %4; choose another output file"),
                {output.option, output.path, other.option, other.path})
                .c_str());
      }
      return false;
    }
  }
  return true;
}

std::optional<int> ParseArguments(int argc, char** argv, Arguments& arguments) {
  CLI::App app("The Lumora Write Utility's command-line tool", "lumora");
  // Global options are accepted before and after the command's name; one command a run.
  app.fallthrough();
  app.require_subcommand(0, 1);
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

  std::map<std::string, std::string> values;
  struct ValueOption {
    std::string name;
    std::string key;  // per command where several commands have the option
    CLI::Option* option;
  };
  std::vector<ValueOption> valueOptions;
  std::vector<std::pair<std::string, CLI::Option*>> flagOptions;
  for (const char* name : kGlobalValueOptions)
    valueOptions.push_back({name, name, app.add_option(name, values[name])});
  for (const char* name : kGlobalFlags)
    flagOptions.emplace_back(name, app.add_flag(name));

  std::vector<std::vector<std::string>> positional(Commands().size());
  for (size_t c = 0; c < Commands().size(); ++c) {
    const CommandSpec& spec = Commands()[c];
    CLI::App* command = app.add_subcommand(spec.name, spec.description);
    positional[c].resize(spec.positional.size() + spec.optionalPositional.size());
    for (size_t i = 0; i < spec.positional.size(); ++i)
      command->add_option(spec.positional[i], positional[c][i])->required();
    for (size_t i = 0; i < spec.optionalPositional.size(); ++i)
      command->add_option(spec.optionalPositional[i], positional[c][spec.positional.size() + i]);
    for (const char* name : spec.valueOptions) {
      std::string key = std::string(spec.name) + " " + name;
      // After the command's name its own --port (a multiplexer port) takes the option; before it, or after
      // a command without one, --port is the serial port.
      std::string stored = std::string(name) == "--port" ? kPanelPortOption : name;
      valueOptions.push_back({stored, key, command->add_option(name, values[key])});
    }
    for (const char* name : spec.flagOptions)
      flagOptions.emplace_back(name, command->add_flag(name));
  }

  auto selected = [&app]() -> std::string {
    std::vector<CLI::App*> parsed = app.get_subcommands();
    return parsed.empty() ? std::string() : parsed.front()->get_name();
  };
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    PrintUsage(selected());
    return kExitOk;
  } catch (const CLI::CallForAllHelp&) {
    PrintUsage(selected());
    return kExitOk;
  } catch (const CLI::ParseError& error) {
    std::string command = selected();
    std::vector<std::string> left = app.remaining();
    if (command.empty() && !left.empty() && left.front().rfind('-', 0) != 0) {
      std::fprintf(
          stderr, "%s\n",
          FillPlaceholders(translate("Cli", "lumora: unknown command '%1'"), {left.front()}).c_str());
    } else {
      std::fprintf(stderr, "%s\n",
                   FillPlaceholders(translate("Cli", "lumora: %1"), {std::string(error.what())}).c_str());
    }
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "Run 'lumora %1--help' for usage."),
                                  {command.empty() ? "" : (command + " ")})
                     .c_str());
    return kExitUsage;
  }

  arguments.command = selected();
  for (size_t c = 0; c < Commands().size(); ++c) {
    if (arguments.command == Commands()[c].name) arguments.positional = positional[c];
  }
  for (const ValueOption& value : valueOptions) {
    if (value.option->count() != 0) arguments.values[value.name] = values[value.key];
  }
  for (const auto& [name, option] : flagOptions) {
    if (option->count() != 0) arguments.flags.insert(name);
  }
  if (arguments.HasValue("--port") && arguments.Value("--port").empty()) {
    std::fprintf(stderr, "%s\n", translate("Cli", "lumora: --port needs a serial port name").c_str());
    return kExitUsage;
  }
  if (arguments.command.empty() && !arguments.Has("--version")) {
    std::fprintf(stderr, "%s\n", translate("Cli", "lumora: a command is required").c_str());
    PrintUsage("");
    return kExitUsage;
  }
  return std::nullopt;
}

Session::Session(const Arguments& arguments) : arguments_(arguments) {
  if (arguments_.values.count("--backup")) ui_.backupPath = arguments_.Value("--backup");
  // A project links its map by the path it is given: one relative to here would break from any other folder.
  if (arguments_.HasValue("--map") && !arguments_.Value("--map").empty())
    ui_.mapPath = std::filesystem::absolute(arguments_.Value("--map")).lexically_normal().string();
  version_ = StartUp(arguments_, machine_, ui_);
  InstallCliTranslations();
  SetPlcProbeCacheFile(UserPlcProbeCacheFile());
  catalogue_.Discover(ui_);
  environment_ = std::make_unique<InstalledPlcEnvironment>(catalogue_, ui_);
}

bool Session::OpenProject(const std::string& path, TQMProject& project) {
  project.services = {&ui_, environment_.get()};
  if (!OpenProjectFile(project, path)) return false;
  if (project.tagMapLinked && !ConvertLinkedProjectOnOpen(project, ConfirmMapChanges, this)) return false;
  return true;
}

bool Session::PrepareAddresses(TQMProject& project) {
  if (!project.ReloadPlcLibrary(project.plcSettings.libraryName)) {
    ui_.ShowMessage(translate("Core", kP005Text), "", MessageIcon::Error);
    return false;
  }
  TQMPlcManager manager(project.plcLibrary.get(), ui_);
  return RevalidateAddresses(project, manager) == 0;
}

int ChosenPort(const Arguments& arguments, const char* option, int selected) {
  if (!arguments.HasValue(option)) return selected;
  std::string text = arguments.Value(option);
  if (text.size() != 1 || text[0] < '1' || text[0] > '5') {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "lumora: %1 takes a port number 1 to 5"),
                                  {std::string(std::string(option) == kPanelPortOption ? "--port" : option)})
                     .c_str());
    return -1;
  }
  return text[0] - '0';
}

int ChosenPanelPort(const Arguments& arguments, const TQMProject& project) {
  int port = ChosenPort(arguments, kPanelPortOption, project.multiplexer.selectedPort);
  if (port < 0) return -1;
  if (!project.IsMultiPanel() && port != 1) {
    std::fprintf(stderr, "%s\n",
                 translate("Cli", "lumora: a single-panel project has its panel on port 1").c_str());
    return -1;
  }
  return project.IsMultiPanel() ? port : 1;
}

bool SaveResult(Session& session, TQMProject& project, std::string& out, const std::string& file) {
  out = session.Args().Value("-o,--output");
  if (out.empty()) out = file.empty() ? session.Args().positional[0] : file;
  std::string error;
  if (SaveProjectFile(project, out, &error)) return true;
  std::fprintf(stderr, "%s: %s\n", out.c_str(), error.c_str());
  return false;
}

}  // namespace lumora::cli

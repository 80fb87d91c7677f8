#include "cli/cli_session.h"

#include <cstdio>

#include "model/project.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plan_n_run.h"
#include "plc/plc_manager.h"
#include "shell/version_loader.h"

namespace lumora::cli {
namespace {

const std::set<std::string> kValueOptions = {"--install-dir", "--port",   "--log",    "--backup",
                                             "--map",         "--target", "--project"};

bool ConfirmMapChanges(const std::vector<std::string>& log, const std::string& mapPath, void* context) {
  auto* session = static_cast<Session*>(context);
  for (const std::string& line : log)
    std::fputs(line.c_str(), stderr);
  std::vector<char> text(mapPath.size() + 400);
  std::snprintf(text.data(), text.size(), kIncompleteTagMapFormat, mapPath.c_str());
  bool apply = session->Args().Has("--apply-map");
  std::fprintf(stderr, "%s\n-> %s\n", text.data(), apply ? "Yes" : "No");
  return apply;
}

}  // namespace

bool ParseArguments(int argc, char** argv, Arguments& arguments, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (word.rfind("--", 0) == 0 && word.size() > 2) {
      std::string name = word;
      std::string value;
      bool inlineValue = false;
      if (size_t eq = word.find('='); eq != std::string::npos) {
        name = word.substr(0, eq);
        value = word.substr(eq + 1);
        inlineValue = true;
      }
      if (kValueOptions.count(name)) {
        if (!inlineValue) {
          if (i + 1 >= argc) {
            error = name + " needs a value";
            return false;
          }
          value = argv[++i];
        }
        arguments.values[name] = value;
      } else {
        if (inlineValue) {
          error = name + " takes no value";
          return false;
        }
        arguments.flags.insert(name);
      }
    } else if (word == "-h") {
      arguments.flags.insert("--help");
    } else if (arguments.command.empty()) {
      arguments.command = word;
    } else {
      arguments.positional.push_back(word);
    }
  }
  return true;
}

Session::Session(const Arguments& arguments) : arguments_(arguments) {
  if (arguments_.values.count("--backup")) ui_.backupPath = arguments_.Value("--backup");
  if (arguments_.values.count("--map")) ui_.mapPath = arguments_.Value("--map");
  InstallPlatformSettings(arguments_.Value("--install-dir"), machine_);
  version_ = LoadApplicationVersion(InstallDir(), ui_);
  SetApplicationVersion(version_);
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
    ui_.ShowMessage(kP005Text, "", MessageIcon::Error);
    return false;
  }
  TQMPlcManager manager(project.plcLibrary.get(), ui_);
  return RevalidateAddresses(project, manager) == 0;
}

}  // namespace lumora::cli

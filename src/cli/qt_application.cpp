#include "cli/qt_application.h"

#include <QGuiApplication>
#include <clocale>
#include <string_view>

#include "cli/cli_session.h"
#include "shell/app_settings.h"
#include "shell/translations.h"

namespace lumora::cli {

std::unique_ptr<QCoreApplication> StartQtApplication(const Arguments& arguments) {
  static int argc = 1;
  static char name[] = "lumora";
  static char* argv[] = {name, nullptr};
  bool paints = arguments.command == "report" || (arguments.command == "addresses" && arguments.HasValue("--pdf"));
  std::unique_ptr<QCoreApplication> app;
  if (paints) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  // Qt takes the whole locale from the environment; the numbers the tool prints stay as they were.
  std::setlocale(LC_NUMERIC, "C");
  return app;
}

void InstallCliTranslations() {
  if (QCoreApplication* app = QCoreApplication::instance())
    InstallTranslations(*app, ChosenLanguage(""), CoreTextEncoding::Utf8);
}

void InstallEarlyCliTranslation(int argc, char** argv) {
  std::string installDir;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "--install-dir" && i + 1 < argc)
      installDir = argv[i + 1];
    else if (argument.rfind("--install-dir=", 0) == 0)
      installDir = argument.substr(std::string_view("--install-dir=").size());
  }
  InstallPlatformSettings(installDir, MachineSettings());
  InstallCoreTranslation(ChosenLanguage(""), CoreTextEncoding::Utf8);
}

}  // namespace lumora::cli

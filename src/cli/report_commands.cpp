// lumora report, and the address list of `lumora addresses --pdf`: the printed documentation as PDF files.

#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "model/editing_rules.h"
#include "model/project.h"
#include "model/project_summary.h"
#include "model/translation.h"
#include "plc/plc_manager.h"
#include "report/report_pdf.h"

namespace lumora::cli {
namespace {

// Fonts and PDF output need a Gui application, but never a screen: without a platform chosen by the user
// the offscreen one is used, so that the same report comes out with or without a display.
std::unique_ptr<QGuiApplication> StartGui() {
  if (QCoreApplication::instance()) return nullptr;  // the one the command was started in
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "lumora";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// "A-B", "A" or "A-": false when it is none of them.
bool ParsePages(const std::string& text, int& first, int& last) {
  first = 1;
  last = 0;
  if (text.empty()) return true;
  size_t dash = text.find('-');
  auto number = [](const std::string& part, int& value) {
    if (part.empty() || part.size() > 6 || part.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoi(part);
    return value >= 1;
  };
  if (dash == std::string::npos) return number(text, first) && (last = first, true);
  if (!number(text.substr(0, dash), first)) return false;
  std::string end = text.substr(dash + 1);
  if (end.empty()) return true;
  return number(end, last) && last >= first;
}

// The settings the options name; false after a usage error was printed.
bool ReadSettings(const Arguments& args, PdfSettings& settings) {
  settings.paper = LocalePaper();
  std::string paper = args.Value("--paper");
  if (paper == "a4" || paper == "A4") {
    settings.paper = QPageSize::A4;
  } else if (paper == "letter" || paper == "Letter") {
    settings.paper = QPageSize::Letter;
  } else if (!paper.empty()) {
    std::fprintf(stderr, "%s\n", translate("Cli", "lumora: --paper takes a4 or letter").c_str());
    return false;
  }
  if (!ParsePages(args.Value("--pages"), settings.firstPage, settings.lastPage)) {
    std::fprintf(stderr, "%s\n",
                 translate("Cli", "lumora: --pages takes a page or a range such as 3-4 or 2-").c_str());
    return false;
  }
  settings.landscape = args.Has("--landscape");
  settings.colour = !args.Has("--mono");
  return true;
}

// A project whose panels or texts no panel could hold (a text far beyond any line, characters a panel
// cannot show, an unknown panel type) is refused before any page is laid out: laying it out would take long
// and print nonsense. The other rules (address count, value limits, numbering) only stop a write: such a
// project is printed as it is.
bool Printable(const TQMProject& project) {
  bool printable = true;
  for (const ProjectProblem& problem : ValidateProject(project)) {
    switch (problem.violation.rule) {
      case Rule::RoomForMessage:
      case Rule::MessageLength:
      case Rule::Character:
      case Rule::Level:
      case Rule::PanelType:
      case Rule::PanelPort:
        std::fprintf(stderr, "%s\n", PrintableMessageText(problem.Line()).c_str());
        printable = false;
        break;
      default:
        break;
    }
  }
  return printable;
}

int Written(const PdfOutcome& outcome, const PdfSettings& settings, const std::string& out) {
  if (!outcome.error.isEmpty()) {
    std::fprintf(stderr, "%s\n", outcome.error.toLocal8Bit().constData());
    return kExitFailed;
  }
  int first = settings.firstPage;
  std::printf("%d page(s) (%d-%d of %d) written to %s\n", outcome.pagesWritten, first,
              first + outcome.pagesWritten - 1, outcome.pageCount, out.c_str());
  return kExitOk;
}

}  // namespace

bool IsReportCommand(const std::string& command) {
  return command == "report";
}

int RunReportCommand(Session& session) {
  const Arguments& args = session.Args();
  std::string out = args.Value("-o,--output");
  if (out.empty()) {
    std::fprintf(
        stderr, "%s\n",
        translate("Cli", "lumora: report needs -o OUT.pdf\nRun 'lumora report --help' for usage.").c_str());
    return kExitUsage;
  }
  PdfSettings settings;
  if (!ReadSettings(args, settings)) return kExitUsage;
  TQMProject project;
  if (!session.OpenProject(args.positional[0], project)) return kExitFailed;
  if (!Printable(project)) return kExitFailed;
  int port = ChosenPanelPort(args, project);
  if (port < 0) return kExitUsage;
  if (!project.FindPanel(port)) {
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "Port %1 has no panel"), {std::to_string(port)}).c_str());
    return kExitFailed;
  }
  project.multiplexer.selectedPort = port;
  std::unique_ptr<QGuiApplication> gui = StartGui();
  std::string path = std::filesystem::absolute(args.positional[0]).lexically_normal().string();
  PdfOutcome outcome =
      WriteReportPdf(project, QString::fromLocal8Bit(path.c_str()), QString::fromLocal8Bit(out.c_str()), settings);
  return Written(outcome, settings, out);
}

int WriteAddressesPdf(Session& session, TQMProject& project, const TQMPanel& panel) {
  const Arguments& args = session.Args();
  // The project is named as the program names an opened one: by its path.
  if (project.fileName.empty())
    project.fileName = std::filesystem::absolute(args.positional[0]).lexically_normal().string();
  PdfSettings settings;
  if (!ReadSettings(args, settings)) return kExitUsage;
  if (!Printable(project)) return kExitFailed;
  std::unique_ptr<QGuiApplication> gui = StartGui();
  std::string out = args.Value("--pdf");
  PdfOutcome outcome = WriteAddressListPdf(project, panel, QString::fromLocal8Bit(out.c_str()), settings);
  return Written(outcome, settings, out);
}

}  // namespace lumora::cli

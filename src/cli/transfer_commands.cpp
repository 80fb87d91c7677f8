// lumora write | read | verify | info | clear | firmware

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <mutex>

#include "cli/cli_session.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/translation.h"
#include "plc/plc_manager.h"
#include "shell/app_settings.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_history.h"
#include "transfer/panel_information.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_texts.h"
#include "transfer/unit_exchange.h"

namespace lumora::cli {
namespace {

std::atomic<UnitExchange*> gRunning{nullptr};

void OnInterrupt(int) {
  if (UnitExchange* exchange = gRunning.load()) exchange->RequestCancel();
}

// Prints the worker's events: errors on stderr as the dialog would show them, and on a terminal a
// progress bar with the checklist line.
class ConsoleSink : public TransferSink {
 public:
  explicit ConsoleSink(TransferOperation operation)
      : operation_(operation), terminal_(::isatty(2) != 0), lines_(ChecklistTexts(operation)) {}

  void Post(const TransferEvent& event) override {
    std::lock_guard lock(mutex_);
    switch (event.message) {
      case TransferMessage::Error:
        EndBar();
        // The worker's own message box has just printed this error.
        if (event.alreadyShown) break;
        std::fprintf(stderr, "%s\n", event.statusText.c_str());
        if (!event.hint.empty()) std::fprintf(stderr, "%s\n", event.hint.c_str());
        break;
      case TransferMessage::Target:
        title_ = TargetTitle(operation_, event.targetPanelType, event.targetPort);
        break;
      case TransferMessage::Progress: {
        if (std::optional<ChecklistLine> line = StepEffectOf(event.step).enable)
          current_ = lines_[static_cast<size_t>(*line)];
        if (IsFirmware(operation_)) current_ = event.statusText;
        ShowBar(event.percent);
        break;
      }
      case TransferMessage::Cancel:
        break;
    }
  }
  void EndBar() {
    if (barShown_) std::fputc('\n', stderr);
    barShown_ = false;
  }

 private:
  void ShowBar(int percent) {
    if (!terminal_) return;
    int filled = percent * 30 / 100;
    std::fprintf(stderr, "\r%-28.28s [%.*s%*s] %3d%% %-40.40s", title_.c_str(), filled,
                 "##############################", 30 - filled, "", percent, current_.c_str());
    std::fflush(stderr);
    barShown_ = true;
  }

  std::mutex mutex_;
  TransferOperation operation_;
  bool terminal_;
  std::array<std::string, kChecklistLines> lines_;
  std::string title_;
  std::string current_;
  bool barShown_ = false;
};

// Runs one exchange on a worker, as the program's windows do; Ctrl+C, SIGTERM and SIGHUP cancel it.
// Without `work`, the context's operation.
ExchangeOutcome RunWithConsole(TransferContext& context, UnitExchange::Work work = {}) {
  UnitExchange exchange(context);
  gRunning = &exchange;
  const int signals[] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction cancel {};
  cancel.sa_handler = OnInterrupt;
  sigemptyset(&cancel.sa_mask);
  struct sigaction previous[std::size(signals)] = {};
  for (size_t i = 0; i < std::size(signals); ++i)
    ::sigaction(signals[i], &cancel, &previous[i]);
  ExchangeOutcome outcome = work ? exchange.Run(std::move(work)) : exchange.Run();
  for (size_t i = 0; i < std::size(signals); ++i)
    ::sigaction(signals[i], &previous[i], nullptr);
  gRunning = nullptr;
  if (outcome.result == TransferOutcome::Cancelled)
    std::fprintf(stderr, "%s\n", translate("Cli", "Cancelled.").c_str());
  return outcome;
}

void PrintWarnings(const ExchangeOutcome& outcome) {
  for (const std::string& warning : outcome.warnings)
    std::fprintf(stderr, "%s\n",
                 FillPlaceholders(translate("Cli", "lumora: warning: %1"), {warning}).c_str());
}

// The outcome of a long transfer printed on the console: its bar ended, the success text on stdout.
bool ReportTransfer(ConsoleSink& sink, const ExchangeOutcome& outcome) {
  sink.EndBar();
  PrintWarnings(outcome);
  if (!outcome.Succeeded()) return false;
  std::printf("%s\n", outcome.text.c_str());
  return true;
}

// A write or read the panel history keeps under the project file's name.
HistoryOptions History(const std::string& projectFile) {
  return {DefaultHistoryFolder(), UserSettings().HistoryLimit(), FileNamePart(projectFile)};
}

std::string PortName(Session& session) {
  std::string port = session.Args().Value("--port");
  return port.empty() ? ConfiguredPort(session.Machine()) : port;
}

// The communication log named by --log for the length of a command, with the program's version line
// where the operation writes it. Without a log the command goes on, but says so.
std::unique_ptr<CommLogScope> OpenLog(Session& session, bool versionLine) {
  std::string path = session.Args().Value("--log");
  auto scope = std::make_unique<CommLogScope>(path, session.Version(), versionLine, session.Ui());
  if (!scope->Opened()) {
    std::fprintf(
        stderr, "%s\n",
        FillPlaceholders(translate("Cli", "lumora: warning: cannot open the communication log %1: %2"),
                         {path, scope->Error()})
            .c_str());
  }
  return scope;
}

bool LoadForTransfer(Session& session, const std::string& path, TQMProject& project) {
  return session.OpenProject(path, project) && session.PrepareAddresses(project);
}

// What the main view checks before a write: a panel without local messages is not written, nor a
// project that breaks the editing rules.
bool CheckWritable(Session& session, TQMProject& project) {
  WriteCheck check = CheckBeforeWrite(project, PlcAddressSizeOf(project, session.Ui()));
  switch (check.verdict) {
    case WriteCheck::Verdict::Ok:
      return true;
    case WriteCheck::Verdict::Incomplete:
      session.Ui().ShowMessage(IncompleteDataText(check.missingItems), "Incomplete data",
                               MessageIcon::Exclamation);
      return false;
    case WriteCheck::Verdict::Invalid:
      session.Ui().ShowMessage(InvalidProjectText(check.problems), "", MessageIcon::Error);
      return false;
  }
  return false;
}

// Clear and firmware work on a project file when one is named, else on a single default panel.
bool LoadOptionalProject(Session& session, TQMProject& project) {
  std::string path = session.Args().Value("--project");
  if (!path.empty()) return LoadForTransfer(session, path, project);
  project.services = {&session.Ui(), &session.Plc()};
  project.AddPanel(kPanelQM210, 1);
  return true;
}

std::optional<TransferTarget> TargetFromOption(const std::string& text) {
  if (text.empty() || text == "project") return TransferTarget::WriteProject;
  if (text == "multiplexer") return TransferTarget::Multiplexer;
  if (text.size() == 6 && text.compare(0, 5, "panel") == 0 && text[5] >= '1' && text[5] <= '5')
    return PanelTargetOf(text[5] - '0');
  return std::nullopt;
}

void PrintInformation(const UnitInformation& info) {
  std::printf("Text Panel Model:    %s\n", info.modelText.c_str());
  std::printf("Firmware Revision:   %s\n", info.firmwareRevision.c_str());
  std::printf("Memory Size:         %s\n", info.memorySize.c_str());
  std::printf("Plc Driver:          %s\n", info.driverName.c_str());
  std::printf("Plc Driver Revision: %s\n", info.driverRevision.c_str());
  std::printf("Panel Attributes: \n%s\n", info.attributesText.c_str());
}

int Write(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("write"), kExitUsage;
  std::optional<TransferTarget> target = TargetFromOption(args.Value("--target"));
  if (!target) {
    std::fprintf(stderr, "%s\n",
                 translate("Cli", "lumora: --target takes panel1..panel5, multiplexer or project").c_str());
    return kExitUsage;
  }
  TQMProject project;
  if (!LoadForTransfer(session, args.positional[0], project)) return kExitFailed;
  auto log = OpenLog(session, true);
  if (!CheckWritable(session, project)) return kExitFailed;
  ApplyLinkSpeed(project);
  ConsoleSink sink(TransferOperation::Write);
  TransferContext context(&project, TransferOperation::Write, &session.Ui(), &sink);
  context.portName = PortName(session);
  context.selectedTarget = *target;
  context.directConnection = IsPanelTarget(*target) && args.Has("--direct");
  context.keepPrevious = args.Has("--keep-previous");
  context.history = History(args.positional[0]);
  return ReportTransfer(sink, RunWithConsole(context)) ? kExitOk : kExitFailed;
}

// Reads the connected unit; the project read, or null. A read into a file is kept in the panel history.
std::unique_ptr<TQMProject> ReadFromPanel(Session& session, const HistoryOptions& history = {}) {
  TQMProject project;
  PrepareReadTarget(project, {&session.Ui(), &session.Plc()});
  ConsoleSink sink(TransferOperation::Read);
  TransferContext context(&project, TransferOperation::Read, &session.Ui(), &sink);
  context.portName = PortName(session);
  context.history = history;
  ExchangeOutcome outcome = RunWithConsole(context);
  sink.EndBar();
  PrintWarnings(outcome);
  return std::move(outcome.readProject);
}

int Read(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("read"), kExitUsage;
  // A read takes minutes: a file it could not be saved to is refused before it starts.
  std::string refused;
  if (!CheckOutputFile(args.positional[0], &refused)) {
    std::fprintf(stderr, "%s: %s\n", args.positional[0].c_str(), refused.c_str());
    return kExitFailed;
  }
  auto log = OpenLog(session, true);
  std::unique_ptr<TQMProject> project = ReadFromPanel(session, History(args.positional[0]));
  if (!project) return kExitFailed;
  project->multiplexer.selectedPort = 1;
  std::string error;
  if (!SaveProjectFile(*project, args.positional[0], &error)) {
    std::fprintf(stderr, "%s: %s\n", args.positional[0].c_str(), error.c_str());
    return kExitFailed;
  }
  std::printf("%s\n", SuccessText(kStepReadFinished, project->IsMultiPanel()).c_str());
  return kExitOk;
}

int Verify(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("verify"), kExitUsage;
  TQMProject onPc;
  if (!LoadForTransfer(session, args.positional[0], onPc)) return kExitFailed;
  ApplyLinkSpeed(onPc);
  if (onPc.IsMultiPanel()) {
    ConsoleSink sink(TransferOperation::Read);
    TQMProject working(onPc);
    TransferContext context(&working, TransferOperation::Read, &session.Ui(), &sink);
    context.portName = PortName(session);
    if (!RunWithConsole(context, short_exchange::MultiplexerCheck).Succeeded()) return kExitFailed;
  }
  auto log = OpenLog(session, true);
  std::unique_ptr<TQMProject> read = ReadFromPanel(session);
  if (!read) return kExitFailed;
  VerifyResult result = CompareWithPanel(onPc, *read);
  std::printf("%s\n", result.text.c_str());
  if (args.Has("--diff")) {
    for (const std::string& line : result.differences)
      std::printf("  %s\n", line.c_str());
  }
  return result.same ? kExitOk : kExitFailed;
}

int Info(Session& session) {
  const Arguments& args = session.Args();
  if (!args.positional.empty()) return PrintUsage("info"), kExitUsage;
  auto log = OpenLog(session, false);
  std::string projectPath = args.Value("--project");
  if (projectPath.empty()) {
    TransferContext context(nullptr, TransferOperation::Read, &session.Ui(), nullptr);
    context.portName = PortName(session);
    ExchangeOutcome outcome = RunWithConsole(context, short_exchange::ConnectionTest);
    if (!outcome.unit) {
      std::fprintf(stderr, "%s\n", outcome.text.c_str());
      if (!outcome.hint.empty()) std::fprintf(stderr, "%s\n", outcome.hint.c_str());
      return kExitFailed;
    }
    PrintInformation(*outcome.unit);
    return kExitOk;
  }
  TQMProject project;
  if (!LoadForTransfer(session, projectPath, project)) return kExitFailed;
  ConsoleSink sink(TransferOperation::Read);
  TransferContext context(&project, TransferOperation::Read, &session.Ui(), &sink);
  context.portName = PortName(session);
  ExchangeOutcome outcome = RunWithConsole(context, short_exchange::ConnectedUnit);
  if (!outcome.unit) return kExitFailed;
  PrintInformation(*outcome.unit);
  return kExitOk;
}

int Clear(Session& session) {
  const Arguments& args = session.Args();
  if (!args.positional.empty()) return PrintUsage("clear"), kExitUsage;
  TQMProject project;
  if (!LoadOptionalProject(session, project)) return kExitFailed;
  auto log = OpenLog(session, false);
  ConsoleSink sink(TransferOperation::Write);
  TransferContext context(&project, TransferOperation::Write, &session.Ui(), &sink);
  context.portName = PortName(session);
  session.Ui().quiet = true;
  ExchangeOutcome outcome = RunWithConsole(context, short_exchange::ClearMemory);
  return outcome.Succeeded() ? kExitOk : kExitFailed;
}

int Firmware(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("firmware"), kExitUsage;
  TQMProject project;
  if (!LoadOptionalProject(session, project)) return kExitFailed;
  bool multiplexer = args.Has("--multiplexer");
  auto log = OpenLog(session, true);
  ApplyLinkSpeed(project, multiplexer);
  TransferOperation operation = multiplexer ? TransferOperation::MultiplexerFirmware : TransferOperation::PanelFirmware;
  ConsoleSink sink(operation);
  TransferContext context(&project, operation, &session.Ui(), &sink);
  context.portName = PortName(session);
  context.filePath = args.positional[0];
  return ReportTransfer(sink, RunWithConsole(context)) ? kExitOk : kExitFailed;
}

}  // namespace

bool IsTransferCommand(const std::string& command) {
  return command == "write" || command == "read" || command == "verify" || command == "info" ||
         command == "clear" || command == "firmware";
}

int RunTransferCommand(Session& session) {
  const std::string& command = session.Args().command;
  if (command == "write") return Write(session);
  if (command == "read") return Read(session);
  if (command == "verify") return Verify(session);
  if (command == "info") return Info(session);
  if (command == "clear") return Clear(session);
  return Firmware(session);
}

}  // namespace lumora::cli

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
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_texts.h"
#include "transfer/transfer_worker.h"

namespace lumora::cli {
namespace {

std::atomic<TransferContext*> gRunning{nullptr};

void OnInterrupt(int) {
  if (TransferContext* context = gRunning.load()) context->cancelRequested.store(true);
}

// Prints the worker's events: errors on stderr as the dialog would show them, and on a terminal a
// progress bar with the checklist line.
class ConsoleSink : public TransferSink {
 public:
  explicit ConsoleSink(int operation)
      : operation_(operation), terminal_(::isatty(2) != 0), lines_(ChecklistTexts(operation)) {}

  void Post(const TransferEvent& event) override {
    std::lock_guard lock(mutex_);
    switch (event.message) {
      case TransferMessage::Error:
        EndBar();
        errorShown_ = true;
        // The worker's own message box has just printed this error.
        if (event.alreadyShown) break;
        std::fprintf(stderr, "%s\n", event.statusText.c_str());
        if (!event.hint.empty()) std::fprintf(stderr, "%s\n", event.hint.c_str());
        break;
      case TransferMessage::Target:
        title_ = TargetTitle(operation_, event.targetPanelType, event.targetPort);
        break;
      case TransferMessage::Progress: {
        lastStep_ = event.step;
        int line = ChecklistLineForStep(event.step);
        if (line >= 0) current_ = lines_[static_cast<size_t>(line)];
        if (operation_ >= kOperationPanelFirmware) current_ = event.statusText;
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
  bool ErrorShown() const { return errorShown_; }
  int LastStep() const { return lastStep_; }

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
  int operation_;
  bool terminal_;
  std::array<std::string, 6> lines_;
  std::string title_;
  std::string current_;
  bool barShown_ = false;
  bool errorShown_ = false;
  int lastStep_ = 0;
};

// Runs one transfer on a worker, as the progress dialog does; Ctrl+C, SIGTERM and SIGHUP cancel it.
struct TransferRun {
  bool succeeded = false;
  bool errorShown = false;
  int lastStep = 0;
};

TransferRun RunWithConsole(TransferContext& context, ConsoleSink& sink) {
  gRunning = &context;
  const int signals[] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction cancel {};
  cancel.sa_handler = OnInterrupt;
  sigemptyset(&cancel.sa_mask);
  struct sigaction previous[std::size(signals)] = {};
  for (size_t i = 0; i < std::size(signals); ++i)
    ::sigaction(signals[i], &cancel, &previous[i]);
  StartTransfer(context);
  context.workerThread.join();
  for (size_t i = 0; i < std::size(signals); ++i)
    ::sigaction(signals[i], &previous[i], nullptr);
  gRunning = nullptr;
  sink.EndBar();
  TransferRun run;
  run.errorShown = sink.ErrorShown();
  run.lastStep = sink.LastStep();
  TransferOutcome outcome = OutcomeOf(context, run.errorShown);
  run.succeeded = outcome == TransferOutcome::Succeeded;
  if (outcome == TransferOutcome::Cancelled) std::fprintf(stderr, "Cancelled.\n");
  return run;
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
    std::fprintf(stderr, "lumora: warning: cannot open the communication log %s: %s\n", path.c_str(),
                 scope->Error().c_str());
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

int TargetFromOption(const std::string& text) {
  if (text.empty() || text == "project") return kTargetWriteProject;
  if (text == "multiplexer") return kTargetMultiplexer;
  if (text.size() == 6 && text.compare(0, 5, "panel") == 0 && text[5] >= '1' && text[5] <= '5')
    return text[5] - '1';
  return -2;
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
  int target = TargetFromOption(args.Value("--target"));
  if (target == -2) {
    std::fprintf(stderr, "lumora: --target takes panel1..panel5, multiplexer or project\n");
    return kExitUsage;
  }
  TQMProject project;
  if (!LoadForTransfer(session, args.positional[0], project)) return kExitFailed;
  auto log = OpenLog(session, true);
  if (!CheckWritable(session, project)) return kExitFailed;
  ApplyLinkSpeed(project);
  ConsoleSink sink(kOperationWrite);
  TransferContext context(&project, kOperationWrite, &session.Ui(), &sink);
  context.portName = PortName(session);
  context.selectedTarget = target;
  context.directConnection = target <= 4 && args.Has("--direct");
  TransferRun run = RunWithConsole(context, sink);
  if (!run.succeeded) return kExitFailed;
  std::printf("%s\n", SuccessText(kStepWriteFinished, project.IsMultiPanel()).c_str());
  return kExitOk;
}

// Reads the connected unit into `project` (a fresh project with one QM210 record).
bool ReadFromPanel(Session& session, TQMProject& project) {
  PrepareReadTarget(project, {&session.Ui(), &session.Plc()});
  ConsoleSink sink(kOperationRead);
  TransferContext context(&project, kOperationRead, &session.Ui(), &sink);
  context.portName = PortName(session);
  return RunWithConsole(context, sink).succeeded && ReadSucceeded(context, project);
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
  TQMProject project;
  if (!ReadFromPanel(session, project)) return kExitFailed;
  project.multiplexer.selectedPort = 1;
  std::string error;
  if (!SaveProjectFile(project, args.positional[0], &error)) {
    std::fprintf(stderr, "%s: %s\n", args.positional[0].c_str(), error.c_str());
    return kExitFailed;
  }
  std::printf("%s\n", SuccessText(kStepReadFinished, project.IsMultiPanel()).c_str());
  return kExitOk;
}

int Verify(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("verify"), kExitUsage;
  TQMProject onPc;
  if (!LoadForTransfer(session, args.positional[0], onPc)) return kExitFailed;
  ApplyLinkSpeed(onPc);
  if (onPc.IsMultiPanel()) {
    ConsoleSink sink(kOperationRead);
    TQMProject working(onPc);
    TransferContext context(&working, kOperationRead, &session.Ui(), &sink);
    context.portName = PortName(session);
    if (!CheckMultiplexerSetup(context)) return kExitFailed;
  }
  auto log = OpenLog(session, true);
  TQMProject read;
  if (!ReadFromPanel(session, read)) return kExitFailed;
  VerifyResult result = CompareWithPanel(onPc, read);
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
    ConnectionTestResult result = RunConnectionTest(PortName(session), session.Ui());
    if (!result.unit) {
      std::fprintf(stderr, "%s\n", result.errorText.c_str());
      if (!result.hint.empty()) std::fprintf(stderr, "%s\n", result.hint.c_str());
      return kExitFailed;
    }
    PrintInformation(*result.unit);
    return kExitOk;
  }
  TQMProject project;
  if (!LoadForTransfer(session, projectPath, project)) return kExitFailed;
  ConsoleSink sink(kOperationRead);
  TransferContext context(&project, kOperationRead, &session.Ui(), &sink);
  context.portName = PortName(session);
  std::optional<UnitInformation> info = QueryUnitInformation(context);
  if (!info) return kExitFailed;
  PrintInformation(*info);
  return kExitOk;
}

int Clear(Session& session) {
  const Arguments& args = session.Args();
  if (!args.positional.empty()) return PrintUsage("clear"), kExitUsage;
  TQMProject project;
  if (!LoadOptionalProject(session, project)) return kExitFailed;
  auto log = OpenLog(session, false);
  ConsoleSink sink(kOperationWrite);
  TransferContext context(&project, kOperationWrite, &session.Ui(), &sink);
  context.portName = PortName(session);
  session.Ui().quiet = true;
  bool cleared = ClearPanelMemory(context);
  return cleared ? kExitOk : kExitFailed;
}

int Firmware(Session& session) {
  const Arguments& args = session.Args();
  if (args.positional.size() != 1) return PrintUsage("firmware"), kExitUsage;
  TQMProject project;
  if (!LoadOptionalProject(session, project)) return kExitFailed;
  bool multiplexer = args.Has("--multiplexer");
  auto log = OpenLog(session, true);
  ApplyLinkSpeed(project, multiplexer);
  int operation = multiplexer ? kOperationMultiplexerFirmware : kOperationPanelFirmware;
  ConsoleSink sink(operation);
  TransferContext context(&project, operation, &session.Ui(), &sink);
  context.portName = PortName(session);
  context.filePath = args.positional[0];
  TransferRun run = RunWithConsole(context, sink);
  if (!run.succeeded) return kExitFailed;
  std::printf("%s\n", context.StatusText().c_str());
  return kExitOk;
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

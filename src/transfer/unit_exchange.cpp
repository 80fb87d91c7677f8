// The worker thread's life: start, cooperative cancel, the release of waiting prompts, the join, and
// the outcome handed back.

#include "transfer/unit_exchange.h"

#include <utility>

#include "model/interaction.h"
#include "model/project.h"
#include "model/project_file.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"
#include "transfer/project_helper.h"
#include "transfer/transfer_texts.h"

namespace lumora {

// Passes every event on to the context's own sink and keeps the errors for the outcome. Called on the
// worker only.
class UnitExchange::ErrorSink : public TransferSink {
 public:
  ErrorSink(TransferSink* next, ExchangeOutcome& outcome) : next_(next), outcome_(outcome) {}
  void Post(const TransferEvent& event) override {
    if (event.message == TransferMessage::Error) {
      outcome_.errors.push_back(event.hint.empty() ? event.statusText : event.statusText + "\n\n" + event.hint);
    }
    if (next_) next_->Post(event);
  }
  TransferSink* Next() const { return next_; }

 private:
  TransferSink* next_;
  ExchangeOutcome& outcome_;
};

void RunTransfer(TransferContext& context) {
  TQMProjectHelper helper(context);
  switch (context.operation) {
    case TransferOperation::Write:
      helper.WriteEntry();
      break;
    case TransferOperation::Read:
      helper.ReadEntry();
      break;
    case TransferOperation::PanelFirmware:
      helper.PanelFirmware();
      break;
    case TransferOperation::MultiplexerFirmware:
      helper.MultiplexerFirmware();
      break;
  }
}

namespace {

// The unit a write or read addressed, as the panel history names it.
std::string HistoryTarget(const TransferContext& context, const TQMProject& project) {
  if (!project.IsMultiPanel()) return "Panel";
  if (context.operation == TransferOperation::Read) return "Whole project";
  if (IsPanelTarget(context.selectedTarget)) return "Panel " + std::to_string(PortOf(context.selectedTarget));
  return context.selectedTarget == TransferTarget::Multiplexer ? "Multiplexer" : "Whole project";
}

// Every write and read that reached its end keeps the project that went over the wire; a history that
// cannot keep it is a warning, never a failure of the transfer. A read made before a write was asked for
// by the user: with no folder to keep it in, that is said too.
void KeepInHistory(const TransferContext& context, const TQMProject& project, ExchangeOutcome& outcome) {
  if (context.history.folder.empty() && !context.readBeforeWrite) return;
  PanelHistoryEntry entry;
  entry.operation = context.operation == TransferOperation::Write ? "write" : "read";
  if (context.readBeforeWrite) entry.operation = kBeforeWriteOperation;
  entry.target = HistoryTarget(context, project);
  entry.port = context.portName;
  entry.model = context.unitModel;
  entry.firmware = context.unitFirmware;
  entry.projectName = context.history.projectName.empty() ? project.fileName : context.history.projectName;
  PanelHistory history(context.history.folder);
  history.Add(entry, ProjectFileText(project), context.history.limit, outcome.warnings);
}

void PostStatus(TransferSink* sink, const std::string& text, int percent) {
  if (!sink) return;
  TransferEvent event;
  event.step = kStepStatusText;
  event.percent = percent;
  event.statusText = text;
  sink->Post(event);
}

// Shows the read made before a write in the write's progress: its steps become the status line, as the
// checklist is the write's; errors and the unit addressed go on as they are.
class BeforeWriteSink : public TransferSink {
 public:
  explicit BeforeWriteSink(TransferSink* next) : next_(next) {}
  void Post(const TransferEvent& event) override {
    if (!next_) return;
    if (event.message != TransferMessage::Progress) return next_->Post(event);
    if (event.step == kStepStatusText) {
      detail_ = event.statusText;
    } else if (std::optional<ChecklistLine> line = StepEffectOf(event.step).enable) {
      std::string text = ChecklistTexts(TransferOperation::Read)[static_cast<size_t>(*line)];
      if (!text.empty()) detail_ = text;
    }
    PostStatus(next_, translate("Core", kReadingBeforeWriteText) + (detail_.empty() ? "..." : ": " + detail_),
               event.percent);
  }

 private:
  TransferSink* next_;
  std::string detail_;
};

// Reads what the unit (a panel, or the multiplexer system) holds into a project of its own and keeps it
// in the panel history as "before write". False when the read failed or was cancelled, its error
// reported as a read's: the write must not start, and nothing was sent that changes the unit. When
// nothing can be kept, the write's context and its progress say why.
bool ReadBeforeWrite(TransferContext& context, ExchangeOutcome& outcome, const std::atomic<bool>* cancel) {
  context.nothingKeptText = nullptr;
  // A write the project holds nothing for is refused before a byte is sent: no read for it either.
  if (NothingToWriteText(*context.project, context.selectedTarget)) return true;
  auto nothingKept = [&context](const char* why) {
    context.nothingKeptText = why;
    PostStatus(context.sink, translate("Core", why), 0);
    return true;
  };
  if (context.project->IsMultiPanel() && IsPanelTarget(context.selectedTarget) && context.directConnection)
    return nothingKept(kDirectPanelNotKeptText);
  TQMProject previous;
  PrepareReadTarget(previous, context.project->services);
  BeforeWriteSink sink(context.sink);
  TransferContext read(&previous, TransferOperation::Read, context.interaction, &sink);
  read.portName = context.portName;
  read.history = context.history;
  read.readBeforeWrite = true;
  read.WatchCancel(cancel);
  size_t errors = outcome.errors.size();
  PostStatus(context.sink, translate("Core", kReadingBeforeWriteText) + "...", 0);
  RunTransfer(read);
  if (read.CancelRequested() || outcome.errors.size() != errors) return false;
  if (read.heldNoProject || (read.finished && previous.panels.empty()))
    return nothingKept(kNothingKeptBeforeWriteText);
  if (!read.finished || read.step != kStepReadFinished) return false;
  // Kept as a read keeps it: every caller selects port 1 of a project read.
  previous.multiplexer.selectedPort = 1;
  KeepInHistory(read, previous, outcome);
  return true;
}

}  // namespace

namespace short_exchange {

bool ConnectedUnit(TransferContext& context, ExchangeOutcome& outcome) {
  outcome.unit = QueryUnitInformation(context);
  return outcome.unit.has_value();
}

bool SelectedPanel(TransferContext& context, ExchangeOutcome& outcome) {
  if (!context.project || !context.project->IsMultiPanel()) return ConnectedUnit(context, outcome);
  outcome.unit = QuerySelectedPanelInformation(context);
  return outcome.unit.has_value();
}

bool ClearMemory(TransferContext& context, ExchangeOutcome&) {
  return ClearPanelMemory(context);
}

bool MultiplexerCheck(TransferContext& context, ExchangeOutcome&) {
  return CheckMultiplexerSetup(context);
}

bool ConnectionTest(TransferContext& context, ExchangeOutcome& outcome) {
  static SilentInteraction silent;
  ConnectionTestResult result =
      RunConnectionTest(context.portName, context.interaction ? *context.interaction : silent);
  outcome.unit = result.unit;
  outcome.text = result.errorText;
  outcome.hint = result.hint;
  return result.unit.has_value();
}

}  // namespace short_exchange

UnitExchange::UnitExchange(TransferContext& context, std::function<void()> releasePrompts)
    : context_(context),
      releasePrompts_(std::move(releasePrompts)),
      sink_(std::make_unique<ErrorSink>(context.sink, outcome_)) {
  context_.sink = sink_.get();
  context_.WatchCancel(&cancel_);
  startPort_ = context_.project ? context_.project->multiplexer.selectedPort : 0;
}

UnitExchange::~UnitExchange() {
  Cancel();
  context_.sink = sink_->Next();
  context_.WatchCancel(nullptr);
}

bool UnitExchange::Start() {
  return Start([this](TransferContext& context, ExchangeOutcome& outcome) {
    if (context.operation == TransferOperation::Write && context.keepPrevious &&
        !ReadBeforeWrite(context, outcome, &cancel_))
      return false;
    RunTransfer(context);
    const TQMProject* project = context.project;
    bool multiplexerProject = project && project->IsMultiPanel();
    // Only a read or write that reached its end counts (the finished flag is also set after a shown
    // error); a firmware upgrade sets it at its end only.
    bool succeeded = context.finished && outcome.errors.empty();
    switch (context.operation) {
      case TransferOperation::Write:
        succeeded = succeeded && context.step == kStepWriteFinished;
        if (succeeded) {
          outcome.text = SuccessText(kStepWriteFinished, multiplexerProject);
          if (const char* note = context.nothingKeptText)
            outcome.text = translate("Core", note) + "\n" + outcome.text;
          KeepInHistory(context, *project, outcome);
        }
        break;
      case TransferOperation::Read:
        succeeded = succeeded && context.step == kStepReadFinished && project && !project->panels.empty();
        if (succeeded) {
          outcome.text = SuccessText(kStepReadFinished, multiplexerProject);
          outcome.readProject = std::make_unique<TQMProject>(*project);
          // Kept as it is saved: every caller selects port 1 of a project read.
          int selected = std::exchange(context.project->multiplexer.selectedPort, 1);
          KeepInHistory(context, *context.project, outcome);
          context.project->multiplexer.selectedPort = selected;
        }
        break;
      case TransferOperation::PanelFirmware:
      case TransferOperation::MultiplexerFirmware:
        if (succeeded) outcome.text = context.StatusText();
        break;
    }
    return succeeded;
  });
}

bool UnitExchange::Start(Work work) {
  if (running_.load()) return false;
  if (workerThread.joinable()) workerThread.join();
  cancel_ = false;
  context_.finished = false;
  outcome_ = ExchangeOutcome();
  running_ = true;
  workerThread = std::thread([this, work = std::move(work)] { Finish(work(context_, outcome_)); });
  return true;
}

void UnitExchange::Finish(bool succeeded) {
  // A worker that reached its end succeeded, even when a cancel came after that.
  if (succeeded) {
    outcome_.result = TransferOutcome::Succeeded;
  } else if (cancel_.load() && outcome_.errors.empty()) {
    outcome_.result = TransferOutcome::Cancelled;
  } else {
    outcome_.result = TransferOutcome::Failed;
  }
  if (context_.project && context_.project->multiplexer.selectedPort != startPort_)
    outcome_.selectedPort = context_.project->multiplexer.selectedPort;
  std::lock_guard lock(endedMutex_);
  running_ = false;
  if (ended_) ended_();
}

void UnitExchange::WhenEnded(std::function<void()> ended) {
  std::lock_guard lock(endedMutex_);
  ended_ = std::move(ended);
  if (ended_ && !running_.load()) ended_();
}

void UnitExchange::Join() {
  if (workerThread.joinable()) workerThread.join();
}

void UnitExchange::Cancel() {
  RequestCancel();
  if (releasePrompts_) releasePrompts_();
  Join();
}

ExchangeOutcome UnitExchange::TakeOutcome() {
  Join();
  ExchangeOutcome outcome = std::move(outcome_);
  outcome_ = ExchangeOutcome();
  return outcome;
}

ExchangeOutcome UnitExchange::Run(Work work) {
  if (!Start(std::move(work))) return ExchangeOutcome();
  return TakeOutcome();
}

ExchangeOutcome UnitExchange::Run() {
  if (!Start()) return ExchangeOutcome();
  return TakeOutcome();
}

}  // namespace lumora

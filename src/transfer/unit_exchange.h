#pragma once
// UnitExchange: the one way an exchange with a unit runs, long (a write, a read, a firmware upgrade) or
// short (information, clearing the memory, a multiplexer check, the connection test). It owns the worker
// thread, the cancel flag, the release of prompts still waiting for the starting thread, and the join,
// and hands back an outcome that the starting thread applies: the worker never touches what the user
// sees or edits.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/project.h"
#include "transfer/transfer_context.h"
#include "transfer/unit_information.h"

namespace lumora {

enum class TransferOutcome { Succeeded, Failed, Cancelled };

// What an exchange hands back once its worker has ended.
struct ExchangeOutcome {
  TransferOutcome result = TransferOutcome::Failed;
  // The selected port the context's project ended with, when it differs from the one it had when the
  // exchange was made (a write of a single panel selects port 1; everything else leaves the port as it
  // was).
  std::optional<int> selectedPort;
  // A read that reached its end: a copy of the project read.
  std::unique_ptr<TQMProject> readProject;
  // What a unit said about itself.
  std::optional<UnitInformation> unit;
  // The text to show once the exchange has ended: the success message of a write or read, the last
  // status of a firmware upgrade, or why a connection test found nothing (with `hint` on a port that
  // could not be opened).
  std::string text;
  std::string hint;
  // The errors the worker reported, in order, each with its hint on the next paragraph.
  std::vector<std::string> errors;
  // What went wrong beside the exchange (the panel history could not keep it), shown as warnings; the
  // result stays what it is.
  std::vector<std::string> warnings;

  bool Succeeded() const { return result == TransferOutcome::Succeeded; }
};

class UnitExchange {
 public:
  // The worker's body. It runs against the context and may fill the outcome's `unit`, `text` and `hint`
  // and its own `result`; it returns whether it succeeded.
  using Work = std::function<bool(TransferContext& context, ExchangeOutcome& outcome)>;

  // `context` must outlive the exchange. `releasePrompts`, when given, makes every prompt the worker is
  // waiting on (or makes later) return at once; it is called before a join that follows a cancel, so a
  // worker never waits for an answer from the thread that waits for it.
  explicit UnitExchange(TransferContext& context, std::function<void()> releasePrompts = {});
  // Cancels, releases the prompts and joins.
  ~UnitExchange();
  UnitExchange(const UnitExchange&) = delete;
  UnitExchange& operator=(const UnitExchange&) = delete;

  // Runs the context's operation (write, read, firmware upgrade) on the worker. A write with
  // `keepPrevious` first reads the unit's project and keeps it in the panel history as "before write"; a
  // read that fails ends the exchange there. Why nothing could be kept (a unit that holds no project) is
  // noted: the context's `nothingKeptText`, a line before the outcome's text.
  bool Start();
  // Runs `work` on the worker. False while a worker still runs; a worker that has ended is joined first.
  bool Start(Work work);
  // `ended` is the worker's last act (on its thread), or is called at once when no worker runs. Set it
  // before waiting; clear it once done.
  void WhenEnded(std::function<void()> ended);

  bool Running() const { return running_.load(); }
  // Asks the worker to stop; lock-free (a signal handler may call it).
  void RequestCancel() { cancel_.store(true); }
  bool CancelRequested() const { return cancel_.load(); }
  // Waits until the worker has ended; its prompts are answered as usual meanwhile.
  void Join();
  // Asks the worker to stop, releases its prompts and joins it.
  void Cancel();

  // After the worker has ended: the outcome of the last run (once; later calls get an empty outcome).
  ExchangeOutcome TakeOutcome();
  // Runs `work` (or the operation) to its end on the worker and returns its outcome; for a caller that
  // may block meanwhile (the command line, tests).
  ExchangeOutcome Run(Work work);
  ExchangeOutcome Run();

  TransferContext& Context() { return context_; }

 private:
  class ErrorSink;

  void Finish(bool succeeded);

  TransferContext& context_;
  std::function<void()> releasePrompts_;
  std::unique_ptr<ErrorSink> sink_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> running_{false};
  std::mutex endedMutex_;
  std::function<void()> ended_;
  int startPort_ = 0;
  ExchangeOutcome outcome_;
  std::thread workerThread;
};

// The short exchanges as bodies for UnitExchange::Start and Run, written once for every caller (the
// queries themselves are in panel_information.h and transfer_texts.h).
namespace short_exchange {
// What the connected panel (single-panel project) or multiplexer (multiplexer project) is.
bool ConnectedUnit(TransferContext& context, ExchangeOutcome& outcome);
// The selected panel, through the multiplexer in a multiplexer project.
bool SelectedPanel(TransferContext& context, ExchangeOutcome& outcome);
// Clears the one panel, or the multiplexer and every panel behind it.
bool ClearMemory(TransferContext& context, ExchangeOutcome& outcome);
// The multiplexer and the panels behind it are the configured ones.
bool MultiplexerCheck(TransferContext& context, ExchangeOutcome& outcome);
// Whatever answers on the context's port, without a project: a panel, else a multiplexer; the outcome's
// text (and hint) say why nothing was found.
bool ConnectionTest(TransferContext& context, ExchangeOutcome& outcome);
}  // namespace short_exchange

// The body of the context's operation, run on the calling thread (the worker's body; tests may use it
// directly).
void RunTransfer(TransferContext& context);

}  // namespace lumora

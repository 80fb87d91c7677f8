#pragma once
// The state a transfer shares between its progress display and the worker thread, and the events the
// worker posts. The worker never touches a window: it posts events to a sink, each carrying its data.
// The thread, the cancel flag and the join belong to the exchange that runs the context (unit_exchange.h).

#include <atomic>
#include <mutex>
#include <string>

#include "transfer/panel_history.h"

namespace lumora {

class Interaction;
class TQMProject;

enum class TransferOperation { Write, Read, PanelFirmware, MultiplexerFirmware };

inline bool IsFirmware(TransferOperation operation) {
  return operation == TransferOperation::PanelFirmware || operation == TransferOperation::MultiplexerFirmware;
}

// The checklist steps the worker posts for write and read operations.
enum TransferStep : int {
  kStepClearStart = 1,
  kStepCleared = 2,
  kStepSysAttrStart = 3,
  kStepSysAttrSent = 4,
  kStepPlcAttrStart = 5,
  kStepPlcAttrDone = 6,
  kStepMapStart = 7,
  kStepMapDone = 8,
  kStepDriverStart = 9,
  kStepDriverSent = 10,
  kStepMessagesStart = 11,
  kStepMessagesDone = 12,
  kStepReadSysAttrStart = 13,
  kStepReadMessagesStart = 14,
  kStepReadPlcAttrStart = 15,
  kStepReadPlcAttrDone = 16,
  kStepStatusText = 17,
  kStepUnitFinished = 18,
  kStepWriteFinished = 19,
  kStepReadFinished = 20,
  kStepReadTagsStart = 21,
};

// The worker's messages (the numbers the progress dialog has always known them by).
enum class TransferMessage : int { Progress = 0x408, Error = 0x409, Cancel = 0x40A, Target = 0x40E };

struct TransferEvent {
  TransferMessage message = TransferMessage::Progress;
  int step = 0;
  int percent = 0;
  std::string statusText;
  bool finished = false;
  int targetPanelType = 0;
  int targetPort = 0;
  // For an error that comes from opening the serial port: one line on what to do about it.
  std::string hint;
  // The worker showed this error's text in a message box of its own just before (a console need not
  // print it twice).
  bool alreadyShown = false;
};

class TransferSink {
 public:
  virtual ~TransferSink() = default;
  // Called on the worker thread; an implementation hands the event on (never waits for a window).
  virtual void Post(const TransferEvent& event) = 0;
};

// The unit a multi-panel transfer addresses, as the dialog's radio buttons offer it: "Panel 1".."Panel 5"
// (their ids in the button group are the values), "Multiplexer", "Write Project", or nothing chosen.
enum class TransferTarget : int {
  None = -1,
  Panel1 = 0,
  Panel2,
  Panel3,
  Panel4,
  Panel5,
  Multiplexer,
  WriteProject,
};

inline bool IsPanelTarget(TransferTarget target) {
  return target >= TransferTarget::Panel1 && target <= TransferTarget::Panel5;
}
// The multiplexer port of "Panel n" (n); 0 for any other target.
inline int PortOf(TransferTarget target) {
  return IsPanelTarget(target) ? static_cast<int>(target) + 1 : 0;
}
// "Panel n" for port n (1..5); None for any other port.
inline TransferTarget PanelTargetOf(int port) {
  return port >= 1 && port <= 5 ? static_cast<TransferTarget>(port - 1) : TransferTarget::None;
}

struct TransferContext {
  TransferContext(TQMProject* transferProject, TransferOperation transferOperation, Interaction* prompts,
                  TransferSink* events)
      : operation(transferOperation), project(transferProject), interaction(prompts), sink(events) {}
  TransferContext(const TransferContext&) = delete;
  TransferContext& operator=(const TransferContext&) = delete;

  void SetStatusText(const std::string& text) {
    std::lock_guard lock(statusMutex);
    statusText = text;
  }
  std::string StatusText() const {
    std::lock_guard lock(statusMutex);
    return statusText;
  }

  // Whether whoever runs the context asked it to stop. The flag belongs to the exchange running it; a
  // context run without one is never cancelled.
  bool CancelRequested() const { return cancel_ != nullptr && cancel_->load(); }
  void WatchCancel(const std::atomic<bool>* flag) { cancel_ = flag; }

  std::atomic<int> targetPanelType{0};
  std::atomic<int> targetPort{0};
  const TransferOperation operation;
  std::atomic<int> step{0};
  std::atomic<int> percent{0};
  TQMProject* project;
  std::string filePath;
  std::string portName;
  // The user's choice of unit and whether a panel is connected directly, copied by the worker.
  TransferTarget selectedTarget = TransferTarget::None;
  bool directConnection = false;
  Interaction* interaction;
  TransferSink* sink;
  std::atomic<bool> finished{false};
  // Where a write or read that succeeds is kept; the default keeps nothing.
  HistoryOptions history;
  // A write that first reads what the unit holds and keeps it in the history as "before write"; a read
  // that fails stops it before anything is sent (unit_exchange.h).
  bool keepPrevious = false;
  // Set on the read made for that: a unit that holds no project ends it without an error, and a panel
  // behind a multiplexer that holds none is left out of the project read.
  bool readBeforeWrite = false;
  // That read found no project (the worker's own).
  bool heldNoProject = false;
  // On the write's context: why nothing was kept before it (one of the texts in transfer_texts.h), or
  // null. Written by the worker before the write begins.
  std::atomic<const char*> nothingKeptText{nullptr};
  // The model and firmware revision of the first unit a write or read talked to (the multiplexer of a
  // system, else the panel); empty until it answered. Written by the worker.
  std::string unitModel;
  std::string unitFirmware;

 private:
  const std::atomic<bool>* cancel_ = nullptr;
  mutable std::mutex statusMutex;
  std::string statusText;
};

}  // namespace lumora

#pragma once
// The state a transfer shares between its progress display and the worker thread, and the events the
// worker posts. The worker never touches a window: it posts events to a sink, each carrying its data.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace lumora {

class Interaction;
class TQMProject;

enum TransferOperation : int {
  kOperationWrite = 0,
  kOperationRead = 1,
  kOperationPanelFirmware = 2,
  kOperationMultiplexerFirmware = 3,
};

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

// "Panel 1".."Panel 5" are 0..4; "Multiplexer" 5; "Write Project" 6; -1 when nothing was chosen.
inline constexpr int kTargetNone = -1;
inline constexpr int kTargetMultiplexer = 5;
inline constexpr int kTargetWriteProject = 6;

struct TransferContext {
  TransferContext(TQMProject* transferProject, int transferOperation, Interaction* prompts,
                  TransferSink* events)
      : operation(transferOperation), project(transferProject), interaction(prompts), sink(events) {}
  ~TransferContext() {
    if (workerThread.joinable()) workerThread.join();
  }
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

  std::atomic<int> targetPanelType{0};
  std::atomic<int> targetPort{0};
  const int operation;
  std::atomic<int> step{0};
  std::atomic<int> percent{0};
  TQMProject* project;
  std::string filePath;
  std::string portName;
  // The user's choice of unit and whether a panel is connected directly, copied by the worker.
  int selectedTarget = kTargetNone;
  bool directConnection = false;
  Interaction* interaction;
  TransferSink* sink;
  std::atomic<bool> cancelRequested{false};
  std::atomic<bool> finished{false};
  std::atomic<bool> workerRunning{false};
  std::thread workerThread;

 private:
  mutable std::mutex statusMutex;
  std::string statusText;
};

}  // namespace lumora

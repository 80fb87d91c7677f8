// The worker thread's life: start, cooperative cancel, and the dispatch to the operation's sequence.

#include "transfer/transfer_worker.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/file_io.h"
#include "transfer/project_helper.h"

namespace lumora {

bool StartTransfer(TransferContext& context, std::function<void()> onEnded) {
  if (context.workerRunning.load()) return false;
  if (context.workerThread.joinable()) context.workerThread.join();
  context.cancelRequested = false;
  context.finished = false;
  context.workerRunning = true;
  context.workerThread = std::thread([&context, onEnded = std::move(onEnded)] {
    RunTransfer(context);
    context.workerRunning = false;
    if (onEnded) onEnded();
  });
  return true;
}

void CancelTransfer(TransferContext& context) {
  context.cancelRequested = true;
  if (context.workerThread.joinable()) context.workerThread.join();
}

void RunTransfer(TransferContext& context) {
  TQMProjectHelper helper(context);
  switch (context.operation) {
    case kOperationWrite:
      helper.WriteEntry();
      break;
    case kOperationRead:
      helper.ReadEntry();
      break;
    case kOperationPanelFirmware:
      helper.PanelFirmware();
      break;
    case kOperationMultiplexerFirmware:
      helper.MultiplexerFirmware();
      break;
    default:
      break;
  }
}

TQMProjectHelper::TQMProjectHelper(TransferContext& context) : context_(context), report_(context) {
  // The user's choices are copied once; a panel behind a multiplexer is never "direct" for a unit
  // that is not a panel.
  selectedTarget_ = context_.selectedTarget;
  directConnection_ = context_.selectedTarget > 4 ? false : context_.directConnection;
}

TQMProjectHelper::~TQMProjectHelper() = default;

bool ReadTransferFile(const std::string& path, std::string& text, bool& openFailed, std::string& reason) {
  openFailed = false;
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailed = true;
    reason = std::strerror(errno);
    return false;
  }
  ::close(fd);
  return ReadWholeFile(path, text, &reason);
}

}  // namespace lumora

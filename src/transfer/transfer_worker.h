#pragma once
// The transfer worker: the one way to run a context's operation on a thread of its own, and to run it on
// the calling thread.

#include <functional>

#include "transfer/transfer_context.h"

namespace lumora {

// Starts the worker for the context's operation. Returns false when a worker is still running. The
// worker's last act, after `workerRunning` went false, is to call `onEnded` (when given) on its thread.
bool StartTransfer(TransferContext& context, std::function<void()> onEnded = {});
// Sets the cancel flag and waits until the worker has ended.
void CancelTransfer(TransferContext& context);
// The worker's body, run on the calling thread (the CLI and tests may use it directly).
void RunTransfer(TransferContext& context);

}  // namespace lumora

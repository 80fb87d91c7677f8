#pragma once
// How a running transfer tells its progress dialog what happens: checklist steps, percentages, status
// lines, the unit being worked on and errors, each as an event on the context's sink.

#include <cstdint>
#include <string>

#include "transfer/transfer_context.h"

namespace lumora {

class Interaction;

class ProgressReporter {
 public:
  explicit ProgressReporter(TransferContext& context) : context_(context) {}

  void Step(int step);
  void Progress();
  void Status(const std::string& text);
  void Target(int panelType, int port);
  // "ERROR On COM Port. " or "ERROR On Port n. " followed by `text`. `alreadyShown` tells that the
  // worker has just shown the same text in a message box of its own.
  void Error(const std::string& text, bool alreadyShown = false);
  // An error shown as it is (a port that cannot be opened, a file that cannot be read).
  void PlainError(const std::string& text, const std::string& hint = "", bool alreadyShown = false);
  // Percent 100, the finished flag and the final step.
  void Finish(int step);

  bool Cancelled() const { return context_.CancelRequested(); }
  void SetPercent(int percent) { context_.percent = percent; }
  int Percent() const { return context_.percent; }
  void SetStatusText(const std::string& text) { context_.SetStatusText(text); }
  void SetTargetPort(int port) { context_.targetPort = port; }

  // Byte counting for the progress bar of a write.
  void StartCounting(int64_t totalBytes);
  void CountSent(int64_t bytes);

  TransferContext& Context() { return context_; }
  Interaction& Ui();

 private:
  TransferContext& context_;
  int64_t totalBytes_ = 0;
  int64_t sentBytes_ = 0;
};

}  // namespace lumora

#include "transfer/progress_reporter.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "model/interaction.h"
#include "model/translation.h"

namespace lumora {

Interaction& ProgressReporter::Ui() {
  static SilentInteraction silent;
  return context_.interaction ? *context_.interaction : silent;
}

void ProgressReporter::Progress() {
  TransferEvent event;
  event.message = TransferMessage::Progress;
  event.step = context_.step;
  event.percent = context_.percent;
  event.statusText = context_.StatusText();
  event.finished = context_.finished;
  event.targetPanelType = context_.targetPanelType;
  event.targetPort = context_.targetPort;
  if (context_.sink) context_.sink->Post(event);
}

void ProgressReporter::Step(int step) {
  if (Cancelled()) return;
  context_.step = step;
  Progress();
}

void ProgressReporter::Status(const std::string& text) {
  context_.SetStatusText(text);
  Progress();
}

void ProgressReporter::Target(int panelType, int port) {
  if (Cancelled()) return;
  context_.targetPanelType = panelType;
  context_.targetPort = port;
  TransferEvent event;
  event.message = TransferMessage::Target;
  event.targetPanelType = panelType;
  event.targetPort = port;
  event.percent = context_.percent;
  if (context_.sink) context_.sink->Post(event);
}

void ProgressReporter::PlainError(const std::string& text, const std::string& hint, bool alreadyShown) {
  context_.SetStatusText(text);
  TransferEvent event;
  event.message = TransferMessage::Error;
  event.statusText = text;
  event.hint = hint;
  event.alreadyShown = alreadyShown;
  event.percent = context_.percent;
  event.targetPanelType = context_.targetPanelType;
  event.targetPort = context_.targetPort;
  if (context_.sink) context_.sink->Post(event);
}

void ProgressReporter::Error(const std::string& text, bool alreadyShown) {
  int port = context_.targetPort;
  // The port's number first, the text (which may hold a file's name) last.
  PlainError(port == 0 ? Arg(translate("Core", "ERROR On COM Port. %1"), text)
                       : Arg(Arg(translate("Core", "ERROR On Port %1. %2"), port), text),
             "", alreadyShown);
}

void ProgressReporter::Finish(int step) {
  context_.percent = 100;
  context_.finished = true;
  // Lets the dialog show the full bar before the final message.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  context_.step = step;
  Progress();
}

void ProgressReporter::StartCounting(int64_t totalBytes) {
  totalBytes_ = totalBytes;
  sentBytes_ = 0;
}

void ProgressReporter::CountSent(int64_t bytes) {
  sentBytes_ += bytes;
  if (totalBytes_ > 0)
    context_.percent = static_cast<int>(std::min<int64_t>(100, sentBytes_ * 100 / totalBytes_));
}

}  // namespace lumora

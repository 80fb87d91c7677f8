#pragma once
// DeferredInteraction: the message boxes of a thread that must not wait for the user-interface thread.

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "model/interaction.h"

namespace lumora::gui {

// What the discovery thread has to say. It never waits for the user-interface thread (which may be
// joining it): the messages are kept and shown on the user-interface thread, as soon as its event loop
// runs or once the thread has been joined, whichever comes first.
class DeferredInteraction : public Interaction {
 public:
  explicit DeferredInteraction(Interaction& shown) : shown_(shown) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
             Answer defaultAnswer) override;
  std::optional<std::string> PromptOpenFile(const FilePrompt&) override { return std::nullopt; }
  std::optional<std::string> PromptSaveFile(const FilePrompt&) override { return std::nullopt; }
  // Shows the kept messages, each once. User-interface thread only.
  void ShowKept();

 private:
  struct Kept {
    std::string text;
    std::string caption;
    MessageIcon icon;
  };
  Interaction& shown_;
  std::mutex mutex_;
  std::vector<Kept> kept_;
};

}  // namespace lumora::gui

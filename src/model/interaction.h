#pragma once
// The one way core code talks to the person at the keyboard: message boxes, questions and file prompts.
// The GUI, the command-line tool and the tests each provide an implementation.

#include <optional>
#include <string>

namespace lumora {

enum class MessageIcon { None, Information, Warning, Error, Question, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A file prompt. `filter` uses the classic "Text (*.x)|*.x|All Files (*.*)|*.*||" form.
struct FilePrompt {
  std::string title;
  std::string filter;
  std::string defaultExtension;  // without the dot, e.g. "lmx"
  std::string defaultName;
  std::string startFolder;
  bool overwritePrompt = false;
};

class Interaction {
 public:
  virtual ~Interaction() = default;

  // An empty caption means the application title.
  virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  virtual Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                     MessageIcon icon, Answer defaultAnswer) = 0;
  virtual std::optional<std::string> PromptOpenFile(const FilePrompt& prompt) = 0;
  virtual std::optional<std::string> PromptSaveFile(const FilePrompt& prompt) = 0;
};

// Answers nothing and shows nothing: questions get their default answer, prompts are cancelled.
class SilentInteraction : public Interaction {
 public:
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  Answer Ask(const std::string&, const std::string&, MessageButtons, MessageIcon,
             Answer defaultAnswer) override {
    return defaultAnswer;
  }
  std::optional<std::string> PromptOpenFile(const FilePrompt&) override { return std::nullopt; }
  std::optional<std::string> PromptSaveFile(const FilePrompt&) override { return std::nullopt; }
};

inline constexpr const char* kApplicationTitle = "Lumora Write Utility";

}  // namespace lumora

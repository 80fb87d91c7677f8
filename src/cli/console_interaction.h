#pragma once
// Message boxes and questions on a terminal: successes (the information icon) go to stdout, every other
// message to stderr; questions are answered by the command's options, and the answer is printed after the
// question.

#include <optional>
#include <string>

#include "model/interaction.h"

namespace lumora::cli {

class ConsoleInteraction : public Interaction {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
             Answer defaultAnswer) override;
  std::optional<std::string> PromptOpenFile(const FilePrompt& prompt) override;
  std::optional<std::string> PromptSaveFile(const FilePrompt& prompt) override;

  // "Yes" to the backup offer of an old project file, writing the copy here.
  std::optional<std::string> backupPath;
  // "OK" to the missing tag map question, using this map instead.
  std::optional<std::string> mapPath;
  // Answers to other Yes/No questions; unset keeps each question's default.
  std::optional<bool> yes;
  bool quiet = false;
};

}  // namespace lumora::cli

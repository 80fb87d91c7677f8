#include "cli/console_interaction.h"

#include <cstdio>

#include "model/translation.h"

namespace lumora::cli {
namespace {

// Whether `text` is the core's `english` text (in the user's language) with its "%1".. filled in: it
// begins as the translation does up to its first "%".
bool IsText(const std::string& text, const char* english) {
  std::string translated = translate("Core", english);
  return text.rfind(translated.substr(0, translated.find('%')), 0) == 0;
}

const char* AnswerText(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "";
}

}  // namespace

void ConsoleInteraction::ShowMessage(const std::string& text, const std::string&, MessageIcon icon) {
  // A box with the information icon reports a success, which is the command's result.
  FILE* stream = icon == MessageIcon::Information ? stdout : stderr;
  std::fprintf(stream, "%s\n", text.c_str());
  std::fflush(stream);
}

Answer ConsoleInteraction::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                               MessageIcon, Answer defaultAnswer) {
  Answer answer = defaultAnswer;
  if (caption == translate("Core", "Backup Project")) {
    answer = backupPath ? Answer::Yes : Answer::No;
  } else if (IsText(text, "Error T004: Unable to open tag map file : %1\nPlease choose the map file")) {
    answer = mapPath ? Answer::Ok : Answer::Cancel;
  } else if (yes.has_value()) {
    bool okCancel = buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel;
    answer = *yes ? (okCancel ? Answer::Ok : Answer::Yes) : (okCancel ? Answer::Cancel : Answer::No);
  }
  if (!quiet) std::fprintf(stderr, "%s\n-> %s\n", text.c_str(), AnswerText(answer));
  std::fflush(stderr);
  return answer;
}

std::optional<std::string> ConsoleInteraction::PromptOpenFile(const FilePrompt& prompt) {
  if (prompt.title == translate("Core", "Open Tag Map File") && mapPath) return mapPath;
  return std::nullopt;
}

std::optional<std::string> ConsoleInteraction::PromptSaveFile(const FilePrompt& prompt) {
  if (prompt.defaultExtension == "lmx" && backupPath) return backupPath;
  return std::nullopt;
}

}  // namespace lumora::cli

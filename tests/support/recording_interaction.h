#pragma once
// An interaction for tests: records every message and question, answers from scripted queues.

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "model/interaction.h"

namespace lumora::testing {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  bool question;
};

class RecordingInteraction : public Interaction {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    std::lock_guard lock(mutex_);
    messages.push_back({text, caption, icon, false});
  }
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons, MessageIcon icon,
             Answer defaultAnswer) override {
    std::lock_guard lock(mutex_);
    messages.push_back({text, caption, icon, true});
    if (answers.empty()) return defaultAnswer;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> PromptOpenFile(const FilePrompt& prompt) override {
    std::lock_guard lock(mutex_);
    prompts.push_back(prompt);
    if (openFiles.empty()) return std::nullopt;
    auto path = openFiles.front();
    openFiles.pop_front();
    return path;
  }
  std::optional<std::string> PromptSaveFile(const FilePrompt& prompt) override {
    std::lock_guard lock(mutex_);
    prompts.push_back(prompt);
    if (saveFiles.empty()) return std::nullopt;
    auto path = saveFiles.front();
    saveFiles.pop_front();
    return path;
  }

  std::vector<std::string> Texts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const auto& message : messages)
      texts.push_back(message.text);
    return texts;
  }

  std::vector<RecordedMessage> messages;
  std::vector<FilePrompt> prompts;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> openFiles;
  std::deque<std::optional<std::string>> saveFiles;

 private:
  mutable std::mutex mutex_;
};

}  // namespace lumora::testing

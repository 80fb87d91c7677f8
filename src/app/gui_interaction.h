#pragma once
// Message boxes and file prompts for the GUI. Callable from any thread: calls from a worker are carried
// to the user-interface thread and wait there for the answer. Tests install hooks, which answer on the
// user-interface thread in place of the dialog, so they take the same road as a real box.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "model/interaction.h"
#include "report/latin1.h"

namespace lumora::gui {

// A message box. Returns the button pressed. `details`, when given, is offered behind the box's details
// button.
Answer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
                      MessageButtons buttons = MessageButtons::Ok, Answer defaultAnswer = Answer::Ok,
                      const QString& details = QString());
std::optional<QString> AskOpenFile(QWidget* parent, const FilePrompt& prompt);
std::optional<QString> AskSaveFile(QWidget* parent, const FilePrompt& prompt);

// "Lumora Files (*.lmx)|*.lmx|All Files (*.*)|*.*||" as a Qt name filter list.
QString QtFilter(const std::string& filter);

struct MessageBoxRequest {
  QString text;
  QString caption;
  MessageIcon icon;
  MessageButtons buttons;
  Answer defaultAnswer;
  QString details;
};
using MessageBoxHook = std::function<Answer(const MessageBoxRequest&)>;
using FileDialogHook = std::function<std::optional<QString>(const FilePrompt&, bool save)>;
// While set, the hooks answer instead of real dialogs (tests).
void SetMessageBoxHook(MessageBoxHook hook);
void SetFileDialogHook(FileDialogHook hook);

struct PromptGate;

class GuiInteraction : public Interaction {
 public:
  explicit GuiInteraction(QWidget* parent = nullptr);
  ~GuiInteraction() override;
  GuiInteraction(const GuiInteraction&) = delete;
  GuiInteraction& operator=(const GuiInteraction&) = delete;
  // Call on the user-interface thread.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
             Answer defaultAnswer) override;
  std::optional<std::string> PromptOpenFile(const FilePrompt& prompt) override;
  std::optional<std::string> PromptSaveFile(const FilePrompt& prompt) override;

  // From now on, a prompt made from another thread through this object returns at once, as if its box
  // were closed without a button (a file prompt: no file), and so does any such prompt still waiting.
  // Whoever waits for that thread calls this first. Call on the user-interface thread.
  void ReleaseWaiters();

 private:
  QPointer<QWidget> parent_;
  std::shared_ptr<PromptGate> gate_;
};

// Texts of the project file and the panel are single bytes: Latin-1 both ways, whatever the locale
// (FromLatin1, ToLatin1 of report/latin1.h, which every window of the program shares through this header).
// File and folder names as the file system spells them.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace lumora::gui

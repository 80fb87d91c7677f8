#include "app/gui_interaction.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMetaObject>
#include <QStringList>
#include <QTextEdit>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "app/modal_run.h"

namespace lumora::gui {
namespace {

std::mutex gHookMutex;
MessageBoxHook gMessageBoxHook;
FileDialogHook gFileDialogHook;

MessageBoxHook CurrentMessageHook() {
  std::lock_guard lock(gHookMutex);
  return gMessageBoxHook;
}

FileDialogHook CurrentFileHook() {
  std::lock_guard lock(gHookMutex);
  return gFileDialogHook;
}

}  // namespace

// Lets a thread waiting for an answer from the user-interface thread go without one.
struct PromptGate {
  std::mutex mutex;
  std::condition_variable answered;
  bool released = false;
};

namespace {

// Runs `fn` on the user-interface thread and waits for it, or until `gate` is released: then the caller
// gets `withoutAnswer`, and `fn`, should it still run, answers nobody (so it holds what it uses by value).
// Without an application the answer is `withoutApplication`. The caller must not hold up the
// user-interface thread meanwhile (it runs an event loop while any worker may ask).
template <typename Result, typename Fn>
Result OnUiThread(Fn fn, Result withoutApplication, Result withoutAnswer,
                  const std::shared_ptr<PromptGate>& gate) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return withoutApplication;
  if (QThread::currentThread() == app->thread()) return fn();
  struct Pending {
    bool done = false;
    Result result;
  };
  auto pending = std::make_shared<Pending>(Pending{false, withoutAnswer});
  std::shared_ptr<PromptGate> waitOn = gate ? gate : std::make_shared<PromptGate>();
  {
    std::lock_guard lock(waitOn->mutex);
    if (waitOn->released) return withoutAnswer;
  }
  QMetaObject::invokeMethod(
      app,
      [fn = std::move(fn), pending, waitOn]() mutable {
        {
          std::lock_guard lock(waitOn->mutex);
          if (waitOn->released) return;
        }
        Result result = fn();
        std::lock_guard lock(waitOn->mutex);
        pending->result = std::move(result);
        pending->done = true;
        waitOn->answered.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(waitOn->mutex);
  waitOn->answered.wait(lock, [&] { return pending->done || waitOn->released; });
  return pending->done ? pending->result : withoutAnswer;
}

// The answer of a box closed without a button (Escape, or the application closing).
Answer EscapeAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return Answer::Ok;
    case MessageButtons::YesNo:
      return Answer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      return Answer::Cancel;
  }
  return Answer::Cancel;
}

QMessageBox::StandardButton ToButton(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return QMessageBox::Ok;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

Answer FromButton(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Ok;
  }
}

QMessageBox::Icon ToIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

QWidget* ParentFor(QWidget* parent) {
  if (parent) return parent;
  return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

}  // namespace

QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
std::string ToPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

void SetMessageBoxHook(MessageBoxHook hook) {
  std::lock_guard lock(gHookMutex);
  gMessageBoxHook = std::move(hook);
}

void SetFileDialogHook(FileDialogHook hook) {
  std::lock_guard lock(gHookMutex);
  gFileDialogHook = std::move(hook);
}

QString QtFilter(const std::string& filter) {
  QStringList parts = FromLatin1(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (!parts[i].isEmpty()) filters << parts[i];
  }
  return filters.join(";;");
}

namespace {

Answer ShowBox(QPointer<QWidget> parent, const MessageBoxRequest& request,
               const std::shared_ptr<PromptGate>& gate = nullptr) {
  return OnUiThread<Answer>(
      [parent, request] {
        // While the application closes no new box comes up.
        if (ExitPending()) return EscapeAnswer(request.buttons);
        ModalScope scope;
        if (MessageBoxHook hook = CurrentMessageHook()) return hook(request);
        QMessageBox box(ToIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                        ParentFor(parent.data()));
        switch (request.buttons) {
          case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
          case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
          case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
          case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        box.setDefaultButton(ToButton(request.defaultAnswer));
        if (!request.details.isEmpty()) {
          box.setDetailedText(request.details);
          if (auto* details = box.findChild<QTextEdit*>())
            details->setAccessibleName(QCoreApplication::translate("GuiInteraction", "Details"));
        }
        int button = box.exec();
        return box.clickedButton() ? FromButton(button) : EscapeAnswer(request.buttons);
      },
      request.defaultAnswer, EscapeAnswer(request.buttons), gate);
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
                      MessageButtons buttons, Answer defaultAnswer, const QString& details) {
  MessageBoxRequest request{
      text,          caption.isEmpty() ? QString::fromLatin1(kApplicationTitle) : caption,
      icon,          buttons,
      defaultAnswer, details};
  return ShowBox(parent, request);
}

namespace {

std::optional<QString> AskFile(QPointer<QWidget> parent, const FilePrompt& prompt, bool save,
                               const std::shared_ptr<PromptGate>& gate = nullptr) {
  return OnUiThread<std::optional<QString>>(
      [parent, prompt, save]() -> std::optional<QString> {
        if (ExitPending()) return std::nullopt;
        ModalScope scope;
        if (FileDialogHook hook = CurrentFileHook()) return hook(prompt, save);
        QFileDialog dialog(ParentFor(parent.data()), FromLatin1(prompt.title), FromPath(prompt.startFolder),
                           QtFilter(prompt.filter));
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!prompt.defaultExtension.empty()) dialog.setDefaultSuffix(FromLatin1(prompt.defaultExtension));
        if (!prompt.defaultName.empty()) dialog.selectFile(FromPath(prompt.defaultName));
        if (!prompt.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
      },
      std::optional<QString>(), std::optional<QString>(), gate);
}

}  // namespace

std::optional<QString> AskOpenFile(QWidget* parent, const FilePrompt& prompt) {
  return AskFile(parent, prompt, false);
}
std::optional<QString> AskSaveFile(QWidget* parent, const FilePrompt& prompt) {
  return AskFile(parent, prompt, true);
}

GuiInteraction::GuiInteraction(QWidget* parent) : parent_(parent), gate_(std::make_shared<PromptGate>()) {}

GuiInteraction::~GuiInteraction() = default;

void GuiInteraction::ReleaseWaiters() {
  std::lock_guard lock(gate_->mutex);
  gate_->released = true;
  gate_->answered.notify_all();
}

void GuiInteraction::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
  Ask(text, caption, MessageButtons::Ok, icon, Answer::Ok);
}

Answer GuiInteraction::Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon, Answer defaultAnswer) {
  QString title = caption.empty() ? QString::fromLatin1(kApplicationTitle) : FromLatin1(caption);
  return ShowBox(parent_, MessageBoxRequest{FromLatin1(text), title, icon, buttons, defaultAnswer, QString()},
                 gate_);
}

std::optional<std::string> GuiInteraction::PromptOpenFile(const FilePrompt& prompt) {
  auto path = AskFile(parent_, prompt, false, gate_);
  if (!path) return std::nullopt;
  return ToPath(*path);
}

std::optional<std::string> GuiInteraction::PromptSaveFile(const FilePrompt& prompt) {
  auto path = AskFile(parent_, prompt, true, gate_);
  if (!path) return std::nullopt;
  return ToPath(*path);
}

}  // namespace lumora::gui

#include "app/deferred_interaction.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace lumora::gui {

void DeferredInteraction::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
  {
    std::lock_guard lock(mutex_);
    kept_.push_back({text, caption, icon});
  }
  // Posted, never waited for.
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(
        app, [this] { ShowKept(); }, Qt::QueuedConnection);
}

Answer DeferredInteraction::Ask(const std::string& text, const std::string& caption, MessageButtons,
                                MessageIcon icon, Answer defaultAnswer) {
  ShowMessage(text, caption, icon);
  return defaultAnswer;
}

void DeferredInteraction::ShowKept() {
  std::vector<Kept> kept;
  {
    std::lock_guard lock(mutex_);
    kept.swap(kept_);
  }
  for (const Kept& message : kept)
    shown_.ShowMessage(message.text, message.caption, message.icon);
}

}  // namespace lumora::gui

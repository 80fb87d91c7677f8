#pragma once
// What a screen reader or a test robot finds in a window: every control a user can operate must have a
// name, and no two of them the same name in one window; and what a keyboard user finds: no Alt+letter
// that two things of one window (a menu title, a button, a label's field) claim.

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lumora::testing {

inline bool IsInteractiveRole(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::Slider:
      return true;
    default:
      return false;
  }
}

// The name assistive tools on Linux give a control. A combo box's own name there is its current text: it is
// named by the label whose buddy it is.
inline QString AccessibleControlName(QAccessibleInterface* node) {
  if (node->role() != QAccessible::ComboBox) return node->text(QAccessible::Name).trimmed();
  for (const auto& [label, relation] : node->relations(QAccessible::Label)) {
    QString name = label ? label->text(QAccessible::Name).trimmed() : QString();
    if (!name.isEmpty()) return name;
  }
  return {};
}

// One line per control that is unnamed, or named like another control of the window.
inline std::vector<std::string> AccessibilityProblems(QWidget* window) {
  std::vector<std::string> problems;
  std::map<std::string, std::string> firstOfName;
  std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
  while (!pending.empty()) {
    QAccessibleInterface* node = pending.back();
    pending.pop_back();
    if (!node || !node->isValid() || node->state().invisible) continue;
    QAccessible::Role role = node->role();
    // The items of lists, trees and tables are the view's content, not controls of the window.
    bool container = role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table ||
                     role == QAccessible::ComboBox;
    if (!container) {
      for (int i = 0; i < node->childCount(); ++i) pending.push_back(node->child(i));
    }
    if (!IsInteractiveRole(role)) continue;
    QObject* object = node->object();
    std::string id = object ? object->metaObject()->className() + std::string(" ") +
                                  object->objectName().toStdString()
                            : "?";
    std::string name = AccessibleControlName(node).toStdString();
    if (name.empty()) {
      problems.push_back("unnamed: " + id);
      continue;
    }
    auto [first, fresh] = firstOfName.emplace(name, id);
    if (!fresh) problems.push_back("\"" + name + "\" names both " + first->second + " and " + id);
  }
  return problems;
}

// One line per Alt+letter that two things of `window` claim: the titles of its menu bar and the visible
// buttons, group boxes and labels with a field (a label without one has no key). Two identical captions
// share their key knowingly (the same field repeated, the Help menu and a Help button): Qt then moves
// between them.
inline std::vector<std::string> MnemonicProblems(QWidget* window) {
  std::vector<std::string> problems;
  std::map<QString, QString> firstOfKey;  // key -> "what \"caption\""
  std::map<QString, QString> captionOfKey;
  auto claim = [&](const QString& what, const QString& caption) {
    QString key = QKeySequence::mnemonic(caption).toString();
    if (key.isEmpty()) return;
    QString described = what + " \"" + caption + "\"";
    auto [first, fresh] = firstOfKey.emplace(key, described);
    if (fresh) {
      captionOfKey[key] = caption;
      return;
    }
    if (captionOfKey[key] == caption) return;
    problems.push_back(key.toStdString() + " is both " + first->second.toStdString() + " and " +
                       described.toStdString());
  };
  QMenuBar* bar = nullptr;
  if (auto* main = qobject_cast<QMainWindow*>(window)) bar = main->menuWidget() ? main->menuBar() : nullptr;
  if (bar) {
    for (QAction* action : bar->actions())
      if (action->isVisible()) claim("the menu", action->text());
  }
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->window() != window) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      claim("the button", button->text());
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
      claim("the group", group->title());
    else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
      claim("the label", label->text());
  }
  return problems;
}

// One line per Alt+letter that two items of one menu of the window's menu bar claim.
inline std::vector<std::string> MenuMnemonicProblems(QMainWindow* window) {
  std::vector<std::string> problems;
  for (QAction* title : window->menuBar()->actions()) {
    QMenu* menu = title->menu();
    if (!menu) continue;
    std::map<QString, QString> firstOfKey;
    for (QAction* action : menu->actions()) {
      if (!action->isVisible() || action->isSeparator()) continue;
      QString key = QKeySequence::mnemonic(action->text()).toString();
      if (key.isEmpty()) continue;
      auto [first, fresh] = firstOfKey.emplace(key, action->text());
      if (!fresh)
        problems.push_back(title->text().toStdString() + ": " + key.toStdString() + " is both \"" +
                           first->second.toStdString() + "\" and \"" + action->text().toStdString() + "\"");
    }
  }
  return problems;
}

}  // namespace lumora::testing

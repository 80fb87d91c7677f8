#pragma once
// What a screen reader or a test robot finds in a window: every control a user can operate must have a
// name, and no two of them the same name in one window.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>
#include <map>
#include <string>
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

}  // namespace lumora::testing

#pragma once
// Keyboard and mouse conventions the editor dialogs share: a list's clipboard keys and context menu, and
// a default push button that follows the focus.

#include <functional>
#include <utility>
#include <vector>

class QAbstractItemView;
class QPushButton;
class QWidget;

namespace lumora::gui {

struct ListActions {
  const char* clipboardFormat = "";  // Paste is offered with data of this format on the clipboard
  std::function<bool()> hasSelection;  // Cut and Copy are offered with a selection
  std::function<void()> remove, copy, cut, paste;
};

// Delete, Ctrl+C, Ctrl+X and Ctrl+V in `view`, and its context menu "&Cut", "C&opy", "&Paste".
void InstallListActions(QAbstractItemView* view, ListActions actions);

// While the focus is within one of a group's widgets, the group's button is the default of `dialog`.
using DefaultButtonGroup = std::pair<std::vector<QWidget*>, QPushButton*>;
void DefaultButtonFollowsFocus(QWidget* dialog, std::vector<DefaultButtonGroup> groups);

}  // namespace lumora::gui

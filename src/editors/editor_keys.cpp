#include "editors/editor_keys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

namespace lumora::gui {
namespace {

class ListKeys : public QObject {
 public:
  ListKeys(QAbstractItemView* view, ListActions actions) : QObject(view), actions_(std::move(actions)) {
    view->installEventFilter(this);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
      QMenu menu(view);
      bool selected = actions_.hasSelection();
      const QMimeData* data = QApplication::clipboard()->mimeData();
      menu.addAction(QCoreApplication::translate("ListKeys", "&Cut"), actions_.cut)->setEnabled(selected);
      menu.addAction(QCoreApplication::translate("ListKeys", "C&opy"), actions_.copy)->setEnabled(selected);
      menu.addAction(QCoreApplication::translate("ListKeys", "&Paste"), actions_.paste)
          ->setEnabled(data && data->hasFormat(actions_.clipboardFormat));
      menu.exec(view->viewport()->mapToGlobal(position));
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const std::function<void()>* action = nullptr;
    if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) action = &actions_.remove;
    if (key->modifiers() == Qt::ControlModifier) {
      if (key->key() == Qt::Key_C) action = &actions_.copy;
      if (key->key() == Qt::Key_X) action = &actions_.cut;
      if (key->key() == Qt::Key_V) action = &actions_.paste;
    }
    if (!action) return QObject::eventFilter(watched, event);
    (*action)();
    return true;
  }

 private:
  ListActions actions_;
};

}  // namespace

void InstallListActions(QAbstractItemView* view, ListActions actions) {
  new ListKeys(view, std::move(actions));
}

void DefaultButtonFollowsFocus(QWidget* dialog, std::vector<DefaultButtonGroup> groups) {
  QObject::connect(qApp, &QApplication::focusChanged, dialog, [dialog, groups](QWidget*, QWidget* now) {
    if (!now || now->window() != dialog) return;
    QPushButton* target = nullptr;
    for (const auto& [widgets, button] : groups) {
      for (QWidget* widget : widgets) {
        if (widget && (now == widget || widget->isAncestorOf(now))) target = button;
      }
      if (target) break;
    }
    if (!target) return;
    for (const auto& group : groups) group.second->setDefault(group.second == target);
  });
}

}  // namespace lumora::gui

#include "editors/help_topics.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QVariant>

namespace lumora::gui {
namespace {

HelpViewer& Viewer() {
  static HelpViewer viewer;
  return viewer;
}

}  // namespace

void SetHelpViewer(HelpViewer viewer) {
  Viewer() = std::move(viewer);
}

bool ShowHelp(const QString& topic) {
  return Viewer() ? Viewer()(topic) : false;
}

void ConnectHelpButton(QAbstractButton* button, const QString& page) {
  if (!button) return;
  button->setEnabled(true);
  button->setToolTip(QString());
  button->setProperty("helpTopic", page);
  QObject::connect(button, &QAbstractButton::clicked, button, [page] { ShowHelp(page); });
  if (QWidget* dialog = button->window()) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, button, [page] { ShowHelp(page); });
  }
}

}  // namespace lumora::gui

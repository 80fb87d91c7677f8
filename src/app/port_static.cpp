#include "app/port_static.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/codes.h"

namespace lumora::gui {

const QColor CPortStatic::kSelectedColour(225, 225, 150);
const QColor CPortStatic::kConfiguredColour(100, 200, 100);

namespace {

// Assistive tools read the five port labels as radio buttons: each named as it is shown ("QM210 Port1"),
// the selected (yellow) one checked; pressing selects the port, showMenu opens its commands.
class PortStaticAccessible : public QAccessibleWidget {
 public:
  explicit PortStaticAccessible(CPortStatic* label) : QAccessibleWidget(label, QAccessible::RadioButton) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Label()->text().simplified();
    if (kind == QAccessible::Description)
      return Label()->HoldsPanel() ? QString() : CPortStatic::tr("no panel");
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Label()->IsSelected();
    return state;
  }
  QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) Label()->Activate();
    if (action == showMenuAction()) Label()->OpenMenu(Label()->mapToGlobal(Label()->rect().center()));
  }

 private:
  CPortStatic* Label() const { return static_cast<CPortStatic*>(widget()); }
};

QAccessibleInterface* PortStaticAccessibleFactory(const QString&, QObject* object) {
  if (auto* label = qobject_cast<CPortStatic*>(object)) return new PortStaticAccessible(label);
  return nullptr;
}

}  // namespace

CPortStatic::CPortStatic(QWidget* parent) : QLabel(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(PortStaticAccessibleFactory);
    return true;
  }();
  (void)installed;
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Box);
  // Reachable from the keyboard: Space selects, the menu key opens the port's commands.
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void CPortStatic::Show(int unitType, bool selected) {
  unitType_ = unitType;
  selected_ = selected;
  QString text = QString::fromStdString(PortLabelText(unitType, port_));
  setText(text);
  setAccessibleName(tr("Port %1").arg(port_));
  setAccessibleDescription(unitType == 0 ? tr("no panel") : text.section('\n', 0, 0));
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent checked(this, changed);
    QAccessible::updateAccessibility(&checked);
  }
}

void CPortStatic::OpenMenu(const QPoint& globalPosition) {
  // The commands act on the selected port: this label becomes it first.
  emit clicked(port_);
  emit contextMenuRequested(port_, globalPosition);
}

void CPortStatic::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(port_);
  QLabel::mousePressEvent(event);
}

void CPortStatic::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit clicked(port_);
    return;
  }
  if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
    OpenMenu(mapToGlobal(rect().center()));
    return;
  }
  QLabel::keyPressEvent(event);
}

void CPortStatic::contextMenuEvent(QContextMenuEvent* event) {
  OpenMenu(event->globalPos());
  event->accept();
}

void CPortStatic::paintEvent(QPaintEvent* event) {
  if (selected_ || unitType_ != 0) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), selected_ ? kSelectedColour : kConfiguredColour);
  }
  QLabel::paintEvent(event);
  if (hasFocus()) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(2, 2, -3, -3));
  }
}

}  // namespace lumora::gui

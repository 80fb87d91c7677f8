#pragma once
// CPortStatic: the label of one multiplexer port in the main view. Shows the model configured at the port,
// coloured for the selected port and for ports that hold a panel; a click selects the port and the context
// menu offers the port's commands.

#include <QLabel>

namespace lumora::gui {

class CPortStatic : public QLabel {
  Q_OBJECT

 public:
  static const QColor kSelectedColour;    // light yellow
  static const QColor kConfiguredColour;  // green

  explicit CPortStatic(QWidget* parent = nullptr);
  void SetPort(int port) { port_ = port; }
  int Port() const { return port_; }
  // The label text and colour for the unit type recorded at this port.
  void Show(int unitType, bool selected);
  bool IsSelected() const { return selected_; }
  bool HoldsPanel() const { return unitType_ != 0; }
  // What a click and the context menu do, for the keyboard and assistive tools too.
  void Activate() { emit clicked(port_); }
  void OpenMenu(const QPoint& globalPosition);

 signals:
  void clicked(int port);
  void contextMenuRequested(int port, const QPoint& globalPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int port_ = 1;
  int unitType_ = 0;
  bool selected_ = false;
};

}  // namespace lumora::gui

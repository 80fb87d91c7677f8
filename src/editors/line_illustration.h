#pragma once
// CLineIllustration: how a line register works, drawn for the panel system PLC address settings. The
// PLC writes 4 into line 1's address, the panel shows programmed message 4 on line 1 and lights its
// PLC message LED.

#include <QWidget>

namespace lumora::gui {

class CLineIllustration : public QWidget {
  Q_OBJECT

 public:
  explicit CLineIllustration(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace lumora::gui

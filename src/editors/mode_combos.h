#pragma once
// CLedCombo and CButtonCombo: the mode of one LED or one function key. The list position is the mode
// code; choosing an entry writes the mode into the record at once.

#include "editors/mode_combo.h"

namespace lumora {
struct TQMButtonLed;
}

namespace lumora::gui {

// "By Button", "By Button & Flash", "By PLC" for LED `number` (1..5).
class CLedCombo : public CModeCombo {
  Q_OBJECT

 public:
  explicit CLedCombo(QWidget* parent = nullptr) : CModeCombo(parent) {}
  void Attach(int number, TQMButtonLed& record);
};

// "Momentary", "Alternate", "Panel Set & PLC Release" for key F`number` (1..5).
class CButtonCombo : public CModeCombo {
  Q_OBJECT

 public:
  explicit CButtonCombo(QWidget* parent = nullptr) : CModeCombo(parent) {}
  void Attach(int number, TQMButtonLed& record);
};

}  // namespace lumora::gui

#pragma once
// CLedCombo and CButtonCombo: the mode of one LED or one function key. The list position is the mode
// code; choosing an entry writes the mode into the record at once.

#include <QComboBox>
#include <cstdint>

namespace lumora {
struct TQMButtonLed;
}

namespace lumora::gui {

class CModeCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CModeCombo(QWidget* parent = nullptr);
  int Number() const { return number_; }

 protected:
  void Attach(int number, int32_t* mode, const char* (*text)(int), const QString& accessibleName);

 private:
  int number_ = 0;
  int32_t* mode_ = nullptr;
};

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

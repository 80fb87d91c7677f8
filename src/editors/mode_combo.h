#pragma once
// CModeCombo: a combo box over one mode code of a record. The list position is the code; choosing an entry
// writes it into the record at once.

#include <QComboBox>
#include <QString>
#include <cstdint>

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

}  // namespace lumora::gui

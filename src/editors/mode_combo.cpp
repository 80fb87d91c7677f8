#include "editors/mode_combo.h"

#include "report/latin1.h"

namespace lumora::gui {

CModeCombo::CModeCombo(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (mode_ && index >= 0) *mode_ = itemData(index).toInt();
  });
}

void CModeCombo::Attach(int number, int32_t* mode, const char* (*text)(int), const QString& accessibleName) {
  number_ = number;
  mode_ = nullptr;  // filling the list must not write
  clear();
  for (int code = 0; code < 3; ++code)
    addItem(CoreText(text(code)), code);
  setCurrentIndex(findData(*mode));
  setAccessibleName(accessibleName);
  mode_ = mode;
}

}  // namespace lumora::gui

#include "editors/plannrun_combo.h"

#include "report/latin1.h"

namespace lumora::gui {

CPlannRunCombo::CPlannRunCombo(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(12);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { choices_.Select(index); });
}

void CPlannRunCombo::Fill(const TagMapTable& table) {
  choices_.Fill(table);
  QSignalBlocker quiet(this);
  clear();
  for (const std::string& name : choices_.Items()) addItem(FromLatin1(name));
  setCurrentIndex(-1);
  choices_.Select(-1);
}

bool CPlannRunCombo::SelectByText(const std::string& name) {
  int index = choices_.SelectByText(name);
  QSignalBlocker quiet(this);
  setCurrentIndex(index);
  return index >= 0;
}

std::string CPlannRunCombo::CurrentName() const {
  int index = currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= choices_.Items().size()) return {};
  return choices_.Items()[static_cast<size_t>(index)];
}

std::string CPlannRunCombo::CurrentValue() const {
  return choices_.CurrentValue();
}

}  // namespace lumora::gui

#pragma once
// CPlannRunCombo: the tag-name picker of a project in tag mode. An empty first entry, then every tag name
// of the map table in key order; the current value is the address the map gives the selected name.

#include <QComboBox>
#include <string>

#include "plc/plan_n_run.h"

namespace lumora::gui {

class CPlannRunCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CPlannRunCombo(QWidget* parent = nullptr);
  void Fill(const TagMapTable& table);
  // Selects the entry with exactly this name; false (and no selection) when the map has none.
  bool SelectByText(const std::string& name);
  // The selected name ("" for the empty entry) and its address part ("" likewise).
  std::string CurrentName() const;
  std::string CurrentValue() const;

 private:
  PlanNRunChoices choices_;
};

}  // namespace lumora::gui

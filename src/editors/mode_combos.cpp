#include "editors/mode_combos.h"

#include "model/panel.h"

namespace lumora::gui {

void CLedCombo::Attach(int number, TQMButtonLed& record) {
  CModeCombo::Attach(number, &record.ledMode[static_cast<size_t>(number - 1)], &LedModeText,
                     tr("LED %1 mode").arg(number));
}

void CButtonCombo::Attach(int number, TQMButtonLed& record) {
  CModeCombo::Attach(number, &record.buttonMode[static_cast<size_t>(number - 1)], &ButtonModeText,
                     tr("F%1 action").arg(number));
}

}  // namespace lumora::gui

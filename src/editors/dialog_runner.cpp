#include "editors/dialog_runner.h"

#include <QDialog>

namespace lumora::gui {
namespace {

// Set and used on the user-interface thread only.
DialogRunner gRunner;

}  // namespace

void SetDialogRunner(DialogRunner runner) {
  gRunner = std::move(runner);
}

int RunDialog(QDialog& dialog) {
  return gRunner ? gRunner(dialog) : dialog.exec();
}

}  // namespace lumora::gui

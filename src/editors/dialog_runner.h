#pragma once
// How the editors run a dialog modally. The application hands in its own way (which keeps count of the
// modal runs, so that its Exit can close them from the top down); until it does, a dialog just runs.

#include <functional>

class QDialog;

namespace lumora::gui {

using DialogRunner = std::function<int(QDialog&)>;
void SetDialogRunner(DialogRunner runner);
// The dialog's result code.
int RunDialog(QDialog& dialog);

}  // namespace lumora::gui

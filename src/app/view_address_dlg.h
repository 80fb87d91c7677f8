#pragma once
// CViewAddressDlg: "View PLC addresses", the address database of one panel: its system addresses and
// every PLC address its messages use.

#include <QDialog>
#include <memory>

namespace Ui {
class ViewAddressDlg;
}

namespace lumora {
class TQMPanel;
class TQMProject;
class UserSettings;
}  // namespace lumora

namespace lumora::gui {

class CViewAddressDlg : public QDialog {
  Q_OBJECT

 public:
  // Column widths are kept for the user under "View Address Control" in `settings`.
  CViewAddressDlg(const TQMProject& project, const TQMPanel& panel, UserSettings& settings,
                  QWidget* parent = nullptr);
  ~CViewAddressDlg() override;

 protected:
  void done(int result) override;

 private:
  std::unique_ptr<Ui::ViewAddressDlg> ui_;
  UserSettings& settings_;
};

}  // namespace lumora::gui

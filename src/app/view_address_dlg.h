#pragma once
// CViewAddressDlg: "View PLC addresses", the address database of one panel: its system addresses and
// every PLC address its messages use.

#include <QDialog>
#include <functional>
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

class AddressTableModel;

class CViewAddressDlg : public QDialog {
  Q_OBJECT

 public:
  // Column widths are kept for the user under "View Address Control" in `settings`.
  CViewAddressDlg(const TQMProject& project, const TQMPanel& panel, UserSettings& settings,
                  QWidget* parent = nullptr);
  ~CViewAddressDlg() override;

  // What "EDIT PANEL SYSTEM PLC ADDRESSES" runs (the panel's address editor); without one the button is
  // greyed, as where the database is shown from inside another editor. The lists are refilled afterwards.
  void SetEditHandler(std::function<void()> edit);

 protected:
  void done(int result) override;

 private:
  void Fill();

  std::unique_ptr<Ui::ViewAddressDlg> ui_;
  UserSettings& settings_;
  const TQMPanel& panel_;
  AddressTableModel* rows_ = nullptr;
  std::function<void()> edit_;
};

}  // namespace lumora::gui

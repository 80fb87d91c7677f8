#pragma once
// CMultipanelImportDlg: "Import From Multipanel Project", the choice of one port's panel out of a
// multi-panel project file.

#include <QDialog>
#include <array>
#include <memory>
#include <string>

namespace Ui {
class MultipanelImportDlg;
}

namespace lumora::gui {

class CMultipanelImportDlg : public QDialog {
  Q_OBJECT

 public:
  // The five port texts: a model text, or "Not Configured" for a port without a panel.
  CMultipanelImportDlg(const std::array<std::string, 5>& portTexts, QWidget* parent = nullptr);
  ~CMultipanelImportDlg() override;
  // The chosen port, 1..5; 0 when the file has no panel at all.
  int SelectedPort() const;

 private:
  std::unique_ptr<Ui::MultipanelImportDlg> ui_;
};

}  // namespace lumora::gui

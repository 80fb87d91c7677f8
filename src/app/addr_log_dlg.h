#pragma once
// CAddrLogDlg: "Address conversion log", every address as it was and as it became after a change of PLC,
// with "&Save log..." to keep it as a text file.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class AddrLogDlg;
}

namespace lumora::gui {

class CAddrLogDlg : public QDialog {
  Q_OBJECT

 public:
  // Rows "old\tnew\tremark\t" as the conversion makes them; not owned.
  explicit CAddrLogDlg(const std::vector<std::string>& rows, QWidget* parent = nullptr);
  ~CAddrLogDlg() override;

  // Writes the log file; false (after a message box) when it cannot be written.
  bool SaveLog(const std::string& path);

 private:
  void OnSaveLog();

  std::unique_ptr<Ui::AddrLogDlg> ui_;
  const std::vector<std::string>& rows_;
};

}  // namespace lumora::gui

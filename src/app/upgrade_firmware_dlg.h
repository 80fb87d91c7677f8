#pragma once
// CUpgdeFirmDlg: "Upgrade firmware", the choice of the firmware file to send.

#include <QDialog>
#include <memory>

namespace Ui {
class UpgradeFirmwareDlg;
}

namespace lumora::gui {

class CUpgdeFirmDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CUpgdeFirmDlg(QWidget* parent = nullptr);
  ~CUpgdeFirmDlg() override;
  QString FilePath() const;
  void SetFilePath(const QString& path);

 public slots:
  void OnBrowse();

 private:
  std::unique_ptr<Ui::UpgradeFirmwareDlg> ui_;
};

}  // namespace lumora::gui

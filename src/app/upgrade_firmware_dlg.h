#pragma once
// CUpgdeFirmDlg: "Upgrade firmware", the choice of the firmware file to send.

#include <QDialog>

class QLineEdit;

namespace lumora::gui {

class CUpgdeFirmDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CUpgdeFirmDlg(QWidget* parent = nullptr);
  QString FilePath() const;
  void SetFilePath(const QString& path);

 public slots:
  void OnBrowse();

 private:
  QLineEdit* path_;
};

}  // namespace lumora::gui

#pragma once
// CPanelStatusDlg ("Panel Information") and CUpgdeFirmDlg ("Upgrade firmware").

#include <QDialog>

#include "transfer/panel_information.h"

class QLabel;
class QLineEdit;

namespace lumora::gui {

class CPanelStatusDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPanelStatusDlg(const UnitInformation& info, QWidget* parent = nullptr);
  const UnitInformation& Information() const { return info_; }

 private:
  UnitInformation info_;
};

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

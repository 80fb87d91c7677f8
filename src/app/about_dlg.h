#pragma once
// CAboutDlg: "About Lumora Write Utility", with the program's version.

#include <QDialog>

namespace lumora::gui {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace lumora::gui

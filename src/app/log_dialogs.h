#pragma once
// The log viewer (CLog), the incomplete tag map question (CPNRConvDlg) and the incomplete data notice
// (CPanelNotConfDlg).

#include <QDialog>
#include <string>
#include <vector>

class QTextEdit;

namespace lumora::gui {

class CLog : public QDialog {
  Q_OBJECT

 public:
  // With the tag-map flag the title is "Plan & Run conversion log"; without it marker bytes are coloured.
  CLog(const std::vector<std::string>& lines, bool tagMap, QWidget* parent = nullptr);
  QString Text() const { return text_; }

 private slots:
  void OnSaveLog();

 private:
  QString text_;
  QTextEdit* view_;
};

class CPNRConvDlg : public QDialog {
  Q_OBJECT

 public:
  CPNRConvDlg(const std::vector<std::string>& log, const std::string& mapPath, QWidget* parent = nullptr);

 private:
  std::vector<std::string> log_;
};

class CPanelNotConfDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPanelNotConfDlg(const std::vector<std::string>& missing, QWidget* parent = nullptr);

 private:
  std::vector<std::string> missing_;
};

}  // namespace lumora::gui

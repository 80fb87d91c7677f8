#pragma once
// CLog: the log viewer ("Unable to download", "Plan & Run conversion log"), which can save the log.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>


namespace Ui {
class LogDlg;
}

namespace lumora::gui {

class CLog : public QDialog {
  Q_OBJECT

 public:
  // With the tag-map flag the title is "Plan & Run conversion log"; without it marker bytes are coloured.
  CLog(const std::vector<std::string>& lines, bool tagMap, QWidget* parent = nullptr);
  ~CLog() override;
  QString Text() const { return text_; }

 private slots:
  void OnSaveLog();

 private:
  std::unique_ptr<Ui::LogDlg> ui_;
  QString text_;
};

}  // namespace lumora::gui

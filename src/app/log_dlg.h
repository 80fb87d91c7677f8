#pragma once
// CLog: the log viewer ("Unable to download", "Plan & Run conversion log"), which can save the log.

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

}  // namespace lumora::gui

#pragma once
// CWelcomView: the welcome screen's form, shown in its frame (welcome_frame.h) while no project is open.

#include <QWidget>

class QLabel;
class QPushButton;

namespace lumora::gui {

class CWelcomView : public QWidget {
  Q_OBJECT

 public:
  explicit CWelcomView(QWidget* parent = nullptr);
  QPushButton* NewButton() const { return new_; }
  QPushButton* ExistingButton() const { return existing_; }
  QPushButton* ConnectButton() const { return connect_; }
  QPushButton* ExitButton() const { return exit_; }

 public slots:
  // A panel at the current link speed, else a multiplexer at 38400 bit/s.
  void OnConnect();

 private:
  QPushButton* new_;
  QPushButton* existing_;
  QPushButton* connect_;
  QPushButton* exit_;
};

}  // namespace lumora::gui

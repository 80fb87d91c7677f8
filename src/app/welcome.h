#pragma once
// The welcome screen shown while no project is open: CWelcomeFrame and its form CWelcomView.

#include <QMdiSubWindow>
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

class CWelcomeFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  explicit CWelcomeFrame(QWidget* parent = nullptr);
  CWelcomView* View() const { return view_; }

 private:
  CWelcomView* view_;
};

}  // namespace lumora::gui

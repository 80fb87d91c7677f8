#pragma once
// CSimulatedPanelWnd: the "Simulated Panel" window. Shows the simulated panel's display for the chosen
// message as the simulator renders it, again whenever the panel's memory changes (after each transfer).

#include <QWidget>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTimer;

namespace lumora::gui {

class CSimulatedPanel;

class CSimulatedPanelWnd : public QWidget {
  Q_OBJECT

 public:
  explicit CSimulatedPanelWnd(CSimulatedPanel& panel, QWidget* parent = nullptr);

  QSpinBox* MessageNumber() const { return number_; }
  QComboBox* UnitList() const { return units_; }
  // The display as shown.
  QString DisplayText() const;

 public slots:
  void Refresh();

 private:
  void OnPanelChanged();

  CSimulatedPanel& panel_;
  QLabel* status_;
  QComboBox* units_;
  QSpinBox* number_;
  QPlainTextEdit* display_;
  QFileSystemWatcher* watcher_;
  QTimer* settle_;
};

}  // namespace lumora::gui

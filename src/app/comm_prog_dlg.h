#pragma once
// CCommProgDlg: the "Download" progress dialog. Starts the transfer worker with Start, shows the
// checklist, status, percentage and bar as the worker's events arrive, and waits for the worker on
// Cancel without stopping the event loop.

#include <QDialog>
#include <array>
#include <memory>

#include "app/gui_interaction.h"
#include "transfer/transfer_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

Q_DECLARE_METATYPE(lumora::TransferEvent)

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

// Carries worker events, and the worker's end, to the dialog as queued Qt signals.
class QtTransferSink : public QObject, public TransferSink {
  Q_OBJECT

 public:
  void Post(const TransferEvent& event) override { emit posted(event); }

 signals:
  void posted(lumora::TransferEvent event);
  void workerEnded();
};

class CCommProgDlg : public QDialog {
  Q_OBJECT

 public:
  CCommProgDlg(TQMProject& project, int operation, const QString& filePath = QString(),
               QWidget* parent = nullptr);
  ~CCommProgDlg() override;

  TransferContext& Context() { return context_; }
  bool Finished() const { return context_.finished.load(); }
  // The texts of the checklist, status and percentage as shown (tests look at them).
  QString LineText(int line) const;
  bool LineChecked(int line) const;
  bool LineEnabled(int line) const;
  QString StatusLine() const;
  QString PercentText() const;
  QPushButton* StartButton() const { return start_; }
  QPushButton* CancelButton() const { return cancel_; }
  QComboBox* PortList() const { return ports_; }
  QRadioButton* Radio(int index) const { return radios_[static_cast<size_t>(index)]; }
  QCheckBox* DirectConnection() const { return direct_; }

 public slots:
  void OnStart();
  void OnCancel();
  void OnHelp();
  // The manual's page on transfers, or on firmware upgrades.
  const char* HelpTopic() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private slots:
  void OnEvent(const lumora::TransferEvent& event);

 private:
  void ApplyStep(int step, const lumora::TransferEvent& event);
  void CheckLine(int line);
  void EnableLine(int line);
  void StartWorker();
  void WaitForWorker();

  QtTransferSink sink_;
  // The worker's prompts; released before the worker is joined.
  GuiInteraction prompts_;
  TransferContext context_;
  std::array<QLabel*, 6> lines_{};
  std::array<QLabel*, 6> marks_{};
  QLabel* status_;
  QLabel* percent_;
  QProgressBar* bar_;
  std::array<QRadioButton*, 7> radios_{};
  QButtonGroup* radioGroup_;
  QCheckBox* direct_;
  QComboBox* ports_;
  QPushButton* start_;
  QPushButton* cancel_;
  QPushButton* help_;
  bool closing_ = false;
  bool multiplexerProject_;
};

// The serial ports to offer: COM1..COM4, the serial devices found, and the stored choice.
QStringList PortChoices(const QString& stored);

}  // namespace lumora::gui

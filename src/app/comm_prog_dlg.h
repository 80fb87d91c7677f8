#pragma once
// CCommProgDlg: the "Download" progress dialog. Starts the transfer's exchange with Start, shows the
// checklist, status, percentage and bar as the worker's events arrive, and waits for the worker on
// Cancel without stopping the event loop. What the transfer hands back is the caller's to apply.

#include <QDialog>
#include <array>
#include <memory>

#include "app/gui_interaction.h"
#include "app/qt_transfer_sink.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_texts.h"
#include "transfer/unit_exchange.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace Ui {
class CommProgDlg;
}

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

class CCommProgDlg : public QDialog {
  Q_OBJECT

 public:
  CCommProgDlg(TQMProject& project, TransferOperation operation, const QString& filePath = QString(),
               QWidget* parent = nullptr);
  ~CCommProgDlg() override;

  TransferContext& Context() { return context_; }
  UnitExchange& Exchange() { return exchange_; }
  bool Finished() const { return context_.finished.load(); }
  // Once the dialog has closed: what the last transfer handed back.
  ExchangeOutcome TakeOutcome() { return exchange_.TakeOutcome(); }
  // The checklist and the percentage as shown (tests look at them).
  QString LineText(int line) const;
  bool LineEnabled(int line) const;
  QString PercentText() const;
  QPushButton* StartButton() const;
  QPushButton* CancelButton() const;
  QComboBox* PortList() const;
  QRadioButton* Radio(int index) const { return radios_[static_cast<size_t>(index)]; }
  QCheckBox* DirectConnection() const;
  // A write's "Read the unit's project before writing", as the user last chose it.
  QCheckBox* ReadBeforeWrite() const;

 public slots:
  void OnStart();
  void OnCancel();
  // The manual's page on transfers, or on firmware upgrades.
  const char* HelpTopic() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private slots:
  void OnEvent(const lumora::TransferEvent& event);

 private:
  void ApplyStep(int step, const lumora::TransferEvent& event);
  void CheckLine(ChecklistLine line);
  void EnableLine(ChecklistLine line);
  void UpdateStartButton();

  std::unique_ptr<Ui::CommProgDlg> ui_;
  QtTransferSink sink_;
  // The worker's prompts; released before the worker is joined after a cancel.
  GuiInteraction prompts_;
  TransferContext context_;
  // Last of the three: it ends (cancels, releases the prompts, joins) before they go.
  UnitExchange exchange_;
  std::array<QLabel*, kChecklistLines> lines_{};
  std::array<QLabel*, kChecklistLines> marks_{};
  // Panel 1..5, Multiplexer, Write Project: their ids in the group are 0..6.
  std::array<QRadioButton*, 7> radios_{};
  QButtonGroup* radioGroup_;
  bool closing_ = false;
  bool multiplexerProject_;
};

// The serial ports to offer: COM1..COM4, the serial devices found, and the stored choice.
QStringList PortChoices(const QString& stored);

}  // namespace lumora::gui

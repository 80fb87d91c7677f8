#pragma once
// CUnitCommands: the main view's commands that exchange data with the connected panel or multiplexer:
// write, read, verify, information, connection status, the firmware upgrades and clearing the memory.
// Every exchange works on a copy of the document's project, on a worker (unit_exchange.h); what the
// document keeps from it (the selected port, a project read) is applied on this thread once the worker
// has ended. The view's menus and buttons call these slots directly.

#include <QObject>

#include "transfer/transfer_context.h"
#include "transfer/unit_exchange.h"

class QWidget;

namespace lumora::gui {

class CLumoraDoc;

class CUnitCommands : public QObject {
  Q_OBJECT

 public:
  // `view` parents the dialogs and message boxes.
  CUnitCommands(CLumoraDoc* doc, QWidget* view);

 public slots:
  void OnWrite();
  void OnRead();
  void OnVerify();
  void OnInformation();
  void OnConnectionStatus();
  void OnPanelFirmware();
  void OnMultiplexerFirmware();
  void OnClearMemory();

 public:
  // Writes a project of the panel history as Write writes the document's: the same checks and progress
  // dialog, the write kept in the history under `projectName`. The document stays as it is.
  void WriteStoredProject(const TQMProject& project, const std::string& projectName);

 private:
  void Firmware(bool multiplexer);
  // The checks before a write, then the progress dialog; the outcome is empty when a check refused.
  ExchangeOutcome Write(const TQMProject& project, const std::string& projectName);
  // Runs the progress dialog for a write or firmware operation on a copy of `project`; a write is kept in
  // the panel history under `projectName`.
  ExchangeOutcome RunTransferDialog(TransferOperation operation, const QString& filePath,
                                    const TQMProject& project, const std::string& projectName = "");
  // The document's file name, as the panel history names its writes and reads.
  std::string DocumentFileName() const;
  // Every short exchange's preamble, once: a copy of the document's project, the configured port, prompts
  // of its own, the wait with the event loop running; the errors it reported are shown with the stop icon
  // once it has ended.
  ExchangeOutcome RunShort(TransferOperation operation, UnitExchange::Work work);

  CLumoraDoc* doc_;
  QWidget* view_;
};

}  // namespace lumora::gui

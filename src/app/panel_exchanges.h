#pragma once
// CPanelExchanges: the main view's exchanges with the connected panel or multiplexer: write, read,
// verify, information, connection status, the firmware upgrades and clearing the memory. Every exchange
// works on a copy of the document's project, on a worker thread; what the document keeps from it (the
// selected port, a project read) is applied on this thread once the worker has ended.

#include <QObject>

class QWidget;

namespace lumora::gui {

class CLumoraDoc;

class CPanelExchanges : public QObject {
  Q_OBJECT

 public:
  // `view` parents the dialogs and message boxes.
  CPanelExchanges(CLumoraDoc* doc, QWidget* view);

 public slots:
  void OnWrite();
  void OnRead();
  void OnVerify();
  void OnInformation();
  void OnConnectionStatus();
  void OnPanelFirmware();
  void OnMultiplexerFirmware();
  void OnClearMemory();

 signals:
  // A transfer left another port selected; the document's project has it.
  void selectedPortChanged();

 private:
  void Firmware(bool multiplexer);
  // Runs the progress dialog for a write or firmware operation on a copy of the document's project.
  void RunTransferDialog(int operation, const QString& filePath);

  CLumoraDoc* doc_;
  QWidget* view_;
};

}  // namespace lumora::gui

#include "app/comm_prog_dlg.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QEventLoop>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/simulated_panel.h"
#include "app/modal_run.h"
#include "app/serial_ports.h"
#include "editors/help_topics.h"
#include "model/project.h"
#include "transfer/operations.h"
#include "transfer/transfer_texts.h"
#include "transfer/transfer_worker.h"
#include "ui_comm_prog_dlg.h"

namespace lumora::gui {

QStringList PortChoices(const QString& stored) {
  QStringList choices = {"COM1", "COM2", "COM3", "COM4"};
  for (const SerialDevice& device : FindSerialDevices()) {
    if (!choices.contains(device.path)) choices << device.path;
  }
  if (!stored.isEmpty() && !choices.contains(stored)) choices << stored;
  return choices;
}

CCommProgDlg::CCommProgDlg(TQMProject& project, int operation, const QString& filePath, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CommProgDlg>()),
      prompts_(this),
      context_(&project, operation, CLumoraApp::Instance() ? &prompts_ : nullptr, &sink_),
      multiplexerProject_(project.IsMultiPanel()) {
  qRegisterMetaType<lumora::TransferEvent>("lumora::TransferEvent");
  ui_->setupUi(this);
  setObjectName("commProgDlg");
  if (!filePath.isEmpty()) context_.filePath = ToPath(filePath);
  connect(&sink_, &QtTransferSink::posted, this, &CCommProgDlg::OnEvent, Qt::QueuedConnection);

  setWindowTitle(FromLatin1(OperationTitle(operation)));
  lines_ = {ui_->line1, ui_->line2, ui_->line3, ui_->line4, ui_->line5, ui_->line6};
  marks_ = {ui_->mark1, ui_->mark2, ui_->mark3, ui_->mark4, ui_->mark5, ui_->mark6};
  std::array<std::string, 6> texts = ChecklistTexts(operation);
  bool firmware = operation == kOperationPanelFirmware || operation == kOperationMultiplexerFirmware;
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i]->setText(FromLatin1(texts[i]));
    lines_[i]->setEnabled(firmware);
    marks_[i]->setVisible(false);
  }
  if (operation == kOperationRead) {
    for (size_t i : {0, 5}) {
      lines_[i]->hide();
      marks_[i]->hide();
    }
  }

  radios_ = {ui_->radioPanel1, ui_->radioPanel2,      ui_->radioPanel3,       ui_->radioPanel4,
             ui_->radioPanel5, ui_->radioMultiplexer, ui_->radioWriteProject};
  radioGroup_ = new QButtonGroup(this);
  for (size_t i = 0; i < radios_.size(); ++i) radioGroup_->addButton(radios_[i], static_cast<int>(i));
  connect(radioGroup_, &QButtonGroup::idClicked, this, [this](int id) {
    UpdateStartButton();
    if (id <= 4) {
      ui_->directConnection->setEnabled(true);
    } else {
      ui_->directConnection->setChecked(false);
      ui_->directConnection->setEnabled(false);
    }
  });
  // In a single-panel project there is no unit to choose.
  if (!multiplexerProject_) {
    for (QRadioButton* radio : radios_)
      radio->setEnabled(false);
    ui_->directConnection->setEnabled(false);
  } else {
    for (int port = 1; port <= 5; ++port) {
      radios_[static_cast<size_t>(port - 1)]->setEnabled(project.multiplexer.HasPanel(port));
    }
  }

  CLumoraApp* app = CLumoraApp::Instance();
  bool simulated = app && app->SimulatedPanel().Running();
  QString stored = app && !simulated ? FromPath(app->PortName()) : QString();
  ui_->portList->addItems(PortChoices(stored));
  if (app) ui_->portList->addItem(kSimulatedPanelText);
  int selected = ui_->portList->findText(simulated ? QString(kSimulatedPanelText) : stored);
  if (selected >= 0) ui_->portList->setCurrentIndex(selected);

  UpdateStartButton();
  connect(ui_->startButton, &QPushButton::clicked, this, &CCommProgDlg::OnStart);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CCommProgDlg::OnCancel);
  ConnectHelpButton(ui_->helpButton, HelpTopic());
}

CCommProgDlg::~CCommProgDlg() {
  // No event loop runs from here on: a worker waiting for an answer from this thread gets none (as if
  // its box were closed), sees the cancel and ends; only then is it joined.
  context_.cancelRequested = true;
  prompts_.ReleaseWaiters();
  if (context_.workerThread.joinable()) context_.workerThread.join();
}

QPushButton* CCommProgDlg::StartButton() const {
  return ui_->startButton;
}
QPushButton* CCommProgDlg::CancelButton() const {
  return ui_->cancelButton;
}
QComboBox* CCommProgDlg::PortList() const {
  return ui_->portList;
}
QCheckBox* CCommProgDlg::DirectConnection() const {
  return ui_->directConnection;
}

QString CCommProgDlg::LineText(int line) const {
  return lines_[static_cast<size_t>(line)]->text();
}
bool CCommProgDlg::LineEnabled(int line) const {
  return lines_[static_cast<size_t>(line)]->isEnabled();
}
QString CCommProgDlg::PercentText() const {
  return ui_->percentText->text();
}

// A write of a multi-panel system starts once a unit is chosen that it has something to write to.
void CCommProgDlg::UpdateStartButton() {
  bool nothingToWrite = context_.operation == kOperationWrite &&
                        NothingToWriteText(*context_.project, radioGroup_->checkedId()).has_value();
  ui_->startButton->setEnabled(!nothingToWrite);
}

void CCommProgDlg::OnStart() {
  context_.selectedTarget = radioGroup_->checkedId();
  context_.directConnection = ui_->directConnection->isChecked();
  if (context_.selectedTarget > 4) context_.directConnection = false;
  std::string port = ToPath(ui_->portList->currentText());
  CLumoraApp* app = CLumoraApp::Instance();
  if (app && ui_->portList->currentText() == kSimulatedPanelText) {
    QString error;
    if (!app->SimulatedPanel().Start(context_.project, &error)) {
      ShowMessageBox(this, error, "Simulated Panel", MessageIcon::Error);
      return;
    }
    port = ToPath(app->SimulatedPanel().Path());
  } else if (app) {
    // The choice is remembered where it can be; a transfer does not depend on it.
    app->StorePort(port);
  }
  context_.portName = port;
  ui_->portList->setEnabled(false);
  ui_->startButton->setEnabled(false);
  ui_->cancelButton->setFocus();
  StartWorker();
}

void CCommProgDlg::StartWorker() {
  // The worker's last act is to signal its end, which the waits below finish on.
  StartTransfer(context_, [this] { emit sink_.workerEnded(); });
}

void CCommProgDlg::WaitForWorker() {
  // The event loop keeps running so that the worker's own message boxes stay answerable. Connected
  // before the flag is read: an end signalled after the read still reaches the loop.
  QEventLoop loop;
  connect(&sink_, &QtTransferSink::workerEnded, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  if (context_.workerRunning.load()) {
    ModalScope scope;
    loop.exec();
  }
  if (context_.workerThread.joinable()) context_.workerThread.join();
}

void CCommProgDlg::OnCancel() {
  if (closing_) return;
  closing_ = true;
  ui_->cancelButton->setEnabled(false);
  context_.cancelRequested = true;
  WaitForWorker();
  QDialog::reject();
}

void CCommProgDlg::reject() {
  OnCancel();
}

void CCommProgDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  OnCancel();
}

const char* CCommProgDlg::HelpTopic() const {
  bool firmware =
      context_.operation == kOperationPanelFirmware || context_.operation == kOperationMultiplexerFirmware;
  return firmware ? kHelpFirmware : kHelpTransfer;
}

void CCommProgDlg::CheckLine(int line) {
  marks_[static_cast<size_t>(line)]->setVisible(true);
}
void CCommProgDlg::EnableLine(int line) {
  lines_[static_cast<size_t>(line)]->setEnabled(true);
}

void CCommProgDlg::OnEvent(const lumora::TransferEvent& event) {
  switch (event.message) {
    case TransferMessage::Progress: {
      ui_->percentText->setText(QString("%1%").arg(event.percent));
      ui_->progressBar->setValue(std::clamp(event.percent, 1, 100));
      if (context_.operation == kOperationPanelFirmware ||
          context_.operation == kOperationMultiplexerFirmware) {
        ui_->statusLine->setText(FromLatin1(event.statusText));
        if (event.finished) {
          ui_->cancelButton->setText("Close");
          ui_->cancelButton->setEnabled(true);
        }
      } else {
        ApplyStep(event.step, event);
      }
      break;
    }
    case TransferMessage::Error:
      context_.finished = true;
      ShowMessageBox(
          this, FromLatin1(event.hint.empty() ? event.statusText : event.statusText + "\n\n" + event.hint),
          "", MessageIcon::Error);
      ui_->portList->setEnabled(true);
      UpdateStartButton();
      break;
    case TransferMessage::Cancel:
      OnCancel();
      break;
    case TransferMessage::Target:
      setWindowTitle(FromLatin1(TargetTitle(context_.operation, event.targetPanelType, event.targetPort)));
      break;
  }
}

void CCommProgDlg::ApplyStep(int step, const lumora::TransferEvent& event) {
  bool multiplexer = event.targetPanelType == kPanelMultiplexer;
  switch (step) {
    case kStepClearStart:
      EnableLine(0);
      break;
    case kStepSysAttrStart:
      EnableLine(3);
      CheckLine(2);
      break;
    case kStepPlcAttrStart:
      EnableLine(5);
      CheckLine(multiplexer ? 2 : 4);
      break;
    case kStepPlcAttrDone:
    case kStepReadPlcAttrDone:
      ui_->cancelButton->setText("Close");
      ui_->cancelButton->setEnabled(true);
      CheckLine(step == kStepPlcAttrDone ? 5 : 4);
      break;
    case kStepMapStart:
      ui_->statusLine->clear();
      EnableLine(2);
      CheckLine(multiplexer ? 0 : 1);
      break;
    case kStepDriverStart:
      EnableLine(4);
      if (!multiplexer) CheckLine(3);
      break;
    case kStepMessagesStart:
      CheckLine(0);
      EnableLine(1);
      break;
    case kStepReadSysAttrStart:
      EnableLine(1);
      break;
    case kStepReadMessagesStart:
      CheckLine(1);
      EnableLine(2);
      break;
    case kStepReadPlcAttrStart:
      EnableLine(4);
      CheckLine(3);
      break;
    case kStepStatusText:
      ui_->statusLine->setText(FromLatin1(event.statusText));
      break;
    case kStepUnitFinished:
      for (int i = 0; i < 6; ++i) {
        marks_[static_cast<size_t>(i)]->setVisible(false);
        lines_[static_cast<size_t>(i)]->setEnabled(false);
      }
      break;
    case kStepWriteFinished:
    case kStepReadFinished:
      if (context_.finished) {
        OnCancel();
        ShowMessageBox(parentWidget(), FromLatin1(SuccessText(step, multiplexerProject_)), "",
                       MessageIcon::Information);
      }
      break;
    case kStepReadTagsStart:
      EnableLine(3);
      if (!multiplexer) CheckLine(2);
      break;
    default:
      break;
  }
}

}  // namespace lumora::gui

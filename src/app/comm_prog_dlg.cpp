#include "app/comm_prog_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/simulated_panel.h"
#include "app/modal_run.h"
#include "app/serial_ports.h"
#include "editors/help_topics.h"
#include "model/project.h"
#include "transfer/transfer_texts.h"
#include "transfer/transfer_worker.h"

namespace lumora::gui {
namespace {

constexpr int kLineIds[6] = {1283, 1284, 1029, 1275, 1285, 1276};
constexpr int kMarkIds[6] = {1286, 1365, 1364, 1288, 1289, 1290};
constexpr int kRadioIds[7] = {1492, 1536, 1537, 1538, 1539, 1540, 1541};

}  // namespace

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
      prompts_(this),
      context_(&project, operation, CLumoraApp::Instance() ? &prompts_ : nullptr, &sink_),
      multiplexerProject_(project.IsMultiPanel()) {
  qRegisterMetaType<lumora::TransferEvent>("lumora::TransferEvent");
  setObjectName("commProgDlg");
  if (!filePath.isEmpty()) context_.filePath = ToPath(filePath);
  connect(&sink_, &QtTransferSink::posted, this, &CCommProgDlg::OnEvent, Qt::QueuedConnection);

  setWindowTitle(FromLatin1(OperationTitle(operation)));
  auto* checklist = new QGridLayout;
  std::array<std::string, 6> texts = ChecklistTexts(operation);
  for (int i = 0; i < 6; ++i) {
    marks_[static_cast<size_t>(i)] = new QLabel(QString::fromUtf8("\u2714"), this);
    marks_[static_cast<size_t>(i)]->setObjectName(QString("mark%1").arg(i + 1));
    marks_[static_cast<size_t>(i)]->setProperty("controlId", kMarkIds[i]);
    marks_[static_cast<size_t>(i)]->setStyleSheet("color: rgb(0, 128, 0); font-weight: bold;");
    marks_[static_cast<size_t>(i)]->setFixedWidth(18);
    marks_[static_cast<size_t>(i)]->setVisible(false);
    lines_[static_cast<size_t>(i)] = new QLabel(FromLatin1(texts[static_cast<size_t>(i)]), this);
    lines_[static_cast<size_t>(i)]->setObjectName(QString("line%1").arg(i + 1));
    lines_[static_cast<size_t>(i)]->setProperty("controlId", kLineIds[i]);
    lines_[static_cast<size_t>(i)]->setEnabled(false);
    checklist->addWidget(marks_[static_cast<size_t>(i)], i, 0);
    checklist->addWidget(lines_[static_cast<size_t>(i)], i, 1);
  }
  if (operation == kOperationRead) {
    for (int i : {0, 5}) {
      lines_[static_cast<size_t>(i)]->hide();
      marks_[static_cast<size_t>(i)]->hide();
    }
  }
  if (operation == kOperationPanelFirmware || operation == kOperationMultiplexerFirmware) {
    for (int i = 0; i < 6; ++i)
      lines_[static_cast<size_t>(i)]->setEnabled(true);
  }

  status_ = new QLabel(this);
  status_->setObjectName("statusLine");
  status_->setProperty("controlId", 1291);
  status_->setMinimumWidth(360);
  percent_ = new QLabel("0%", this);
  percent_->setObjectName("percentText");
  percent_->setProperty("controlId", 1270);
  bar_ = new QProgressBar(this);
  bar_->setObjectName("progressBar");
  bar_->setProperty("controlId", 1271);
  bar_->setRange(1, 100);
  bar_->setTextVisible(false);

  auto* targets = new QGroupBox(this);
  auto* targetLayout = new QGridLayout(targets);
  radioGroup_ = new QButtonGroup(this);
  static const char* kRadioTexts[7] = {"Panel 1", "Panel 2",     "Panel 3",      "Panel 4",
                                       "Panel 5", "Multiplexer", "Write Project"};
  for (int i = 0; i < 7; ++i) {
    auto* radio = new QRadioButton(kRadioTexts[i], targets);
    radio->setObjectName(i < 5 ? QString("radioPanel%1").arg(i + 1)
                               : (i == 5 ? "radioMultiplexer" : "radioWriteProject"));
    radio->setProperty("controlId", kRadioIds[i]);
    radios_[static_cast<size_t>(i)] = radio;
    radioGroup_->addButton(radio, i);
    targetLayout->addWidget(radio, i < 5 ? i : i - 5, i < 5 ? 0 : 1);
  }
  direct_ = new QCheckBox("Check this box if connecting directly to a panel.", targets);
  direct_->setObjectName("directConnection");
  direct_->setProperty("controlId", 1542);
  targetLayout->addWidget(direct_, 5, 0, 1, 2);
  connect(radioGroup_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id <= 4) {
      direct_->setEnabled(true);
    } else {
      direct_->setChecked(false);
      direct_->setEnabled(false);
    }
  });
  // In a single-panel project there is no unit to choose.
  if (!multiplexerProject_) {
    for (QRadioButton* radio : radios_)
      radio->setEnabled(false);
    direct_->setEnabled(false);
  } else {
    for (int port = 1; port <= 5; ++port) {
      radios_[static_cast<size_t>(port - 1)]->setEnabled(project.multiplexer.HasPanel(port));
    }
  }

  ports_ = new QComboBox(this);
  ports_->setObjectName("portList");
  ports_->setProperty("controlId", 1039);
  CLumoraApp* app = CLumoraApp::Instance();
  bool simulated = app && app->SimulatedPanel().Running();
  QString stored = app && !simulated ? FromPath(app->PortName()) : QString();
  ports_->addItems(PortChoices(stored));
  if (app) ports_->addItem(kSimulatedPanelText);
  int selected = ports_->findText(simulated ? QString(kSimulatedPanelText) : stored);
  if (selected >= 0) ports_->setCurrentIndex(selected);

  start_ = new QPushButton("&Start", this);
  start_->setObjectName("startButton");
  start_->setProperty("controlId", 1269);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cancelButton");
  cancel_->setProperty("controlId", 2);
  help_ = new QPushButton("&Help", this);
  help_->setObjectName("helpButton");
  help_->setProperty("controlId", 57670);
  start_->setDefault(true);
  connect(start_, &QPushButton::clicked, this, &CCommProgDlg::OnStart);
  connect(cancel_, &QPushButton::clicked, this, &CCommProgDlg::OnCancel);
  ConnectHelpButton(help_, HelpTopic());

  auto* portRow = new QHBoxLayout;
  portRow->addWidget(new QLabel("Port selected:", this));
  portRow->addWidget(ports_, 1);
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(bar_, 1);
  progressRow->addWidget(percent_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(start_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(checklist);
  layout->addWidget(status_);
  layout->addLayout(progressRow);
  layout->addWidget(targets);
  layout->addLayout(portRow);
  layout->addLayout(buttons);
}

CCommProgDlg::~CCommProgDlg() {
  // No event loop runs from here on: a worker waiting for an answer from this thread gets none (as if
  // its box were closed), sees the cancel and ends; only then is it joined.
  context_.cancelRequested = true;
  prompts_.ReleaseWaiters();
  if (context_.workerThread.joinable()) context_.workerThread.join();
}

QString CCommProgDlg::LineText(int line) const {
  return lines_[static_cast<size_t>(line)]->text();
}
bool CCommProgDlg::LineChecked(int line) const {
  return marks_[static_cast<size_t>(line)]->isVisibleTo(this);
}
bool CCommProgDlg::LineEnabled(int line) const {
  return lines_[static_cast<size_t>(line)]->isEnabled();
}
QString CCommProgDlg::StatusLine() const {
  return status_->text();
}
QString CCommProgDlg::PercentText() const {
  return percent_->text();
}

void CCommProgDlg::OnStart() {
  context_.selectedTarget = radioGroup_->checkedId();
  context_.directConnection = direct_->isChecked();
  if (context_.selectedTarget > 4) context_.directConnection = false;
  std::string port = ToPath(ports_->currentText());
  CLumoraApp* app = CLumoraApp::Instance();
  if (app && ports_->currentText() == kSimulatedPanelText) {
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
  ports_->setEnabled(false);
  start_->setEnabled(false);
  cancel_->setFocus();
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
  cancel_->setEnabled(false);
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

void CCommProgDlg::OnHelp() {
  ShowHelp(HelpTopic());
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
      percent_->setText(QString("%1%").arg(event.percent));
      bar_->setValue(std::clamp(event.percent, 1, 100));
      if (context_.operation == kOperationPanelFirmware ||
          context_.operation == kOperationMultiplexerFirmware) {
        status_->setText(FromLatin1(event.statusText));
        if (event.finished) {
          cancel_->setText("Close");
          cancel_->setEnabled(true);
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
      ports_->setEnabled(true);
      start_->setEnabled(true);
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
      cancel_->setText("Close");
      cancel_->setEnabled(true);
      CheckLine(step == kStepPlcAttrDone ? 5 : 4);
      break;
    case kStepMapStart:
      status_->clear();
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
      status_->setText(FromLatin1(event.statusText));
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

#include "app/comm_prog_dlg.h"

#include <QButtonGroup>
#include <QCloseEvent>

#include "app/exchange_wait.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/simulated_panel.h"
#include "app/serial_ports.h"
#include "editors/help_topics.h"
#include "model/project.h"
#include "transfer/operations.h"
#include "transfer/transfer_texts.h"
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

CCommProgDlg::CCommProgDlg(TQMProject& project, TransferOperation operation, const QString& filePath,
                           QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CommProgDlg>()),
      prompts_(this),
      context_(&project, operation, CLumoraApp::Instance() ? &prompts_ : nullptr, &sink_),
      // No event loop runs once the dialog goes: a worker waiting for an answer from this thread gets
      // none (as if its box were closed), sees the cancel and ends; only then is it joined.
      exchange_(context_, [this] { prompts_.ReleaseWaiters(); }),
      multiplexerProject_(project.IsMultiPanel()) {
  qRegisterMetaType<lumora::TransferEvent>("lumora::TransferEvent");
  ui_->setupUi(this);
  setObjectName("commProgDlg");
  if (!filePath.isEmpty()) context_.filePath = ToPath(filePath);
  connect(&sink_, &QtTransferSink::posted, this, &CCommProgDlg::OnEvent, Qt::QueuedConnection);

  setWindowTitle(FromLatin1(OperationTitle(operation)));
  lines_ = {ui_->line1, ui_->line2, ui_->line3, ui_->line4, ui_->line5, ui_->line6};
  marks_ = {ui_->mark1, ui_->mark2, ui_->mark3, ui_->mark4, ui_->mark5, ui_->mark6};
  std::array<std::string, kChecklistLines> texts = ChecklistTexts(operation);
  bool firmware = IsFirmware(operation);
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i]->setText(FromLatin1(texts[i]));
    lines_[i]->setEnabled(firmware);
    marks_[i]->setVisible(false);
  }
  if (operation == TransferOperation::Read) {
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
    if (IsPanelTarget(static_cast<TransferTarget>(id))) {
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
  ui_->readBeforeWrite->setVisible(operation == TransferOperation::Write);
  ui_->readBeforeWrite->setChecked(operation == TransferOperation::Write && app &&
                                   app->User().ReadBeforeWrite());
  bool simulated = app && app->SimulatedPanel().Running();
  QString stored = app && !simulated ? FromPath(app->PortName()) : QString();
  ui_->portList->addItems(PortChoices(stored));
  if (app)
    ui_->portList->addItem(QCoreApplication::translate("lumora::gui::CSimulatedPanel", kSimulatedPanelText));
  int selected = ui_->portList->findText(
      simulated ? QCoreApplication::translate("lumora::gui::CSimulatedPanel", kSimulatedPanelText) : stored);
  if (selected >= 0) ui_->portList->setCurrentIndex(selected);

  UpdateStartButton();
  connect(ui_->startButton, &QPushButton::clicked, this, &CCommProgDlg::OnStart);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CCommProgDlg::OnCancel);
  ConnectHelpButton(ui_->helpButton, HelpTopic());
}

CCommProgDlg::~CCommProgDlg() = default;

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
QCheckBox* CCommProgDlg::ReadBeforeWrite() const {
  return ui_->readBeforeWrite;
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
  bool nothingToWrite =
      context_.operation == TransferOperation::Write &&
      NothingToWriteText(*context_.project, static_cast<TransferTarget>(radioGroup_->checkedId())).has_value();
  ui_->startButton->setEnabled(!nothingToWrite);
}

void CCommProgDlg::OnStart() {
  context_.selectedTarget = static_cast<TransferTarget>(radioGroup_->checkedId());
  context_.directConnection = IsPanelTarget(context_.selectedTarget) && ui_->directConnection->isChecked();
  context_.keepPrevious = context_.operation == TransferOperation::Write && ui_->readBeforeWrite->isChecked();
  std::string port = ToPath(ui_->portList->currentText());
  CLumoraApp* app = CLumoraApp::Instance();
  if (app && ui_->portList->currentText() ==
                 QCoreApplication::translate("lumora::gui::CSimulatedPanel", kSimulatedPanelText)) {
    QString error;
    if (!app->SimulatedPanel().Start(context_.project, &error)) {
      ShowMessageBox(this, error, tr("Simulated Panel"), MessageIcon::Error);
      return;
    }
    port = ToPath(app->SimulatedPanel().Path());
  } else if (app) {
    // The choice is remembered where it can be; a transfer does not depend on it.
    app->StorePort(port);
  }
  if (app && context_.operation == TransferOperation::Write)
    app->User().SetReadBeforeWrite(context_.keepPrevious);
  context_.portName = port;
  ui_->portList->setEnabled(false);
  ui_->readBeforeWrite->setEnabled(false);
  ui_->startButton->setEnabled(false);
  ui_->cancelButton->setFocus();
  exchange_.Start();
}

void CCommProgDlg::OnCancel() {
  if (closing_) return;
  closing_ = true;
  ui_->cancelButton->setEnabled(false);
  exchange_.RequestCancel();
  // The worker's own message boxes stay answerable meanwhile.
  WaitForExchange(exchange_, WaitInput::Accept);
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
  return IsFirmware(context_.operation) ? kHelpFirmware : kHelpTransfer;
}

void CCommProgDlg::CheckLine(ChecklistLine line) {
  marks_[static_cast<size_t>(line)]->setVisible(true);
}
void CCommProgDlg::EnableLine(ChecklistLine line) {
  lines_[static_cast<size_t>(line)]->setEnabled(true);
}

void CCommProgDlg::OnEvent(const lumora::TransferEvent& event) {
  switch (event.message) {
    case TransferMessage::Progress: {
      ui_->percentText->setText(QString("%1%").arg(event.percent));
      ui_->progressBar->setValue(std::clamp(event.percent, 1, 100));
      if (IsFirmware(context_.operation)) {
        ui_->statusLine->setText(FromLatin1(event.statusText));
        if (event.finished) {
          ui_->cancelButton->setText(tr("Close"));
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
      ui_->readBeforeWrite->setEnabled(true);
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
  const StepEffect& effect = StepEffectOf(step);
  if (effect.enable) EnableLine(*effect.enable);
  bool multiplexer = event.targetPanelType == kPanelMultiplexer;
  if (std::optional<ChecklistLine> check = multiplexer ? effect.checkForMultiplexer : effect.checkForPanel)
    CheckLine(*check);
  switch (effect.also) {
    case StepEffect::Also::Nothing:
      break;
    case StepEffect::Also::ClearStatus:
      ui_->statusLine->clear();
      break;
    case StepEffect::Also::ShowStatus:
      ui_->statusLine->setText(FromLatin1(event.statusText));
      break;
    case StepEffect::Also::CloseButton:
      ui_->cancelButton->setText(tr("Close"));
      ui_->cancelButton->setEnabled(true);
      break;
    case StepEffect::Also::ResetLines:
      for (size_t i = 0; i < lines_.size(); ++i) {
        marks_[i]->setVisible(false);
        lines_[i]->setEnabled(false);
      }
      break;
    case StepEffect::Also::Finish:
      if (context_.finished) {
        OnCancel();
        std::string text = SuccessText(step, multiplexerProject_);
        if (const char* note = context_.nothingKeptText) text = std::string(note) + "\n" + text;
        ShowMessageBox(parentWidget(), FromLatin1(text), "", MessageIcon::Information);
      }
      break;
  }
}

}  // namespace lumora::gui

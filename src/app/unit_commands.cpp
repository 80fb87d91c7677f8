#include "app/unit_commands.h"

#include <QFileInfo>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "app/comm_prog_dlg.h"
#include "app/exchange_wait.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/modal_run.h"
#include "app/panel_not_conf_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/upgrade_firmware_dlg.h"
#include "model/project.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_history.h"
#include "transfer/panel_information.h"

namespace lumora::gui {
namespace {

// What the panel history keeps of a write or read, under `projectName`.
HistoryOptions UserHistory(const std::string& projectName) {
  return {DefaultHistoryFolder(), CLumoraApp::Instance()->User().HistoryLimit(), projectName};
}

// A history that could not keep the transfer says so after it; the transfer stays what it was.
void ShowWarnings(const ExchangeOutcome& outcome, QWidget* parent) {
  for (const std::string& warning : outcome.warnings)
    ShowMessageBox(parent, FromPath(warning), "", MessageIcon::Warning);
}

// Runs the read dialog on a fresh project with one QM210 record; the project read, or null unless the
// read reached its end. A read with `history` is kept in the panel history.
std::unique_ptr<TQMProject> ReadIntoFreshProject(QWidget* parent, const HistoryOptions& history = {}) {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject project;
  PrepareReadTarget(project, CoreServices{&app->Ui(), &app->Plc()});
  CCommProgDlg dialog(project, TransferOperation::Read, QString(), parent);
  dialog.Context().history = history;
  ExecModal(dialog);
  ExchangeOutcome outcome = dialog.TakeOutcome();
  ShowWarnings(outcome, parent);
  return std::move(outcome.readProject);
}

void ShowUnit(const std::optional<UnitInformation>& unit, QWidget* parent) {
  if (!unit) return;
  CPanelStatusDlg dialog(*unit, parent);
  ExecModal(dialog);
}

}  // namespace

CUnitCommands::CUnitCommands(CLumoraDoc* doc, QWidget* view) : QObject(view), doc_(doc), view_(view) {}

ExchangeOutcome CUnitCommands::RunShort(TransferOperation operation, UnitExchange::Work work) {
  TQMProject working(doc_->Project());
  GuiInteraction prompts(view_);
  TransferContext context(&working, operation, &prompts, nullptr);
  context.portName = CLumoraApp::Instance()->PortName();
  UnitExchange exchange(context, [&prompts] { prompts.ReleaseWaiters(); });
  ExchangeOutcome outcome = RunShortExchange(exchange, std::move(work));
  for (const std::string& error : outcome.errors)
    ShowMessageBox(view_, FromLatin1(error), "", MessageIcon::Error);
  return outcome;
}

std::string CUnitCommands::DocumentFileName() const {
  return ToPath(QFileInfo(doc_->PathName()).fileName());
}

void CUnitCommands::OnWrite() {
  QPointer<CUnitCommands> self(this);
  ExchangeOutcome outcome = Write(doc_->Project(), DocumentFileName());
  if (!self || !outcome.selectedPort) return;
  // The selected port is saved in the file: a port the transfer left selected is a step of its own.
  doc_->SelectPort(*outcome.selectedPort);
}

void CUnitCommands::WriteStoredProject(const TQMProject& project, const std::string& projectName) {
  Write(project, projectName);
}

ExchangeOutcome CUnitCommands::Write(const TQMProject& project, const std::string& projectName) {
  CommLogScope log("Write.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  ApplyLinkSpeed(project);
  WriteCheck check = CheckBeforeWrite(project, PlcAddressSizeOf(project, CLumoraApp::Instance()->Ui()));
  if (check.verdict == WriteCheck::Verdict::Incomplete) {
    CPanelNotConfDlg dialog(check.missingItems, view_);
    ExecModal(dialog);
    return {};
  }
  if (check.verdict == WriteCheck::Verdict::Invalid) {
    ShowMessageBox(view_, FromLatin1(InvalidProjectText(check.problems)), "", MessageIcon::Error);
    return {};
  }
  return RunTransferDialog(TransferOperation::Write, QString(), project, projectName);
}

ExchangeOutcome CUnitCommands::RunTransferDialog(TransferOperation operation, const QString& filePath,
                                                 const TQMProject& project, const std::string& projectName) {
  // The worker gets a copy of its own: the document's project stays with this thread, which paints it.
  // What the transfer hands back that the document keeps (the selected port) is the caller's to apply
  // once it has ended.
  TQMProject working(project);
  QPointer<QWidget> view(view_);
  ExchangeOutcome outcome;
  {
    CCommProgDlg dialog(working, operation, filePath, view_);
    if (operation == TransferOperation::Write) dialog.Context().history = UserHistory(projectName);
    ExecModal(dialog);
    outcome = dialog.TakeOutcome();
  }
  if (view) ShowWarnings(outcome, view);
  return outcome;
}

void CUnitCommands::OnRead() {
  CommLogScope log("Read.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  if (ShowMessageBox(view_, tr("This operation will overwrite the current program.\nProceed?"), "",
                     MessageIcon::Exclamation, MessageButtons::OkCancel, Answer::Ok) != Answer::Ok) {
    return;
  }
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(view_, UserHistory(DocumentFileName()));
  if (read && AdoptReadProject(doc_->Project(), *read))
    doc_->Change(tr("Read Project"), *read, ProjectPart::All);
}

void CUnitCommands::OnVerify() {
  ApplyLinkSpeed(doc_->Project());
  const TQMProject& project = doc_->Project();
  if (project.IsMultiPanel() && !RunShort(TransferOperation::Read, short_exchange::MultiplexerCheck).Succeeded())
    return;
  CommLogScope log("Read.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(view_);
  if (read) {
    VerifyResult result = CompareWithPanel(doc_->Project(), *read);
    // A difference comes with the fields that differ, behind the box's details button.
    QStringList differences;
    for (const std::string& line : result.differences)
      differences << FromLatin1(line);
    ShowMessageBox(view_, FromLatin1(result.text), "", MessageIcon::Information, MessageButtons::Ok,
                   Answer::Ok, differences.join('\n'));
  }
}

void CUnitCommands::OnInformation() {
  ShowUnit(RunShort(TransferOperation::Read, short_exchange::SelectedPanel).unit, view_);
}

void CUnitCommands::Firmware(bool multiplexer) {
  CommLogScope log("Write.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  CUpgdeFirmDlg choose(view_);
  ApplyLinkSpeed(doc_->Project(), multiplexer);
  if (ExecModal(choose) == QDialog::Accepted && !choose.FilePath().isEmpty()) {
    RunTransferDialog(multiplexer ? TransferOperation::MultiplexerFirmware : TransferOperation::PanelFirmware,
                      choose.FilePath(), doc_->Project());
  }
}

void CUnitCommands::OnPanelFirmware() {
  Firmware(false);
}
void CUnitCommands::OnMultiplexerFirmware() {
  Firmware(true);
}

void CUnitCommands::OnClearMemory() {
  QString question = doc_->Project().IsMultiPanel()
                         ? tr("This command will clear the panel(s). Do you want to continue?")
                         : tr("This command will clear the panel. Do you want to continue?");
  if (ShowMessageBox(view_, question, "", MessageIcon::Question, MessageButtons::YesNo, Answer::No) !=
      Answer::Yes)
    return;
  if (doc_->Project().panels.empty()) return;
  RunShort(TransferOperation::Write, short_exchange::ClearMemory);
}

void CUnitCommands::OnConnectionStatus() {
  ApplyLinkSpeed(doc_->Project());
  ShowUnit(RunShort(TransferOperation::Read, short_exchange::ConnectedUnit).unit, view_);
}

}  // namespace lumora::gui

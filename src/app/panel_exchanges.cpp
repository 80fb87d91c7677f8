#include "app/panel_exchanges.h"

#include <QPointer>
#include <QWidget>
#include <mutex>
#include <vector>

#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/panel_not_conf_dlg.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/modal_run.h"
#include "app/panel_status_dlg.h"
#include "app/upgrade_firmware_dlg.h"
#include "model/project.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"

namespace lumora::gui {
namespace {

// Errors of the view's own short exchanges. The exchange runs on a worker, which never waits for a
// window here: the errors are kept and shown with the stop icon once it has ended.
class ViewErrorSink : public TransferSink {
 public:
  void Post(const TransferEvent& event) override {
    if (event.message != TransferMessage::Error) return;
    std::lock_guard lock(mutex_);
    errors_.push_back(event);
  }
  void ShowErrors(QWidget* view) {
    std::vector<TransferEvent> errors;
    {
      std::lock_guard lock(mutex_);
      errors.swap(errors_);
    }
    for (const TransferEvent& event : errors) {
      QString text = FromLatin1(event.statusText);
      if (!event.hint.empty()) text += "\n\n" + FromLatin1(event.hint);
      ShowMessageBox(view, text, "", MessageIcon::Error);
    }
  }

 private:
  std::mutex mutex_;
  std::vector<TransferEvent> errors_;
};


// Runs the read dialog on a fresh project with one QM210 record; null unless the read reached its end.
std::unique_ptr<TQMProject> ReadIntoFreshProject(QWidget* parent) {
  CLumoraApp* app = CLumoraApp::Instance();
  auto project = std::make_unique<TQMProject>();
  PrepareReadTarget(*project, CoreServices{&app->Ui(), &app->Plc()});
  CCommProgDlg dialog(*project, kOperationRead, QString(), parent);
  ExecModal(dialog);
  return ReadSucceeded(dialog.Context(), *project) ? std::move(project) : nullptr;
}

}  // namespace

CPanelExchanges::CPanelExchanges(CLumoraDoc* doc, QWidget* view) : QObject(view), doc_(doc), view_(view) {}

void CPanelExchanges::OnWrite() {
  TQMProject& project = doc_->Project();
  CommLogScope log("Write.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  ApplyLinkSpeed(doc_->Project());
  WriteCheck check = CheckBeforeWrite(project, PlcAddressSizeOf(project, CLumoraApp::Instance()->Ui()));
  if (check.verdict == WriteCheck::Verdict::Incomplete) {
    CPanelNotConfDlg dialog(check.missingItems, view_);
    ExecModal(dialog);
    return;
  }
  if (check.verdict == WriteCheck::Verdict::Invalid) {
    ShowMessageBox(view_, FromLatin1(InvalidProjectText(check.problems)), "", MessageIcon::Error);
    return;
  }
  RunTransferDialog(kOperationWrite, QString());
}

void CPanelExchanges::RunTransferDialog(int operation, const QString& filePath) {
  // The worker gets a copy of its own: the document's project stays with this thread, which paints it.
  // What the transfer changed that the document keeps (the selected port) is applied once it has ended.
  TQMProject working(doc_->Project());
  QPointer<CPanelExchanges> self(this);
  {
    CCommProgDlg dialog(working, operation, filePath, view_);
    ExecModal(dialog);
  }
  if (!self || doc_->Project().multiplexer.selectedPort == working.multiplexer.selectedPort) return;
  doc_->Project().multiplexer.selectedPort = working.multiplexer.selectedPort;
  emit selectedPortChanged();
}

void CPanelExchanges::OnRead() {
  CommLogScope log("Read.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  if (ShowMessageBox(view_, "This operation will overwrite the current program.\nProceed?", "",
                     MessageIcon::Exclamation, MessageButtons::OkCancel, Answer::Ok) != Answer::Ok) {
    return;
  }
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(view_);
  if (read && AdoptReadProject(doc_->Project(), *read)) {
    std::unique_ptr<TQMProject> before = doc_->Snapshot();
    doc_->ReplaceProject(std::move(read));  // refreshes the view
    doc_->RecordChange("Read Project", std::move(before));
  }
}

void CPanelExchanges::OnVerify() {
  ApplyLinkSpeed(doc_->Project());
  TQMProject& project = doc_->Project();
  if (project.IsMultiPanel()) {
    TQMProject working(project);
    ViewErrorSink sink;
    TransferContext context(&working, kOperationRead, &CLumoraApp::Instance()->Ui(), &sink);
    context.portName = CLumoraApp::Instance()->PortName();
    bool ok = RunOffUiThread([&] { return CheckMultiplexerSetup(context); });
    sink.ShowErrors(view_);
    if (!ok) return;
  }
  CommLogScope log("Read.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(view_);
  if (read) {
    VerifyResult result = CompareWithPanel(project, *read);
    // A difference comes with the fields that differ, behind the box's details button.
    QStringList differences;
    for (const std::string& line : result.differences)
      differences << FromLatin1(line);
    ShowMessageBox(view_, FromLatin1(result.text), "", MessageIcon::Information, MessageButtons::Ok,
                   Answer::Ok, differences.join('\n'));
  }
}

void CPanelExchanges::OnInformation() {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject working(doc_->Project());
  ViewErrorSink sink;
  TransferContext context(&working, kOperationRead, &app->Ui(), &sink);
  context.portName = app->PortName();
  bool multiplexer = working.IsMultiPanel();
  std::optional<UnitInformation> info = RunOffUiThread([&] {
    if (!multiplexer) return QueryUnitInformation(context);
    // The selected panel, through the multiplexer.
    return QuerySelectedPanelInformation(context);
  });
  sink.ShowErrors(view_);
  if (!info) return;
  CPanelStatusDlg dialog(*info, view_);
  ExecModal(dialog);
}

void CPanelExchanges::Firmware(bool multiplexer) {
  CommLogScope log("Write.txt", ApplicationVersion(), true, CLumoraApp::Instance()->Ui());
  CUpgdeFirmDlg choose(view_);
  ApplyLinkSpeed(doc_->Project(), multiplexer);
  if (ExecModal(choose) == QDialog::Accepted && !choose.FilePath().isEmpty()) {
    RunTransferDialog(multiplexer ? kOperationMultiplexerFirmware : kOperationPanelFirmware,
                      choose.FilePath());
  }
}

void CPanelExchanges::OnPanelFirmware() {
  Firmware(false);
}
void CPanelExchanges::OnMultiplexerFirmware() {
  Firmware(true);
}

void CPanelExchanges::OnClearMemory() {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject working(doc_->Project());
  QString question = working.IsMultiPanel()
                         ? "This command will clear the panel(s). Do you want to continue?"
                         : "This command will clear the panel. Do you want to continue?";
  if (ShowMessageBox(view_, question, "", MessageIcon::Question, MessageButtons::YesNo, Answer::No) !=
      Answer::Yes)
    return;
  if (working.panels.empty()) return;
  ViewErrorSink sink;
  TransferContext context(&working, kOperationWrite, &app->Ui(), &sink);
  context.portName = app->PortName();
  RunOffUiThread([&] { ClearPanelMemory(context); });
  sink.ShowErrors(view_);
}

void CPanelExchanges::OnConnectionStatus() {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject working(doc_->Project());
  ViewErrorSink sink;
  TransferContext context(&working, kOperationRead, &app->Ui(), &sink);
  context.portName = app->PortName();
  ApplyLinkSpeed(working);
  std::optional<UnitInformation> info = RunOffUiThread([&] { return QueryUnitInformation(context); });
  sink.ShowErrors(view_);
  if (!info) return;
  CPanelStatusDlg dialog(*info, view_);
  ExecModal(dialog);
}

}  // namespace lumora::gui
